// The double-precision evaluation against the extended one, and the look-back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "orbit/elements.h"
#include "orbit/fast_trig.h"
#include "orbit/observer.h"
#include "orbit/propagator.h"

namespace orbit {
namespace {

const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";
// A transfer orbit: e = 0.73, Kepler needs several steps.
const char* kGto1 = "1 43174U 18011B   18020.20000000  .00000100  00000-0  00000-0 0  9995";
const char* kGto2 = "2 43174  20.5000 100.0000 7300000 180.0000  10.0000  2.20000000  1003";

SatelliteElements Parse(const char* l1, const char* l2) {
  ParsedSet set;
  EXPECT_TRUE(ParseElementLines(l1, l2, &set));
  return set.elements;
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

bool SameBits(const OrbitState& a, const OrbitState& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z && a.r == b.r && a.cosG == b.cosG &&
         a.sinG == b.sinG && a.orbitNumber == b.orbitNumber && a.phase == b.phase;
}

// Two days of minutes: the fast evaluation shares the orbit number and phase and stays
// within a micrometre of the extended one; extended evaluations after fast ones (the
// rows of a pass) and look-backs equal a run that was extended throughout, bit for bit.
void CompareRuns(const SatelliteElements& el, const CalendarFields& start) {
  Propagator wide, mixed;
  wide.SetUp(el, start);
  mixed.SetUp(el, start);
  std::vector<OrbitState> reference;
  int refreshes = 0;
  Real lastRefresh = wide.refreshTime();
  Real x = 0;
  for (int i = 0; i < 2880; ++i, x += 1.0L / 1440) {
    reference.push_back(wide.Propagate(x));
    if (wide.refreshTime() != lastRefresh) {
      ++refreshes;
      lastRefresh = wide.refreshTime();
    }
    const FastOrbitState& f = mixed.PropagateFast(x);
    ASSERT_EQ(mixed.state().orbitNumber, reference.back().orbitNumber) << i;
    ASSERT_EQ(mixed.state().phase, reference.back().phase) << i;
    ASSERT_EQ(mixed.refreshTime(), wide.refreshTime()) << i;
    ASSERT_NEAR(f.x, static_cast<double>(reference.back().x), 1e-9) << i;
    ASSERT_NEAR(f.y, static_cast<double>(reference.back().y), 1e-9) << i;
    ASSERT_NEAR(f.z, static_cast<double>(reference.back().z), 1e-9) << i;
    ASSERT_NEAR(f.r, static_cast<double>(reference.back().r), 1e-9) << i;
    for (int back = 1; back <= 2 && back <= i; ++back) {
      OrbitState earlier;
      ASSERT_TRUE(mixed.LookBack(back, &earlier));
      ASSERT_TRUE(SameBits(earlier, reference[static_cast<std::size_t>(i - back)])) << i << " " << back;
    }
    // Every seventh minute also extended, as a pass row would be.
    if (i % 7 == 0) {
      ASSERT_TRUE(SameBits(mixed.Propagate(x), reference.back())) << i;
    }
  }
  EXPECT_GE(refreshes, 4);  // the look-backs crossed refreshes of the secular terms
}

TEST(FastPropagation, ExtendedFirstThenFastGivesThatInstant) {
  Propagator a, b;
  a.SetUp(Parse(kIss1, kIss2), Start(2018, 1, 21));
  b.SetUp(Parse(kIss1, kIss2), Start(2018, 1, 21));
  Real x = 0;
  for (int i = 0; i < 50; ++i, x += 1.0L / 1440) {
    if (i % 3 == 0) a.Propagate(x);  // an instant first seen by the extended evaluation
    const FastOrbitState& fa = a.PropagateFast(x);
    const FastOrbitState& fb = b.PropagateFast(x);
    ASSERT_NEAR(fa.x, fb.x, 1e-9) << i;
    ASSERT_NEAR(fa.z, fb.z, 1e-9) << i;
  }
}

TEST(FastPropagation, LowOrbitMatchesTheExtendedRun) {
  CompareRuns(Parse(kIss1, kIss2), Start(2018, 1, 21, 0, 0));
}

TEST(FastPropagation, TransferOrbitMatchesTheExtendedRun) {
  CompareRuns(Parse(kGto1, kGto2), Start(2018, 1, 21, 6, 0));
}

TEST(FastPropagation, EpochOfThePreviousYear) {
  SatelliteElements el = Parse(kIss1, kIss2);
  el.epochYear = 17;
  el.epochDay = 364.75L;
  CompareRuns(el, Start(2018, 1, 1, 12, 0));
}

// The bound the pass search skips minutes by: between two refreshes, no extended
// position moves faster than speedBound() allows, give or take positionSlack().
void CheckSpeedBound(const SatelliteElements& el) {
  Propagator p;
  p.SetUp(el, Start(2018, 1, 21));
  OrbitState before;
  int refreshes = -1;
  Real x = 0;
  double closest = 1e9;
  for (int i = 0; i < 2 * 86400 / 20; ++i, x += 20.0L / 86400) {
    const OrbitState now = p.Propagate(x);
    if (p.refreshCount() == refreshes) {
      const double moved = std::hypot(static_cast<double>(now.x - before.x),
                                      static_cast<double>(now.y - before.y),
                                      static_cast<double>(now.z - before.z));
      const double allowed = p.speedBound() * 20 + p.positionSlack();
      ASSERT_LE(moved, allowed) << i;
      closest = std::min(closest, allowed - moved);
    }
    refreshes = p.refreshCount();
    before = now;
  }
  // Not so loose that it would skip little: within a third of the bound somewhere.
  EXPECT_LT(closest, p.speedBound() * 20 / 3 + p.positionSlack());
}

TEST(FastPropagation, SpeedBoundHoldsForLowAndEccentricOrbits) {
  CheckSpeedBound(Parse(kIss1, kIss2));
  CheckSpeedBound(Parse(kGto1, kGto2));
  Propagator p;
  SatelliteElements nearlyParabolic = Parse(kGto1, kGto2);
  nearlyParabolic.eccentricity = 0.95L;
  p.SetUp(nearlyParabolic, Start(2018, 1, 21));
  EXPECT_TRUE(std::isinf(p.speedBound()));  // no bound: nothing is skipped
}

TEST(FastKepler, AgreesAndDoubtsWhereTheExtendedSolverCouldDiffer) {
  for (double e : {0.0, 0.0003646, 0.0099, 0.0100001, 0.1, 0.5, 0.73, 0.88}) {
    for (double m = 0; m < 6.3; m += 0.05) {
      double s = 0, c = 0;
      bool doubt = true;
      const double big = SolveKeplerFast(m, e, &s, &c, &doubt);
      Real ws = 0, wc = 0;
      const Real wideBig = SolveKepler(m, e, nullptr, 100, &ws, &wc);
      ASSERT_FALSE(doubt) << e << " " << m;
      ASSERT_NEAR(big, static_cast<double>(wideBig), 1e-12) << e << " " << m;
      ASSERT_NEAR(s, std::sin(big), 1e-15);
      ASSERT_NEAR(c, std::cos(big), 1e-15);
    }
  }
  double s = 0, c = 0;
  bool doubt = false;
  SolveKeplerFast(0.001, 0.95, &s, &c, &doubt);
  EXPECT_TRUE(doubt);  // near-parabolic: Newton's steps magnify rounding
  doubt = false;
  SolveKeplerFast(0.001, std::nan(""), &s, &c, &doubt);
  EXPECT_TRUE(doubt);
  // A mean anomaly whose first residual lands on the stop threshold: e sin M - M start.
  // With e = 0 the residual is exactly 0: no doubt.
  doubt = true;
  EXPECT_EQ(SolveKeplerFast(1.234, 0, &s, &c, &doubt), 1.234);
  EXPECT_FALSE(doubt);
}

TEST(FastTrig, SineAndCosineAsTheLibraryOverManyTurns) {
  double worst = 0;
  for (double x = -40; x < 40; x += 0.000731) {
    double s = 0, c = 0;
    SinCos(x, &s, &c);
    worst = std::max({worst, std::fabs(s - std::sin(x)), std::fabs(c - std::cos(x))});
  }
  EXPECT_LT(worst, 4e-16);
  // Quadrant edges and large arguments.
  for (double x : {0.0, -0.0, 0.7853981633974483, 1.5707963267948966, 3.141592653589793,
                   4.71238898038469, 6.283185307179586, 6.2831853072, 12345.678, 99999.9, 2e5}) {
    double s = 0, c = 0;
    SinCos(x, &s, &c);
    EXPECT_NEAR(s, std::sin(x), 4e-16 * std::max(1.0, std::fabs(x) / 1000)) << x;
    EXPECT_NEAR(c, std::cos(x), 4e-16 * std::max(1.0, std::fabs(x) / 1000)) << x;
  }
  double s = 0, c = 0;
  SinCos(std::nan(""), &s, &c);
  EXPECT_TRUE(std::isnan(s) && std::isnan(c));
}

// The inverse functions against the library's, relative to the size of the result, over the
// whole range and at the reduction edges (7/16, 11/16, 19/16, 39/16) and the ends.
TEST(FastTrig, InverseFunctionsAsTheLibrary) {
  double worst = 0;
  auto relative = [](double a, double b) { return std::fabs(a - b) / std::max(std::fabs(b), 1e-300); };
  for (double t = -1.5707; t < 1.5707; t += 0.0000917) {
    const double x = std::tan(t);
    worst = std::max(worst, relative(AtanFast(x), std::atan(x)));
  }
  for (double x : {0.0, 1e-300, 0.4375, 0.43749999999999994, 0.6875, 1.0, 1.1875, 2.4375, 1e10,
                   1e300, -0.6875, -2.4375, -1e300}) {
    worst = std::max(worst, relative(AtanFast(x), std::atan(x)));
  }
  EXPECT_LT(worst, 3e-16);
  EXPECT_EQ(AtanFast(HUGE_VAL), std::atan(HUGE_VAL));
  EXPECT_EQ(AtanFast(-HUGE_VAL), std::atan(-HUGE_VAL));
  EXPECT_TRUE(std::signbit(AtanFast(-0.0)));
  EXPECT_TRUE(std::isnan(AtanFast(std::nan(""))));

  // Arcsine and arccosine to within a few units of the last place of pi/2, so that the
  // elevation and squint in degrees keep 1e-13.
  double worstAsin = 0, worstAcos = 0;
  for (double x = -1; x <= 1; x += 0.0000731) {
    worstAsin = std::max(worstAsin, std::fabs(AsinFast(x) - std::asin(x)));
    worstAcos = std::max(worstAcos, std::fabs(AcosFast(x) - std::acos(x)));
  }
  for (double x : {-1.0, 1.0, 0.0, 0.9999999999999999, -0.9999999999999999, 0.5}) {
    worstAsin = std::max(worstAsin, std::fabs(AsinFast(x) - std::asin(x)));
    worstAcos = std::max(worstAcos, std::fabs(AcosFast(x) - std::acos(x)));
  }
  EXPECT_LT(worstAsin, 2e-15);
  EXPECT_LT(worstAcos, 2e-15);
  EXPECT_EQ(AsinFast(1), std::asin(1.0));
  EXPECT_EQ(AsinFast(-1), std::asin(-1.0));
  EXPECT_EQ(AcosFast(-1), std::acos(-1.0));
  EXPECT_EQ(AcosFast(1), 0);
}

// The arctangent of a quotient taken from its two parts: against the extended quotient's, in
// every quadrant, across the reduction edges (where y and x are the edge's multiple), and
// with the signs of zero that the elevation and latitude keep.
TEST(FastTrig, ArctangentOfAQuotientAsTheLibrary) {
  double worst = 0;
  auto check = [&worst](double y, double x) {
    const long double exact = std::atan(static_cast<long double>(y) / x);
    const double got = AtanOfRatioFast(y, x);
    worst = std::max(worst, static_cast<double>(std::fabs(got - exact) /
                                                std::max(std::fabs(exact), 1e-300L)));
  };
  for (double t = -1.5707; t < 1.5707; t += 0.000317) {
    const double y = std::sin(t), x = std::cos(t);
    check(y * 6378, x * 6378);
    check(-y, -x);
    check(y * 1e-3, x * 1e-3);
  }
  for (double edge : {0.4375, 0.6875, 1.1875, 1.5, 2.4375}) {
    for (double x : {1.0, 3.7, 6878.137, 42164.0}) {
      check(edge * x, x);
      check(std::nextafter(edge * x, 0.0), x);
      check(-std::nextafter(edge * x, 10 * x), x);
    }
  }
  check(1e-300, 1);
  check(1, 1e-300);
  EXPECT_LT(worst, 3e-16);
  EXPECT_TRUE(std::signbit(AtanOfRatioFast(-0.0, 5)));
  EXPECT_FALSE(std::signbit(AtanOfRatioFast(0.0, 5)));
  EXPECT_TRUE(std::signbit(AtanOfRatioFast(0.0, -5)));
  EXPECT_EQ(AtanOfRatioFast(3, 0.0), AtanFast(HUGE_VAL));
  EXPECT_TRUE(std::isnan(AtanOfRatioFast(std::nan(""), 1)));
  EXPECT_TRUE(std::isnan(AtanOfRatioFast(1, std::nan(""))));
}

TEST(FastObserver, SameViewToAFewNanodegrees) {
  const SatelliteElements el = Parse(kIss1, kIss2);
  Propagator p;
  p.SetUp(el, Start(2018, 1, 21));
  Observer o;
  o.SetStation(-33.92L, -18.42L, 10);
  o.SetAttitude(true, 12, -40);
  o.StartRun();
  Observer f;
  f.SetStation(-33.92L, -18.42L, 10);
  f.SetAttitude(true, 12, -40);
  f.StartRun();
  Real x = 0;
  for (int i = 0; i < 2880; ++i, x += 1.0L / 1440) {
    p.PropagateFast(x);
    const FastView fv = f.ObserveFast(p, x, 1.0L / 1440);
    const FastSight sight = f.SightFast(p.fastState());
    p.Propagate(x);
    const ObserverView& wv = o.Observe(p, p.clock().offset(), 1.0L / 1440);
    ASSERT_NEAR(fv.elevation, static_cast<double>(wv.elevation), 1e-9) << i;
    ASSERT_NEAR(std::asin(sight.ElevationSine()) / static_cast<double>(kDegree),
                static_cast<double>(wv.elevation), 1e-9);
    ASSERT_NEAR(sight.range, static_cast<double>(wv.range), 1e-9);
    // Azimuth wraps at 0/360 in both the same way away from due north.
    ASSERT_NEAR(fv.azimuth, static_cast<double>(wv.azimuth), 1e-8) << i;
    ASSERT_NEAR(fv.range, static_cast<double>(wv.range), 1e-9);
    ASSERT_NEAR(fv.subLatitude, static_cast<double>(wv.subLatitude), 1e-9);
    ASSERT_NEAR(fv.subWestLongitude, static_cast<double>(wv.subWestLongitude), 1e-8);
    ASSERT_NEAR(fv.distance, static_cast<double>(wv.distance), 1e-9);
    ASSERT_NEAR(fv.squint, static_cast<double>(wv.squint), 1e-8);
    ASSERT_EQ(fv.phase, wv.phase);
    if (i >= 2) {
      ASSERT_NEAR(fv.rangeRate, static_cast<double>(wv.rangeRate), 1e-9) << i;
      ASSERT_NEAR(fv.doppler1000, static_cast<double>(wv.doppler1000), 1e-5) << i;
    }
  }
}

TEST(FastObserver, RangeHistoryGivesTheExtendedRangeRate) {
  const SatelliteElements el = Parse(kIss1, kIss2);
  Propagator p;
  p.SetUp(el, Start(2018, 1, 21));
  Observer o;
  o.SetStation(48.854L, -2.292L, 35);
  o.StartRun();
  std::vector<Real> ranges;
  std::vector<Real> rates;
  Real x = 0;
  for (int i = 0; i < 10; ++i, x += 1.0L / 1440) {
    p.Propagate(x);
    const ObserverView& v = o.Observe(p, p.clock().offset(), 1.0L / 1440);
    ranges.push_back(v.range);
    rates.push_back(v.rangeRate);
    EXPECT_EQ(o.RangeTo(p.state()), v.range);
  }
  // An observer told the two earlier ranges gives the same rate as one that saw them.
  Propagator q;
  q.SetUp(el, Start(2018, 1, 21));
  Observer fresh;
  fresh.SetStation(48.854L, -2.292L, 35);
  fresh.StartRun();
  x = 0;
  Real last = 0;
  for (int i = 0; i < 10; ++i, x += 1.0L / 1440) {
    q.PropagateFast(x);
    last = x;
  }
  q.Propagate(last);
  fresh.SetRangeHistory(ranges[8], ranges[7]);
  EXPECT_EQ(fresh.Observe(q, q.clock().offset(), 1.0L / 1440).rangeRate, rates[9]);
}

}  // namespace
}  // namespace orbit
