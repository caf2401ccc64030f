#include "tracking/tracking_controller.h"

#include <gtest/gtest.h>

#include "controller_fixture.h"

namespace tracking {
namespace {

using testing::ControllerFixture;
using testing::RowsWithAzimuths;

std::vector<std::string> Writes(const RecordingSerialLink& link) { return link.writes; }

TEST(FliesOverTheTop, NorthStopIsCrossedBetween350And10) {
  const prediction::PassRows rows = RowsWithAzimuths({350, 355, 0, 5, 10});
  EXPECT_TRUE(FliesOverTheTop(rows, 350, 1, false));
  // The same azimuths away from North cross nothing; a South stop is not at 0°.
  EXPECT_FALSE(FliesOverTheTop(rows, 350, 1, true));
  EXPECT_FALSE(FliesOverTheTop(RowsWithAzimuths({100, 120, 140, 160}), 100, 1, false));
  // Crossing back from East to West counts too.
  EXPECT_TRUE(FliesOverTheTop(RowsWithAzimuths({20, 10, 350}), 20, 1, false));
  // The scan starts at the given minute: past the crossing nothing is left.
  EXPECT_FALSE(FliesOverTheTop(rows, 0, 3, false));
}

TEST(FliesOverTheTop, SouthStopBothWaysAndItsBounds) {
  EXPECT_TRUE(FliesOverTheTop(RowsWithAzimuths({150, 170, 190, 210}), 150, 1, true));
  EXPECT_TRUE(FliesOverTheTop(RowsWithAzimuths({220, 200, 180}), 220, 1, true));
  EXPECT_FALSE(FliesOverTheTop(RowsWithAzimuths({150, 170, 190, 210}), 150, 1, false));
  // 180 exactly is on the West side for a pass coming from the East.
  EXPECT_TRUE(FliesOverTheTop(RowsWithAzimuths({170, 180}), 170, 1, true));
  // The end mark stops the scan even when later table entries would cross.
  prediction::PassRows rows = RowsWithAzimuths({350, 355});
  rows.azimuth[3] = 5;
  rows.elevation[3] = 10;
  EXPECT_FALSE(FliesOverTheTop(rows, 350, 1, false));
}

TEST(TrackButton, OverTheTopPassIsPrePositionedFlipped) {
  ControllerFixture f;
  f.Config(Interface::Gs232).elevationRange = 180;
  const prediction::PassRows rows = RowsWithAzimuths({350, 355, 0, 5, 10}, 2);
  PassContext pass{&rows, false, 0, -1};
  f.controller->SpeedButtonTrackClick(pass);
  EXPECT_TRUE(f.controller->TrackingActive);
  EXPECT_TRUE(f.buttonDown);
  EXPECT_EQ(f.otherSourcesStopped, 1);
  EXPECT_TRUE(f.controller->OverTheTop);
  // AOS 350°/2° flown over the top: 170°, 178°.
  EXPECT_EQ(Writes(f.Link(Interface::Gs232)), std::vector<std::string>{"W170 178\r"});
}

TEST(TrackButton, NinetyDegreeRangeNeverDecidesOverTheTop) {
  ControllerFixture f;
  f.Config(Interface::Gs232).elevationRange = 90;
  const prediction::PassRows rows = RowsWithAzimuths({350, 355, 0, 5, 10}, 2);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  EXPECT_FALSE(f.controller->OverTheTop);
  EXPECT_EQ(Writes(f.Link(Interface::Gs232)), std::vector<std::string>{"W350 002\r"});
}

TEST(TrackButton, InViewScanStartsAtTheDisplayedAzimuthAndNextMinute) {
  ControllerFixture f;
  f.Config(Interface::Gs232).elevationRange = 180;
  const prediction::PassRows rows = RowsWithAzimuths({300, 330, 350, 10, 30}, 2);
  // Two minutes in, shown at 352°: minute 3 (10°) crosses North. Nothing is sent now.
  f.controller->SpeedButtonTrackClick({&rows, true, 352, 2});
  EXPECT_TRUE(f.controller->OverTheTop);
  EXPECT_TRUE(f.Link(Interface::Gs232).writes.empty());
  // Already past the crossing: a plain pass.
  f.controller->SpeedButtonTrackClick({});
  f.controller->SpeedButtonTrackClick({&rows, true, 12, 3});
  EXPECT_FALSE(f.controller->OverTheTop);
}

TEST(TrackButton, SwitchingOffStopsClosesAndResets) {
  ControllerFixture f;
  const prediction::PassRows rows = RowsWithAzimuths({120, 130}, 0);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  f.Link(Interface::Gs232).Clear();
  f.controller->SpeedButtonTrackClick({});
  EXPECT_FALSE(f.controller->TrackingActive);
  EXPECT_FALSE(f.buttonDown);
  EXPECT_EQ(f.Link(Interface::Gs232).events, (std::vector<std::string>{"write S\r", "close"}));
  EXPECT_EQ(f.state.LastSentAzInt, CommandState::kNothingSentInt);
  EXPECT_EQ(f.state.LastSentAz, CommandState::kNothingSent);
}

TEST(Park, WhileTrackingStopsFirstThenSendsParkedTestPositions) {
  ControllerFixture f;
  f.Config(Interface::Gs232).parking = true;
  f.Config(Interface::Gs232).testAzimuth = 180;
  f.Config(Interface::Gs232).testElevation = 45;
  const prediction::PassRows rows = RowsWithAzimuths({120, 130}, 0);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  f.Link(Interface::Gs232).Clear();
  f.controller->SpeedButtonParkClick();
  EXPECT_FALSE(f.controller->TrackingActive);
  const std::vector<std::string> expected = {"write S\r", "close", "open ttyS0 9600",
                                             "write W180 045\r", "close"};
  EXPECT_EQ(f.Link(Interface::Gs232).events, expected);
}

TEST(Park, InterfacesNotMarkedForParkingStayStill) {
  ControllerFixture f;
  f.controller->SpeedButtonParkClick();
  for (const RecordingSerialLink& link : f.serial) EXPECT_TRUE(link.writes.empty());
  EXPECT_TRUE(f.sounds.calls.isEmpty());
}

TEST(OverlapToggle, ResendsAt45WithNorthStopButNotAt200) {
  ControllerFixture f;
  f.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  f.state.TargetAz = 45;
  f.state.TargetEl = 10;
  f.controller->SendSelected();
  f.setup.options.overlap = true;
  f.controller->CheckBoxOverlapClick();
  EXPECT_EQ(Writes(f.Link(Interface::Gs232)), (std::vector<std::string>{"W045 010\r", "W405 010\r"}));
  EXPECT_TRUE(f.azimuthRed);

  ControllerFixture g;
  g.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  g.state.TargetAz = 200;
  g.state.TargetEl = 10;
  g.controller->SendSelected();
  g.setup.options.overlap = true;
  g.controller->CheckBoxOverlapClick();
  EXPECT_EQ(Writes(g.Link(Interface::Gs232)), std::vector<std::string>{"W200 010\r"});
}

TEST(OverlapToggle, DoesNothingWhileNotTracking) {
  ControllerFixture f;
  f.state.TargetAzBeforeShift = 45;
  f.setup.options.overlap = true;
  f.controller->CheckBoxOverlapClick();
  EXPECT_TRUE(f.Link(Interface::Gs232).writes.empty());
}

TEST(Stop360, JumpTo358StopsAndRaisesTheAlarmJumpTo354DoesNot) {
  ControllerFixture f;
  f.setup.options.stopOn360 = true;
  f.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  f.state.TargetAz = 5;
  f.state.TargetEl = 10;
  f.controller->SendSelected();
  f.state.TargetAz = 354;
  f.controller->SendSelected();
  EXPECT_TRUE(f.controller->TrackingActive);
  EXPECT_EQ(f.alarms, 0);

  ControllerFixture g;
  g.setup.options.stopOn360 = true;
  g.controller->SpeedButtonTrackClick({nullptr, true, 0, -1});
  g.state.TargetAz = 5;
  g.state.TargetEl = 10;
  g.controller->SendSelected();
  g.state.TargetAz = 358;
  g.controller->SendSelected();
  EXPECT_FALSE(g.controller->TrackingActive);
  EXPECT_FALSE(g.buttonDown);
  EXPECT_EQ(g.alarms, 1);
  EXPECT_EQ(g.sounds.Count(QStringLiteral("warning")), 1);
  EXPECT_EQ(Writes(g.Link(Interface::Gs232)), (std::vector<std::string>{"W005 010\r", "S\r"}));
  // Yes in the alarm window: tracking again, the first command skips the step test.
  g.controller->AlarmYes({nullptr, true, 0, -1});
  EXPECT_TRUE(g.controller->TrackingActive);
  g.controller->SendSelected();
  EXPECT_EQ(g.Link(Interface::Gs232).writes.back(), "W358 010\r");
}

TEST(ResumeAfterPass, RestartsOnTheSameSatelliteAtTheNextAos) {
  ControllerFixture f;
  const prediction::PassRows first = RowsWithAzimuths({120, 130}, 0);
  f.controller->SpeedButtonTrackClick({&first, false, 0, -1});
  f.controller->BeforeExplorerRebuild(true);
  EXPECT_TRUE(f.controller->ResumeAfterPass);
  EXPECT_FALSE(f.controller->TrackingActive);
  const prediction::PassRows next = RowsWithAzimuths({210, 220}, 1);
  // Even when the explorer still claims "in view", the antenna waits at the next AOS.
  EXPECT_TRUE(f.controller->AfterExplorerRebuild(true, {&next, true, 0, 3}));
  EXPECT_TRUE(f.controller->TrackingActive);
  EXPECT_FALSE(f.controller->ResumeAfterPass);
  EXPECT_EQ(Writes(f.Link(Interface::Gs232)),
            (std::vector<std::string>{"W120 000\r", "S\r", "W210 001\r"}));
}

TEST(ResumeAfterPass, NotForAnotherSatelliteNorWithoutTheOption) {
  ControllerFixture f;
  const prediction::PassRows rows = RowsWithAzimuths({120, 130}, 0);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  f.controller->BeforeExplorerRebuild(true);
  EXPECT_FALSE(f.controller->AfterExplorerRebuild(false, {&rows, false, 0, -1}));
  EXPECT_FALSE(f.controller->TrackingActive);
  EXPECT_FALSE(f.controller->ResumeAfterPass);

  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  f.controller->BeforeExplorerRebuild(false);
  EXPECT_FALSE(f.controller->ResumeAfterPass);
  EXPECT_FALSE(f.controller->AfterExplorerRebuild(true, {&rows, false, 0, -1}));
  EXPECT_FALSE(f.controller->TrackingActive);
}

TEST(SenderFailures, PortErrorStopsTrackingWithBeepAndWarning) {
  ControllerFixture f;
  f.Link(Interface::Gs232).openable = false;
  const prediction::PassRows rows = RowsWithAzimuths({120, 130}, 0);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  EXPECT_FALSE(f.controller->TrackingActive);
  EXPECT_EQ(f.sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_EQ(f.dialogs.warnings, QStringList{QStringLiteral("GS232 ttyS0 error")});
}

TEST(SenderFailures, MissingArswinKeepsTrackingWhileTheSettingsShow) {
  ControllerFixture f;
  f.setup.selected = Interface::Ea4tx;
  f.arswin.running = false;
  f.settingsShowing = true;
  const prediction::PassRows rows = RowsWithAzimuths({120, 130}, 0);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  EXPECT_TRUE(f.controller->TrackingActive);
  EXPECT_EQ(f.dialogs.warnings, QStringList{QStringLiteral("ARSWIN must be running !")});
  f.settingsShowing = false;
  f.state.TargetAz = 150;
  f.controller->SendSelected();
  EXPECT_FALSE(f.controller->TrackingActive);
}

TEST(Dispatch, OnlyTheCheckedInterfaceIsCalled) {
  ControllerFixture f;
  f.setup.selected = Interface::EasyComm;
  f.state.TargetAz = 123.4L;
  f.state.TargetEl = 5.6L;
  f.controller->SendSelected();
  for (Interface d : kSerialInterfaces) {
    if (d == Interface::EasyComm) {
      EXPECT_EQ(f.Link(d).writes, std::vector<std::string>{"AZ123.0 EL006.0\r"});
    } else {
      EXPECT_TRUE(f.Link(d).writes.empty()) << static_cast<int>(d);
    }
  }
  EXPECT_EQ(f.printer.pourSatCalls + f.printer.fodTrackCalls, 0);
  // The printer-port cards go through their (not yet built) seam.
  f.setup.selected = Interface::FodTrack;
  f.controller->SendSelected();
  EXPECT_EQ(f.printer.fodTrackCalls, 1);
  EXPECT_EQ(f.printer.pourSatCalls, 0);
}

TEST(TestButton, BeepsForAnUnselectedInterfaceAndObeysTheMinimumStep) {
  ControllerFixture f;
  f.controller->Test(Interface::EasyComm);
  EXPECT_EQ(f.sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_TRUE(f.Link(Interface::EasyComm).writes.empty());

  f.Config(Interface::Gs232).testAzimuth = 90;
  f.controller->Test(Interface::Gs232);
  f.controller->Test(Interface::Gs232);
  EXPECT_EQ(f.Link(Interface::Gs232).writes.size(), 1u);
  EXPECT_FALSE(f.Link(Interface::Gs232).open);
  f.Config(Interface::Gs232).minimumStep = 0;
  f.controller->Test(Interface::Gs232);
  f.controller->Test(Interface::Gs232);
  EXPECT_EQ(f.Link(Interface::Gs232).writes.size(), 3u);
}

TEST(ShowCommands, DoubleClickShowsCommandsThenRestoresTheCaption) {
  ControllerFixture f;
  EXPECT_TRUE(f.controller->LabelTrackDblClick().isEmpty());
  EXPECT_TRUE(f.controller->ShowCommands);
  f.state.TargetAz = 10;
  f.state.TargetEl = 20;
  f.controller->SendSelected();
  EXPECT_EQ(f.labelTrack, QStringLiteral("W010 020"));
  EXPECT_EQ(f.controller->LabelTrackDblClick(), QStringLiteral("  Elevation      Azimuth"));
  EXPECT_EQ(f.labelTrack, QStringLiteral("  Elevation      Azimuth"));
}

}  // namespace
}  // namespace tracking
