#include "orbit/propagator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "orbit/observer.h"

namespace orbit {
namespace {

SatelliteElements Circular(Real meanMotion, Real inclination) {
  SatelliteElements e;
  e.epochYear = 18;
  e.epochDay = 20.5L;
  e.inclination = inclination;
  e.meanMotion = meanMotion;
  return e;
}

CalendarFields Start(Real y, Real m, Real d, Real h = 0, Real mi = 0) {
  CalendarFields c;
  c.year = y;
  c.month = m;
  c.day = d;
  c.hour = h;
  c.minute = mi;
  return c;
}

TEST(Propagator, SemiMajorAxisAndSecularRate) {
  Propagator p;
  p.SetUp(Circular(15, 51.6L), Start(2018, 1, 21));
  EXPECT_NEAR(static_cast<double>(p.semiMajorAxis()), 6945, 2);
  EXPECT_NEAR(static_cast<double>(p.secularRate()), 7.39, 0.01);

  Propagator moon;
  moon.SetUp(MoonElements(), Start(2018, 1, 21));
  EXPECT_NEAR(static_cast<double>(moon.semiMajorAxis()), 383183, 5);
  EXPECT_NEAR(static_cast<double>(moon.secularRate()), 6e-6, 1e-6);

  // The rate's (R/a)^3.5 against the extended power function, to the last bits of an
  // extended value, from a low orbit out to the Moon and with an eccentric one.
  for (Real n : {16.4L, 15.5L, 2.0L, 1.0027L, 0.0366L}) {
    for (Real ecc : {0.0L, 0.001L, 0.73L}) {
      SatelliteElements el = Circular(n, 63.4L);
      el.eccentricity = ecc;
      Propagator q;
      q.SetUp(el, Start(2018, 1, 21));
      const Real oneMinusE2 = 1 - ecc * ecc;
      const Real expected = 9.95L * std::pow(kEarthRadiusKm / q.semiMajorAxis(), 3.5L) /
                            (oneMinusE2 * oneMinusE2);
      EXPECT_LT(std::fabs(q.secularRate() / expected - 1), 1e-18L) << n << " " << ecc;
    }
  }
}

TEST(Propagator, CircularOrbitRadiusAndKepler) {
  Propagator p;
  p.SetUp(Circular(15, 51.6L), Start(2018, 1, 21));
  for (int i = 0; i < 100; ++i) {
    const OrbitState& s = p.Propagate(i / 1440.0L);
    ASSERT_NEAR(static_cast<double>(s.r), static_cast<double>(p.semiMajorAxis()), 1e-6);
    ASSERT_NEAR(static_cast<double>(std::sqrt(s.x * s.x + s.y * s.y + s.z * s.z)),
                static_cast<double>(s.r), 1e-6);
  }
  int iterations = -1;
  EXPECT_EQ(SolveKepler(1.234L, 0, &iterations), 1.234L);
  EXPECT_EQ(iterations, 0);
  // Near-parabolic: the root, found here by bisection (E - e sin E - M grows with E), is
  // reached within the cap; a cap below the steps needed stops there with a finite iterate.
  const Real nearM = 0.001L, nearE = 0.9999999L;
  Real lo = 0, hi = 3.14159L;
  for (int i = 0; i < 200; ++i) {
    const Real mid = (lo + hi) / 2;
    (mid - nearE * std::sin(mid) - nearM < 0 ? lo : hi) = mid;
  }
  int needed = -1;
  const Real e = SolveKepler(nearM, nearE, &needed, 100);
  EXPECT_LT(needed, 100);
  EXPECT_GT(needed, 3);
  // The stop is on the residual (1e-6); the slope 1 - e cos E is about 0.016 there.
  EXPECT_NEAR(static_cast<double>(e), static_cast<double>(lo), 1e-4);
  int capped = -1;
  const Real early = SolveKepler(nearM, nearE, &capped, 3);
  EXPECT_EQ(capped, 3);
  EXPECT_TRUE(std::isfinite(static_cast<double>(early)));
  EXPECT_GT(std::fabs(static_cast<double>(early - lo)), 1e-4);  // not yet converged
  const Real m = 2.5L, ecc = 0.3L;
  const Real big = SolveKepler(m, ecc);
  EXPECT_NEAR(static_cast<double>(big - ecc * std::sin(big)), static_cast<double>(m), 1e-6);
}

TEST(Propagator, NodeAndPerigeeTurnTheRightWay) {
  auto after = [](Real inclination, Real* node, Real* perigee) {
    SatelliteElements e = Circular(15, inclination);
    e.raan = 100;
    e.argPerigee = 50;
    e.eccentricity = 0.001L;
    Propagator p;
    p.SetUp(e, Start(2018, 1, 31));  // ten days after the epoch
    p.Propagate(0);
    *node = p.node();
    *perigee = p.perigee();
  };
  Real node = 0, perigee = 0;
  after(51.6L, &node, &perigee);
  EXPECT_LT(node, 100);
  after(98.0L, &node, &perigee);
  EXPECT_GT(node, 100);
  after(63.4349488L, &node, &perigee);
  EXPECT_NEAR(static_cast<double>(perigee), 50, 1e-3);
}

// Greenwich mean sidereal time of the IAU 1982 formula, degrees.
double Gmst(double jdUt) {
  const double t = (jdUt - 2451545.0) / 36525.0;
  double g = 280.46061837 + 360.98564736629 * (jdUt - 2451545.0) + 0.000387933 * t * t;
  g = std::fmod(g, 360.0);
  return g < 0 ? g + 360 : g;
}

// The Earth-fixed x axis turns with the Greenwich angle: recover it from a satellite on
// the inertial x axis (node 0, perigee 0, anomaly 0, equatorial, circular) at the epoch.
double GreenwichAngleAt(int startYear, int startMonth, int startDay, Real epochYear, Real epochDay,
                        Real offsetDays) {
  SatelliteElements e;
  e.epochYear = epochYear;
  e.epochDay = epochDay;
  e.meanMotion = 1e-6L;  // practically at rest on the inertial x axis
  Propagator p;
  p.SetUp(e, Start(startYear, startMonth, startDay));
  const OrbitState& s = p.Propagate(offsetDays);
  double g = std::atan2(-static_cast<double>(s.y), static_cast<double>(s.x)) * 180 / M_PI;
  return g < 0 ? g + 360 : g;
}

TEST(Propagator, GreenwichAngleMatchesIauAndCrossesTheNewYear) {
  // Epoch 2017 day 365.5 (31 December 12:00 UTC); instant 2018-01-01 06:00 UTC.
  const double jd = 2458119.5 + 0.25;
  const double fromJanuary = GreenwichAngleAt(2018, 1, 1, 17, 365.5L, 0.25L);
  const double fromDecember = GreenwichAngleAt(2017, 12, 31, 17, 365.5L, 1.25L);
  EXPECT_NEAR(fromJanuary, Gmst(jd), 0.01);
  // The same instant must give the same Earth whatever year the computation started in.
  EXPECT_NEAR(fromJanuary, fromDecember, 1e-4);
}

TEST(QuadrantAngle, Cardinals) {
  auto deg = [](Real x, Real y) { return static_cast<double>(QuadrantAngle(x, y) / kDegree); };
  EXPECT_NEAR(deg(0, 0), 90, 1e-6);    // zenith: the x = 0 branch with y >= 0
  EXPECT_NEAR(deg(1, 0), 0, 1e-6);     // north
  EXPECT_NEAR(deg(-1, 0), 180, 1e-6);  // south
  EXPECT_NEAR(deg(0, -1), 270, 1e-6);  // west
  EXPECT_NEAR(deg(0, 1), 90, 1e-6);
  EXPECT_NEAR(deg(-1, -1), 225, 1e-6);
}

TEST(Observer, StationRadius) {
  Observer o;
  o.SetStation(0, 0, 0);
  EXPECT_NEAR(static_cast<double>(o.stationRadius()), 6378.137, 1e-9);
  o.SetStation(90, 0, 0);
  EXPECT_NEAR(static_cast<double>(o.stationRadius()), 6356.752, 1e-3);
  o.SetStation(0, 0, 1000);
  EXPECT_NEAR(static_cast<double>(o.stationRadius()), 6379.137, 1e-9);
}

// Elevation from the central angle between the station and the sub-satellite point, for a
// station at the equator and sea level (no flattening there): an independent check.
TEST(Observer, ElevationAgreesWithSphericalGeometry) {
  SatelliteElements e = Circular(14.2L, 98.7L);
  e.raan = 40;
  e.meanAnomaly = 10;
  Propagator p;
  p.SetUp(e, Start(2018, 1, 21));
  Observer o;
  const Real stationWest = 20;
  o.SetStation(0, stationWest, 0);
  o.StartRun();
  int checked = 0;
  for (int i = 0; i < 1440; ++i) {
    p.Propagate(i / 1440.0L);
    const ObserverView& v = o.Observe(p, p.clock().offset(), 1.0L / 1440);
    const double lat = static_cast<double>(v.subLatitude) * M_PI / 180;
    const double dlon = static_cast<double>(v.subWestLongitude - stationWest) * M_PI / 180;
    const double gamma = std::acos(std::cos(lat) * std::cos(dlon));
    const double ratio = 6378.137 / static_cast<double>(v.distance);
    const double el = std::atan2(std::cos(gamma) - ratio, std::sin(gamma)) * 180 / M_PI;
    ASSERT_NEAR(static_cast<double>(v.elevation), el, 1e-6) << "minute " << i;
    ASSERT_GE(v.azimuth, 0);
    ASSERT_LT(v.azimuth, 360);
    ++checked;
  }
  EXPECT_EQ(checked, 1440);
}

TEST(Observer, ZenithAndPolesGiveNoNaN) {
  // A satellite at rest on the inertial x axis, seen from right under it.
  SatelliteElements e;
  e.epochYear = 18;
  e.epochDay = 21;
  e.meanMotion = 1e-6L;
  Propagator p;
  p.SetUp(e, Start(2018, 1, 21));
  const OrbitState& s = p.Propagate(0);
  const double west = 360 - std::atan2(static_cast<double>(s.y), static_cast<double>(s.x)) * 180 / M_PI;
  Observer o;
  o.SetStation(0, west, 0);
  o.StartRun();
  const ObserverView& v = o.Observe(p, 0, 1.0L / 1440);
  EXPECT_NEAR(static_cast<double>(v.elevation), 90, 1e-3);
  EXPECT_GE(v.azimuth, 0);  // any direction, but a number of the range
  EXPECT_LT(v.azimuth, 360);
  EXPECT_NEAR(static_cast<double>(v.subLatitude), 0, 1e-6);
  // Straight up: the range is the orbit radius less the station's, 6378.137 km at the equator.
  EXPECT_NEAR(static_cast<double>(v.range), static_cast<double>(s.r) - 6378.137, 1e-3);

  // A polar orbit passing over the pole.
  SatelliteElements polar = Circular(14, 90);
  polar.meanAnomaly = 90;
  Propagator q;
  q.SetUp(polar, Start(2018, 1, 20, 12));
  const OrbitState& ps = q.Propagate(0);
  Observer po;
  po.SetStation(90, 0, 0);
  po.StartRun();
  const ObserverView& pv = po.Observe(q, 0, 1.0L / 1440);
  // Near the pole: the sub-satellite latitude is that of the position vector, and from the
  // pole the elevation follows from the angle between the two (law of cosines, by hand).
  const double r = static_cast<double>(ps.r);
  const double lat = std::asin(static_cast<double>(ps.z) / r) * 180 / M_PI;
  EXPECT_GT(lat, 80);
  EXPECT_NEAR(static_cast<double>(pv.subLatitude), lat, 1e-6);
  const double rs = 6378.137 * (1 - 0.0033528109296271807);  // the station radius at a pole
  const double gamma = (90 - lat) * M_PI / 180;               // angle at the Earth's centre
  const double range = std::sqrt(r * r + rs * rs - 2 * r * rs * std::cos(gamma));
  // Up and horizontal parts as an arctangent: the arcsine of up/range loses digits near 90.
  const double elevation =
      std::atan2(r * std::cos(gamma) - rs, r * std::sin(gamma)) * 180 / M_PI;
  EXPECT_NEAR(static_cast<double>(pv.range), range, 1e-6);
  EXPECT_NEAR(static_cast<double>(pv.elevation), elevation, 1e-6);
}

TEST(Observer, RangeRateNeedsTwoEarlierSteps) {
  Propagator p;
  p.SetUp(Circular(15, 51.6L), Start(2018, 1, 21));
  Observer o;
  o.SetStation(48.85L, -2.29L, 35);
  o.StartRun();
  const Real step = 1.0L / 1440;
  Real ranges[3];
  for (int i = 0; i < 3; ++i) {
    p.Propagate(i * step);
    const ObserverView& v = o.Observe(p, p.clock().offset(), step);
    ranges[i] = v.range;
    if (i < 2) {
      EXPECT_EQ(v.rangeRate, 0) << i;
    }
    if (i == 2) {
      const Real expected = (ranges[0] - 4 * ranges[1] + 3 * ranges[2]) / 120;
      EXPECT_NEAR(static_cast<double>(v.rangeRate), static_cast<double>(expected), 1e-9);
      EXPECT_NEAR(static_cast<double>(v.doppler1000),
                  static_cast<double>(-expected * 1e9L / 299792.458L), 1e-3);
    }
  }
}

TEST(Observer, SquintFollowsTheAttitudeAxis) {
  // Eccentric orbit, satellite at apogee, seen from its own sub-satellite point.
  SatelliteElements e;
  e.epochYear = 18;
  e.epochDay = 21;
  e.inclination = 30;
  e.eccentricity = 0.5L;
  e.meanMotion = 2;
  e.meanAnomaly = 180;
  Propagator p;
  p.SetUp(e, Start(2018, 1, 21));
  const OrbitState& s = p.Propagate(0);
  const double lat = std::asin(static_cast<double>(s.z / s.r)) * 180 / M_PI;
  const double west = 360 - std::atan2(static_cast<double>(s.y), static_cast<double>(s.x)) * 180 / M_PI;
  Observer o;
  // A spherical sub-point: the station radius differs a little from the Earth's radius at
  // that latitude, which moves the squint by a small fraction of a degree only.
  o.SetStation(lat, west, 0);
  o.SetAttitude(true, 0, 0);
  o.StartRun();
  EXPECT_NEAR(static_cast<double>(o.Observe(p, 0, 1.0L / 1440).squint), 0, 0.1);
  o.SetAttitude(true, 0, 180);
  EXPECT_NEAR(static_cast<double>(o.Observe(p, 0, 1.0L / 1440).squint), 180, 0.1);
  o.SetAttitude(false, 0, 180);
  EXPECT_EQ(o.Observe(p, 0, 1.0L / 1440).squint, 0);
}

}  // namespace
}  // namespace orbit
