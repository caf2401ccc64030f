#include "tracking/antenna_sources.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "controller_fixture.h"

namespace tracking {
namespace {

using testing::ControllerFixture;

// The controller of the fixture, rebuilt so that its switch-on goes through the sources,
// and two tool windows as flags.
struct SourcesFixture : ControllerFixture {
  SourcesFixture() {
    TrackingHost host;
    host.sounds = &sounds;
    host.dialogs = &dialogs;
    host.trackButtonDown = [this](bool down) { buttonDown = down; };
    host.show360Alarm = [this] { ++alarms; };
    host.stopOtherSources = [this] { sources->Start(AntennaSource::TrackingLoop); };
    controller = std::make_unique<TrackingController>(*bank, state, setup, printer, host);
    sources = std::make_unique<AntennaSources>(*controller, *bank, state, setup, printer);
    sources->Register(AntennaSource::TrackingLoop,
                      {[this] { return controller->TrackingActive; },
                       [this] { controller->SpeedButtonTrackClick({}); },
                       [this] { ++loopResumes; }});
    for (AntennaSource s : {AntennaSource::Sun, AntennaSource::Moon}) {
      Tool& tool = ToolOf(s);
      sources->Register(s, {[&tool] { return tool.on; },
                            [this, &tool, s] {
                              tool.on = false;
                              ++tool.released;
                              sources->Stop(s);
                            },
                            [&tool] { ++tool.resumed; }});
    }
  }
  struct Tool {
    bool on = false;
    int released = 0;
    int resumed = 0;
  };
  Tool& ToolOf(AntennaSource s) { return s == AntennaSource::Sun ? sun : moon; }
  void StartTool(AntennaSource s) {
    sources->Start(s);
    ToolOf(s).on = true;
  }
  std::vector<std::string>& Gs232() { return Link(Interface::Gs232).writes; }

  Tool sun, moon;
  int loopResumes = 0;
  std::unique_ptr<AntennaSources> sources;
};

TEST(AntennaSources, StartingOneReleasesTheOtherWhoseStopForgetsThePosition) {
  SourcesFixture f;
  f.StartTool(AntennaSource::Moon);
  EXPECT_TRUE(f.sources->Send(AntennaSource::Moon, 100, 20));
  EXPECT_EQ(f.state.LastSentAz, 100);
  f.StartTool(AntennaSource::Sun);
  EXPECT_FALSE(f.moon.on);
  EXPECT_EQ(f.moon.released, 1);
  EXPECT_EQ(f.sun.released, 0);
  EXPECT_EQ(f.state.LastSentAz, CommandState::kNothingSent);
  EXPECT_EQ(f.state.LastSentAzInt, CommandState::kNothingSentInt);
  // The same position is sent again for the new source: nothing was remembered.
  EXPECT_TRUE(f.sources->Send(AntennaSource::Sun, 100, 20));
  EXPECT_EQ(f.Gs232(), (std::vector<std::string>{"W100 020\r", "S\r", "W100 020\r"}));
  const std::vector<std::string>& events = f.Link(Interface::Gs232).events;
  const auto stop = std::find(events.begin(), events.end(), "write S\r");
  ASSERT_NE(stop, events.end());
  ASSERT_NE(stop + 1, events.end());
  EXPECT_EQ(*(stop + 1), "close");  // the stop closes the port
}

TEST(AntennaSources, ToolWindowAndTrackingLoopExcludeEachOther) {
  SourcesFixture f;
  f.StartTool(AntennaSource::Sun);
  f.sources->Send(AntennaSource::Sun, 200, 30);
  // The track button of the main window: the sun window lets go first.
  const prediction::PassRows rows = testing::RowsWithAzimuths({120, 130, 140}, 2);
  f.controller->SpeedButtonTrackClick({&rows, false, 0, -1});
  EXPECT_TRUE(f.controller->TrackingActive);
  EXPECT_FALSE(f.sun.on);
  EXPECT_EQ(f.Gs232(), (std::vector<std::string>{"W200 030\r", "S\r", "W120 002\r"}));
  // And the moon window takes over from the tracking loop.
  f.StartTool(AntennaSource::Moon);
  EXPECT_FALSE(f.controller->TrackingActive);
  EXPECT_FALSE(f.buttonDown);
  EXPECT_EQ(f.Gs232().back(), "S\r");
}

TEST(AntennaSources, PortThatDoesNotOpenReleasesTheSourceWithTheMessage) {
  SourcesFixture f;
  f.Link(Interface::Gs232).openable = false;
  f.StartTool(AntennaSource::Moon);
  EXPECT_FALSE(f.sources->Send(AntennaSource::Moon, 10, 10));
  EXPECT_FALSE(f.moon.on);
  EXPECT_EQ(f.moon.released, 1);
  EXPECT_EQ(f.dialogs.warnings, QStringList{QStringLiteral("GS232 ttyS0 error")});
  EXPECT_EQ(f.sounds.Count(QStringLiteral("beep")), 1);
}

TEST(AntennaSources, StepOf360DegreesIsAnsweredByTheSourceItStopped) {
  SourcesFixture f;
  f.setup.options.stopOn360 = true;
  f.StartTool(AntennaSource::Moon);
  EXPECT_TRUE(f.sources->Send(AntennaSource::Moon, 5, 10));
  EXPECT_FALSE(f.sources->Send(AntennaSource::Moon, 358, 10));
  EXPECT_FALSE(f.moon.on);
  EXPECT_EQ(f.alarms, 1);
  EXPECT_EQ(f.sounds.Count(QStringLiteral("warning")), 1);
  EXPECT_EQ(f.Gs232(), (std::vector<std::string>{"W005 010\r", "S\r"}));
  ASSERT_EQ(f.sources->SteppedSource(), AntennaSource::Moon);
  f.sources->AlarmYes();
  EXPECT_EQ(f.moon.resumed, 1);
  EXPECT_EQ(f.loopResumes, 0);
  // Without a tool window's step the loop answers.
  f.sources->AlarmYes();
  EXPECT_EQ(f.loopResumes, 1);
}

TEST(AntennaSources, WithoutAnInterfaceNothingIsCommanded) {
  SourcesFixture f;
  f.setup.selected.reset();
  EXPECT_FALSE(f.sources->InterfaceSelected());
  f.StartTool(AntennaSource::Sun);
  EXPECT_TRUE(f.sources->Send(AntennaSource::Sun, 90, 45));
  EXPECT_TRUE(f.Gs232().empty());
  EXPECT_EQ(f.state.TargetAz, 90);
}

}  // namespace
}  // namespace tracking
