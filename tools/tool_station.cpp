#include "tools/tool_station.h"

namespace tools {

orbit::LocatorPoint MoonStationPoint(const ToolStation& station) {
  if (const auto centre = orbit::LocatorCentre(station.locator)) return *centre;
  return orbit::LocatorPoint{station.latitude, station.westLongitude};
}

}  // namespace tools
