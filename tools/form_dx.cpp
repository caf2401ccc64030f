// The DX window's controls, its fields and the settings they keep.
#include "tools/form_dx.h"

#include <algorithm>
#include <cmath>

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QAbstractItemView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "base/help_button.h"
#include "base/locale_number.h"
#include "tools/dx_station.h"
#include "tools/tool_widgets.h"

namespace tools {

QString DxHeader(bool utc) {
  const QString text = utc ? TFormDX::tr(" DATE &&  UTC  TIME  EL   AZ   RANGE  SQU")
                           : TFormDX::tr(" DATE && LOCAL TIME  EL   AZ   RANGE  SQU");
  QString shown = text;
  return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

QString TFormDX::ButtonText() { return tr("DX"); }
QString TFormDX::ButtonHint() { return tr("When a DX station also sees this pass"); }

TFormDX::TFormDX(DxWindowEnvironment environment, QWidget* parent)
    : QWidget(parent, Qt::Window), env_(std::move(environment)) {
  setObjectName(QStringLiteral("TFormDX"));
  BuildWidgets();
  Connect();
  ApplyLanguage();
}

void TFormDX::BuildWidgets() {
  auto* grid = new QGridLayout(this);
  auto* place = new QGridLayout;
  auto label = [](const char* name) { return Named(new QLabel, name); };
  auto box = [](const char* name, const char* text) {
    auto* b = Named(new QCheckBox(QString::fromLatin1(text)), name);
    return b;
  };
  EditQRALocator = Named(new QLineEdit, "EditQRALocator");
  EditQRALocator->setMaxLength(6);
  EditLattitude = Named(new QLineEdit, "EditLattitude");
  EditLongitude = Named(new QLineEdit, "EditLongitude");
  EditAltitude = Named(new QLineEdit, "EditAltitude");
  for (QLineEdit* e : {EditQRALocator, EditLattitude, EditLongitude, EditAltitude})
    e->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
  CheckBox_Lattitude_Nord = box("CheckBox_Lattitude_Nord", "N");
  CheckBox_Lattitude_Sud = box("CheckBox_Lattitude_Sud", "S");
  CheckBox_Longitude_Ouest = box("CheckBox_Longitude_Ouest", "W");
  CheckBox_Longitude_Est = box("CheckBox_Longitude_Est", "E");
  latitudeBoxes_ = new QButtonGroup(this);
  latitudeBoxes_->addButton(CheckBox_Lattitude_Nord);
  latitudeBoxes_->addButton(CheckBox_Lattitude_Sud);
  longitudeBoxes_ = new QButtonGroup(this);
  longitudeBoxes_->addButton(CheckBox_Longitude_Ouest);
  longitudeBoxes_->addButton(CheckBox_Longitude_Est);
  CheckBox_Lattitude_Nord->setChecked(true);
  CheckBox_Longitude_Ouest->setChecked(true);
  ButtonConv = Named(new QPushButton(QStringLiteral("?")), "ButtonConv");
  ButtonConv->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("??")) + 16);

  place->addWidget(label("LabelLocator"), 0, 0);
  place->addWidget(EditQRALocator, 0, 1);
  place->addWidget(label("LabelLattitude"), 1, 0);
  place->addWidget(EditLattitude, 1, 1);
  place->addWidget(CheckBox_Lattitude_Nord, 1, 2);
  place->addWidget(CheckBox_Lattitude_Sud, 1, 3);
  place->addWidget(label("LabelLongitude"), 2, 0);
  place->addWidget(EditLongitude, 2, 1);
  place->addWidget(CheckBox_Longitude_Ouest, 2, 2);
  place->addWidget(CheckBox_Longitude_Est, 2, 3);
  place->addWidget(ButtonConv, 1, 4, 2, 1);
  place->addWidget(label("LabelAltitude"), 3, 0);
  place->addWidget(EditAltitude, 3, 1);
  place->setColumnStretch(5, 1);
  grid->addLayout(place, 0, 0, 1, 2);

  auto* list = new QHBoxLayout;
  ComboBoxListDX = Named(new QComboBox, "ComboBoxListDX");
  ComboBoxListDX->setMinimumWidth(260);
  ComboBoxListDX->setMaxVisibleItems(20);
  ComboBoxListDX->setStyleSheet(QStringLiteral("combobox-popup: 0;"));  // a scrolled list of 20
  list->addWidget(label("LabelListDX"));
  list->addWidget(ComboBoxListDX, 1);
  auto sep = [&](const char* name, const QString& text) {
    auto* b = Named(new QToolButton, name);
    b->setText(text);
    b->setCheckable(true);
    b->setAutoExclusive(true);
    list->addWidget(b);
    return b;
  };
  SpeedButtonDef = sep("SpeedButtonDef", QString());
  SpeedButtonUnderscore = sep("SpeedButtonUnderscore", QStringLiteral("_"));
  SpeedButtonSlash = sep("SpeedButtonSlash", QStringLiteral("/"));
  SpeedButtonEgal = sep("SpeedButtonEgal", QStringLiteral("="));
  SpeedButtonDef->setChecked(true);
  grid->addLayout(list, 1, 0, 1, 2);

  LabelEphemeridesDX = Named(new QLabel, "LabelEphemeridesDX");
  ListBoxEphemeridsDX = Named(new QListWidget, "ListBoxEphemeridsDX");
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  LabelEphemeridesDX->setFont(fixed);
  ListBoxEphemeridsDX->setFont(fixed);
  ListBoxEphemeridsDX->setMinimumWidth(
      QFontMetrics(fixed).horizontalAdvance(QString(44, QLatin1Char('0'))) + 30);
  ListBoxEphemeridsDX->setMinimumHeight(200);
  grid->addWidget(LabelEphemeridesDX, 2, 0, 1, 2);
  grid->addWidget(ListBoxEphemeridsDX, 3, 0, 1, 2);
  grid->setRowStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  SpeedButtonBefore = Named(new QToolButton, "SpeedButtonBefore");
  SpeedButtonBefore->setText(QStringLiteral("-"));
  SpeedButtonNext = Named(new QToolButton, "SpeedButtonNext");
  SpeedButtonNext->setText(QStringLiteral("+"));
  SpeedButtonSynchro = Named(new QToolButton, "SpeedButtonSynchro");
  SpeedButtonSynchro->setCheckable(true);
  BitBtn_OK_Location = Named(new QPushButton, "BitBtn_OK_Location");
  BitBtnCancelDX = Named(new QPushButton, "BitBtnCancelDX");
  buttons->addWidget(SpeedButtonBefore);
  buttons->addWidget(SpeedButtonNext);
  buttons->addWidget(SpeedButtonSynchro);
  buttons->addStretch(1);
  buttons->addWidget(BitBtn_OK_Location);
  buttons->addWidget(BitBtnCancelDX);
  buttons->addWidget(base::NewHelpButton(this, base::kHelpTopicDx,
                                         QStringLiteral("SpeedButtonhelpFile")));
  base::InstallHelpKey(this, base::kHelpTopicDx);
  grid->addLayout(buttons, 4, 0, 1, 2);

  TimerSecondeDX = new QTimer(this);
  TimerSecondeDX->setObjectName(QStringLiteral("TimerSecondeDX"));
  TimerSecondeDX->setInterval(1000);
}

void TFormDX::Connect() {
  connect(EditQRALocator, &QLineEdit::textEdited, this, &TFormDX::LocatorEdited);
  connect(EditLattitude, &QLineEdit::textEdited, this, [this] { CoordinateEdited(EditLattitude); });
  connect(EditLongitude, &QLineEdit::textEdited, this, [this] { CoordinateEdited(EditLongitude); });
  for (QCheckBox* b : {CheckBox_Lattitude_Nord, CheckBox_Lattitude_Sud, CheckBox_Longitude_Ouest,
                       CheckBox_Longitude_Est})
    connect(b, &QCheckBox::clicked, this, [this] {
      ShowMessage(tr("  Enter or OK to show DX visibility period"));
      TimerSecondeDX->stop();
      StoreCoordinates();
    });
  connect(EditAltitude, &QLineEdit::textEdited, this, [this] {
    settings_.altitude = EditAltitude->text();
    Store();
  });
  for (QLineEdit* e : {EditQRALocator, EditLattitude, EditLongitude, EditAltitude})
    connect(e, &QLineEdit::returnPressed, this, &TFormDX::BitBtn_OK_LocationClick);
  connect(ComboBoxListDX, &QComboBox::activated, this, &TFormDX::PlaceChosen);
  connect(SpeedButtonDef, &QToolButton::clicked, this, [this] { ChooseSeparator(QLatin1Char('\t')); });
  connect(SpeedButtonUnderscore, &QToolButton::clicked, this,
          [this] { ChooseSeparator(QLatin1Char('_')); });
  connect(SpeedButtonSlash, &QToolButton::clicked, this, [this] { ChooseSeparator(QLatin1Char('/')); });
  connect(SpeedButtonEgal, &QToolButton::clicked, this, [this] { ChooseSeparator(QLatin1Char('=')); });
  connect(ButtonConv, &QPushButton::clicked, this, &TFormDX::ConverterRequested);
  connect(BitBtn_OK_Location, &QPushButton::clicked, this, &TFormDX::BitBtn_OK_LocationClick);
  connect(BitBtnCancelDX, &QPushButton::clicked, this, &QWidget::close);
  connect(SpeedButtonNext, &QToolButton::clicked, this, &TFormDX::SpeedButtonNextClick);
  connect(SpeedButtonBefore, &QToolButton::clicked, this, &TFormDX::SpeedButtonBeforeClick);
  connect(SpeedButtonSynchro, &QToolButton::toggled, this, &TFormDX::SynchroToggled);
  connect(TimerSecondeDX, &QTimer::timeout, this, &TFormDX::TimerSecondeDXTimer);
  connect(ListBoxEphemeridsDX->verticalScrollBar(), &QScrollBar::valueChanged, this,
          &TFormDX::TopRowChanged);
}

void TFormDX::ApplyLanguage() {
  const QString name = env_.satelliteName ? env_.satelliteName() : QString();
  setWindowTitle(tr("DX via ") + name);
  findChild<QLabel*>(QStringLiteral("LabelLocator"))->setText(tr("Locator"));
  findChild<QLabel*>(QStringLiteral("LabelLattitude"))->setText(tr("Latitude"));
  findChild<QLabel*>(QStringLiteral("LabelLongitude"))->setText(tr("Longitude"));
  findChild<QLabel*>(QStringLiteral("LabelAltitude"))->setText(tr("Altitude (m)"));
  findChild<QLabel*>(QStringLiteral("LabelListDX"))->setText(tr("DXCC list"));
  SpeedButtonDef->setText(tr("no"));
  SpeedButtonDef->setToolTip(tr("Fields separated by a tab"));
  SpeedButtonUnderscore->setToolTip(tr("Fields separated by \"_\""));
  SpeedButtonSlash->setToolTip(tr("Fields separated by \"/\""));
  SpeedButtonEgal->setToolTip(tr("Fields separated by \"=\""));
  ButtonConv->setToolTip(tr("Degrees, minutes, seconds to decimal degrees"));
  SpeedButtonNext->setToolTip(tr("Show next covisibility if any"));
  SpeedButtonBefore->setToolTip(tr("Show previous covisibility if any"));
  SpeedButtonSynchro->setText(tr("Sync"));
  SpeedButtonSynchro->setToolTip(tr("The station's ephemeris list follows the dates of this list"));
  BitBtn_OK_Location->setText(tr("OK"));
  BitBtnCancelDX->setText(tr("Cancel"));
  LabelEphemeridesDX->setText(DxHeader(env_.utcDisplay && env_.utcDisplay()));
}

void TFormDX::showEvent(QShowEvent* event) {
  ApplyLanguage();
  FillFields();
  stack_.Clear();
  listed_ = {};
  const QString missing = Missing();
  if (!missing.isEmpty()) {
    TimerSecondeDX->stop();
    ShowMessage(missing);
    if (env_.sounds) env_.sounds->Beep();
  } else {
    ShowMessage(tr("  Enter or OK to show DX visibility period"));
    Compute(true);
  }
  QWidget::showEvent(event);
}

void TFormDX::closeEvent(QCloseEvent* event) {
  TimerSecondeDX->stop();
  emit Closed(geometry());
  QWidget::closeEvent(event);
}

void TFormDX::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) ApplyLanguage();
  QWidget::changeEvent(event);
}

void TFormDX::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TFormDX::FillFields() {
  if (env_.readSettings) settings_ = env_.readSettings();
  filling_ = true;
  EditQRALocator->setText(settings_.locator.trimmed());
  if (const auto edits = EditsOfTexts(settings_.latitude.toStdString(),
                                      settings_.longitude.toStdString())) {
    EditLattitude->setText(QString::fromStdString(edits->latitude));
    EditLongitude->setText(QString::fromStdString(edits->longitude));
    (edits->north ? CheckBox_Lattitude_Nord : CheckBox_Lattitude_Sud)->setChecked(true);
    (edits->west ? CheckBox_Longitude_Ouest : CheckBox_Longitude_Est)->setChecked(true);
  } else {
    EditLattitude->clear();
    EditLongitude->clear();
  }
  EditAltitude->setText(settings_.altitude);
  filling_ = false;
  SetListSeparator(settings_.separator);
}

void TFormDX::DxStationHandedOver() {
  FillFields();
  ComboBoxListDX->setCurrentIndex(-1);
  ComboBoxListDX->setToolTip(QString());
  if (isVisible()) BitBtn_OK_LocationClick();
}

void TFormDX::FillPlaces() {
  if (places_.empty() && env_.places) places_ = env_.places();
  const QSignalBlocker quiet(ComboBoxListDX);
  ComboBoxListDX->clear();
  int chosen = -1;
  int widest = 0;
  for (const DxccEntry& e : places_) {
    const QString text = DxccEntryText(e, settings_.separator);
    if (DxccEntryText(e) == settings_.lastDxcc || text == settings_.lastDxcc)
      chosen = ComboBoxListDX->count();
    // A TAB would open a wide gap in the list: it shows as blanks, the entry keeps it.
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QStringLiteral("   "));
    ComboBoxListDX->addItem(shown, text);
    widest = std::max(widest, ComboBoxListDX->fontMetrics().horizontalAdvance(shown));
  }
  // The open list is as wide as its longest entry, whatever the box's width.
  ComboBoxListDX->view()->setMinimumWidth(widest + 40);
  ComboBoxListDX->setCurrentIndex(chosen);
  ComboBoxListDX->setToolTip(chosen >= 0 ? ComboBoxListDX->itemText(chosen) : QString());
}

void TFormDX::SetListSeparator(QChar separator) {
  settings_.separator = separator;
  QToolButton* b = separator == QLatin1Char('_')   ? SpeedButtonUnderscore
                   : separator == QLatin1Char('/') ? SpeedButtonSlash
                   : separator == QLatin1Char('=') ? SpeedButtonEgal
                                                   : SpeedButtonDef;
  b->setChecked(true);
  FillPlaces();
}

void TFormDX::ChooseSeparator(QChar separator) {
  SetListSeparator(separator);
  Store();
  emit SeparatorChosen(separator);
}

void TFormDX::PlaceChosen(int index) {
  if (index < 0 || index >= static_cast<int>(places_.size())) return;
  const DxccEntry& e = places_[static_cast<std::size_t>(index)];
  const auto lat = PlaceLatitude(e.latitude);
  const auto lon = PlaceLongitude(e.longitude);
  if (!lat || !lon) {
    if (env_.sounds) env_.sounds->Beep();
    return;
  }
  filling_ = true;
  EditLattitude->setText(base::FormatUserFixed(std::fabs(*lat), 2));
  EditLongitude->setText(base::FormatUserFixed(std::fabs(*lon), 2));
  (*lat >= 0 ? CheckBox_Lattitude_Nord : CheckBox_Lattitude_Sud)->setChecked(true);
  // The list's longitudes are east positive.
  (*lon <= 0 ? CheckBox_Longitude_Ouest : CheckBox_Longitude_Est)->setChecked(true);
  filling_ = false;
  StoreCoordinates();
  settings_.lastDxcc = DxccEntryText(e);
  ComboBoxListDX->setToolTip(ComboBoxListDX->itemText(index));
  Store();
  ShowMessage(tr("  Enter or OK to show DX visibility period"));
  TimerSecondeDX->stop();
}

void TFormDX::LocatorEdited() {
  const QString text = EditQRALocator->text().toUpper();
  const auto edits = EditsOfLocator(text.toStdString(), base::UserDecimalSeparator());
  if (!edits) return;
  filling_ = true;
  EditLattitude->setText(QString::fromStdString(edits->latitude));
  EditLongitude->setText(QString::fromStdString(edits->longitude));
  (edits->north ? CheckBox_Lattitude_Nord : CheckBox_Lattitude_Sud)->setChecked(true);
  (edits->west ? CheckBox_Longitude_Ouest : CheckBox_Longitude_Est)->setChecked(true);
  filling_ = false;
  ShowMessage(tr("  Enter or OK to show DX visibility period"));
  TimerSecondeDX->stop();
  StoreCoordinates();
}

void TFormDX::CoordinateEdited(QLineEdit* edit) {
  if (filling_) return;
  ComboBoxListDX->setCurrentIndex(-1);
  ComboBoxListDX->setToolTip(QString());
  ShowMessage(tr("  Enter or OK to show DX visibility period"));
  TimerSecondeDX->stop();
  const MendedEntry m =
      MendEntry(edit->text().toStdString(), edit->cursorPosition(), base::UserDecimalSeparator());
  if (QString::fromStdString(m.text) != edit->text()) {
    edit->setText(QString::fromStdString(m.text));
    edit->setCursorPosition(m.caret);
  }
  if (m.beep && env_.sounds) env_.sounds->Beep();
  if (edit->text().isEmpty()) EditQRALocator->clear();
  StoreCoordinates();
}

// The shared texts and the locator follow the edits when they are in range; otherwise the
// DX station is cleared (the map then hides it).
void TFormDX::StoreCoordinates() {
  const auto texts = DxEntry(EditLattitude->text().toStdString(), CheckBox_Lattitude_Nord->isChecked(),
                             EditLongitude->text().toStdString(),
                             CheckBox_Longitude_Ouest->isChecked());
  if (texts) {
    settings_.latitude = QString::fromStdString(texts->latitude);
    settings_.longitude = QString::fromStdString(texts->longitude);
    settings_.locator = QString::fromStdString(texts->locator);
    if (EditQRALocator->text().toUpper() != settings_.locator) EditQRALocator->setText(settings_.locator);
  } else {
    EditQRALocator->clear();
    settings_.latitude.clear();
    settings_.longitude.clear();
    settings_.locator.clear();
  }
  Store();
}

void TFormDX::Store() {
  if (env_.writeSettings) env_.writeSettings(settings_);
}

QString TFormDX::Missing() const {
  if (EditQRALocator->text().isEmpty() || EditLattitude->text().isEmpty() ||
      EditLongitude->text().isEmpty() || settings_.latitude.isEmpty() || settings_.longitude.isEmpty())
    return tr("Enter Locator or Latitude/Longitude, please");
  if (EditAltitude->text().isEmpty() || !ParseEntryNumber(EditAltitude->text().toStdString()))
    return tr("Enter altitude, please");
  return {};
}

void TFormDX::ShowMessage(const QString& text) {
  ListBoxEphemeridsDX->clear();
  ListBoxEphemeridsDX->addItem(text);
  selectedRow_ = -1;
}

void TFormDX::BitBtn_OK_LocationClick() {
  const QString missing = Missing();
  if (!missing.isEmpty()) {
    if (env_.sounds) env_.sounds->Beep();
    if (env_.dialogs) env_.dialogs->Warning(missing);
    ShowMessage(missing);
    return;
  }
  stack_.Clear();
  Compute(true);
}

}  // namespace tools
