// POURSAT and FODTrack: bits from degrees, the register sequences on a recording port,
// the port choice, access around tracking and Test, and the discovery of the ports.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

#include "base/sounds.h"
#include "tracking/printer_port_encoder.h"
#include "tracking/printer_port_sender.h"
#include "tracking/recording_links.h"
#include "tracking/recording_port_io.h"
#include "tracking/tracking_controller.h"

namespace tracking {
namespace {

using Strings = std::vector<std::string>;

constexpr long double kPourSatAz = 0.5138901L;
constexpr long double kPourSatEl = 1.0277802L;

PrinterPortConfig PourSat() {
  PrinterPortConfig c;
  c.lptEntry = 0;
  c.bitsPerDegreeAz = kPourSatAz;
  c.bitsPerDegreeEl = kPourSatEl;
  return c;
}

PrinterPortConfig FodTrack() {
  PrinterPortConfig c;
  c.lptEntry = 0;
  c.bitsPerDegreeAz = 0.711L;
  c.bitsPerDegreeEl = 1.422L;
  return c;
}

// A port with LPT1 at 0378 and LPT3 at 03BC, access granted.
struct PortFixture {
  PortFixture() {
    io.devices = {{0, 0x378, QStringLiteral("/dev/parport0")},
                  {2, 0x3BC, QStringLiteral("/dev/parport2")}};
    bank.StartUp();
  }
  SendOutcome Send(Interface card, long double az, long double el, const PrinterPortConfig& c) {
    state.TargetAz = az;
    state.TargetEl = el;
    return card == Interface::PourSat ? bank.SendPourSat(state, c, options)
                                      : bank.SendFODTrack(state, c, options);
  }
  RecordingPortIo io;
  AntennaSetup setup;
  PrinterPortBank bank{io, setup};
  CommandState state;
  RotatorOptions options;
};

// ----- Bits from degrees (worked values of the cards' manuals and hand calculations).

TEST(PrinterPortBits, DefaultPourSatCalibration) {
  // 180 x 0.5138901 = 92.500218, just above the half; 45 x 1.0277802 = 46.25.
  EXPECT_EQ(AzimuthBits(180, kPourSatAz, 0), 93);
  EXPECT_EQ(ElevationBits(45, kPourSatEl), 46);
  // 350 x 0.5138901 = 179.86.
  EXPECT_EQ(AzimuthBits(350, kPourSatAz, 0), 180);
  // 0.3 x 1.0277802 = 0.31 rounds to 0 and is sent as 1; the top is 255.
  EXPECT_EQ(ElevationBits(0.3L, kPourSatEl), 1);
  EXPECT_EQ(ElevationBits(400, kPourSatEl), 255);
}

TEST(PrinterPortBits, ZeroOffsetsTurnTheAzimuthRound) {
  // Zero 20 at 10°: -5 bits, taken one turn later: (10 + 360 - 20) x 0.5138901 = 179.86.
  EXPECT_EQ(AzimuthBits(10, kPourSatAz, 20), 180);
  // Without a positive zero a negative value stops at 0.
  EXPECT_EQ(AzimuthBits(10, kPourSatAz, 0), 5);
  EXPECT_EQ(AzimuthBits(-3, kPourSatAz, 0), 0);
  // FODTrack, zero -10 at 355°: 365 x 0.711 = 259.5 > 255, one turn earlier: 5 x 0.711 = 3.555.
  EXPECT_EQ(AzimuthBits(355, 0.711L, -10), 4);
  // Without a negative zero the top is 255 (360 x 0.711 = 255.96).
  EXPECT_EQ(AzimuthBits(360, 0.711L, 0), 255);
  // One bit per degree, zero -10 at 250°: 260 bits, and the turn back gives -100: past the
  // top end, so the top it is, never a negative byte.
  EXPECT_EQ(AzimuthBits(250, 1.0L, -10), 255);
}

TEST(PrinterPortBits, FourHundredFiftyDegreeMode) {
  // POURSAT: one turn = round(185.0004) = 185 bits, a quarter = round(46.25) = 46.
  // Overlap on at 30°: 15 + 185 = 200.
  EXPECT_EQ(OverlapBits(15, kPourSatAz, true), 200);
  // Overlap off: a full turn comes back to 0; below a turn nothing changes.
  EXPECT_EQ(OverlapBits(185, kPourSatAz, false), 0);
  EXPECT_EQ(OverlapBits(184, kPourSatAz, false), 184);
  EXPECT_EQ(OverlapBits(46, kPourSatAz, true), 46);
  // FODTrack: turn 256, quarter 64: 60 + 256 is capped at 255.
  EXPECT_EQ(OverlapBits(60, 0.711L, true), 255);
  // Red while 185 <= a < round(231.25) = 231, only in 450° mode with the overlap on.
  EXPECT_TRUE(RedAzimuthBits(200, kPourSatAz, true, true));
  EXPECT_FALSE(RedAzimuthBits(231, kPourSatAz, true, true));
  EXPECT_FALSE(RedAzimuthBits(200, kPourSatAz, true, false));
  EXPECT_FALSE(RedAzimuthBits(200, kPourSatAz, false, true));
  EXPECT_EQ(StepLimitBits(kPourSatAz), 180);
}

TEST(PrinterPortBits, CommandDisplay) {
  EXPECT_EQ(PrinterPortDisplay(93, 46), "   46             / 93");
}

// ----- The sequences on the port.

TEST(PrinterPortSequence, PourSatWritesEightBytesWithoutPauses) {
  PortFixture f;
  const SendOutcome o = f.Send(Interface::PourSat, 180, 45, PourSat());
  EXPECT_EQ(o.status, SendStatus::Sent);
  EXPECT_EQ(f.io.Sequence(0x378), (Strings{"C0", "C8", "B93", "C10", "C1", "B46", "C3", "C0"}));
  EXPECT_EQ(f.io.events.front(), (PortEvent{PortEvent::Write, 0x37A, 0}));
  EXPECT_EQ(f.io.stateReads, 1);
  EXPECT_EQ(f.state.LastSentAzInt, 93);
}

TEST(PrinterPortSequence, FodTrackClocksWithItsPauses) {
  PortFixture f;
  PrinterPortConfig c = FodTrack();
  c.lptEntry = 2;  // LPT3 at 03BC
  // 180 x 0.711 = 127.98, 45 x 1.422 = 63.99.
  f.Send(Interface::FodTrack, 180, 45, c);
  EXPECT_EQ(f.io.Sequence(0x3BC),
            (Strings{"C2", "p10", "B128", "p10", "C2", "p5", "C3", "p10", "C2", "p10", "C0", "p10",
                     "B64", "p10", "C0", "p5", "C1", "p10", "C0"}));
}

TEST(PrinterPortSequence, SouthStopShiftsTheCommandOnly) {
  PortFixture f;
  PrinterPortConfig c = PourSat();
  c.rotator.stopSouth = true;
  f.Send(Interface::PourSat, 10, 10, c);  // 10 - 180 + 360 = 190: round(97.64) = 98
  EXPECT_EQ(f.io.Sequence(0x378)[2], "B98");
  EXPECT_TRUE(f.state.SouthStopShifted);
  EXPECT_EQ(f.state.TargetAz, 10);
}

TEST(PrinterPortSequence, MinimumStepAndShownCommand) {
  PortFixture f;
  f.options.showCommands = true;
  const SendOutcome first = f.Send(Interface::PourSat, 180, 45, PourSat());
  EXPECT_EQ(first.displayText, QStringLiteral("   46             / 93"));
  f.io.events.clear();
  // Less than the step of 1° on both axes: nothing at all.
  EXPECT_EQ(f.Send(Interface::PourSat, 180.6L, 45.4L, PourSat()).status, SendStatus::SkippedSmall);
  EXPECT_TRUE(f.io.events.empty());
  EXPECT_EQ(f.Send(Interface::PourSat, 181, 45, PourSat()).status, SendStatus::Sent);
}

TEST(PrinterPortSequence, OverlapIn450ModeTurnsTheAzimuthRed) {
  PortFixture f;
  PrinterPortConfig c = PourSat();
  c.azimuth450 = true;
  f.options.overlap = true;
  const SendOutcome o = f.Send(Interface::PourSat, 30, 10, c);
  EXPECT_EQ(f.io.Sequence(0x378)[2], "B200");
  ASSERT_TRUE(o.redAzimuth.has_value());
  EXPECT_TRUE(*o.redAzimuth);
}

TEST(PrinterPortSequence, ThreeHundredSixtyStepInBits) {
  PortFixture f;
  f.options.stopOn360 = true;
  f.Send(Interface::PourSat, 5, 10, PourSat());  // 2.57 -> 3
  f.io.events.clear();
  // 354° = 181.9 -> 182: 179 bits away, within the limit of 180.
  EXPECT_EQ(f.Send(Interface::PourSat, 354, 10, PourSat()).status, SendStatus::Sent);
  f.Send(Interface::PourSat, 5, 10, PourSat());
  f.io.events.clear();
  // 358° = 183.97 -> 184: 181 bits: stopped, nothing written.
  const SendOutcome o = f.Send(Interface::PourSat, 358, 10, PourSat());
  EXPECT_EQ(o.status, SendStatus::Stopped360);
  EXPECT_TRUE(o.stopTracking && o.show360Alarm && o.warningSound);
  EXPECT_TRUE(f.io.events.empty());
}

TEST(PrinterPortSequence, WriteErrorBeepsStopsAndDoesNotCountAsSent) {
  PortFixture f;
  f.io.failWrites = true;
  const SendOutcome o = f.Send(Interface::PourSat, 180, 45, PourSat());
  EXPECT_EQ(o.status, SendStatus::PortError);
  EXPECT_TRUE(o.beep);
  EXPECT_TRUE(o.stopTracking);
  EXPECT_TRUE(o.message.isEmpty());
  EXPECT_EQ(f.state.LastSentAz, CommandState::kNothingSent);
  // The port is back: the same position goes out.
  f.io.failWrites = false;
  f.io.events.clear();
  EXPECT_EQ(f.Send(Interface::PourSat, 180, 45, PourSat()).status, SendStatus::Sent);
  EXPECT_EQ(f.io.Count(PortEvent::Write), 8);
}

TEST(PrinterPortSequence, OnlyTheSequencesOwnErrorsCount) {
  PortFixture f;
  // An LPTx whose opening the system refused, then LPT1 chosen: its sends go out fine.
  f.io.failEnables = true;
  f.bank.ChoosePort(3, QStringLiteral("2F8"));
  f.io.failEnables = false;
  EXPECT_EQ(f.Send(Interface::PourSat, 180, 45, PourSat()).status, SendStatus::Sent);
  // A write that fails early in the sequence is still seen after the last one.
  class FailFirst : public RecordingPortIo {
   public:
    void Outport(std::uint16_t a, std::uint16_t v) override {
      RecordingPortIo::Outport(a, v);
      if (Count(PortEvent::Write) == 1) state = 5;
    }
  } io;
  io.devices = f.io.devices;
  PrinterPortBank bank(io, f.setup);
  bank.StartUp();
  CommandState state;
  state.TargetAz = 180;
  state.TargetEl = 45;
  EXPECT_EQ(bank.SendFODTrack(state, FodTrack(), {}).status, SendStatus::PortError);
  EXPECT_EQ(io.Count(PortEvent::Write), 10);
}

TEST(PrinterPortSequence, NoAddressWritesNothing) {
  PortFixture f;
  PrinterPortConfig c = PourSat();
  c.lptEntry = 1;  // LPT2 was not found
  EXPECT_EQ(f.Send(Interface::PourSat, 180, 45, c).status, SendStatus::PortError);
  c.lptEntry = 3;
  c.lptAddressText.clear();
  EXPECT_EQ(f.Send(Interface::PourSat, 180, 45, c).status, SendStatus::PortError);
  EXPECT_EQ(f.io.Count(PortEvent::Write), 0);
}

// Runs `during` at the first pause of a sequence, as a window event would.
class InterruptingPort : public RecordingPortIo {
 public:
  void Pause(int ms) override {
    RecordingPortIo::Pause(ms);
    if (during) {
      auto once = std::move(during);
      during = nullptr;
      once();
    }
  }
  std::function<void()> during;
};

TEST(PrinterPortSequence, EventsDuringThePausesNeitherInterleaveNorTakeThePort) {
  InterruptingPort io;
  io.devices = {{0, 0x378, QStringLiteral("/dev/parport0")}};
  AntennaSetup setup;
  setup.fodTrack = FodTrack();
  PrinterPortBank bank(io, setup);
  bank.StartUp();
  CommandState state;
  CommandState other;
  other.TargetAz = 90;
  other.TargetEl = 20;
  SendOutcome nested;
  io.during = [&] {
    nested = bank.SendFODTrack(other, FodTrack(), {});
    bank.DisablePortRange(false);
  };
  state.TargetAz = 180;
  state.TargetEl = 45;
  EXPECT_EQ(bank.SendFODTrack(state, FodTrack(), {}).status, SendStatus::Sent);
  EXPECT_EQ(nested.status, SendStatus::SkippedSmall);
  EXPECT_EQ(other.LastSentAz, CommandState::kNothingSent);
  // One sequence of ten writes, and the port is taken away only after the last one.
  EXPECT_EQ(io.Count(PortEvent::Write), 10);
  EXPECT_EQ(io.events.back(), (PortEvent{PortEvent::Disable, 0x378, 0x378}));
}

// ----- Port choice.

TEST(PrinterPortChoice, LptxAcceptedOpensItsAddressOnce) {
  PortFixture f;
  PortChoice c = f.bank.ChoosePort(3, QStringLiteral("378"));
  EXPECT_TRUE(c.keep);
  EXPECT_FALSE(c.beep);
  EXPECT_EQ(f.bank.EnabledLptx(), 0x378);
  c = f.bank.ChoosePort(3, QStringLiteral("378"));
  EXPECT_EQ(f.io.Count(PortEvent::Enable), 1);
  // Another address: the old one is closed first.
  f.bank.ChoosePort(3, QStringLiteral("3bc"));
  EXPECT_EQ(f.io.events, (std::vector<PortEvent>{{PortEvent::Enable, 0x378, 0x378},
                                                 {PortEvent::Disable, 0x378, 0x378},
                                                 {PortEvent::Enable, 0x3BC, 0x3BC}}));
  PrinterPortConfig config = PourSat();
  config.lptEntry = 3;
  config.lptAddressText = QStringLiteral("3bc");
  EXPECT_EQ(f.bank.BaseAddress(config), 0x3BC);
}

TEST(PrinterPortChoice, UnusableLptxWarnsWithTheDetectedPorts) {
  PortFixture f;
  for (const char* text : {"ZZZ", "", "0000", "0", "FF"}) {
    const PortChoice c = f.bank.ChoosePort(3, QString::fromLatin1(text));
    EXPECT_FALSE(c.keep) << text;
    EXPECT_TRUE(c.unselect && c.beep) << text;
    EXPECT_EQ(c.warning,
              QStringLiteral("Enter a VALID address as a 4 hexadecimal character string.\r\n"
                             "This address must be associated to an existing LPT port.\r\n"
                             "A non-valid address may generate a system error!\r\n"
                             "Detected LPT ports:\r\nLPT1 : 0378 / LPT3 : 03BC / "))
        << text;
  }
  EXPECT_EQ(f.io.Count(PortEvent::Enable), 0);
  RecordingPortIo none;
  PrinterPortBank empty(none, f.setup);
  empty.StartUp();
  EXPECT_TRUE(empty.ChoosePort(3, QStringLiteral("ZZZ")).warning.endsWith(
      QStringLiteral("Detected LPT ports:\r\nNONE")));
}

TEST(PrinterPortChoice, PortsNotFoundAndMissingAccessAreRefused) {
  PortFixture f;
  EXPECT_TRUE(f.bank.ChoosePort(0, {}).keep);
  const PortChoice lpt2 = f.bank.ChoosePort(1, {});
  EXPECT_FALSE(lpt2.keep);
  EXPECT_TRUE(lpt2.unselect && lpt2.beep);
  EXPECT_TRUE(lpt2.error.isEmpty() && lpt2.warning.isEmpty());

  RecordingPortIo locked;
  locked.driverInstalled = false;
  locked.devices = f.io.devices;
  PrinterPortBank bank(locked, f.setup);
  bank.StartUp();
  EXPECT_FALSE(bank.Usable());
  const PortChoice c = bank.ChoosePort(0, {});
  EXPECT_FALSE(c.keep);
  EXPECT_TRUE(c.beep);
  EXPECT_EQ(c.error, DriverMissingMessage());
  EXPECT_TRUE(bank.ChoosePort(3, QStringLiteral("378")).error == DriverMissingMessage());
  EXPECT_EQ(locked.Count(PortEvent::Enable), 0);
  EXPECT_TRUE(bank.ChoosePort(-1, {}).keep);  // nothing chosen: nothing to say
}

// ----- Access around tracking, Test and quit, through the tracking controller.

struct ControllerWithPort {
  ControllerWithPort() {
    io.devices = {{0, 0x378, QStringLiteral("/dev/parport0")}};
    printer.StartUp();
    RotatorBank::Links links;
    for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
    links.arswin = &arswin;
    links.launcher = &launcher;
    bank = std::make_unique<RotatorBank>(links, [](int) {});
    setup.pourSat = PourSat();
    setup.pourSat.rotator.testAzimuth = 180;
    setup.pourSat.rotator.testElevation = 45;
    setup.selected = Interface::PourSat;
    TrackingHost host;
    host.sounds = &sounds;
    controller = std::make_unique<TrackingController>(*bank, state, setup, printer, host);
  }
  std::array<RecordingSerialLink, 6> serial;
  RecordingArswin arswin;
  RecordingLauncher launcher;
  std::unique_ptr<RotatorBank> bank;
  RecordingPortIo io;
  CommandState state;
  AntennaSetup setup;
  PrinterPortBank printer{io, setup};
  base::RecordingSounds sounds;
  std::unique_ptr<TrackingController> controller;
};

TEST(PrinterPortAccess, OpenWhileTrackingAndAroundTest) {
  ControllerWithPort c;
  c.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  EXPECT_EQ(c.io.events, (std::vector<PortEvent>{{PortEvent::Enable, 0x378, 0x378}}));
  c.state.TargetAz = 180;
  c.state.TargetEl = 45;
  c.controller->SendSelected();
  EXPECT_EQ(c.io.Count(PortEvent::Write), 8);
  c.controller->SpeedButtonTrackClick({});
  EXPECT_EQ(c.io.events.back(), (PortEvent{PortEvent::Disable, 0x378, 0x378}));

  c.io.events.clear();
  c.controller->Test(Interface::PourSat);
  ASSERT_EQ(c.io.events.size(), 10u);
  EXPECT_EQ(c.io.events.front(), (PortEvent{PortEvent::Enable, 0x378, 0x378}));
  EXPECT_EQ(c.io.Sequence(0x378)[2], "B93");
  EXPECT_EQ(c.io.events.back(), (PortEvent{PortEvent::Disable, 0x378, 0x378}));
}

TEST(PrinterPortAccess, WriteErrorStopsTracking) {
  ControllerWithPort c;
  c.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  c.io.failWrites = true;
  c.state.TargetAz = 180;
  c.state.TargetEl = 45;
  c.controller->SendSelected();
  EXPECT_FALSE(c.controller->TrackingActive);
  EXPECT_EQ(c.sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_EQ(c.io.events.back(), (PortEvent{PortEvent::Disable, 0x378, 0x378}));
}

TEST(PrinterPortAccess, ANewChoiceWhileTrackingStillClosesTheOpenedPort) {
  ControllerWithPort c;
  c.io.devices.push_back({2, 0x3BC, QStringLiteral("/dev/parport2")});
  c.printer.StartUp();
  c.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  c.setup.pourSat.lptEntry = 2;  // LPT3 chosen during the pass
  c.controller->SpeedButtonTrackClick({});
  EXPECT_EQ(c.io.events, (std::vector<PortEvent>{{PortEvent::Enable, 0x378, 0x378},
                                                 {PortEvent::Disable, 0x378, 0x378}}));
  // The card unselected during the pass: quit still closes what tracking opened.
  c.io.events.clear();
  c.setup.pourSat.lptEntry = 0;
  c.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  c.setup.selected = Interface::Gs232;
  c.printer.Release();
  EXPECT_EQ(c.io.events, (std::vector<PortEvent>{{PortEvent::Enable, 0x378, 0x378},
                                                 {PortEvent::Disable, 0x378, 0x378}}));
}

TEST(PrinterPortAccess, QuitReleasesTheChosenPortAndTheLptx) {
  PortFixture f;
  f.bank.ChoosePort(3, QStringLiteral("278"));
  f.io.events.clear();
  f.setup.pourSat = PourSat();  // LPT1
  f.setup.selected = Interface::PourSat;
  f.bank.Release();
  EXPECT_EQ(f.io.events, (std::vector<PortEvent>{{PortEvent::Disable, 0x378, 0x378},
                                                 {PortEvent::Disable, 0x278, 0x278}}));
  EXPECT_EQ(f.bank.EnabledLptx(), 0);
}

// ----- Discovery.

class Discovery : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Path(const QString& name) const { return dir.path() + QLatin1Char('/') + name; }
  void Write(const QString& name, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(Path(name)).path());
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  LinuxPortPaths Paths() const {
    return {Path(QStringLiteral("parport")), Path(QStringLiteral("ioports")), Path(QStringLiteral("dev"))};
  }
  QTemporaryDir dir;
};

TEST_F(Discovery, SysctlFolderGivesNamesAndAddresses) {
  // The kernel writes the base in decimal, then the extended registers' base.
  Write(QStringLiteral("parport/parport0/base-addr"), "888\t1912\n");
  Write(QStringLiteral("parport/parport2/base-addr"), "956\t0\n");
  Write(QStringLiteral("parport/default/timeslice"), "200\n");
  LinuxPortIo io(Paths());
  const DetectedPrinterPorts d = DetectPrinterPorts(io);
  EXPECT_EQ(d.ports[0], (DetectedPort{QStringLiteral("LPT1"), QStringLiteral("0378")}));
  EXPECT_EQ(d.ports[1], DetectedPort{});
  EXPECT_EQ(d.ports[2], (DetectedPort{QStringLiteral("LPT3"), QStringLiteral("03BC")}));
  EXPECT_EQ(d.addresses, (std::array<std::uint16_t, 3>{0x378, 0, 0x3BC}));
  EXPECT_EQ(PrinterPortItems(d),
            (QStringList{QStringLiteral("LPT1 [0378h]"), QStringLiteral(" [0000h]"),
                         QStringLiteral("LPT3 [03BCh]")}));
}

TEST_F(Discovery, IoportsListingIsTheFallback) {
  Write(QStringLiteral("ioports"),
        "0000-0cf7 : PCI Bus 0000:00\n  0278-027a : parport1\n  0678-067a : parport1\n"
        "  0378-037a : parport0\n");
  LinuxPortIo io(Paths());
  const DetectedPrinterPorts d = DetectPrinterPorts(io);
  EXPECT_EQ(d.addresses, (std::array<std::uint16_t, 3>{0x378, 0x278, 0}));
  EXPECT_EQ(d.ports[1].name, QStringLiteral("LPT2"));
  // Without root the listing shows zeros: nothing found.
  EXPECT_EQ(IoportsBase(QStringLiteral("  0000-0000 : parport0\n"), 0), 0);
}

TEST_F(Discovery, NothingAnywhereLeavesEmptySlots) {
  LinuxPortIo io(Paths());
  const DetectedPrinterPorts d = DetectPrinterPorts(io);
  EXPECT_EQ(d, DetectedPrinterPorts{});
  EXPECT_EQ(PrinterPortItems(d).front(), QStringLiteral(" [0000h]"));
}

TEST(DetectedAddresses, OneBadTextZeroesAllThree) {
  DetectedPrinterPorts d;
  d.ports[0] = {QStringLiteral("LPT1"), QStringLiteral("0378")};
  d.ports[1] = {QStringLiteral("LPT2"), QStringLiteral("02G8")};
  ConvertDetectedAddresses(d);
  EXPECT_EQ(d.addresses, (std::array<std::uint16_t, 3>{0, 0, 0}));
  EXPECT_EQ(d.ports[0].address, QStringLiteral("0000"));
  EXPECT_EQ(ParseBaseAddr(QStringLiteral("888\t1912\n")), 0x378);
  EXPECT_EQ(ParseBaseAddr(QStringLiteral("0x3bc")), 0x3BC);
  EXPECT_EQ(ParseBaseAddr(QStringLiteral("70000")), 0);
  EXPECT_EQ(ParseBaseAddr(QString()), 0);
}

TEST_F(Discovery, AnOpenableDeviceMeansAccess) {
  Write(QStringLiteral("dev/parport0"), "");
  LinuxPortIo io(Paths());
  EXPECT_TRUE(io.CheckPortDriver());
}

TEST_F(Discovery, PausesKeepTheWindowRunningAndLastTheirTime) {
  LinuxPortIo io(Paths());
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  QElapsedTimer clock;
  clock.start();
  io.Pause(10);
  EXPECT_TRUE(ran);  // an event queued before the pause ran inside it
  EXPECT_GE(clock.elapsed(), 10);
}

TEST_F(Discovery, LinuxPortRefusesPortsItWasNotGiven) {
  LinuxPortIo io(Paths());
  std::string text;
  EXPECT_EQ(io.GetLastState(&text), 0);
  io.Outport(0x378, 1);  // never enabled: refused, and nothing faults
  EXPECT_EQ(io.GetLastState(&text), EPERM);
  EXPECT_FALSE(text.empty());
  EXPECT_EQ(io.GetLastState(), 0);  // reading clears it
  io.EnablePorts(0x20, 0x20);        // the interrupt controller: never
  EXPECT_EQ(io.GetLastState(), EINVAL);
  io.Outport(0x20, 0);
  EXPECT_EQ(io.GetLastState(), EPERM);
}

}  // namespace
}  // namespace tracking
