#include "tracking/rotator_sender.h"

#include <gtest/gtest.h>

#include "tracking/recording_links.h"

namespace tracking {
namespace {

using Events = std::vector<std::string>;

RotatorConfig Port(const char* name, int baud = 9600) {
  RotatorConfig config;
  config.portName = QString::fromLatin1(name);
  config.baudRate = baud;
  return config;
}

RotatorOptions Shown() {
  RotatorOptions options;
  options.showCommands = true;
  return options;
}

CommandState Target(long double az, long double el) {
  CommandState state;
  state.TargetAz = az;
  state.TargetEl = el;
  return state;
}

TEST(SerialSender, OpensOnDemandWritesAndPausesThenStaysOpen) {
  RecordingSerialLink link;
  RotatorSender sender(Interface::Gs232, link, link.Pauses());
  CommandState state = Target(123.4L, 5.6L);
  SendOutcome outcome = sender.Send(state, Port("ttyUSB0", 4800), Shown());
  EXPECT_EQ(outcome.status, SendStatus::Sent);
  EXPECT_EQ(outcome.displayText, QStringLiteral("W123 006"));
  EXPECT_FALSE(outcome.beep);
  EXPECT_FALSE(outcome.stopTracking);
  EXPECT_EQ(link.events, (Events{"open ttyUSB0 4800", "write W123 006\r", "wait 25"}));
  EXPECT_TRUE(sender.IsPortOpen());

  link.Clear();
  EXPECT_EQ(sender.Send(state, Port("ttyUSB0", 4800), {}).status, SendStatus::SkippedSmall);
  EXPECT_TRUE(link.events.empty());

  state.TargetAz = 130;
  outcome = sender.Send(state, Port("ttyUSB0", 4800), {});
  EXPECT_EQ(link.events, (Events{"write W130 006\r", "wait 25"}));
  EXPECT_TRUE(outcome.displayText.isEmpty());  // command display off: LabelTrack keeps its caption
  ASSERT_TRUE(outcome.redAzimuth.has_value());
  EXPECT_FALSE(*outcome.redAzimuth);
}

TEST(SerialSender, FixedSpeedControllersUse9600) {
  RecordingSerialLink link;
  RotatorSender sender(Interface::M2Orion, link, link.Pauses());
  CommandState state = Target(123.4L, 5.6L);
  sender.Send(state, Port("ttyS1", 4800), {});
  EXPECT_EQ(link.events, (Events{"open ttyS1 9600", "write A123.4\r", "wait 50",
                                 "write E5.6\r", "wait 50"}));
}

TEST(SerialSender, PortThatCannotOpenAsksToBeepWarnAndStopAndIsRetried) {
  RecordingSerialLink link;
  link.openable = false;
  RotatorSender sender(Interface::Gs232, link, link.Pauses());
  CommandState state = Target(100, 20);
  SendOutcome outcome = sender.Send(state, Port("ttyUSB0"), {});
  EXPECT_EQ(outcome.status, SendStatus::PortError);
  EXPECT_TRUE(outcome.beep);
  EXPECT_TRUE(outcome.stopTracking);
  EXPECT_EQ(outcome.message, QStringLiteral("GS232 ttyUSB0 error"));
  EXPECT_TRUE(link.writes.empty());
  EXPECT_EQ(state.LastSentAz, CommandState::kNothingSent);
  EXPECT_EQ(state.LastSentAzInt, CommandState::kNothingSentInt);

  link.openable = true;
  EXPECT_EQ(sender.Send(state, Port("ttyUSB0"), {}).status, SendStatus::Sent);
  EXPECT_EQ(link.writes, (std::vector<std::string>{"W100 020\r"}));
}

TEST(SerialSender, PortErrorWordsOfEveryInterface) {
  EXPECT_EQ(PortErrorMessage(Interface::EasyComm, "ttyS0"), QStringLiteral("EasyComm ttyS0 error"));
  EXPECT_EQ(PortErrorMessage(Interface::TrakBox, "ttyS0"), QStringLiteral("TrakBox ttyS0 error"));
  EXPECT_EQ(PortErrorMessage(Interface::ProSisTel, "ttyS0"),
            QStringLiteral("ProSisTel ttyS0 error"));
  EXPECT_EQ(PortErrorMessage(Interface::M2Orion, "ttyS0"), QStringLiteral("M2-ORION ttyS0 error"));
  EXPECT_EQ(PortErrorMessage(Interface::Egis, "COM3"), QStringLiteral("EGIS COM3 error"));
}

TEST(SerialSender, A360StepAsksForTheAlarmAndSendsNothing) {
  RecordingSerialLink link;
  RotatorSender sender(Interface::EasyComm, link, link.Pauses());
  RotatorOptions options;
  options.stopOn360 = true;
  CommandState state = Target(5, 10);
  sender.Send(state, Port("ttyS0"), options);
  link.Clear();
  state.TargetAz = 358;
  SendOutcome outcome = sender.Send(state, Port("ttyS0"), options);
  EXPECT_EQ(outcome.status, SendStatus::Stopped360);
  EXPECT_TRUE(outcome.stopTracking);
  EXPECT_TRUE(outcome.warningSound);
  EXPECT_TRUE(outcome.show360Alarm);
  EXPECT_TRUE(link.writes.empty());
}

TEST(SerialSender, ProSisTelPreambleGoesOutBeforeA360Stop) {
  RecordingSerialLink link;
  RotatorSender sender(Interface::ProSisTel, link, link.Pauses());
  RotatorOptions options;
  options.stopOn360 = true;
  CommandState state = Target(5, 10);
  sender.Send(state, Port("ttyS0"), options);
  link.Clear();
  state.TargetAz = 358;
  EXPECT_EQ(sender.Send(state, Port("ttyS0"), options).status, SendStatus::Stopped360);
  EXPECT_EQ(link.writes, (std::vector<std::string>{"\x02" "AS\r", "\x02" "ES\r"}));
}

TEST(SerialSender, TestButtonSendsTheTestPositionAndClosesWhatItOpened) {
  RecordingSerialLink link;
  RotatorSender sender(Interface::Gs232, link, link.Pauses());
  RotatorConfig config = Port("ttyUSB0");
  config.testAzimuth = 180;
  config.testElevation = 45;
  CommandState state;
  sender.Test(state, config, {});
  EXPECT_EQ(link.events,
            (Events{"open ttyUSB0 9600", "write W180 045\r", "wait 25", "close"}));

  // Same position again: the minimum step of 1 holds it back; a step of 0 does not.
  link.Clear();
  EXPECT_EQ(sender.Test(state, config, {}).status, SendStatus::SkippedSmall);
  EXPECT_TRUE(link.writes.empty());
  config.minimumStep = 0;
  EXPECT_EQ(sender.Test(state, config, {}).status, SendStatus::Sent);
  EXPECT_EQ(link.writes.size(), 1u);

  // While tracking keeps the port open, a Test leaves it open.
  link.Clear();
  state.TargetAz = 10;
  sender.Send(state, config, {});
  config.testAzimuth = 90;
  sender.Test(state, config, {});
  EXPECT_TRUE(sender.IsPortOpen());
}

TEST(SerialSender, StopWritesOnlyForTheSelectedInterfaceAndAlwaysCloses) {
  RecordingSerialLink link;
  RotatorSender sender(Interface::Gs232, link, link.Pauses());
  CommandState state = Target(10, 10);
  sender.Send(state, Port("ttyS0"), {});
  link.Clear();
  sender.Stop(true, true);
  EXPECT_EQ(link.events, (Events{"write S\r", "wait 50", "close"}));

  link.Clear();
  sender.Stop(true, true);  // closed: nothing at all
  EXPECT_TRUE(link.events.empty());

  state.TargetAz = 50;
  sender.Send(state, Port("ttyS0"), {});
  link.Clear();
  sender.Stop(false, true);
  EXPECT_EQ(link.events, (Events{"close"}));
}

TEST(SerialSender, PortChangeStopsClosesAndTriesTheNewPort) {
  RecordingSerialLink link;
  RotatorSender easy(Interface::EasyComm, link, link.Pauses());
  CommandState state = Target(10, 10);
  easy.Send(state, Port("ttyS0", 4800), {});
  link.Clear();
  RotatorConfig next = Port("ttyUSB1", 4800);
  EXPECT_EQ(easy.ChangePort(true, next).status, SendStatus::Sent);
  EXPECT_EQ(link.events, (Events{"write SA SE\r", "wait 50", "close", "open ttyUSB1 4800",
                                 "close"}));

  state = Target(20, 10);
  easy.Send(state, next, {});
  link.Clear();
  next.parking = true;
  easy.ChangePort(true, next);
  EXPECT_EQ(link.events, (Events{"close", "open ttyUSB1 4800", "close"}));

  link.openable = false;
  SendOutcome failed = easy.ChangePort(true, Port("ttyS9"));
  EXPECT_EQ(failed.status, SendStatus::PortError);
  EXPECT_TRUE(failed.beep);
  EXPECT_FALSE(failed.stopTracking);
  EXPECT_EQ(failed.message, QStringLiteral("EasyComm ttyS9 error"));
}

TEST(SerialSender, TrakBoxHostModeOnSelection) {
  RecordingSerialLink link;
  RotatorSender trakBox(Interface::TrakBox, link, link.Pauses());
  EXPECT_TRUE(trakBox.SelectTrakBox(Port("ttyS2")));
  EXPECT_EQ(link.events, (Events{"open ttyS2 9600", "write Q\r", "wait 300", "write 7\r",
                                 "wait 50", "close"}));
  link.openable = false;
  EXPECT_FALSE(trakBox.SelectTrakBox(Port("ttyS2")));

  RecordingSerialLink other;
  RotatorSender gs(Interface::Gs232, other, other.Pauses());
  EXPECT_FALSE(gs.SelectTrakBox(Port("ttyS2")));
  EXPECT_TRUE(other.events.empty());
}

struct Bank {
  Bank() : bank(Links(), [](int) {}) {}
  RotatorBank::Links Links() {
    RotatorBank::Links links;
    for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
    links.arswin = &arswin;
    links.launcher = &launcher;
    return links;
  }
  RecordingSerialLink& Link(Interface dialect) {
    for (std::size_t i = 0; i < serial.size(); ++i) {
      if (kSerialInterfaces[i] == dialect) return serial[i];
    }
    return serial[0];
  }
  std::array<RecordingSerialLink, 6> serial;
  RecordingArswin arswin;
  RecordingLauncher launcher;
  RotatorBank bank;
};

TEST(RotatorBankStop, StopsTheSelectedClosesEveryPortAndStopsEa4tx) {
  Bank b;
  CommandState state = Target(10, 10);
  b.bank.Send(Interface::Gs232, state, Port("ttyS0"), {});
  state.Reset();
  b.bank.Send(Interface::Egis, state, Port("ttyS1"), {});
  b.Link(Interface::Gs232).Clear();
  b.Link(Interface::Egis).Clear();

  b.bank.StopAllRotators(Interface::Egis, true);
  EXPECT_EQ(b.Link(Interface::Egis).writes, (std::vector<std::string>{"&* AZ=S\r", "&* EL=S\r"}));
  EXPECT_TRUE(b.Link(Interface::Gs232).writes.empty());
  EXPECT_FALSE(b.Link(Interface::Gs232).IsOpen());
  EXPECT_FALSE(b.Link(Interface::Egis).IsOpen());
  EXPECT_TRUE(b.arswin.posts.empty());

  b.bank.StopAllRotators(Interface::Ea4tx, true);
  EXPECT_EQ(b.arswin.posts, (std::vector<ArswinPost>{{-1, 0}, {-1, 1}}));
  b.arswin.posts.clear();
  b.bank.StopAllRotators(Interface::Ea4tx, false);
  EXPECT_TRUE(b.arswin.posts.empty());
  b.arswin.running = false;
  b.bank.StopAllRotators(Interface::Ea4tx, true);
  EXPECT_TRUE(b.arswin.posts.empty());
}

TEST(RotatorBankQuit, ParkedInterfacesAreNotStopped) {
  Bank b;
  RotatorConfigs configs;
  configs[Interface::Gs232] = Port("ttyS0");
  configs[Interface::Gs232].parking = true;
  CommandState state = Target(10, 10);
  b.bank.Send(Interface::Gs232, state, configs[Interface::Gs232], {});
  b.Link(Interface::Gs232).Clear();
  b.bank.Quit(Interface::Gs232, configs);
  EXPECT_EQ(b.Link(Interface::Gs232).events, (Events{"close"}));

  configs[Interface::Ea4tx].parking = true;
  b.bank.Quit(Interface::Ea4tx, configs);
  EXPECT_TRUE(b.arswin.posts.empty());
  configs[Interface::Ea4tx].parking = false;
  b.bank.Quit(Interface::Ea4tx, configs);
  EXPECT_EQ(b.arswin.posts.size(), 2u);
}

TEST(RotatorBankQuit, TrakBoxLeavesOrKeepsHostMode) {
  Bank b;
  RotatorConfigs configs;
  configs[Interface::TrakBox] = Port("ttyS3");
  configs[Interface::TrakBox].trakBoxHostOnQuit = true;
  b.bank.Quit(Interface::TrakBox, configs);
  EXPECT_EQ(b.Link(Interface::TrakBox).events,
            (Events{"open ttyS3 9600", "write  \r", "close"}));

  b.Link(Interface::TrakBox).Clear();
  configs[Interface::TrakBox].trakBoxHostOnQuit = false;
  b.bank.Quit(Interface::TrakBox, configs);
  EXPECT_EQ(b.Link(Interface::TrakBox).writes, (std::vector<std::string>{"Q\r"}));

  b.Link(Interface::TrakBox).Clear();
  b.bank.Quit(Interface::Gs232, configs);  // TrakBox not selected: untouched
  EXPECT_TRUE(b.Link(Interface::TrakBox).events.empty());
}

TEST(Ea4txSender, PostsBothAxesAndStopsTrackingWhenArswinIsAbsent) {
  RecordingArswin arswin;
  RotatorSender sender(arswin);
  CommandState state = Target(123.4L, 5.6L);
  SendOutcome outcome = sender.Send(state, {}, Shown());
  EXPECT_EQ(outcome.status, SendStatus::Sent);
  EXPECT_EQ(arswin.posts, (std::vector<ArswinPost>{{123, 0}, {6, 1}}));
  EXPECT_EQ(outcome.displayText, QStringLiteral("6     123"));

  arswin.running = false;
  state.TargetAz = 140;
  outcome = sender.Send(state, {}, {});
  EXPECT_EQ(outcome.status, SendStatus::TargetMissing);
  EXPECT_TRUE(outcome.stopTracking);
  EXPECT_TRUE(outcome.warningSound);
  EXPECT_EQ(outcome.message, QStringLiteral("ARSWIN must be running !"));
  EXPECT_EQ(state.LastSentAz, CommandState::kNothingSent);
  EXPECT_EQ(state.LastSentAzInt, CommandState::kNothingSentInt);

  arswin.running = true;
  arswin.deliverable = false;
  outcome = sender.Send(state, {}, {});
  EXPECT_EQ(outcome.status, SendStatus::Sent);
  EXPECT_TRUE(outcome.beep);
}

TEST(KctSender, LaunchesMovenowWithTheArgumentString) {
  RecordingLauncher launcher;
  RotatorSender sender(launcher);
  RotatorConfig config;
  config.movenowFolder = QStringLiteral("/nonexistent/kct/");
  CommandState state = Target(123.4L, 5.6L);
  SendOutcome outcome = sender.Send(state, config, Shown());
  EXPECT_EQ(outcome.status, SendStatus::Sent);
  EXPECT_EQ(launcher.programs, QStringList{QStringLiteral("/nonexistent/kct/Movenow")});
  EXPECT_EQ(launcher.argumentLists, QStringList{QStringLiteral("PA 123 PB 006")});
  EXPECT_EQ(outcome.displayText, QStringLiteral("PA 123 PB 006"));

  launcher.result = {false, 2};
  state.TargetAz = 150;
  outcome = sender.Send(state, config, {});
  EXPECT_EQ(outcome.status, SendStatus::LaunchError);
  EXPECT_EQ(outcome.message, QStringLiteral("movenow.com error #2"));
  EXPECT_FALSE(outcome.stopTracking);

  launcher.programs.clear();
  EXPECT_EQ(sender.Send(state, config, {}).status, SendStatus::SkippedSmall);
  EXPECT_TRUE(launcher.programs.isEmpty());
}

TEST(OverlapToggle, ResendsOnlyWhereTheOverlapChangesTheCommand) {
  RotatorOptions overlap;
  overlap.overlap = true;
  RecordingSerialLink link;
  RotatorSender sender(Interface::Gs232, link, link.Pauses());
  CommandState state = Target(45, 10);
  sender.Send(state, Port("ttyS0"), {});
  ASSERT_TRUE(PrepareOverlapResend(state));
  EXPECT_EQ(state.TargetAz, 45);
  sender.Send(state, Port("ttyS0"), overlap);
  EXPECT_EQ(link.writes.back(), "W405 010\r");

  CommandState later = Target(200, 10);
  sender.Send(later, Port("ttyS0"), overlap);
  EXPECT_FALSE(PrepareOverlapResend(later));
  EXPECT_EQ(later.LastSentAz, 200);

  // With the stop at South, 200° is commanded as 20° and the overlap does matter.
  RotatorConfig south = Port("ttyS0");
  south.stopSouth = true;
  CommandState shifted = Target(200, 10);
  sender.Send(shifted, south, {});
  EXPECT_EQ(link.writes.back(), "W020 010\r");
  ASSERT_TRUE(PrepareOverlapResend(shifted));
  sender.Send(shifted, south, overlap);
  EXPECT_EQ(link.writes.back(), "W380 010\r");
  EXPECT_TRUE(shifted.SouthStopShifted);
  CommandState shiftedNorth = Target(45, 10);
  sender.Send(shiftedNorth, south, {});
  EXPECT_FALSE(PrepareOverlapResend(shiftedNorth));
}

}  // namespace
}  // namespace tracking
