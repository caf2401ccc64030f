#pragma once

// What the sun and moon windows take from the main window: the clock, the sounds, the
// station as it is now, the minimum elevation, the state of the main track button and the
// antenna sources. Every hook is read when it is needed; an empty one counts as "no".

#include <QString>

#include <functional>

#include "base/clock.h"
#include "base/sounds.h"
#include "tools/tool_station.h"

namespace tracking {
class AntennaSources;
}

namespace tools {

struct ToolWindowEnvironment {
  const base::Clock* clock = nullptr;  // local time
  base::Sounds* sounds = nullptr;
  tracking::AntennaSources* sources = nullptr;
  std::function<ToolStation()> station;
  std::function<int()> minimumElevation;     // SpinEditElevation
  std::function<bool()> mainTrackEnabled;    // SpeedButtonTrack is enabled
  std::function<QString()> mainTrackHint;    // SpeedButtonTrack's hint
};

}  // namespace tools
