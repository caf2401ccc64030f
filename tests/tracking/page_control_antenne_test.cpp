#include "tracking/page_control_antenne.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTranslator>

#include "controller_fixture.h"
#include "tracking/form_alarm.h"
#include "tracking/radio_group.h"
#include "tracking/tracking_options.h"

namespace tracking {
namespace {

using testing::ControllerFixture;

struct PanelFixture {
  PanelFixture() {
    f.setup.selected.reset();
    options = std::make_unique<TrackingOptions>(f.setup, f.controller.get());
    PageControlAntenne::Environment env;
    env.sounds = &f.sounds;
    env.dialogs = &f.dialogs;
    env.bank = f.bank.get();
    env.state = &f.state;
    env.setup = &f.setup;
    env.controller = f.controller.get();
    env.options = options.get();
    env.minimumElevation = [] { return 3; };
    env.serialPorts = QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
    panel = std::make_unique<PageControlAntenne>(env);
    QObject::connect(panel.get(), &PageControlAntenne::trackButtonEnabled,
                     [this](bool on) { trackEnabled = on; });
    QObject::connect(panel.get(), &PageControlAntenne::trackButtonHint,
                     [this](const QString& h) { hint = h; });
  }
  PageControlAntenne::Tab& Tab(Interface i) { return panel->Controls(i); }
  // Chooses a port and checks the selection box, as the operator would.
  void Select(Interface i, int port = 0) {
    if (Tab(i).port != nullptr) Tab(i).port->Click(port);
    Tab(i).select->click();
  }
  QCheckBox* Overlap() { return options->CheckBoxOverlap; }

  ControllerFixture f;
  std::unique_ptr<TrackingOptions> options;
  std::unique_ptr<PageControlAntenne> panel;
  bool trackEnabled = false;
  QString hint;
};

TEST(PageControlAntenne, HasElevenInterfaceTabsTheRigctldPageAndEveryNamedControl) {
  PanelFixture p;
  EXPECT_EQ(p.panel->count(), 12);
  EXPECT_EQ(p.panel->widget(10)->objectName(), QStringLiteral("TabSheetRotctld"));
  EXPECT_EQ(p.panel->widget(11)->objectName(), QStringLiteral("TabSheetHamlib"));
  const char* names[] = {
      "TabSheetRotctld", "CheckBoxRotctld", "EditRotctldHost", "SpinEditRotctldPort",
      "SpinEditStepRotctld", "SpinEditRotctldAzOffset", "SpinEditRotctldElOffset",
      "CheckBoxParkRotctld", "BitBtnTestRotctld", "TabSheetHamlib", "CheckBoxRigctld",
      "EditRigctldHost", "SpinEditRigctldPort", "SpinEditRigctldStep", "EditAosCommand",
      "EditLosCommand", "LabelHamlibStatus",
      "TabSheetPourSat", "TabSheetFOD", "TabSheetEA", "TabSheetGS", "TabSheetEasy", "TabSheetTKB",
      "TabSheetKCT", "TabSheetPro", "TabSheetM2", "TabSheetEGI", "CheckBoxPourSat", "CheckBoxFOD",
      "CheckBoxEA", "CheckBoxGS", "CheckBoxEasy", "CheckBoxTKB", "CheckBoxKCT", "CheckBoxPro",
      "CheckBoxM2", "CheckBoxEGI", "RadioGroupHNVLPT", "RadioGroupFODLPT", "RadioGroupPortGS",
      "ComboBoxBaudGS", "RadioGroupPortEasy", "ComboBoxBaudEasy", "RadioGroupPortTKB",
      "EditKctMove", "RadioGroupPortPro", "RadioGroupPortM2", "RadioGroupPortEGI",
      "RadioGroupHNVButee", "RadioGroupHNVELMax", "SpinEditStepPourSat", "SpinEditAzTestHNV",
      "SpinEditELTestHNV", "CheckBoxParkHNV", "BitBtnTestHNV", "BitBtnOKpourSat",
      "RadioGroupFODButee", "RadioGroupFODELMax", "SpinEditStepFODtrack", "SpinEditAzTestFOD",
      "SpinEditELTestFOD", "CheckBoxParkFOD", "BitBtntestFOD", "BitBtnOKFOD", "RadioGroupEAbutee",
      "RadioGroupEAELMax", "SpinEditStepEA", "SpinEditAzTestEA", "SpinEditELTestEA",
      "CheckBoxParkEA", "BitBtnTestEA", "BitBtnOKEA", "RadioGroupGSbutee", "RadioGroupGSelMax",
      "SpinEditStepGS", "SpinEditGSAzOffset", "SpinEditGSElOffset", "SpinEditAzTestGS",
      "SpinEditELTestGS", "CheckBoxParkGS", "BitBtnTestGS", "BitBtnOKGS", "RadioGroupEasyButee",
      "RadioGroupEasyElMax", "SpinEditStepEasy", "SpinEditEasyAzOffset", "SpinEditEasyElOffset",
      "SpinEditAzTestEasy", "SpinEditELTestEasy", "CheckBoxParkEasy", "BitBtnTestEasy",
      "BitBtnOKEasy", "RadioGroupTKBButee", "RadioGroupTKBELMax", "SpinEditStepTKB",
      "SpinEditTKBAzOffset", "SpinEditTKBElOffset", "SpinEditAZtestTKB", "SpinEditELTestTKB",
      "CheckBoxParkTKB", "BitBtnTestTKB", "BitBtnOKTKB", "RadioGroupKCTbutee", "RadioGroupKCTELMax",
      "SpinEditStepKCT", "SpinEditKCTAzOffset", "SpinEditKCTElOffset", "SpinEditAzTestKCT",
      "SpinEditElTestKCT", "CheckBoxParkKCT", "BitBtnTestKCT", "BitBtnOKKCT", "RadioGroupProButee",
      "RadioGroupProElmax", "SpinEditStepPro", "SpinEditProAzOffset", "SpinEditProElOffset",
      "SpinEditAzTestPro", "SpinEditElTestPro", "CheckBoxParkPro", "BitBtnTestPro", "BitBtnOKPro",
      "RadioGroupM2butee", "RadioGroupM2Elmax", "SpinEditStepM2", "SpinEditM2AzOffset",
      "SpinEditM2ElOffset", "SpinEditAzTestM2", "SpinEditElTestM2", "CheckBoxParkM2",
      "BitBtnTestM2", "BitBtnOKM2", "RadioGroupEGIbutee", "RadioGroupEGIElMax", "SpinEditStepEGI",
      "SpinEditEGIAzOffset", "SpinEditEGIElOffset", "SpinEditAzTestEGI", "SpinEditElTestEGI",
      "CheckBoxParkEGI", "BitBtnTestEGI", "BitBtnOKEGI", "EditLPTPoursat", "EditLPTFod",
      "EditHNVCalAz", "EditHNVCalEl", "EditHNVZero", "EditFODCalAz", "EditFODCalEL", "EditFODZero",
      "RadioButtonHNV360", "RadioButtonHNV450", "RadioButtonFOD360", "RadioButtonFOD450",
      "CheckBoxTKBHost"};
  for (const char* name : names) {
    EXPECT_NE(p.panel->findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
  }
  for (const char* name : {"CheckBoxOverlap", "CheckBoxStop360", "CheckBoxTrackNoStop"}) {
    EXPECT_NE(p.options->findChild<QCheckBox*>(QString::fromLatin1(name)), nullptr) << name;
  }
  EXPECT_EQ(p.panel->findChild<QPushButton*>(QStringLiteral("BitBtnTestHNV"))->text(), QStringLiteral("VAI"));
  EXPECT_EQ(p.panel->findChild<QPushButton*>(QStringLiteral("BitBtnTestGS"))->text(), QStringLiteral("GO"));
}

TEST(PageControlAntenne, RangesAndDefaultsOfTheSpinEdits) {
  PanelFixture p;
  EXPECT_EQ(p.Tab(Interface::Gs232).step->maximum(), 5);
  EXPECT_EQ(p.Tab(Interface::Gs232).step->value(), 1);
  EXPECT_EQ(p.Tab(Interface::M2Orion).step->minimum(), 1);
  EXPECT_EQ(p.Tab(Interface::Egis).step->maximum(), 50);
  EXPECT_EQ(p.Tab(Interface::Egis).elOffset->maximum(), 45);
  EXPECT_EQ(p.Tab(Interface::Gs232).elOffset->maximum(), 15);
  EXPECT_EQ(p.Tab(Interface::Gs232).azOffset->minimum(), -30);
  EXPECT_EQ(p.Tab(Interface::Kct).testAz->maximum(), 450);
  EXPECT_EQ(p.Tab(Interface::Kct).testAz->singleStep(), 10);
  EXPECT_EQ(p.Tab(Interface::Kct).testEl->singleStep(), 5);
  EXPECT_EQ(p.Tab(Interface::Gs232).baud->currentText(), QStringLiteral("4800"));
  EXPECT_EQ(p.Tab(Interface::Gs232).baud->count(), 9);
  EXPECT_TRUE(p.Tab(Interface::TrakBox).stop->isHidden());
  EXPECT_EQ(p.Tab(Interface::Ea4tx).azOffset, nullptr);
  EXPECT_EQ(p.Tab(Interface::Gs232).port->Items(), (QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")}));
  EXPECT_EQ(p.Tab(Interface::PourSat).calAz->text(), QStringLiteral("0.5138901"));
}

TEST(PageControlAntenne, CheckingGs232UnchecksEasyCommAndResetsTheState) {
  PanelFixture p;
  p.Select(Interface::EasyComm);
  ASSERT_TRUE(p.Tab(Interface::EasyComm).select->isChecked());
  p.f.state.LastSentAz = 50;
  p.f.state.LastSentEl = 10;
  p.f.state.LastSentAzInt = 50;
  p.Select(Interface::Gs232);
  EXPECT_TRUE(p.Tab(Interface::Gs232).select->isChecked());
  EXPECT_FALSE(p.Tab(Interface::EasyComm).select->isChecked());
  EXPECT_EQ(p.f.state.LastSentAz, CommandState::kNothingSent);
  EXPECT_EQ(p.f.state.LastSentEl, CommandState::kNothingSent);
  EXPECT_EQ(p.f.state.LastSentAzInt, CommandState::kNothingSentInt);
  EXPECT_TRUE(p.trackEnabled);
  EXPECT_EQ(p.f.setup.selected, Interface::Gs232);
  EXPECT_EQ(p.f.setup.configs[Interface::Gs232].portName, QStringLiteral("ttyS0"));
}

TEST(PageControlAntenne, SerialInterfaceWithoutPortStaysUnchecked) {
  PanelFixture p;
  p.Tab(Interface::ProSisTel).select->click();
  EXPECT_FALSE(p.Tab(Interface::ProSisTel).select->isChecked());
  EXPECT_FALSE(p.Overlap()->isEnabled());
  EXPECT_FALSE(p.f.setup.selected.has_value());
}

TEST(PageControlAntenne, UncheckingDisablesTrackingAndDropsThePark) {
  PanelFixture p;
  p.Select(Interface::Gs232);
  p.Tab(Interface::Gs232).park->click();
  ASSERT_TRUE(p.Tab(Interface::Gs232).park->isChecked());
  p.Tab(Interface::Gs232).select->click();
  EXPECT_FALSE(p.trackEnabled);
  EXPECT_FALSE(p.Tab(Interface::Gs232).park->isChecked());
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_EQ(p.hint, QStringLiteral("Start tracking [NO Ant]"));
  // A park box of an unselected interface does not stay checked.
  p.Tab(Interface::Ea4tx).park->click();
  EXPECT_FALSE(p.Tab(Interface::Ea4tx).park->isChecked());
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 2);
}

TEST(PageControlAntenne, ChoosingAnotherInterfaceUnparksTheOneItReplaces) {
  PanelFixture p;
  p.Select(Interface::EasyComm);
  p.Tab(Interface::EasyComm).park->click();
  ASSERT_TRUE(p.Tab(Interface::EasyComm).park->isChecked());
  p.Select(Interface::Gs232);
  EXPECT_FALSE(p.Tab(Interface::EasyComm).select->isChecked());
  EXPECT_FALSE(p.Tab(Interface::EasyComm).park->isChecked());
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_TRUE(p.trackEnabled);
  EXPECT_EQ(p.f.setup.selected, Interface::Gs232);
  // Nothing is left to write as "PARKING=EASYCOMM".
  for (const auto& antenna : p.panel->Store().antennas) EXPECT_FALSE(antenna.parking);
  // Interfaces that were not selected are left alone: no further beep.
  p.Select(Interface::M2Orion);
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);
}

TEST(PageControlAntenne, OverlapCaptionFollowsTheStopOnOk) {
  PanelFixture p;
  p.Select(Interface::Gs232);
  p.Tab(Interface::Gs232).stop->Click(1);
  p.Tab(Interface::Gs232).ok->click();
  EXPECT_EQ(p.Overlap()->text(), QStringLiteral("Overlap 180-270°"));
  EXPECT_TRUE(p.Overlap()->isEnabled());
  EXPECT_EQ(p.hint, QStringLiteral("Start tracking [Ant=GS232/ttyS0/4800/Stop:S/El max:90/El min:3]"));
  p.Tab(Interface::Gs232).stop->Click(0);
  p.Tab(Interface::Gs232).ok->click();
  EXPECT_EQ(p.Overlap()->text(), QStringLiteral("Overlap 360-450°"));
  // EasyComm writes the spaced caption as soon as it is selected.
  p.Tab(Interface::EasyComm).stop->Click(1);
  p.Select(Interface::EasyComm, 1);
  EXPECT_EQ(p.Overlap()->text(), QStringLiteral("Overlap 180 - 270°"));
  // EA4TX never uses the overlap.
  p.Tab(Interface::Ea4tx).select->click();
  EXPECT_FALSE(p.Overlap()->isEnabled());
}

TEST(PageControlAntenne, PourSatOverlapOnlyIn450Mode) {
  PanelFixture p;
  p.Select(Interface::PourSat);
  ASSERT_TRUE(p.Tab(Interface::PourSat).select->isChecked());
  p.Tab(Interface::PourSat).ok->click();
  EXPECT_FALSE(p.Overlap()->isEnabled());
  EXPECT_EQ(p.hint, QStringLiteral("Start tracking [Ant=POURSAT/LPT1/Stop:N/El max:90/El min:3]"));
  p.Tab(Interface::PourSat).range450->click();
  p.Tab(Interface::PourSat).ok->click();
  EXPECT_TRUE(p.Overlap()->isEnabled());
  EXPECT_TRUE(p.f.setup.pourSat.azimuth450);
}

TEST(PageControlAntenne, ZeroCalibrationOutsideNinetyIsRejected) {
  PanelFixture p;
  QLineEdit* zero = p.Tab(Interface::FodTrack).zero;
  zero->setText(QStringLiteral("95"));
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_TRUE(zero->text().isEmpty());
  EXPECT_EQ(p.f.setup.fodTrack.zeroAzimuth, 0);
  zero->setText(QStringLiteral("-45"));
  EXPECT_EQ(p.f.setup.fodTrack.zeroAzimuth, -45);
  p.Tab(Interface::FodTrack).calAz->setText(QStringLiteral("nonsense"));
  EXPECT_EQ(p.f.setup.fodTrack.bitsPerDegreeAz, 0);
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);
}

TEST(PageControlAntenne, TestTwiceSendsOnceWithStepOneAndTwiceWithStepZero) {
  PanelFixture p;
  p.Select(Interface::Gs232);
  p.Tab(Interface::Gs232).testAz->setValue(120);
  p.Tab(Interface::Gs232).testEl->setValue(30);
  p.Tab(Interface::Gs232).test->click();
  p.Tab(Interface::Gs232).test->click();
  EXPECT_EQ(p.f.Link(Interface::Gs232).writes, std::vector<std::string>{"W120 030\r"});
  p.Tab(Interface::Gs232).step->setValue(0);
  p.Tab(Interface::Gs232).test->click();
  p.Tab(Interface::Gs232).test->click();
  EXPECT_EQ(p.f.Link(Interface::Gs232).writes.size(), 3u);
  EXPECT_FALSE(p.f.Link(Interface::Gs232).open);  // Test closes what it opened
  // Test of an unselected interface only beeps.
  p.Tab(Interface::EasyComm).test->click();
  EXPECT_TRUE(p.f.Link(Interface::EasyComm).writes.empty());
  EXPECT_EQ(p.f.sounds.Count(QStringLiteral("beep")), 1);
}

TEST(PageControlAntenne, PortThatCannotBeOpenedIsRefused) {
  PanelFixture p;
  p.Select(Interface::Gs232);
  p.f.Link(Interface::Gs232).openable = false;
  p.Tab(Interface::Gs232).port->Click(1);
  EXPECT_EQ(p.f.dialogs.warnings, QStringList{QStringLiteral("GS232 ttyUSB0 error")});
  EXPECT_EQ(p.Tab(Interface::Gs232).port->ItemIndex(), -1);
  EXPECT_FALSE(p.Tab(Interface::Gs232).select->isChecked());
  EXPECT_FALSE(p.f.setup.selected.has_value());
  EXPECT_GE(p.f.sounds.Count(QStringLiteral("beep")), 1);
}

TEST(PageControlAntenne, SpeedBoxIsAppliedToThePort) {
  PanelFixture p;
  p.Tab(Interface::Gs232).baud->setCurrentText(QStringLiteral("9600"));
  EXPECT_EQ(p.f.Link(Interface::Gs232).baud, 9600);
  EXPECT_EQ(p.f.setup.configs[Interface::Gs232].baudRate, 9600);
}

TEST(PageControlAntenne, KctNeedsMovenow) {
  PanelFixture p;
  p.panel->EditKctMove->setText(QStringLiteral("/no/such/folder/"));
  p.Tab(Interface::Kct).select->click();
  EXPECT_FALSE(p.Tab(Interface::Kct).select->isChecked());
  EXPECT_EQ(p.f.dialogs.warnings.size(), 1);
  QTemporaryDir dir;
  QFile file(dir.path() + QStringLiteral("/Movenow.com"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  p.panel->EditKctMove->setText(dir.path() + QStringLiteral("/"));
  p.Tab(Interface::Kct).select->click();
  EXPECT_TRUE(p.Tab(Interface::Kct).select->isChecked());
  EXPECT_EQ(p.Overlap()->text(), QStringLiteral("Overlap 360 - 450°"));
}

TEST(PageControlAntenne, LoadAndStoreEveryKey) {
  PanelFixture p;
  AntennaPanelValues v = DefaultAntennaPanelValues();
  v.selected = Interface::M2Orion;
  for (Interface i : kSendOrder) {
    AntennaValues& a = v.antennas[static_cast<std::size_t>(IndexOf(i))];
    a.step = 3;
    a.testAzimuth = 270;
    a.testElevation = 45;
    if (i != Interface::TrakBox) {
      a.stopSouth = true;
      a.maxElevation180 = true;
    }
    if (p.Tab(i).azOffset != nullptr) {
      a.azimuthOffset = -7;
      a.elevationOffset = 4;
    }
    if (HasSerialPort(i)) a.port = QStringLiteral("USB0");
  }
  v.antennas[IndexOf(Interface::M2Orion)].parking = true;
  v.antennas[IndexOf(Interface::Gs232)].baud = QStringLiteral("19200");
  v.antennas[IndexOf(Interface::EasyComm)].baud = QStringLiteral("1200");
  AntennaValues& hnv = v.antennas[IndexOf(Interface::PourSat)];
  hnv.lptEntry = 3;
  hnv.lptAddressText = QStringLiteral("3BC");
  hnv.azimuth450 = true;
  hnv.calibrationZero = QStringLiteral("-12");
  v.trakBoxHostMode = true;
  v.movenowFolder = QStringLiteral("/opt/kct/");
  v.trackNoStop = true;
  v.trackStop360 = true;
  p.panel->Load(v);
  EXPECT_EQ(p.panel->Store(), v);
  EXPECT_EQ(p.f.setup.selected, Interface::M2Orion);
  EXPECT_EQ(p.f.setup.configs[Interface::M2Orion].portName, QStringLiteral("ttyUSB0"));
  EXPECT_TRUE(p.f.setup.options.stopOn360);
  EXPECT_TRUE(p.trackEnabled);
  // At start-up the M2-ORION text is built with its older name.
  EXPECT_EQ(p.hint, QStringLiteral("Start tracking [Ant=M2ORION/ttyUSB0/9600/Stop:S/El max:180/El min:3]"));
  EXPECT_EQ(p.Overlap()->text(), QStringLiteral("Overlap 180-270°"));
}

TEST(PageControlAntenne, StoredPortThatIsGoneIsNotSelected) {
  PanelFixture p;
  AntennaPanelValues v = DefaultAntennaPanelValues();
  v.selected = Interface::Gs232;
  v.antennas[IndexOf(Interface::Gs232)].port = QStringLiteral("ACM7");
  p.panel->Load(v);
  EXPECT_FALSE(p.Tab(Interface::Gs232).select->isChecked());
  EXPECT_EQ(p.Tab(Interface::Gs232).port->ItemIndex(), -1);
  EXPECT_FALSE(p.trackEnabled);
  EXPECT_FALSE(p.f.setup.selected.has_value());
}

TEST(PageControlAntenne, PrinterPortItemsAndUsability) {
  PanelFixture p;
  p.panel->RefreshPrinterPorts({QStringLiteral("LPT1 [0378h]"), QStringLiteral(" [0000h]"),
                                QStringLiteral(" [0000h]")},
                               true);
  EXPECT_EQ(p.Tab(Interface::PourSat).port->Button(0)->text(), QStringLiteral("LPT1 [0378h]"));
  EXPECT_EQ(p.Tab(Interface::FodTrack).port->ItemIndex(), 0);
  p.panel->RefreshPrinterPorts({QStringLiteral("LPT1 [0378h]")}, false);
  EXPECT_EQ(p.Tab(Interface::FodTrack).port->ItemIndex(), -1);
}

TEST(TrackingOptions, OverlapClickResendsWhileTracking) {
  PanelFixture p;
  p.Select(Interface::Gs232);
  p.f.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  p.f.state.TargetAz = 30;
  p.f.state.TargetEl = 5;
  p.f.controller->SendSelected();
  p.Overlap()->setEnabled(true);
  p.Overlap()->click();
  EXPECT_TRUE(p.f.setup.options.overlap);
  EXPECT_EQ(p.f.Link(Interface::Gs232).writes.back(), "W390 005\r");
  p.options->CheckBoxStop360->click();
  EXPECT_TRUE(p.f.setup.options.stopOn360);
  p.options->CheckBoxTrackNoStop->click();
  EXPECT_TRUE(p.f.setup.trackNoStop);
}

TEST(TFormAlarm, StaysOnTopAsksAndResumes) {
  TFormAlarm alarm;
  EXPECT_TRUE(alarm.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(alarm.LabelStop360->text(),
            QStringLiteral("Tracking has been stopped on a 360° azimuth step. Nevertheless, do "
                           "you want to resume tracking ?"));
  int resumes = 0;
  QObject::connect(&alarm, &TFormAlarm::resumeRequested, [&resumes] { ++resumes; });
  alarm.show();
  alarm.BitBtnYes->click();
  EXPECT_EQ(resumes, 1);
  EXPECT_FALSE(alarm.isVisible());
  alarm.show();
  alarm.BitBtnNo->click();
  EXPECT_EQ(resumes, 1);
  EXPECT_FALSE(alarm.isVisible());
}

TEST(Translations, EmbeddedCataloguesCarryTheAlarmTexts) {
  const std::pair<const char*, const char*> expected[] = {
      {"es", "El seguimiento se ha parado en el paso de 360º. De todas formas, ¿quiere reiniciar el seguimiento?"},
      {"fr", "La poursuite a été arrètée sur un saut d'azimut de 360°. Voulez-vous reprendre la poursuite ?"},
      {"de", "Antenne-Steuerung wurde wegen eines 360-Grad-Schritt aufgehört. Trotzdem wollen Sie die Steuerung wieder gestartet werden ?"},
      {"it", "Monitoraggio delle antenne è stato arresto a causa di un salto di 360° in azimut. Tuttavia, non si desidera riavviare il monitoraggio ?"}};
  for (const auto& [lang, text] : expected) {
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/tracking_%1.qm").arg(QLatin1String(lang)))) << lang;
    QCoreApplication::installTranslator(&translator);
    TFormAlarm alarm;
    alarm.show();
    EXPECT_EQ(alarm.LabelStop360->text(), QString::fromUtf8(text)) << lang;
    alarm.hide();
    QCoreApplication::removeTranslator(&translator);
  }
}

}  // namespace
}  // namespace tracking

namespace tracking {
namespace {

// The daemon's rotator is one more interface: selecting it unselects the others, its host
// and port reach the sender's settings and the hint; the rigctld page round-trips.
TEST(PageControlAntenne, RotctldTabAndTheRigctldPage) {
  PanelFixture p;
  ASSERT_NE(p.panel->findChild<QWidget*>(QStringLiteral("TabSheetRotctld")), nullptr);
  ASSERT_NE(p.panel->findChild<QLabel*>(QStringLiteral("LabelHamlibStatus")), nullptr);
  p.Select(Interface::Gs232);
  ASSERT_EQ(p.panel->Selected(), Interface::Gs232);
  p.panel->EditRotctldHost->setText(QStringLiteral("10.0.0.7"));
  p.panel->SpinEditRotctldPort->setValue(14533);
  p.Tab(Interface::Rotctld).step->setValue(2);
  p.Select(Interface::Rotctld);
  EXPECT_EQ(p.panel->Selected(), Interface::Rotctld);
  EXPECT_FALSE(p.Tab(Interface::Gs232).select->isChecked());
  EXPECT_TRUE(p.trackEnabled);
  EXPECT_TRUE(p.Overlap()->isEnabled());
  EXPECT_EQ(p.f.setup.selected, Interface::Rotctld);
  EXPECT_EQ(p.f.setup.configs[Interface::Rotctld].daemonHost, QStringLiteral("10.0.0.7"));
  EXPECT_EQ(p.f.setup.configs[Interface::Rotctld].daemonPort, 14533);
  EXPECT_EQ(p.f.setup.configs[Interface::Rotctld].minimumStep, 2);
  EXPECT_TRUE(p.panel->TrackButtonHintText().endsWith(
      QStringLiteral(" [Ant=ROTCTLD/10.0.0.7:14533/Stop:N/El max:90/El min:3]")));

  AntennaPanelValues v = p.panel->Store();
  v.hamlib.rig = {true, QStringLiteral("radio.local"), 14532, 50};
  v.hamlib.commands = {QStringLiteral("aos.sh --now"), QStringLiteral("los.sh")};
  p.panel->Load(v);
  EXPECT_TRUE(p.panel->CheckBoxRigctld->isChecked());
  EXPECT_EQ(p.panel->EditAosCommand->text(), QStringLiteral("aos.sh --now"));
  EXPECT_EQ(p.panel->Store(), v);
  EXPECT_EQ(p.f.setup.rig.stepHz, 50);
  EXPECT_EQ(p.f.setup.passCommands.losCommand, QStringLiteral("los.sh"));
  p.panel->SetHamlibStatus(QStringLiteral("rigctld radio.local:14532 error (connection closed)"));
  EXPECT_EQ(p.panel->LabelHamlibStatus->text(),
            QStringLiteral("rigctld radio.local:14532 error (connection closed)"));
  p.panel->SetHamlibStatus({});
  EXPECT_TRUE(p.panel->LabelHamlibStatus->text().isEmpty());
}

}  // namespace
}  // namespace tracking
