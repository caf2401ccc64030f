// The explorer panel: widgets, language texts, the satellite memo and the table.
#include "prediction/panel_explorer.h"

#include <QDate>
#include <QEvent>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/ansi_text.h"
#include "base/help_button.h"
#include "base/locale_number.h"
#include "prediction/doppler_now.h"
#include "prediction/ephemeris_row.h"
#include "prediction/satellite_memo.h"

namespace prediction {

namespace {

QToolButton* Tool(QWidget* parent, const char* name, const QString& text, bool checkable = false) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setText(text);
  b->setCheckable(checkable);
  b->setMinimumWidth(32);
  return b;
}

QFont FixedFont() {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setStyleHint(QFont::TypeWriter);
  f.setPointSize(9);
  return f;
}

}  // namespace

PanelExplorer::PanelExplorer(ExplorerEnvironment environment, QWidget* parent)
    : QWidget(parent), env_(std::move(environment)) {
  setObjectName(QStringLiteral("PanelExplorer"));
  BuildWidgets();
  ApplyLanguage();
  setVisible(false);
}

void PanelExplorer::BuildWidgets() {
  auto* outer = new QHBoxLayout(this);
  outer->setContentsMargins(4, 4, 4, 4);

  PanelMemoSatellite = new QWidget(this);
  PanelMemoSatellite->setObjectName(QStringLiteral("PanelMemoSatellite"));
  auto* memoLayout = new QVBoxLayout(PanelMemoSatellite);
  memoLayout->setContentsMargins(0, 0, 0, 0);
  MemoSatellite = new QPlainTextEdit(PanelMemoSatellite);
  MemoSatellite->setObjectName(QStringLiteral("MemoSatellite"));
  MemoSatellite->setReadOnly(true);
  MemoSatellite->setLineWrapMode(QPlainTextEdit::NoWrap);
  MemoSatellite->setFixedWidth(230);
  memoLayout->addWidget(MemoSatellite);
  LabelSatVisible = new QLabel(PanelMemoSatellite);
  LabelSatVisible->setObjectName(QStringLiteral("LabelSatVisible"));
  LabelSatVisible->setWordWrap(true);
  memoLayout->addWidget(LabelSatVisible);
  sideLayout_ = memoLayout;
  outer->addWidget(PanelMemoSatellite);

  auto* right = new QVBoxLayout;
  LabelPositions = new QLabel(this);
  LabelPositions->setObjectName(QStringLiteral("LabelPositions"));
  LabelPositions->setFont(FixedFont());
  LabelPositions->setTextFormat(Qt::PlainText);
  right->addWidget(LabelPositions);
  ListBoxEphemerids = new QListWidget(this);
  ListBoxEphemerids->setObjectName(QStringLiteral("ListBoxEphemerids"));
  ListBoxEphemerids->setFont(FixedFont());
  ListBoxEphemerids->setUniformItemSizes(true);
  ListBoxEphemerids->setMinimumHeight(200);
  {
    const QFontMetrics fm(FixedFont());
    ListBoxEphemerids->setMinimumWidth(fm.horizontalAdvance(QString(kRowTextLength + 4, QLatin1Char('0'))) + 24);
  }
  right->addWidget(ListBoxEphemerids, 1);

  auto* buttons = new QHBoxLayout;
  SpeedButtonPrevious = Tool(this, "SpeedButtonPrevious", QStringLiteral("<<"));
  SpeedButtonBefore = Tool(this, "SpeedButtonBefore", QStringLiteral("<"));
  SpeedButtonNext = Tool(this, "SpeedButtonNext", QStringLiteral(">"));
  SpeedButtonSurbrillance = Tool(this, "SpeedButtonSurbrillance", QStringLiteral("\u00A4"), true);
  SpeedButtonPrint = Tool(this, "SpeedButtonPrint", QString(), true);
  BitBtnClosePanelExplorer = new QPushButton(this);
  BitBtnClosePanelExplorer->setObjectName(QStringLiteral("BitBtnClosePanelExplorer"));
  for (QWidget* w : {static_cast<QWidget*>(SpeedButtonPrevious), static_cast<QWidget*>(SpeedButtonBefore),
                     static_cast<QWidget*>(SpeedButtonNext), static_cast<QWidget*>(SpeedButtonSurbrillance),
                     static_cast<QWidget*>(SpeedButtonPrint)})
    buttons->addWidget(w);
  LabelEclipse = new QLabel(this);
  LabelEclipse->setObjectName(QStringLiteral("LabelEclipse"));
  buttons->addWidget(LabelEclipse, 1);
  buttons->addWidget(BitBtnClosePanelExplorer);
  buttons->addWidget(base::NewHelpButton(this, base::kHelpTopicMain));
  right->addLayout(buttons);
  outer->addLayout(right, 1);

  EditDateOrigine = new QLineEdit(this);
  EditDateOrigine->setObjectName(QStringLiteral("EditDateOrigine"));
  EditDateOrigine->setEnabled(false);
  EditDateOrigine->setVisible(false);

  connect(SpeedButtonNext, &QToolButton::clicked, this, &PanelExplorer::NextPass);
  connect(SpeedButtonBefore, &QToolButton::clicked, this, &PanelExplorer::PreviousPass);
  connect(SpeedButtonPrevious, &QToolButton::clicked, this, &PanelExplorer::FirstPass);
  connect(SpeedButtonSurbrillance, &QToolButton::toggled, this, &PanelExplorer::ToggleTrackingLine);
  connect(SpeedButtonPrint, &QToolButton::toggled, this, &PanelExplorer::PrintButtonToggled);
  connect(BitBtnClosePanelExplorer, &QPushButton::clicked, this, &PanelExplorer::CloseExplorer);
  connect(ListBoxEphemerids, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { SelectRow(ListBoxEphemerids->row(item)); });
  connect(EditDateOrigine, &QLineEdit::textChanged, this, &PanelExplorer::SetCalculationDate);
}

void PanelExplorer::AddSideWidget(QWidget* widget) { sideLayout_->addWidget(widget); }

void PanelExplorer::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

QString PanelExplorer::HeaderText() const {
  // The label shows the text as it is; "&&" of the original form is one "&" on screen.
  QString h = utc_ ? tr("  DATE &&  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP")
                   : tr("  DATE && LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP");
  h.replace(QStringLiteral("&&"), QStringLiteral("&"));
  return h;
}

QString PanelExplorer::FileHeaderText() const {
  return utc_ ? tr(" DATE &  UTC  TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP")
              : tr(" DATE & LOCAL TIME  EL   AZ   RANGE   ALTIT  LAT  LONG  PHAx  SQU RX-DOPP");
}

void PanelExplorer::RefreshHeader() {
  LabelPositions->setText(HeaderText());
  ListBoxEphemerids->setToolTip(utc_ ? tr("Take note : UTC time !") : tr("Take note : LOCAL time !"));
}

void PanelExplorer::ApplyLanguage() {
  SpeedButtonNext->setToolTip(tr("To display next visibility"));
  SpeedButtonBefore->setToolTip(tr("To display previous visibility"));
  SpeedButtonPrevious->setToolTip(tr("Back to first visibility"));
  SpeedButtonSurbrillance->setToolTip(tr("To set or clear tracking line"));
  SpeedButtonPrint->setText(tr("Print"));
  SpeedButtonPrint->setToolTip(tr("Print"));
  BitBtnClosePanelExplorer->setText(tr("Close"));
  BitBtnClosePanelExplorer->setToolTip(tr("To close this window"));
  RefreshHeader();
  if (eclipseShown_) LabelEclipse->setText(tr("(* = satellite in eclipse)"));
  SetSatelliteVisible(satelliteVisible_);
  if (open_) FillMemo();
}

void PanelExplorer::SetSatelliteVisible(bool visible) {
  satelliteVisible_ = visible;
  LabelSatVisible->setText(visible ? tr("Satellite is visible") : tr("Satellite is currently not visible"));
  LabelSatVisible->setStyleSheet(visible ? QStringLiteral("color: #008000;")
                                         : QStringLiteral("color: #FF0000;"));
}

PassSlot* PanelExplorer::Shown() {
  if (shownSlot_ < 1 || shownSlot_ > kSlotCount || env_.slotTable == nullptr) return nullptr;
  return &(*env_.slotTable)[static_cast<std::size_t>(shownSlot_ - 1)];
}

const PassSlot* PanelExplorer::Shown() const {
  return const_cast<PanelExplorer*>(this)->Shown();
}

QString PanelExplorer::SatelliteName() const {
  const PassSlot* slot = Shown();
  return slot != nullptr ? base::DecodeWindows1252(slot->name) : QString();
}

void PanelExplorer::FillMemo() {
  const PassSlot* slot = Shown();
  if (slot == nullptr) return;
  const int year = env_.currentYear ? env_.currentYear() : QDate::currentDate().year();
  const SatelliteMemo m = BuildSatelliteMemo(*slot, year);
  const QLocale locale = QLocale::system();
  QStringList lines;
  lines << base::DecodeWindows1252(m.name);
  lines << QStringLiteral("NORAD ID : ") + QString::fromStdString(m.noradId);
  lines << tr("Epoch (DD/MM/YY): ") +
               locale.toString(QDate(m.epochYear, m.epochMonth, m.epochDay), QLocale::ShortFormat);
  lines << tr("Epoch (NASA): ") + QString::fromStdString(m.epochText);
  const QString labels[8] = {tr("Inclination : "),  tr("R.A.A.N. : "),        tr("Eccentricity : "),
                             tr("Argument of perigee : "), tr("Mean anomaly : "), tr("Mean motion : "),
                             tr("Mean motion drift : "),   tr("Reference orbit number : ")};
  for (std::size_t i = 0; i < 8; ++i) lines << labels[i] + base::FormatUserGeneral(m.values[i]);
  if (m.hasAttitude)
    lines << QStringLiteral("ALAT=") + base::FormatUserGeneral(m.alat) + QStringLiteral(" / ALON=") +
                 base::FormatUserGeneral(m.alon);
  if (!m.schedule.empty()) lines << QStringLiteral("MA:Mode=") + QString::fromStdString(m.schedule);
  MemoSatellite->setPlainText(lines.join(QLatin1Char('\n')));
}

void PanelExplorer::FillTable() {
  ListBoxEphemerids->clear();
  LabelEclipse->clear();
  eclipseShown_ = false;
  highlightedRow_ = -1;
  localRows_.clear();
  shownRows_.clear();
  shownDoppler_.clear();
  rowPoints_.clear();
  const PassSlot* slot = Shown();
  if (slot == nullptr) return;
  const Real offset = env_.search != nullptr ? env_.search->localOffsetHours : 0;
  for (int k = 1; k <= kMaxRows && slot->rows.elevation[static_cast<std::size_t>(k - 1)] != kEndMark; ++k) {
    bool eclipse = false;
    std::string local = BuildRowText(*slot, k, false, offset, &eclipse);
    std::string shown = utc_ ? BuildRowText(*slot, k, true, offset) : local;
    if (eclipse && !eclipseShown_) {
      eclipseShown_ = true;
      LabelEclipse->setText(tr("(* = satellite in eclipse)"));
    }
    const std::size_t i = static_cast<std::size_t>(k - 1);
    rowPoints_.push_back({slot->rows.latitude[i], slot->rows.westLongitude[i],
                          orbit::kEarthRadiusKm + orbit::Round(slot->rows.altitude10[i] / 10)});
    shownDoppler_.push_back(slot->rows.doppler[i]);
    ListBoxEphemerids->addItem(QString::fromStdString(shown));
    localRows_.push_back(std::move(local));
    shownRows_.push_back(std::move(shown));
  }
  if (!rowPoints_.empty()) {
    currentPoint_ = selectedPoint_ = rowPoints_.front();
    mapPassText_ = QString::fromStdString(shownRows_.front().substr(0, 20));
  } else {
    mapPassText_.clear();
  }
}

long long PanelExplorer::DopplerNow(Real nowLocal) const {
  return prediction::DopplerNow(localRows_, shownDoppler_, nowLocal);
}

bool PanelExplorer::TrackingLineOn() const { return SpeedButtonSurbrillance->isChecked(); }

void PanelExplorer::HighlightRow(int row) {
  if (row < 0 || row >= ListBoxEphemerids->count()) {
    highlightedRow_ = -1;
    ListBoxEphemerids->clearSelection();
    return;
  }
  highlightedRow_ = row;
  ListBoxEphemerids->setCurrentRow(row);
}

}  // namespace prediction
