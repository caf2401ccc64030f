// Construction of the antenna panel's tabs and their controls (names of the original form).
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "tracking/page_control_antenne.h"
#include "tracking/radio_group.h"

namespace tracking {

namespace {

// Object names per interface, in Interface order; empty = the tab has no such control.
struct TabNames {
  const char* sheet;
  const char* caption;
  const char* select;
  const char* stop;
  const char* elevation;
  const char* step;
  const char* azOffset;
  const char* elOffset;
  const char* testAz;
  const char* testEl;
  const char* park;
  const char* test;
  const char* ok;
  const char* port;
};

constexpr TabNames kNames[kInterfaceCount] = {
    {"TabSheetPourSat", "PourSat", "CheckBoxPourSat", "RadioGroupHNVButee", "RadioGroupHNVELMax",
     "SpinEditStepPourSat", "", "", "SpinEditAzTestHNV", "SpinEditELTestHNV", "CheckBoxParkHNV",
     "BitBtnTestHNV", "BitBtnOKpourSat", "RadioGroupHNVLPT"},
    {"TabSheetFOD", "FODTrack", "CheckBoxFOD", "RadioGroupFODButee", "RadioGroupFODELMax",
     "SpinEditStepFODtrack", "", "", "SpinEditAzTestFOD", "SpinEditELTestFOD", "CheckBoxParkFOD",
     "BitBtntestFOD", "BitBtnOKFOD", "RadioGroupFODLPT"},
    {"TabSheetEA", "EA4TX", "CheckBoxEA", "RadioGroupEAbutee", "RadioGroupEAELMax", "SpinEditStepEA",
     "", "", "SpinEditAzTestEA", "SpinEditELTestEA", "CheckBoxParkEA", "BitBtnTestEA", "BitBtnOKEA",
     ""},
    {"TabSheetGS", "GS-232", "CheckBoxGS", "RadioGroupGSbutee", "RadioGroupGSelMax", "SpinEditStepGS",
     "SpinEditGSAzOffset", "SpinEditGSElOffset", "SpinEditAzTestGS", "SpinEditELTestGS",
     "CheckBoxParkGS", "BitBtnTestGS", "BitBtnOKGS", "RadioGroupPortGS"},
    {"TabSheetPro", "ProSisTel", "CheckBoxPro", "RadioGroupProButee", "RadioGroupProElmax",
     "SpinEditStepPro", "SpinEditProAzOffset", "SpinEditProElOffset", "SpinEditAzTestPro",
     "SpinEditElTestPro", "CheckBoxParkPro", "BitBtnTestPro", "BitBtnOKPro", "RadioGroupPortPro"},
    {"TabSheetEasy", "EasyComm", "CheckBoxEasy", "RadioGroupEasyButee", "RadioGroupEasyElMax",
     "SpinEditStepEasy", "SpinEditEasyAzOffset", "SpinEditEasyElOffset", "SpinEditAzTestEasy",
     "SpinEditELTestEasy", "CheckBoxParkEasy", "BitBtnTestEasy", "BitBtnOKEasy",
     "RadioGroupPortEasy"},
    {"TabSheetM2", "M2-ORION", "CheckBoxM2", "RadioGroupM2butee", "RadioGroupM2Elmax",
     "SpinEditStepM2", "SpinEditM2AzOffset", "SpinEditM2ElOffset", "SpinEditAzTestM2",
     "SpinEditElTestM2", "CheckBoxParkM2", "BitBtnTestM2", "BitBtnOKM2", "RadioGroupPortM2"},
    {"TabSheetEGI", "EGIS", "CheckBoxEGI", "RadioGroupEGIbutee", "RadioGroupEGIElMax",
     "SpinEditStepEGI", "SpinEditEGIAzOffset", "SpinEditEGIElOffset", "SpinEditAzTestEGI",
     "SpinEditElTestEGI", "CheckBoxParkEGI", "BitBtnTestEGI", "BitBtnOKEGI", "RadioGroupPortEGI"},
    {"TabSheetTKB", "TrakBox", "CheckBoxTKB", "RadioGroupTKBButee", "RadioGroupTKBELMax",
     "SpinEditStepTKB", "SpinEditTKBAzOffset", "SpinEditTKBElOffset", "SpinEditAZtestTKB",
     "SpinEditELTestTKB", "CheckBoxParkTKB", "BitBtnTestTKB", "BitBtnOKTKB", "RadioGroupPortTKB"},
    {"TabSheetKCT", "KCT", "CheckBoxKCT", "RadioGroupKCTbutee", "RadioGroupKCTELMax",
     "SpinEditStepKCT", "SpinEditKCTAzOffset", "SpinEditKCTElOffset", "SpinEditAzTestKCT",
     "SpinEditElTestKCT", "CheckBoxParkKCT", "BitBtnTestKCT", "BitBtnOKKCT", ""},
    {"TabSheetRotctld", "rotctld", "CheckBoxRotctld", "RadioGroupRotctldButee",
     "RadioGroupRotctldElMax", "SpinEditStepRotctld", "SpinEditRotctldAzOffset",
     "SpinEditRotctldElOffset", "SpinEditAzTestRotctld", "SpinEditElTestRotctld",
     "CheckBoxParkRotctld", "BitBtnTestRotctld", "BitBtnOKRotctld", ""},
};

// Tab order of the panel.
constexpr Interface kTabOrder[kInterfaceCount] = {
    Interface::PourSat, Interface::FodTrack, Interface::Ea4tx,   Interface::Gs232,
    Interface::EasyComm, Interface::TrakBox, Interface::Kct,     Interface::ProSisTel,
    Interface::M2Orion, Interface::Egis,     Interface::Rotctld};

QSpinBox* Spin(QWidget* parent, const char* name, int min, int max, int value, int step = 1) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(min, max);
  spin->setSingleStep(step);
  spin->setValue(value);
  return spin;
}

}  // namespace

void PageControlAntenne::Build() {
  setObjectName(QStringLiteral("PageControlAntenne"));
  for (Interface i : kTabOrder) BuildTab(i);
  BuildHamlibTab();
  RetranslateUi();
}

// The radio's daemon and the pass commands: not an interface, so never "selected".
void PageControlAntenne::BuildHamlibTab() {
  TabSheetHamlib = new QWidget(this);
  TabSheetHamlib->setObjectName(QStringLiteral("TabSheetHamlib"));
  addTab(TabSheetHamlib, QStringLiteral("rigctld"));
  auto* grid = new QGridLayout(TabSheetHamlib);
  CheckBoxRigctld = new QCheckBox(TabSheetHamlib);
  CheckBoxRigctld->setObjectName(QStringLiteral("CheckBoxRigctld"));
  grid->addWidget(CheckBoxRigctld, 0, 0, 1, 2);
  EditRigctldHost = new QLineEdit(QStringLiteral("127.0.0.1"), TabSheetHamlib);
  EditRigctldHost->setObjectName(QStringLiteral("EditRigctldHost"));
  SpinEditRigctldPort = Spin(TabSheetHamlib, "SpinEditRigctldPort", 1, 65535, 4532);
  SpinEditRigctldStep = Spin(TabSheetHamlib, "SpinEditRigctldStep", 1, 100000, 10);
  EditAosCommand = new QLineEdit(TabSheetHamlib);
  EditAosCommand->setObjectName(QStringLiteral("EditAosCommand"));
  EditLosCommand = new QLineEdit(TabSheetHamlib);
  EditLosCommand->setObjectName(QStringLiteral("EditLosCommand"));
  QWidget* fields[] = {EditRigctldHost, SpinEditRigctldPort, SpinEditRigctldStep, EditAosCommand,
                       EditLosCommand};
  int row = 1;
  for (QWidget* field : fields) {
    auto* label = new QLabel(TabSheetHamlib);
    label->setObjectName(field->objectName() + QStringLiteral("Label"));
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row++, 1);
  }
  LabelHamlibStatus = new QLabel(TabSheetHamlib);
  LabelHamlibStatus->setObjectName(QStringLiteral("LabelHamlibStatus"));
  LabelHamlibStatus->setWordWrap(true);
  LabelHamlibStatus->setStyleSheet(QStringLiteral("color: #C00000;"));
  grid->addWidget(LabelHamlibStatus, row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
}

void PageControlAntenne::SetHamlibStatus(const QString& text) {
  if (LabelHamlibStatus->text() != text) LabelHamlibStatus->setText(text);
}

void PageControlAntenne::BuildTab(Interface i) {
  const TabNames& n = kNames[IndexOf(i)];
  Tab& t = Controls(i);
  t.sheet = new QWidget(this);
  t.sheet->setObjectName(QString::fromLatin1(n.sheet));
  addTab(t.sheet, QString::fromLatin1(n.caption));
  auto* grid = new QGridLayout(t.sheet);

  t.select = new QCheckBox(QString::fromLatin1(n.caption), t.sheet);
  t.select->setObjectName(QString::fromLatin1(n.select));
  grid->addWidget(t.select, 0, 0, 1, 2);

  t.stop = new RadioGroup(QString(), t.sheet);
  t.stop->setObjectName(QString::fromLatin1(n.stop));
  t.stop->SetItems({QStringLiteral("N"), QStringLiteral("S")});
  t.stop->SetItemIndex(0);
  t.elevationRange = new RadioGroup(QString(), t.sheet);
  t.elevationRange->setObjectName(QString::fromLatin1(n.elevation));
  if (i == Interface::TrakBox) {
    t.elevationRange->SetItems({QStringLiteral("90")});
    t.stop->hide();  // the TrakBox stays North, 90°
    t.elevationRange->hide();
  } else {
    t.elevationRange->SetItems({QStringLiteral("90"), QStringLiteral("180")});
  }
  t.elevationRange->SetItemIndex(0);
  grid->addWidget(t.stop, 1, 0);
  grid->addWidget(t.elevationRange, 1, 1);

  // Minimum step: stepped only, never typed.
  const bool fine = i == Interface::M2Orion || i == Interface::Egis;
  t.step = Spin(t.sheet, n.step, fine ? 1 : 0, fine ? 50 : 5, 1);
  if (auto* edit = t.step->findChild<QLineEdit*>()) edit->setReadOnly(true);
  t.stepLabel = new QLabel(t.sheet);
  grid->addWidget(t.stepLabel, 2, 0);
  grid->addWidget(t.step, 2, 1);

  int row = 3;
  if (*n.azOffset != '\0') {
    t.azOffset = Spin(t.sheet, n.azOffset, -30, 30, 0);
    const int elLimit = i == Interface::Egis ? 45 : 15;
    t.elOffset = Spin(t.sheet, n.elOffset, -elLimit, elLimit, 0);
    auto* az = new QLabel(t.sheet);
    az->setObjectName(QString::fromLatin1(n.azOffset) + QStringLiteral("Label"));
    auto* el = new QLabel(t.sheet);
    el->setObjectName(QString::fromLatin1(n.elOffset) + QStringLiteral("Label"));
    grid->addWidget(az, row, 0);
    grid->addWidget(t.azOffset, row++, 1);
    grid->addWidget(el, row, 0);
    grid->addWidget(t.elOffset, row++, 1);
  }

  t.testAz = Spin(t.sheet, n.testAz, 0, 450, 0, 10);
  t.testEl = Spin(t.sheet, n.testEl, 0, 180, 0, 5);
  t.test = new QPushButton(t.sheet);
  t.test->setObjectName(QString::fromLatin1(n.test));
  auto* testRow = new QHBoxLayout;
  testRow->addWidget(t.testAz);
  testRow->addWidget(t.testEl);
  testRow->addWidget(t.test);
  grid->addLayout(testRow, row++, 0, 1, 2);
  t.park = new QCheckBox(t.sheet);
  t.park->setObjectName(QString::fromLatin1(n.park));
  grid->addWidget(t.park, row++, 0, 1, 2);

  if (IsPrinterPort(i)) {
    const bool hnv = i == Interface::PourSat;
    t.port = new RadioGroup(QString(), t.sheet);
    t.port->setObjectName(QString::fromLatin1(n.port));
    t.port->SetItems({QStringLiteral("LPT1"), QStringLiteral("LPT2"), QStringLiteral("LPT3"),
                      QStringLiteral("LPTx")});
    t.lptAddress = new QLineEdit(t.sheet);
    t.lptAddress->setObjectName(hnv ? QStringLiteral("EditLPTPoursat") : QStringLiteral("EditLPTFod"));
    t.lptAddress->setMaxLength(4);
    t.lptAddress->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,4}")), t.lptAddress));
    t.calAz = new QLineEdit(t.sheet);
    t.calAz->setObjectName(hnv ? QStringLiteral("EditHNVCalAz") : QStringLiteral("EditFODCalAz"));
    t.calEl = new QLineEdit(t.sheet);
    t.calEl->setObjectName(hnv ? QStringLiteral("EditHNVCalEl") : QStringLiteral("EditFODCalEL"));
    t.zero = new QLineEdit(t.sheet);
    t.zero->setObjectName(hnv ? QStringLiteral("EditHNVZero") : QStringLiteral("EditFODZero"));
    t.range360 = new QRadioButton(QStringLiteral("360°"), t.sheet);
    t.range360->setObjectName(hnv ? QStringLiteral("RadioButtonHNV360")
                                  : QStringLiteral("RadioButtonFOD360"));
    t.range450 = new QRadioButton(QStringLiteral("450°"), t.sheet);
    t.range450->setObjectName(hnv ? QStringLiteral("RadioButtonHNV450")
                                  : QStringLiteral("RadioButtonFOD450"));
    t.range360->setChecked(true);
    // Port, LPTx address and range beside the common settings; the calibration under
    // them, where the edits have room for their seven decimals.
    auto* calibration = new QGridLayout;
    const char* captions[3] = {"Bit/°Az = ", "Bit/°El  = ", "Zero/°Az= "};
    QLineEdit* edits[3] = {t.calAz, t.calEl, t.zero};
    for (int k = 0; k < 3; ++k) {
      calibration->addWidget(new QLabel(QString::fromUtf8(captions[k]), t.sheet), k, 0);
      calibration->addWidget(edits[k], k, 1);
    }
    grid->addLayout(calibration, row++, 0, 1, 2);
    auto* side = new QVBoxLayout;
    side->addWidget(t.port);
    side->addWidget(t.lptAddress);
    auto* range = new QHBoxLayout;
    range->addWidget(t.range360);
    range->addWidget(t.range450);
    side->addLayout(range);
    side->addStretch();
    grid->addLayout(side, 0, 2, row, 1);
  } else if (HasSerialPort(i)) {
    t.port = new RadioGroup(QString(), t.sheet);
    t.port->setObjectName(QString::fromLatin1(n.port));
    t.port->SetItems(ports_);
    grid->addWidget(t.port, 0, 2, 6, 1);
    if (i == Interface::Gs232 || i == Interface::EasyComm) {
      t.baud = new QComboBox(t.sheet);
      t.baud->setObjectName(i == Interface::Gs232 ? QStringLiteral("ComboBoxBaudGS")
                                                  : QStringLiteral("ComboBoxBaudEasy"));
      t.baud->addItems({QStringLiteral("110"), QStringLiteral("300"), QStringLiteral("600"),
                        QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                        QStringLiteral("9600"), QStringLiteral("14400"), QStringLiteral("19200")});
      t.baud->setCurrentText(QStringLiteral("4800"));
      grid->addWidget(t.baud, 6, 2);
    }
  }
  if (i == Interface::TrakBox) {
    CheckBoxTKBHost = new QCheckBox(t.sheet);
    CheckBoxTKBHost->setObjectName(QStringLiteral("CheckBoxTKBHost"));
    grid->addWidget(CheckBoxTKBHost, row++, 0, 1, 2);
  }
  if (i == Interface::Rotctld) {
    EditRotctldHost = new QLineEdit(QStringLiteral("127.0.0.1"), t.sheet);
    EditRotctldHost->setObjectName(QStringLiteral("EditRotctldHost"));
    SpinEditRotctldPort = Spin(t.sheet, "SpinEditRotctldPort", 1, 65535, 4533);
    auto* host = new QLabel(t.sheet);
    host->setObjectName(QStringLiteral("EditRotctldHostLabel"));
    auto* port = new QLabel(t.sheet);
    port->setObjectName(QStringLiteral("SpinEditRotctldPortLabel"));
    grid->addWidget(host, 0, 2);
    grid->addWidget(EditRotctldHost, 1, 2);
    grid->addWidget(port, 2, 2);
    grid->addWidget(SpinEditRotctldPort, 3, 2);
  }
  if (i == Interface::Kct) {
    EditKctMove = new QLineEdit(QStringLiteral("c:\\radio\\kct\\"), t.sheet);
    EditKctMove->setObjectName(QStringLiteral("EditKctMove"));
    grid->addWidget(EditKctMove, row++, 0, 1, 3);
  }
  t.ok = new QPushButton(QStringLiteral("OK"), t.sheet);
  t.ok->setObjectName(QString::fromLatin1(n.ok));
  grid->addWidget(t.ok, row, 2);
}

void PageControlAntenne::RetranslateUi() {
  for (Interface i : kSendOrder) {
    Tab& t = Controls(i);
    t.stop->setTitle(tr("Stop"));
    t.elevationRange->setTitle(tr("Elevation"));
    if (i == Interface::M2Orion) {
      t.stepLabel->setText(tr("x0.1° Min step"));
    } else if (i == Interface::Egis) {
      t.stepLabel->setText(tr("x0.01° Min step"));
    } else {
      t.stepLabel->setText(tr("Min step"));
    }
    if (t.azOffset != nullptr) {
      if (auto* l = t.sheet->findChild<QLabel*>(t.azOffset->objectName() + QStringLiteral("Label")))
        l->setText(tr("Azimuth offset"));
      if (auto* l = t.sheet->findChild<QLabel*>(t.elOffset->objectName() + QStringLiteral("Label")))
        l->setText(tr("Elevation offset"));
    }
    t.park->setText(tr("Parking position"));
    t.test->setText(i == Interface::PourSat ? QStringLiteral("VAI") : QStringLiteral("GO"));
    t.select->setText(tr("Use %1").arg(tabText(indexOf(t.sheet))));
    if (IsPrinterPort(i)) t.port->setTitle(tr("Printer"));
    if (HasSerialPort(i)) t.port->setTitle(tr("Port"));
  }
  CheckBoxTKBHost->setText(tr("Check to quit in Host mode"));
  const auto label = [](QWidget* field, const QString& text) {
    if (auto* l = field->parentWidget()->findChild<QLabel*>(field->objectName() + QStringLiteral("Label")))
      l->setText(text);
  };
  label(EditRotctldHost, tr("Host"));
  label(SpinEditRotctldPort, tr("TCP port"));
  CheckBoxRigctld->setText(tr("Tune the radio through rigctld (Doppler)"));
  label(EditRigctldHost, tr("Host"));
  label(SpinEditRigctldPort, tr("TCP port"));
  label(SpinEditRigctldStep, tr("Minimum step (Hz)"));
  label(EditAosCommand, tr("Command at AOS"));
  label(EditLosCommand, tr("Command at LOS"));
  EditAosCommand->setToolTip(tr("Program and arguments, run without a shell when the satellite rises"));
  EditLosCommand->setToolTip(tr("Program and arguments, run without a shell when the satellite sets"));
  if (const std::optional<Interface> selected = Selected()) {
    SetOverlapCaption(Controls(*selected).stop->ItemIndex() == 1, false);
  }
}

}  // namespace tracking
