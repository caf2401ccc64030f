#pragma once

// Positions of one satellite seen from one station at a run of instants, with one set-up
// of the propagator and the station for the whole run: the map's orbit track and coverage
// circles, elevation charts, a position per pixel column. Double precision: the values are
// drawn, never printed (the ephemeris rows come from SearchPass, whose rows are extended).
// The full coverage of a pass needs no evaluation at all: its points are the slot's rows.

#include <vector>

#include "orbit/elements.h"
#include "orbit/observer.h"
#include "prediction/minute_scan.h"
#include "prediction/pass_search.h"

namespace prediction {

struct SweepPoint {
  Real utc = 0;              // UTC date-time value of the instant (whole seconds)
  orbit::FastView view;      // elevation, azimuth, range, sub-satellite point, ...
  double westLongitude = 0;  // sub-satellite west longitude reduced to -180..180
};

class PositionSweep {
 public:
  // startUtc: UTC date-time value (whole seconds are kept); station longitude west positive.
  PositionSweep(const orbit::SatelliteElements& elements, const StationPosition& station,
                Real startUtc);
  // The point `days` after the start (rounded to whole seconds). Offsets must increase;
  // the range rate is that of the last two calls (valid from the third on, for even steps).
  const SweepPoint& At(Real days, Real step = kStepDays);

 private:
  orbit::Propagator prop_;
  orbit::Observer obs_;
  Real start_ = 0;
  SweepPoint point_;
};

// `count` points from startUtc every `stepDays`.
std::vector<SweepPoint> SweepPositions(const orbit::SatelliteElements& elements,
                                       const StationPosition& station, Real startUtc,
                                       Real stepDays, int count);

}  // namespace prediction
