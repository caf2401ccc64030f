#include "tracking/form_extra_info.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "base/help_button.h"
#include "base/locale_number.h"

namespace tracking {

namespace {

constexpr int kColumnWidths[kModeColumns] = {40, 205, 97, 40, 83, 40};

// The grid's editors: the letter column's report their keys to the window first, and
// an editor still open when OK is pressed can hand its text over.
class GridDelegate : public QStyledItemDelegate {
 public:
  GridDelegate(QObject* keyFilter, QObject* parent)
      : QStyledItemDelegate(parent), keyFilter_(keyFilter) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (index.column() == kColLetter && editor != nullptr) {
      editor->setProperty("letterEditor", true);
      editor->installEventFilter(keyFilter_);
    }
    open_ = editor;
    return editor;
  }
  void CommitOpenEditor() {
    if (open_) emit commitData(open_);
  }

 private:
  QObject* keyFilter_;
  mutable QPointer<QWidget> open_;
};

QLineEdit* SmallEdit(QWidget* parent, const QString& name, int maxLength, int width) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  edit->setFixedWidth(width);
  edit->setAlignment(Qt::AlignCenter);
  return edit;
}

QString CellText(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item != nullptr ? item->text() : QString();
}

void SetCellText(QTableWidget* grid, int row, int column, const QString& text) {
  QTableWidgetItem* item = grid->item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  item->setText(text);
}

}  // namespace

TFormExtraInfo::TFormExtraInfo(base::Sounds* sounds, base::Dialogs* dialogs, QWidget* parent)
    : QDialog(parent), sounds_(sounds), dialogs_(dialogs) {
  setObjectName(QStringLiteral("TFormExtraInfo"));
  // One satellite at a time: the main window waits until OK or Cancel.
  setWindowModality(Qt::ApplicationModal);
  BuildWidgets();
  RetranslateUi();
}

void TFormExtraInfo::BuildWidgets() {
  auto* layout = new QVBoxLayout(this);

  StringGridModeFreq = new QTableWidget(kModeRows, kModeColumns, this);
  StringGridModeFreq->setObjectName(QStringLiteral("StringGridModeFreq"));
  StringGridModeFreq->verticalHeader()->setVisible(false);
  StringGridModeFreq->horizontalHeader()->setHighlightSections(false);
  StringGridModeFreq->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGridModeFreq->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGridModeFreq->setTabKeyNavigation(true);
  StringGridModeFreq->setEditTriggers(QAbstractItemView::AllEditTriggers);
  StringGridModeFreq->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridModeFreq->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridModeFreq->setItemDelegate(new GridDelegate(this, StringGridModeFreq));
  StringGridModeFreq->installEventFilter(this);
  int width = 2 * StringGridModeFreq->frameWidth();
  for (int c = 0; c < kModeColumns; ++c) {
    StringGridModeFreq->setColumnWidth(c, kColumnWidths[c]);
    width += kColumnWidths[c];
  }
  for (int r = 0; r < kModeRows; ++r) {
    for (int c = 0; c < kModeColumns; ++c) SetCellText(StringGridModeFreq, r, c, QString());
  }
  const int rowHeight = StringGridModeFreq->verticalHeader()->defaultSectionSize();
  StringGridModeFreq->setFixedSize(
      width, 2 * StringGridModeFreq->frameWidth() +
                 StringGridModeFreq->horizontalHeader()->sizeHint().height() +
                 kModeRows * rowHeight);
  layout->addWidget(StringGridModeFreq);

  auto* lower = new QGridLayout;
  LabelAlat = new QLabel(this);
  LabelAlat->setObjectName(QStringLiteral("LabelAlat"));
  LabelAlon = new QLabel(this);
  LabelAlon->setObjectName(QStringLiteral("LabelAlon"));
  EditAlat = SmallEdit(this, QStringLiteral("EditAlat"), 12, 70);
  EditALon = SmallEdit(this, QStringLiteral("EditALon"), 12, 70);
  lower->addWidget(LabelAlat, 0, 0);
  lower->addWidget(EditAlat, 0, 1);
  lower->addWidget(LabelAlon, 1, 0);
  lower->addWidget(EditALon, 1, 1);
  lower->setColumnStretch(2, 1);
  layout->addLayout(lower);

  LabelMA = new QLabel(this);
  LabelMA->setObjectName(QStringLiteral("LabelMA"));
  LabelMA->setAlignment(Qt::AlignCenter);
  layout->addWidget(LabelMA);
  // Eight entries "MA : mode", as the schedule writes them.
  auto* schedule = new QHBoxLayout;
  schedule->setSpacing(2);
  for (int i = 0; i < kModeRows; ++i) {
    const QString n = QString::number(i + 1);
    EditMA[static_cast<std::size_t>(i)] = SmallEdit(this, QStringLiteral("EditMA") + n, 3, 38);
    EditMode[static_cast<std::size_t>(i)] = SmallEdit(this, QStringLiteral("EditMode") + n, 1, 24);
    schedule->addWidget(EditMA[static_cast<std::size_t>(i)]);
    schedule->addWidget(new QLabel(QStringLiteral(":"), this));
    schedule->addWidget(EditMode[static_cast<std::size_t>(i)]);
    if (i + 1 < kModeRows) schedule->addSpacing(6);
  }
  schedule->addStretch();
  layout->addLayout(schedule);

  auto* buttons = new QHBoxLayout;
  CheckBoxSaveInfo = new QCheckBox(this);
  CheckBoxSaveInfo->setObjectName(QStringLiteral("CheckBoxSaveInfo"));
  CheckBoxSaveInfo->setChecked(true);
  BitBtnOKInfoSat = new QPushButton(this);
  BitBtnOKInfoSat->setObjectName(QStringLiteral("BitBtnOKInfoSat"));
  BitBtnOKInfoSat->setAutoDefault(false);
  BitBtnCancelInfoSat = new QPushButton(this);
  BitBtnCancelInfoSat->setObjectName(QStringLiteral("BitBtnCancelInfoSat"));
  BitBtnCancelInfoSat->setAutoDefault(false);
  buttons->addWidget(CheckBoxSaveInfo);
  buttons->addStretch();
  buttons->addWidget(BitBtnOKInfoSat);
  buttons->addWidget(BitBtnCancelInfoSat);
  buttons->addWidget(base::InstallHelp(this, base::kHelpTopicSatelliteInfo));
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(BitBtnOKInfoSat, &QPushButton::clicked, this, &TFormExtraInfo::BitBtnOKInfoSatClick);
  connect(BitBtnCancelInfoSat, &QPushButton::clicked, this,
          &TFormExtraInfo::BitBtnCancelInfoSatClick);
  connect(EditAlat, &QLineEdit::textChanged, this, [this] { NumberEditChange(EditAlat, true); });
  connect(EditALon, &QLineEdit::textChanged, this, [this] { NumberEditChange(EditALon, false); });
}

void TFormExtraInfo::RetranslateUi() {
  setWindowTitle(tr("EXTRA INFOS") + QStringLiteral(" [") + satelliteName_ + QLatin1Char(']'));
  StringGridModeFreq->setHorizontalHeaderLabels({tr("Mode"), tr("Comment"), tr("Downlink MHz"),
                                                 tr("D-Ops"), tr("Uplink MHz"), tr("U-Ops")});
  LabelAlat->setText(tr("ALAT Satellite antenna [-90..+90]"));
  LabelAlon->setText(tr("ALON Satellite antenna [0..360]"));
  LabelMA->setText(tr("====== Starting Mode MA [0..255] ======"));
  CheckBoxSaveInfo->setText(tr("Save info"));
  BitBtnOKInfoSat->setText(tr("OK"));
  BitBtnCancelInfoSat->setText(tr("Cancel"));
}

void TFormExtraInfo::showEvent(QShowEvent* event) {
  RetranslateUi();
  QDialog::showEvent(event);
}

void TFormExtraInfo::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(event);
}

ExtraInfoTexts TFormExtraInfo::CurrentTexts() const {
  ExtraInfoTexts t;
  for (int r = 0; r < kModeRows; ++r) {
    for (int c = 0; c < kModeColumns; ++c)
      t.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
          CellText(StringGridModeFreq, r, c);
  }
  t.alat = EditAlat->text();
  t.alon = EditALon->text();
  for (std::size_t i = 0; i < kModeRows; ++i) {
    t.ma[i] = EditMA[i]->text();
    t.mode[i] = EditMode[i]->text();
  }
  return t;
}

void TFormExtraInfo::ShowTexts(const ExtraInfoTexts& t) {
  for (int r = 0; r < kModeRows; ++r) {
    for (int c = 0; c < kModeColumns; ++c)
      SetCellText(StringGridModeFreq, r, c,
                  t.grid[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
  }
  EditAlat->setText(t.alat);
  EditALon->setText(t.alon);
  for (std::size_t i = 0; i < kModeRows; ++i) {
    EditMA[i]->setText(t.ma[i]);
    EditMode[i]->setText(t.mode[i]);
  }
}

void TFormExtraInfo::Open(const QString& satelliteName, const orbit::SatRadioData& data) {
  satelliteName_ = satelliteName;
  data_ = data;
  openedTexts_ = TextsOf(data, base::UserDecimalSeparator());
  ShowTexts(openedTexts_);
  StringGridModeFreq->setCurrentCell(0, kColLetter);
  RetranslateUi();
  show();
  raise();
  activateWindow();
}

void TFormExtraInfo::BitBtnOKInfoSatClick() {
  // A cell still being edited counts with what it shows.
  static_cast<GridDelegate*>(StringGridModeFreq->itemDelegate())->CommitOpenEditor();
  const ExtraInfoResult r =
      CheckExtraInfo(CurrentTexts(), data_, base::UserDecimalSeparator());
  for (int row = 0; row < kModeRows; ++row) {
    if (!r.rowChecked[static_cast<std::size_t>(row)]) continue;
    const auto& written = r.frequencyTexts[static_cast<std::size_t>(row)];
    SetCellText(StringGridModeFreq, row, kColRx, written[0]);
    SetCellText(StringGridModeFreq, row, kColTx, written[1]);
  }
  if (r.beep) sounds_->Beep();
  if (r.problem != ExtraInfoProblem::None) {
    if (r.problem == ExtraInfoProblem::SlashLetter)
      SetCellText(StringGridModeFreq, r.row, kColLetter, QString());
    sounds_->Warning();
    dialogs_->Warning(ExtraInfoMessage(r.problem));
    switch (r.field) {
      case ExtraInfoField::GridCell:
        StringGridModeFreq->setCurrentCell(r.row, r.column);
        StringGridModeFreq->setFocus();
        break;
      case ExtraInfoField::Alat: EditAlat->setFocus(); break;
      case ExtraInfoField::Alon: EditALon->setFocus(); break;
      case ExtraInfoField::Ma: EditMA[static_cast<std::size_t>(r.row)]->setFocus(); break;
      case ExtraInfoField::Mode: EditMode[static_cast<std::size_t>(r.row)]->setFocus(); break;
      case ExtraInfoField::None: break;
    }
    return;
  }
  data_ = r.data;
  hide();
  emit dataAccepted(data_);
}

void TFormExtraInfo::BitBtnCancelInfoSatClick() {
  ShowTexts(openedTexts_);
  hide();
}

void TFormExtraInfo::reject() { BitBtnCancelInfoSatClick(); }

// While the text is not a number: a "," or "." becomes the user's separator when the
// text has none yet, otherwise the character before the caret goes, with a beep.
void TFormExtraInfo::NumberEditChange(QLineEdit* edit, bool loneMinusAllowed) {
  const QString text = edit->text();
  if (text.isEmpty() || (loneMinusAllowed && text == QLatin1String("-"))) return;
  long double value = 0;
  if (base::ParseUserDecimal(text, &value)) return;
  const QChar separator = QLatin1Char(base::UserDecimalSeparator());
  qsizetype other = -1;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char(',') || text[i] == QLatin1Char('.')) {
      other = i;
      break;
    }
  }
  if (other >= 0 && !text.contains(separator)) {
    QString fixed = text;
    fixed[other] = separator;
    edit->setText(fixed);  // runs this check again on the new text
    edit->setCursorPosition(static_cast<int>(other) + 1);
    return;
  }
  const int caret = edit->cursorPosition();
  sounds_->Beep();
  if (caret <= 0) return;
  QString shorter = text;
  shorter.remove(caret - 1, 1);
  edit->setText(shorter);
  edit->setCursorPosition(caret - 1);
}

bool TFormExtraInfo::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && LetterKey(watched, event)) return true;
  return QDialog::eventFilter(watched, event);
}

// A key typed into a letter cell that already holds its one character beeps and clears
// the cell (Tab and Backspace excepted).
bool TFormExtraInfo::LetterKey(QObject* watched, QEvent* event) {
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
      key->key() == Qt::Key_Backspace || key->text().isEmpty() || !key->text().at(0).isPrint())
    return false;
  if (watched == StringGridModeFreq) {
    // Typing on a cell that is not being edited yet (an open editor gets the keys itself).
    const int row = StringGridModeFreq->currentRow();
    if (StringGridModeFreq->currentColumn() != kColLetter || row < 0) return false;
    if (CellText(StringGridModeFreq, row, kColLetter).size() != 1) return false;
    sounds_->Beep();
    SetCellText(StringGridModeFreq, row, kColLetter, QString());
    return true;
  }
  auto* editor = qobject_cast<QLineEdit*>(watched);
  if (editor == nullptr || !editor->property("letterEditor").toBool()) return false;
  if (editor->text().size() != 1) return false;
  sounds_->Beep();
  editor->clear();
  return true;
}

}  // namespace tracking
