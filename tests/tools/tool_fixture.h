#pragma once

// The sun and moon windows over the program's real tracking controller and antenna
// sources, with a recording GS-232, a test clock, recorded sounds and a recording sink.

#include <memory>

#include "../tracking/controller_fixture.h"
#include "base/clock.h"
#include "orbit/calendar.h"
#include "tools/tool_window_environment.h"
#include "tracking/antenna_sources.h"

namespace tools::testing {

inline double Utc(int y, int mo, int d, int h, int mi, int s = 0) {
  return static_cast<double>(orbit::EncodeDateTimeValue(y, mo, d, h, mi, s));
}

struct ToolFixture : tracking::testing::ControllerFixture {
  ToolFixture() {
    Config(tracking::Interface::Gs232).minimumStep = 0;  // every second is sent
    sources = std::make_unique<tracking::AntennaSources>(*controller, *bank, state, setup, printer);
    station.latitude = 48.85L;  // Paris, JN18EU
    station.westLongitude = -2.35L;
    station.altitude = 35;
    station.locator = "JN18EU";
    station.localUtcOffset = 0;
  }
  ToolWindowEnvironment Environment() {
    ToolWindowEnvironment env;
    env.clock = &clock;
    env.sounds = &sounds;
    env.sources = sources.get();
    env.station = [this] { return station; };
    env.minimumElevation = [this] { return minimumElevation; };
    env.mainTrackEnabled = [this] { return mainTrackEnabled; };
    env.mainTrackHint = [] { return QStringLiteral("Tracking with GS232"); };
    return env;
  }
  std::vector<std::string>& Gs232() { return Link(tracking::Interface::Gs232).writes; }

  base::TestClock clock;
  ToolStation station;
  int minimumElevation = 0;
  bool mainTrackEnabled = true;
  std::unique_ptr<tracking::AntennaSources> sources;
};

// "W123 045\r" of a target, as a GS-232 is commanded (whole degrees, halves to even).
inline std::string Gs232Command(long double azimuth, long double elevation) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "W%03d %03d\r", static_cast<int>(orbit::Round(azimuth)),
                static_cast<int>(orbit::Round(elevation)));
  return buf;
}

}  // namespace tools::testing
