// Construction of the main window's controls: the settings panel, the pass list and the
// (empty) explorer. Texts are set by Retranslate().
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/form1.h"
#include "app/named_widget.h"
#include "base/help_button.h"

#include "prediction/panel_explorer.h"
#include "app/satellite_list_widget.h"

namespace app {

namespace {

// Bold fixed-pitch font of the pass slots.
QFont SlotFont(const QFont& base) {
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (!QFontInfo(font).fixedPitch()) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPointSizeF(base.pointSizeF() > 0 ? base.pointSizeF() : 9);
  font.setBold(true);
  return font;
}

}  // namespace

void TForm1::BuildWidgets() {
  faces = Named(new QWidget(this), QStringLiteral("faces"));
  auto* facesLayout = new QVBoxLayout(faces);
  facesLayout->setContentsMargins(0, 0, 0, 0);
  setCentralWidget(faces);
  PanelLocator = BuildSettingsPanel();
  facesLayout->addWidget(PanelLocator);
  PanelMain = Named(new QWidget, QStringLiteral("PanelMain"));
  auto* mainLayout = new QHBoxLayout(PanelMain);
  mainLayout->setContentsMargins(6, 4, 6, 6);
  mainLayout->addWidget(BuildPassList(), 0, Qt::AlignTop);
  PanelExplorer = BuildExplorer();
  PanelImage = Named(new QWidget, QStringLiteral("PanelImage"));
  PanelExplorer->hide();
  PanelImage->hide();
  mainLayout->addWidget(PanelExplorer, 1);
  facesLayout->addWidget(PanelMain);
  PanelMain->hide();
  BuildTimers();
}

QWidget* TForm1::BuildSettingsPanel() {
  auto* panel = Named(new QWidget, QStringLiteral("PanelLocator"));
  auto* layout = new QVBoxLayout(panel);
  LabelInitialisation = Named(new QLabel, QStringLiteral("LabelInitialisation"));
  QFont titleFont = LabelInitialisation->font();
  titleFont.setBold(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
  LabelInitialisation->setFont(titleFont);
  LabelInitialisation->setAlignment(Qt::AlignCenter);
  layout->addWidget(LabelInitialisation);

  auto* columns = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildStationBox());
  left->addWidget(BuildOptionsBox());
  left->addStretch();
  columns->addLayout(left);
  columns->addWidget(BuildGroupBox(), 1);
  // The antenna pages take the groups' place while "ANT" shows them.
  GroupBoxAntenna = Named(new QGroupBox, QStringLiteral("GroupBoxAntenna"));
  new QVBoxLayout(GroupBoxAntenna);
  GroupBoxAntenna->hide();
  columns->addWidget(GroupBoxAntenna, 1);
  layout->addLayout(columns, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(base::NewHelpButton(panel, base::kHelpTopicMain, QStringLiteral("SpeedButtonHelp")));
  bottom->addStretch();
  BitBtn_OK_Location = Named(new QPushButton, QStringLiteral("BitBtn_OK_Location"));
  QFont buttonFont = BitBtn_OK_Location->font();
  buttonFont.setBold(true);
  BitBtn_OK_Location->setFont(buttonFont);
  BitBtn_OK_Location->setMinimumWidth(120);
  BitBtn_OK_Location->setAutoDefault(false);
  bottom->addWidget(BitBtn_OK_Location);
  layout->addLayout(bottom);
  return panel;
}

QWidget* TForm1::BuildStationBox() {
  GroupBoxStation = Named(new QGroupBox, QStringLiteral("GroupBoxStation"));
  auto* grid = new QGridLayout(GroupBoxStation);
  LabelLocator = Named(new QLabel, QStringLiteral("LabelLocator"));
  LabelLattitude = Named(new QLabel, QStringLiteral("LabelLattitude"));
  LabelLongitude = Named(new QLabel, QStringLiteral("LabelLongitude"));
  LabelAltitude = Named(new QLabel, QStringLiteral("LabelAltitude"));
  LabelLocalUTC = Named(new QLabel, QStringLiteral("LabelLocalUTC"));
  EditQRAlocator = Named(new QLineEdit, QStringLiteral("EditQRAlocator"));
  EditLattitude = Named(new QLineEdit, QStringLiteral("EditLattitude"));
  EditLongitude = Named(new QLineEdit, QStringLiteral("EditLongitude"));
  EditAltitude = Named(new QLineEdit, QStringLiteral("EditAltitude"));
  EditLocalUTC = Named(new QLineEdit, QStringLiteral("EditLocalUTC"));
  EditAltitude->setText(QStringLiteral("0"));
  const int editWidth = fontMetrics().horizontalAdvance(QStringLiteral("0")) * 13;
  for (QLineEdit* e : {EditQRAlocator, EditLattitude, EditLongitude, EditAltitude, EditLocalUTC})
    e->setFixedWidth(editWidth);
  CheckBox_lattitude_Nord =
      Named(new QCheckBox(QStringLiteral("N")), QStringLiteral("CheckBox_lattitude_Nord"));
  CheckBox_lattitude_Sud =
      Named(new QCheckBox(QStringLiteral("S")), QStringLiteral("CheckBox_lattitude_Sud"));
  CheckBox_longitude_Ouest =
      Named(new QCheckBox(QStringLiteral("W")), QStringLiteral("CheckBox_longitude_Ouest"));
  CheckBox_longitude_Est =
      Named(new QCheckBox(QStringLiteral("E")), QStringLiteral("CheckBox_longitude_Est"));
  CheckBox_lattitude_Nord->setChecked(true);
  CheckBox_longitude_Ouest->setChecked(true);
  ButtonConv = Named(new QPushButton(QStringLiteral("?")), QStringLiteral("ButtonConv"));
  ButtonConv->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("??")) + 16);
  ButtonConv->setEnabled(false);  // the converter window comes later
  grid->addWidget(LabelLocator, 0, 0);
  grid->addWidget(EditQRAlocator, 0, 1);
  grid->addWidget(LabelLattitude, 1, 0);
  grid->addWidget(EditLattitude, 1, 1);
  grid->addWidget(CheckBox_lattitude_Nord, 1, 2);
  grid->addWidget(CheckBox_lattitude_Sud, 1, 3);
  grid->addWidget(LabelLongitude, 2, 0);
  grid->addWidget(EditLongitude, 2, 1);
  grid->addWidget(CheckBox_longitude_Ouest, 2, 2);
  grid->addWidget(CheckBox_longitude_Est, 2, 3);
  grid->addWidget(ButtonConv, 1, 4, 2, 1);
  grid->addWidget(LabelAltitude, 3, 0);
  grid->addWidget(EditAltitude, 3, 1);
  grid->addWidget(LabelLocalUTC, 4, 0);
  grid->addWidget(EditLocalUTC, 4, 1);
  grid->setColumnStretch(5, 1);
  return GroupBoxStation;
}

QWidget* TForm1::BuildOptionsBox() {
  GroupBoxOptions = Named(new QGroupBox, QStringLiteral("GroupBoxOptions"));
  auto* grid = new QGridLayout(GroupBoxOptions);
  LabelElevation = Named(new QLabel, QStringLiteral("LabelElevation"));
  SpinEditElevation = Named(new QSpinBox, QStringLiteral("SpinEditElevation"));
  SpinEditElevation->setRange(-5, 20);
  SpinEditElevation->setValue(0);
  CheckBoxAlarme = Named(new QCheckBox, QStringLiteral("CheckBoxAlarme"));
  LabelDureeAlarme = Named(new QLabel, QStringLiteral("LabelDureeAlarme"));
  SpinEditDureeAlarme = Named(new QSpinBox, QStringLiteral("SpinEditDureeAlarme"));
  SpinEditDureeAlarme->setRange(1, 60);
  SpinEditDureeAlarme->setValue(10);
  CheckBoxPreVisu = Named(new QCheckBox, QStringLiteral("CheckBoxPreVisu"));
  CheckBoxPreVisu->setChecked(true);
  LabelPreVisu = Named(new QLabel, QStringLiteral("LabelPreVisu"));
  SpinEditPreVisu = Named(new QSpinBox, QStringLiteral("SpinEditPreVisu"));
  SpinEditPreVisu->setRange(1, 10);
  SpinEditPreVisu->setValue(5);
  grid->addWidget(LabelElevation, 0, 0, 1, 2);
  grid->addWidget(SpinEditElevation, 0, 2);
  grid->addWidget(CheckBoxAlarme, 1, 0, 1, 3);
  grid->addWidget(LabelDureeAlarme, 2, 1);
  grid->addWidget(SpinEditDureeAlarme, 2, 2);
  grid->addWidget(CheckBoxPreVisu, 3, 0, 1, 3);
  grid->addWidget(LabelPreVisu, 4, 1);
  grid->addWidget(SpinEditPreVisu, 4, 2);
  BitBtnAntenne = Named(new QPushButton, QStringLiteral("BitBtnAntenne"));
  BitBtnAntenne->setAutoDefault(false);
  grid->addWidget(BitBtnAntenne, 5, 0, 1, 3);
  grid->addWidget(base::NewHelpButton(GroupBoxOptions, base::kHelpTopicAlarms,
                                      QStringLiteral("SpeedButtonHelpFile2")),
                  0, 3, Qt::AlignRight | Qt::AlignTop);
  grid->setColumnMinimumWidth(0, 16);
  grid->setColumnStretch(1, 1);
  return GroupBoxOptions;
}

QWidget* TForm1::BuildGroupBox() {
  GroupBoxSatellite = Named(new QGroupBox, QStringLiteral("GroupBoxSatellite"));
  auto* layout = new QVBoxLayout(GroupBoxSatellite);
  PageControlGroupe = Named(new QTabWidget, QStringLiteral("PageControlGroupe"));
  PageControlGroupe->setUsesScrollButtons(true);
  for (int g = 0; g < kGroupCount; ++g) {
    const QString n = QString::number(g + 1);
    auto* page = Named(new QWidget, QStringLiteral("TabSheetG") + n);
    auto* pageLayout = new QVBoxLayout(page);
    auto* fileRow = new QHBoxLayout;
    EditFichier2LignesG[g] = Named(new QLineEdit, QStringLiteral("EditFichier2LignesG") + n);
    ButtonParcourirFichier2lignesG[g] =
        Named(new QPushButton, QStringLiteral("ButtonParcourirFichier2lignesG") + n);
    ButtonParcourirFichier2lignesG[g]->setAutoDefault(false);
    fileRow->addWidget(EditFichier2LignesG[g], 1);
    fileRow->addWidget(ButtonParcourirFichier2lignesG[g]);
    pageLayout->addLayout(fileRow);
    ListBoxSatellitesG[g] =
        Named(new SatelliteListWidget, QStringLiteral("ListBoxSatellitesG") + n);
    ListBoxSatellitesG[g]->setMinimumHeight(200);
    {
      QFont bold = ListBoxSatellitesG[g]->font();
      bold.setBold(true);
      // Two columns of names of about 18 characters.
      ListBoxSatellitesG[g]->setMinimumWidth(QFontMetrics(bold).averageCharWidth() * 48);
    }
    ListBoxSatellitesG[g]->viewport()->installEventFilter(this);
    ListBoxSatellitesG[g]->installEventFilter(this);
    pageLayout->addWidget(ListBoxSatellitesG[g], 1);
    TabSheetG[g] = page;
    PageControlGroupe->addTab(page,
                              g == 0 ? QStringLiteral("G1 - Amateur") : QStringLiteral("G") + n);
  }
  layout->addWidget(PageControlGroupe, 1);

  auto* nameRow = new QHBoxLayout;
  BitBtnNomGroupe = Named(new QPushButton, QStringLiteral("BitBtnNomGroupe"));
  BitBtnNomGroupe->setAutoDefault(false);
  SpeedButtonRAZ = Named(new QToolButton, QStringLiteral("SpeedButtonRAZ"));
  StaticTextStatus = Named(new QLabel, QStringLiteral("StaticTextStatus"));
  StaticTextStatus->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
  StaticTextStatus->hide();
  nameRow->addWidget(BitBtnNomGroupe);
  nameRow->addWidget(SpeedButtonRAZ);
  nameRow->addStretch();
  nameRow->addWidget(StaticTextStatus);
  layout->addLayout(nameRow);

  PanelNomGroupe = Named(new QWidget, QStringLiteral("PanelNomGroupe"));
  auto* nameLayout = new QHBoxLayout(PanelNomGroupe);
  nameLayout->setContentsMargins(0, 0, 0, 0);
  EditNomGroupe = Named(new QLineEdit, QStringLiteral("EditNomGroupe"));
  EditNomGroupe->setMaxLength(40);
  BitBtnOKNomGroupe = Named(new QPushButton, QStringLiteral("BitBtnOKNomGroupe"));
  BitBtnCancelNomGroupe = Named(new QPushButton, QStringLiteral("BitBtnCancelNomGroupe"));
  BitBtnOKNomGroupe->setAutoDefault(false);
  BitBtnCancelNomGroupe->setAutoDefault(false);
  nameLayout->addWidget(EditNomGroupe, 1);
  nameLayout->addWidget(BitBtnOKNomGroupe);
  nameLayout->addWidget(BitBtnCancelNomGroupe);
  PanelNomGroupe->hide();
  layout->addWidget(PanelNomGroupe);
  return GroupBoxSatellite;
}

QWidget* TForm1::BuildPassList() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  const QFont slotFont = SlotFont(font());
  const QFontMetrics slotMetrics(slotFont);
  const int slotWidth =
      slotMetrics.horizontalAdvance(QString(prediction::kSlotTextLength, 'W')) + 14;

  auto* clockRow = new QHBoxLayout;
  PassListClockRow = clockRow;
  EditDate = Named(new QLineEdit, QStringLiteral("EditDate"));
  EditTime = Named(new QLineEdit, QStringLiteral("EditTime"));
  for (QLineEdit* e : {EditDate, EditTime}) {
    e->setFixedWidth((slotWidth + 12) / 2 - 3);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignCenter);
    QFont f = slotFont;
    e->setFont(f);
  }
  clockRow->setSpacing(6);
  clockRow->addWidget(EditDate);
  clockRow->addWidget(EditTime);
  clockRow->addStretch();
  layout->addLayout(clockRow);

  GroupBoxPrevisions = Named(new QGroupBox, QStringLiteral("GroupBoxPrevisions"));
  auto* list = new QVBoxLayout(GroupBoxPrevisions);
  list->setSpacing(1);
  list->setContentsMargins(6, 6, 6, 6);
  LabelVisiSat = Named(new QLabel, QStringLiteral("LabelVisiSat"));
  LabelVisiSat->setFont(slotFont);
  list->addWidget(LabelVisiSat);
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    QLineEdit* e = Named(new QLineEdit, QStringLiteral("Edit") + QString::number(i + 1));
    e->setReadOnly(true);
    e->setFont(slotFont);
    e->setFixedWidth(slotWidth);
    e->setMaxLength(prediction::kSlotTextLength + 8);
    e->installEventFilter(this);
    e->setContextMenuPolicy(Qt::NoContextMenu);
    Edit[static_cast<std::size_t>(i)] = e;
    list->addWidget(e);
  }
  slotBoxWidth_ = slotWidth + 12;
  GroupBoxPrevisions->setFixedWidth(slotBoxWidth_);
  layout->addWidget(GroupBoxPrevisions);
  layout->addStretch();
  return column;
}

void TForm1::BuildTimers() {
  Timerseconde = Named(new QTimer(this), QStringLiteral("Timerseconde"));
  Timerseconde->setInterval(1000);
  TimerBlink = Named(new QTimer(this), QStringLiteral("TimerBlink"));
  TimerBlink->setInterval(600);
  TimerBlink->setSingleShot(true);
  TimerFinCreate = Named(new QTimer(this), QStringLiteral("TimerFinCreate"));
  TimerFinCreate->setInterval(75);
  connect(Timerseconde, &QTimer::timeout, this, &TForm1::TimersecondeTimer);
  connect(TimerBlink, &QTimer::timeout, this, &TForm1::TimerBlinkTimer);
  connect(TimerFinCreate, &QTimer::timeout, this, &TForm1::TimerFinCreateTimer);
}

}  // namespace app
