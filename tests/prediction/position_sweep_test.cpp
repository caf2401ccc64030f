#include "prediction/position_sweep.h"

#include <gtest/gtest.h>

#include <cmath>

#include "orbit/elements.h"

namespace prediction {
namespace {

const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

// One set-up for the whole run: the same points as an extended run from the same start,
// at the instants asked for, seconds included.
TEST(PositionSweep, PointsOfOneRunFromOneSetUp) {
  orbit::ParsedSet set;
  ASSERT_TRUE(orbit::ParseElementLines(kIss1, kIss2, &set));
  const StationPosition cape{-33.92L, -18.42L, 10};
  const Real start = orbit::EncodeDateTimeValue(2018, 1, 21, 6, 30, 17);
  const Real step = 30.0L / 86400;
  const std::vector<SweepPoint> points = SweepPositions(set.elements, cape, start, step, 400);
  ASSERT_EQ(points.size(), 400u);

  orbit::Propagator p;
  orbit::CalendarFields c;
  c.year = 2018;
  c.month = 1;
  c.day = 21;
  c.hour = 6;
  c.minute = 30;
  c.second = 17;
  p.SetUp(set.elements, c);
  orbit::Observer o;
  o.SetStation(cape.latitude, cape.westLongitude, cape.altitude);
  o.StartRun();
  Real x = 0;
  int visible = 0;
  for (std::size_t k = 0; k < points.size(); ++k, x += step) {
    p.Propagate(x);
    const orbit::ObserverView& v = o.Observe(p, p.clock().offset(), step);
    const SweepPoint& s = points[k];
    SCOPED_TRACE(k);
    EXPECT_NEAR(static_cast<double>(s.utc), static_cast<double>(start + k * step), 1e-9);
    ASSERT_NEAR(s.view.elevation, static_cast<double>(v.elevation), 1e-8);
    ASSERT_NEAR(s.view.range, static_cast<double>(v.range), 1e-8);
    ASSERT_NEAR(s.view.subLatitude, static_cast<double>(v.subLatitude), 1e-8);
    const double lon = static_cast<double>(v.subWestLongitude);
    ASSERT_NEAR(s.westLongitude, lon > 180 ? lon - 360 : lon, 1e-8);
    ASSERT_NEAR(s.view.distance, static_cast<double>(v.distance), 1e-8);
    if (k >= 2) {
      ASSERT_NEAR(s.view.rangeRate, static_cast<double>(v.rangeRate), 1e-9);
    }
    if (s.view.elevation > 0) ++visible;
  }
  // Three hours from Cape Town see the station's pass of the morning.
  EXPECT_GT(visible, 5);
  EXPECT_TRUE(SweepPositions(set.elements, cape, start, step, 0).empty());
}

}  // namespace
}  // namespace prediction
