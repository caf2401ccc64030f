#pragma once

// The station as the sun and moon windows read it: plain values the main window copies
// from its station record each time a window is shown.

#include <string>

#include "orbit/calendar.h"
#include "orbit/locator.h"

namespace tools {

using orbit::Real;

struct ToolStation {
  Real latitude = 0;        // degrees, north positive
  Real westLongitude = 0;   // degrees, west positive
  Real altitude = 0;        // metres
  std::string locator;      // six characters when complete; may be empty
  Real localUtcOffset = 0;  // hours, local time minus UTC
};

// Where the moon window puts a station: the centre of its six-character locator, or, when
// the locator is empty or incomplete, the station's own coordinates.
orbit::LocatorPoint MoonStationPoint(const ToolStation& station);

}  // namespace tools
