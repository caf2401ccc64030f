#include "prediction/position_sweep.h"

namespace prediction {

PositionSweep::PositionSweep(const orbit::SatelliteElements& elements,
                             const StationPosition& station, Real startUtc) {
  const orbit::CalendarFields fields = UtcFields(startUtc, true);
  start_ = orbit::EncodeDateTimeValue(static_cast<int>(fields.year), static_cast<int>(fields.month),
                                      static_cast<int>(fields.day), static_cast<int>(fields.hour),
                                      static_cast<int>(fields.minute), fields.second);
  prop_.SetUp(elements, fields);
  obs_.SetStation(station.latitude, station.westLongitude, station.altitude);
  obs_.StartRun();
}

const SweepPoint& PositionSweep::At(Real days, Real step) {
  prop_.PropagateFast(days);
  point_.view = obs_.ObserveFast(prop_, prop_.offset(), step);
  point_.utc = start_ + prop_.offset();
  const double lon = point_.view.subWestLongitude;
  point_.westLongitude = lon > 180 ? lon - 360 : lon;
  return point_;
}

std::vector<SweepPoint> SweepPositions(const orbit::SatelliteElements& elements,
                                       const StationPosition& station, Real startUtc,
                                       Real stepDays, int count) {
  std::vector<SweepPoint> points;
  if (count <= 0) return points;
  points.reserve(static_cast<std::size_t>(count));
  PositionSweep sweep(elements, station, startUtc);
  Real x = 0;
  for (int k = 0; k < count; ++k, x += stepDays) points.push_back(sweep.At(x, stepDays));
  return points;
}

}  // namespace prediction
