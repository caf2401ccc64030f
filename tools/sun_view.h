#pragma once

// The sun window's numbers: the sun at the station once a second.

#include "orbit/calendar.h"
#include "tools/tool_station.h"

namespace tools {

struct SunView {
  Real azimuth = 0;    // degrees, rounded to 0.01
  Real elevation = 0;  // degrees, rounded to 0.01
  bool visible = false;  // at or above the minimum elevation
};

// round(x·100)/100, halves to even.
Real RoundHundredth(Real x);

// The sun at `nowLocal` (local date-time value; the station's offset makes it UTC).
SunView SunAt(Real nowLocal, const ToolStation& station, Real minimumElevation);

}  // namespace tools
