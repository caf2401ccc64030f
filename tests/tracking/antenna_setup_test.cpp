#include "tracking/antenna_setup.h"

#include <gtest/gtest.h>

namespace tracking {
namespace {

TEST(AntennaSetup, SettingsValuesBecomeSenderConfigs) {
  AntennaPanelValues v = DefaultAntennaPanelValues();
  v.selected = Interface::Gs232;
  AntennaValues& gs = v.antennas[IndexOf(Interface::Gs232)];
  gs.port = QStringLiteral("USB0");
  gs.baud = QStringLiteral("9600");
  gs.stopSouth = true;
  gs.maxElevation180 = true;
  gs.step = 2;
  gs.azimuthOffset = -5;
  gs.testAzimuth = 450;
  gs.parking = true;
  v.trackStop360 = true;
  v.movenowFolder = QStringLiteral("/opt/kct/");
  const AntennaSetup s = SetupFromValues(v, {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")});
  ASSERT_EQ(s.selected, Interface::Gs232);
  const RotatorConfig& c = s.configs[Interface::Gs232];
  EXPECT_EQ(c.portName, QStringLiteral("ttyUSB0"));
  EXPECT_EQ(c.baudRate, 9600);
  EXPECT_TRUE(c.stopSouth);
  EXPECT_EQ(c.elevationRange, 180);
  EXPECT_EQ(c.minimumStep, 2);
  EXPECT_EQ(c.azimuthOffset, -5);
  EXPECT_EQ(c.testAzimuth, 450);
  EXPECT_TRUE(c.parking);
  EXPECT_TRUE(s.options.stopOn360);
  EXPECT_EQ(s.configs[Interface::Kct].movenowFolder, QStringLiteral("/opt/kct/"));
  EXPECT_NEAR(static_cast<double>(s.pourSat.bitsPerDegreeAz), 0.5138901, 1e-9);
  EXPECT_NEAR(static_cast<double>(s.fodTrack.bitsPerDegreeEl), 1.422, 1e-9);
}

TEST(AntennaSetup, StoredPortThatIsGoneUnselectsTheInterface) {
  AntennaPanelValues v;
  v.selected = Interface::EasyComm;
  v.antennas[IndexOf(Interface::EasyComm)].port = QStringLiteral("USB3");
  EXPECT_FALSE(SetupFromValues(v, {QStringLiteral("ttyUSB0")}).selected.has_value());
  v.antennas[IndexOf(Interface::EasyComm)].port.clear();
  EXPECT_FALSE(SetupFromValues(v, {QStringLiteral("ttyUSB0")}).selected.has_value());
  // Interfaces without a serial port stay selected.
  v.selected = Interface::Ea4tx;
  EXPECT_EQ(SetupFromValues(v, {}).selected, Interface::Ea4tx);
}

TEST(AntennaSetup, TrakBoxIsAlwaysNorthAndNinety) {
  AntennaPanelValues v;
  v.antennas[IndexOf(Interface::TrakBox)].stopSouth = true;
  v.antennas[IndexOf(Interface::TrakBox)].maxElevation180 = true;
  v.trakBoxHostMode = true;
  const AntennaSetup s = SetupFromValues(v, {});
  EXPECT_FALSE(s.configs[Interface::TrakBox].stopSouth);
  EXPECT_EQ(s.configs[Interface::TrakBox].elevationRange, 90);
  EXPECT_TRUE(s.configs[Interface::TrakBox].trakBoxHostOnQuit);
}

TEST(InterfaceTexts, TrackButtonHintsOfTheTable) {
  HintInputs in;
  in.port = QStringLiteral("ttyUSB0");
  in.speed = QStringLiteral("4800");
  in.minimumElevation = 5;
  EXPECT_EQ(InterfaceText(Interface::Gs232, in),
            QStringLiteral(" [Ant=GS232/ttyUSB0/4800/Stop:N/El max:90/El min:5]"));
  in.stopSouth = true;
  in.elevationRange = 180;
  EXPECT_EQ(InterfaceText(Interface::EasyComm, in),
            QStringLiteral(" [Ant=EASYCOMM/ttyUSB0/4800/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::ProSisTel, in),
            QStringLiteral(" [Ant=PROSISTEL/ttyUSB0/9600/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::M2Orion, in),
            QStringLiteral(" [Ant=M2-ORION/ttyUSB0/9600/Stop:S/El max:180/El min:5]"));
  in.atStartUp = true;
  EXPECT_EQ(InterfaceText(Interface::M2Orion, in),
            QStringLiteral(" [Ant=M2ORION/ttyUSB0/9600/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::Egis, in),
            QStringLiteral(" [Ant=EGIS/ttyUSB0/9600/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::TrakBox, in),
            QStringLiteral(" [Ant=TRAKBOX/ttyUSB0/9600/El max:90/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::Kct, in), QStringLiteral(" [Ant=KCT/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::Ea4tx, in), QStringLiteral(" [Ant=EA4TX/Stop:S/El max:180/El min:5]"));
  in.lptNumber = 4;
  EXPECT_EQ(InterfaceText(Interface::PourSat, in),
            QStringLiteral(" [Ant=POURSAT/LPT4/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(InterfaceText(Interface::FodTrack, in),
            QStringLiteral(" [Ant=FODTRACK/LPT4/Stop:S/El max:180/El min:5]"));
  EXPECT_EQ(TrackButtonHint(NoInterfaceText()), QStringLiteral("Start tracking [NO Ant]"));
}

TEST(InterfaceTexts, OverlapCaptions) {
  EXPECT_EQ(OverlapCaption(false), QStringLiteral("Overlap 360-450°"));
  EXPECT_EQ(OverlapCaption(true), QStringLiteral("Overlap 180-270°"));
  EXPECT_EQ(OverlapCaption(false, true), QStringLiteral("Overlap 360 - 450°"));
  EXPECT_EQ(OverlapCaption(true, true), QStringLiteral("Overlap 180 - 270°"));
}

TEST(Calibration, EmptyOrBadIsZeroAndZeroMustStayWithin90) {
  EXPECT_EQ(ParseCalibration(QString(), false).value, 0);
  EXPECT_EQ(ParseCalibration(QStringLiteral("abc"), false).value, 0);
  EXPECT_NEAR(static_cast<double>(ParseCalibration(QStringLiteral("0.711"), false).value), 0.711, 1e-12);
  EXPECT_NEAR(static_cast<double>(ParseCalibration(QStringLiteral("0,711"), false).value), 0.711, 1e-12);
  const CalibrationInput bad = ParseCalibration(QStringLiteral("95"), true);
  EXPECT_TRUE(bad.beep);
  EXPECT_TRUE(bad.clearEdit);
  EXPECT_EQ(bad.value, 0);
  EXPECT_FALSE(ParseCalibration(QStringLiteral("-90"), true).beep);
  EXPECT_TRUE(ParseCalibration(QStringLiteral("-90.5"), true).beep);
  // Not a zero edit: large values are fine.
  EXPECT_FALSE(ParseCalibration(QStringLiteral("95"), false).beep);
}

TEST(InterfaceNames, RoundTripAndKinds) {
  for (Interface i : kSendOrder) EXPECT_EQ(InterfaceFromSettingsName(SettingsName(i)), i);
  EXPECT_FALSE(InterfaceFromSettingsName(QStringLiteral("FOO")).has_value());
  int serial = 0;
  for (Interface i : kSendOrder) {
    if (HasSerialPort(i)) ++serial;
    EXPECT_FALSE(HasSerialPort(i) && IsPrinterPort(i));
  }
  EXPECT_EQ(serial, 6);
  EXPECT_FALSE(HasSerialPort(Interface::Ea4tx));
  EXPECT_FALSE(HasSerialPort(Interface::PourSat));
  EXPECT_TRUE(IsPrinterPort(Interface::FodTrack));
  EXPECT_FALSE(HasSerialPort(Interface::Kct));
  EXPECT_TRUE(HasSerialPort(Interface::TrakBox));
}

}  // namespace
}  // namespace tracking
