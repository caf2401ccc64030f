#include "tools/sun_view.h"

#include "orbit/sun.h"

namespace tools {

Real RoundHundredth(Real x) {
  return orbit::Round(x * 100) / 100;
}

SunView SunAt(Real nowLocal, const ToolStation& station, Real minimumElevation) {
  const orbit::SubSolarPoint sun = orbit::ComputeSubSolarPoint(nowLocal, station.localUtcOffset);
  const orbit::SunAzEl s = orbit::ComputeSunAzEl(sun, station.latitude, station.westLongitude);
  SunView v;
  v.azimuth = RoundHundredth(s.azimuth);
  v.elevation = RoundHundredth(s.elevation);
  v.visible = v.elevation >= minimumElevation;
  return v;
}

}  // namespace tools
