#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "orbit/calendar.h"
#include "orbit/moon.h"
#include "orbit/sun.h"

namespace orbit {
namespace {

constexpr long double kDeg = 3.14159265358979323846L / 180;

// Date-time value of a UTC civil instant, through the calendar code.
Real Utc(int year, int month, int day, int hour = 0, int minute = 0) {
  CalendarFields c;
  c.year = year;
  c.month = month;
  c.day = day;
  c.hour = hour;
  c.minute = minute;
  return DateTimeValueFromJulian(JulianDayFromCalendar(c));
}

Real JulianDate(Real dateTimeValue) {
  return dateTimeValue + 2415018.5L;
}

Real Wrap180(Real a) {
  a = std::fmod(a, 360.0L);
  if (a > 180) a -= 360;
  if (a <= -180) a += 360;
  return a;
}

// Angle between two directions given as (longitude-like, latitude-like) pairs, degrees.
Real Separation(Real ra1, Real dec1, Real ra2, Real dec2) {
  const Real c = std::sin(dec1 * kDeg) * std::sin(dec2 * kDeg) +
                 std::cos(dec1 * kDeg) * std::cos(dec2 * kDeg) * std::cos((ra1 - ra2) * kDeg);
  return std::acos(std::fmin(1.0L, std::fmax(-1.0L, c))) / kDeg;
}

// Independent solar reference: Meeus' low-accuracy solar coordinates and mean sidereal time.
struct RefSun {
  Real declination;
  Real greenwichHourAngle;  // west positive, -180..180
};

RefSun ReferenceSun(Real utcValue) {
  const Real jd = JulianDate(utcValue);
  const Real t = (jd - 2451545) / 36525;
  const Real l0 = 280.46646L + 36000.76983L * t + 0.0003032L * t * t;
  const Real m = (357.52911L + 35999.05029L * t - 0.0001537L * t * t) * kDeg;
  const Real c = (1.914602L - 0.004817L * t) * std::sin(m) +
                 (0.019993L - 0.000101L * t) * std::sin(2 * m) + 0.000289L * std::sin(3 * m);
  const Real omega = (125.04L - 1934.136L * t) * kDeg;
  const Real lambda = (l0 + c - 0.00569L - 0.00478L * std::sin(omega)) * kDeg;
  const Real eps = (23.439291L - 0.0130042L * t + 0.00256L * std::cos(omega)) * kDeg;
  const Real ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda)) / kDeg;
  const Real gmst = 280.46061837L + 360.98564736629L * (jd - 2451545) + 0.000387933L * t * t;
  return {std::asin(std::sin(eps) * std::sin(lambda)) / kDeg, Wrap180(gmst - ra)};
}

// ---------------------------------------------------------------- sun position

TEST(SunModel, EpochIsJanuaryZeroOf1990) {
  // At 1990-01-01 00:00 UTC the sun stands at -23.04° over the antimeridian,
  // 0.8° short of it (equation of time about -3.2 minutes).
  const SubSolarPoint p = ComputeSubSolarPoint(Utc(1990, 1, 1), 0);
  EXPECT_NEAR(p.declination, -23.04L, 0.02L);
  EXPECT_NEAR(p.westLongitude, 179.2L, 0.1L);
  // One day later the declination has moved on by about 0.09°: the check above
  // would fail with an epoch one day off.
  const SubSolarPoint next = ComputeSubSolarPoint(Utc(1990, 1, 2), 0);
  EXPECT_GT(next.declination - p.declination, 0.07L);
}

TEST(SunModel, SolsticesAndEquinoxes) {
  struct Case {
    int y, mo, d, h, mi;
    long double declination;
  };
  // Published instants of the seasons (UTC).
  const std::vector<Case> cases = {
      {1990, 3, 20, 21, 19, 0},        {1990, 6, 21, 15, 33, 23.44L},
      {2000, 3, 20, 7, 35, 0},         {2000, 6, 21, 1, 48, 23.44L},
      {2000, 12, 21, 13, 37, -23.44L}, {2020, 9, 22, 13, 31, 0},
      {2020, 12, 21, 10, 2, -23.44L},  {2024, 3, 20, 3, 6, 0},
      {2024, 6, 20, 20, 51, 23.44L},
  };
  for (const Case& c : cases) {
    const SubSolarPoint p = ComputeSubSolarPoint(Utc(c.y, c.mo, c.d, c.h, c.mi), 0);
    EXPECT_NEAR(p.declination, c.declination, 0.02L) << c.y << "-" << c.mo << "-" << c.d;
  }
}

TEST(SunModel, FollowsIndependentSolarCoordinatesForDecades) {
  Real worstDec = 0, worstLon = 0;
  for (Real t = Utc(1990, 1, 1); t < Utc(2035, 1, 1); t += 13.37L) {
    const SubSolarPoint p = ComputeSubSolarPoint(t, 0);
    const RefSun ref = ReferenceSun(t);
    worstDec = std::fmax(worstDec, std::fabs(p.declination - ref.declination));
    worstLon = std::fmax(worstLon, std::fabs(Wrap180(p.westLongitude - ref.greenwichHourAngle)));
    ASSERT_GE(p.westLongitude, -180);
    ASSERT_LE(p.westLongitude, 180);
  }
  EXPECT_LT(worstDec, 0.02L);
  EXPECT_LT(worstLon, 0.03L);
}

TEST(SunModel, LocalTimeWithItsOffsetIsTheSameInstant) {
  const Real utc = Utc(2018, 1, 15, 9, 30);
  const SubSolarPoint a = ComputeSubSolarPoint(utc, 0);
  const SubSolarPoint b = ComputeSubSolarPoint(utc + 2.0L / 24, 2);
  const SubSolarPoint c = ComputeSubSolarPoint(utc - 5.5L / 24, -5.5L);
  EXPECT_NEAR(a.declination, b.declination, 1e-9L);
  EXPECT_NEAR(a.westLongitude, b.westLongitude, 1e-9L);
  EXPECT_NEAR(a.declination, c.declination, 1e-9L);
  EXPECT_NEAR(a.westLongitude, c.westLongitude, 1e-9L);
  // Noon at Greenwich: the sun is close to the meridian.
  EXPECT_NEAR(ComputeSubSolarPoint(Utc(2018, 1, 15, 12), 0).westLongitude, 0, 3);
}

// ---------------------------------------------------------------- sun azimuth/elevation

// Independent horizontal coordinates from the hour angle (Meeus 13.5/13.6).
SunAzEl ReferenceAzEl(Real dec, Real sunWest, Real lat, Real stationWest) {
  const Real h = (sunWest - stationWest) * kDeg;  // local hour angle, west positive
  const Real d = dec * kDeg, p = lat * kDeg;
  SunAzEl out;
  out.elevation =
      std::asin(std::sin(p) * std::sin(d) + std::cos(p) * std::cos(d) * std::cos(h)) / kDeg;
  Real az =
      std::atan2(std::sin(h), std::cos(h) * std::sin(p) - std::tan(d) * std::cos(p)) / kDeg + 180;
  out.azimuth = std::fmod(az + 360, 360.0L);
  return out;
}

TEST(SunAzEl, MatchesIndependentHorizontalCoordinates) {
  for (Real lat = -80; lat <= 80; lat += 20) {
    for (Real dec = -23.4L; dec <= 23.5L; dec += 11.7L) {
      for (Real ha = -170; ha <= 170; ha += 17) {
        const Real stationWest = 12.5L;
        const SubSolarPoint sun{dec, stationWest + ha};
        const SunAzEl got = ComputeSunAzEl(sun, lat, stationWest);
        const SunAzEl ref = ReferenceAzEl(dec, sun.westLongitude, lat, stationWest);
        ASSERT_NEAR(got.elevation, ref.elevation, 1e-6L) << lat << " " << dec << " " << ha;
        if (ref.elevation < 89.9L) {
          ASSERT_NEAR(Wrap180(got.azimuth - ref.azimuth), 0, 1e-5L)
              << lat << " " << dec << " " << ha;
        }
      }
    }
  }
}

TEST(SunAzEl, SunWestOfTheStationHasAzimuthAbove180) {
  // Sun 40° further west than the station (afternoon): λ - α < 0.
  const SunAzEl west = ComputeSunAzEl({10, 40}, 48.8L, 0);
  EXPECT_GT(west.azimuth, 180);
  EXPECT_LT(west.azimuth, 360);
  const SunAzEl east = ComputeSunAzEl({10, -40}, 48.8L, 0);
  EXPECT_GT(east.azimuth, 0);
  EXPECT_LT(east.azimuth, 180);
  EXPECT_NEAR(west.azimuth + east.azimuth, 360, 1e-6L);
  // On the equator at an equinox the setting sun is due west, the rising sun due east.
  EXPECT_NEAR(ComputeSunAzEl({0, 90}, 0, 0).azimuth, 270, 1e-6L);
  EXPECT_NEAR(ComputeSunAzEl({0, -90}, 0, 0).azimuth, 90, 1e-6L);
  EXPECT_NEAR(ComputeSunAzEl({0, 90}, 0, 0).elevation, 0, 1e-6L);
}

TEST(SunAzEl, PolesAndZenithGiveNumbersNotNaN) {
  const SunAzEl zenith = ComputeSunAzEl({20, -35}, 20, -35);
  EXPECT_NEAR(zenith.elevation, 90, 1e-3L);
  EXPECT_TRUE(std::isfinite(zenith.azimuth));
  const SunAzEl pole = ComputeSunAzEl({23.44L, 100}, 90, 0);
  EXPECT_NEAR(pole.elevation, 23.44L, 1e-3L);
  EXPECT_TRUE(std::isfinite(pole.azimuth));
  for (Real lat : {-90.0L, -89.999L, -45.0L, 0.0L, 45.0L, 89.999L, 90.0L}) {
    for (Real dec : {-90.0L, -23.44L, 0.0L, 23.44L, 45.0L, 90.0L}) {
      for (Real west = -360; west <= 360; west += 22.5L) {
        for (Real station : {-180.0L, 0.0L, 12.3L, 180.0L}) {
          const SunAzEl v = ComputeSunAzEl({dec, west}, lat, station);
          ASSERT_TRUE(std::isfinite(v.azimuth) && std::isfinite(v.elevation)) << lat << " " << dec;
          ASSERT_GE(v.azimuth, 0);
          ASSERT_LT(v.azimuth, 360);
          ASSERT_GE(v.elevation, -90);
          ASSERT_LE(v.elevation, 90);
        }
      }
    }
  }
}

TEST(SunModel, AbsurdTimesStayFinite) {
  const Real huge = std::numeric_limits<Real>::max();
  for (Real t : {-huge, -1e30L, -1e6L, 0.0L, 1e-300L, 1e6L, 1e30L, 1e4000L, huge}) {
    for (Real offset : {-12.0L, 0.0L, 14.0L, 1e300L}) {
      const SubSolarPoint p = ComputeSubSolarPoint(t, offset);
      ASSERT_TRUE(std::isfinite(p.declination) && std::isfinite(p.westLongitude)) << t;
      EXPECT_TRUE(TestSunlit(p.declination, p.westLongitude, 7000, t, offset)) << t;
    }
  }
}

// ---------------------------------------------------------------- eclipse

TEST(TestSunlit, AntiSolarPointIsDarkAndSubSolarPointLitForAnyDistance) {
  for (Real t = Utc(2018, 1, 1); t < Utc(2019, 1, 1); t += 36.6L) {
    const SubSolarPoint sun = ComputeSubSolarPoint(t, 0);
    for (Real r : {100.0L, 6378.137L, 6778.0L, 7178.0L, 26560.0L, 42164.0L, 400000.0L, 1e9L}) {
      EXPECT_FALSE(TestSunlit(-sun.declination, sun.westLongitude + 180, r, sun)) << r;
      EXPECT_TRUE(TestSunlit(sun.declination, sun.westLongitude, r, sun)) << r;
      EXPECT_FALSE(TestSunlit(-sun.declination, sun.westLongitude + 180, r, t, 0)) << r;
    }
  }
}

TEST(TestSunlit, MidnightLeoDependsOnSeasonAndAltitude) {
  // Over Greenwich at 50° N, 800 km up, at midnight UTC.
  EXPECT_FALSE(TestSunlit(50, 0, 6378.137L + 800, Utc(2017, 12, 21), 0));
  // At midsummer the shadow cone ends south of 50° N for an 800 km orbit...
  EXPECT_TRUE(TestSunlit(50, 0, 6378.137L + 800, Utc(2018, 6, 21), 0));
  // ...but a low orbit over the equator is dark whatever the season.
  EXPECT_FALSE(TestSunlit(0, 0, 6378.137L + 400, Utc(2018, 6, 21), 0));
  // At the terminator a geostationary satellite is lit long after sunset below it.
  const Real t = Utc(2018, 3, 20, 18);
  const SubSolarPoint sun = ComputeSubSolarPoint(t, 0);
  EXPECT_TRUE(TestSunlit(0, sun.westLongitude - 120, 42164, sun));
  EXPECT_FALSE(TestSunlit(0, sun.westLongitude - 120, 6378.137L + 400, sun));
}

TEST(TestSunlit, ShadowEdgeFollowsTheConeAngle) {
  const SubSolarPoint sun{0, 0};
  const Real r = 8000;
  const Real edge = std::acos(6378.137L / r) / kDeg + 90;  // degrees from the sub-solar point
  EXPECT_TRUE(TestSunlit(0, edge - 0.01L, r, sun));
  EXPECT_FALSE(TestSunlit(0, edge + 0.01L, r, sun));
  EXPECT_FALSE(TestSunlit(0, -(edge + 0.01L), r, sun));
}

// ---------------------------------------------------------------- moon

// Independent lunar reference: the Astronomical Almanac's low-precision series
// (about 0.3° in longitude, 0.2° in latitude), turned into RA/Dec.
struct RefMoon {
  Real ra, dec, distance;  // degrees, degrees, Earth radii
};

RefMoon ReferenceMoon(Real utcValue) {
  const Real t = (JulianDate(utcValue) - 2451545) / 36525;
  auto s = [](Real x) { return std::sin(x * kDeg); };
  auto c = [](Real x) { return std::cos(x * kDeg); };
  const Real lambda = 218.32L + 481267.881L * t + 6.29L * s(135.0L + 477198.87L * t) -
                      1.27L * s(259.3L - 413335.36L * t) + 0.66L * s(235.7L + 890534.22L * t) +
                      0.21L * s(269.9L + 954397.74L * t) - 0.19L * s(357.5L + 35999.05L * t) -
                      0.11L * s(186.5L + 966404.03L * t);
  const Real beta = 5.13L * s(93.3L + 483202.02L * t) + 0.28L * s(228.2L + 960400.89L * t) -
                    0.28L * s(318.3L + 6003.15L * t) - 0.17L * s(217.6L - 407332.21L * t);
  const Real parallax = 0.9508L + 0.0518L * c(135.0L + 477198.87L * t) +
                        0.0095L * c(259.3L - 413335.36L * t) +
                        0.0078L * c(235.7L + 890534.22L * t) + 0.0028L * c(269.9L + 954397.74L * t);
  const Real eps = 23.439291L - 0.0130042L * t;
  const Real x = c(beta) * c(lambda);
  const Real y = c(eps) * c(beta) * s(lambda) - s(eps) * s(beta);
  const Real z = s(eps) * c(beta) * s(lambda) + c(eps) * s(beta);
  return {std::atan2(y, x) / kDeg, std::asin(z) / kDeg, 1 / s(parallax)};
}

TEST(MoonModel, DayNumberCountsFromJanuaryZeroOf2000) {
  EXPECT_NEAR(MoonDayNumber(Utc(1999, 12, 31)), 0, 1e-12L);
  EXPECT_NEAR(MoonDayNumber(Utc(2000, 1, 1, 18)), 1.75L, 1e-12L);
  EXPECT_NEAR(MoonDayNumber(Utc(1990, 4, 19)), -3543, 1e-12L);
}

TEST(MoonKepler, ConvergesWithinToleranceInFewSteps) {
  const Real toDeg = 180 / kPi;
  for (Real m = 0; m < 360; m += 0.5L) {
    int n = 0;
    const Real e = SolveKeplerDegrees(m, 0.0549L, &n);
    ASSERT_LE(n, 3) << m;
    ASSERT_NEAR(e - toDeg * 0.0549L * std::sin(e / toDeg), m, 0.005L) << m;
  }
  // A strongly eccentric orbit needs more Newton steps but still converges.
  int n = 0;
  const Real e = SolveKeplerDegrees(10, 0.9L, &n);
  EXPECT_GT(n, 3);
  EXPECT_NEAR(e - toDeg * 0.9L * std::sin(e / toDeg), 10, 0.01L);
}

TEST(MoonKepler, StopsAfter51EvaluationsAndSurvivesAFailedStep) {
  // e = 1 at M = 0 divides 0 by 0 in the first step: the step keeps E0.
  int n = 0;
  EXPECT_EQ(SolveKeplerDegrees(0, 1, &n), 0);
  EXPECT_EQ(n, 1);
  // A nonsensical eccentricity never settles; the loop still ends.
  int worst = 0;
  for (Real m = 0; m < 360; m += 7) {
    const Real e = SolveKeplerDegrees(m, 40, &n);
    ASSERT_TRUE(std::isfinite(e));
    ASSERT_LE(n, 51);
    worst = std::max(worst, n);
  }
  EXPECT_EQ(worst, 51);
}

TEST(MoonModel, MeeusWorkedExample) {
  // 1992-04-12 0h: RA 134.688°, Dec +13.768°, 368409.7 km (Meeus, example 47.a).
  const MoonPosition m = ComputeMoonPosition(MoonDayNumber(Utc(1992, 4, 12)), 0, 0);
  EXPECT_NEAR(m.rightAscension, 134.688L, 0.05L);
  EXPECT_NEAR(m.declination, 13.768L, 0.05L);
  EXPECT_NEAR(m.eclipticLongitude, 133.163L, 0.05L);
  EXPECT_NEAR(m.eclipticLatitude, -3.229L, 0.05L);
  EXPECT_NEAR(m.geocentricDistance, 368409.7L / 6378.14L, 0.1L);
}

TEST(MoonModel, FollowsIndependentLunarSeriesAndKeplerConvergesFast) {
  Real worstSep = 0, worstDist = 0;
  int worstIterations = 0;
  for (Real t = Utc(1990, 1, 1); t < Utc(2030, 1, 1); t += 3.137L) {
    const MoonPosition m = ComputeMoonPosition(MoonDayNumber(t), 45, 7);
    const RefMoon ref = ReferenceMoon(t);
    worstSep = std::fmax(worstSep, Separation(m.rightAscension, m.declination, ref.ra, ref.dec));
    worstDist = std::fmax(worstDist, std::fabs(m.geocentricDistance - ref.distance));
    worstIterations = std::max(worstIterations, m.keplerIterations);
    ASSERT_GE(m.keplerIterations, 1);
    ASSERT_GE(m.rightAscension, 0);
    ASSERT_LT(m.rightAscension, 360);
    ASSERT_GE(m.eclipticLongitude, 0);
    ASSERT_LT(m.eclipticLongitude, 360);
  }
  EXPECT_LT(worstSep, 0.4L);
  EXPECT_LT(worstDist, 0.2L);
  EXPECT_LE(worstIterations, 5);
}

TEST(MoonModel, SubLunarPointAndHourAngles) {
  for (Real d = -4000; d < 12000; d += 97.3L) {
    const MoonPosition m = ComputeMoonPosition(d, 50, 0);
    // Seen from the Greenwich meridian the local hour angle is the Greenwich one.
    ASSERT_NEAR(Wrap180(m.hourAngle - m.greenwichHourAngle), 0, 1e-9L);
    if (m.greenwichHourAngle > 0 && m.greenwichHourAngle <= 180) {
      ASSERT_TRUE(m.subLunarWest);
      ASSERT_NEAR(m.subLunarLongitude, m.greenwichHourAngle, 1e-12L);
    } else {
      ASSERT_FALSE(m.subLunarWest);
      ASSERT_NEAR(Wrap180(m.subLunarLongitude + m.greenwichHourAngle), 0, 1e-9L);
    }
    ASSERT_GE(m.subLunarLongitude, 0);
    ASSERT_LE(m.subLunarLongitude, 360);
    ASSERT_EQ(m.subLunarLatitude, m.declination);
    // 90° further east the hour angle is 90° larger.
    const MoonPosition east = ComputeMoonPosition(d, 50, 90);
    ASSERT_NEAR(Wrap180(east.hourAngle - m.hourAngle - 90), 0, 1e-9L);
  }
}

TEST(MoonModel, SubLunarSideAtTheMeridians) {
  // Step 10 by hand: 0 < GHA <= 180 is West, every other angle 360 - GHA East.
  bool west = true;
  EXPECT_EQ(SubLunarLongitude(0, &west), 360);
  EXPECT_FALSE(west);
  EXPECT_EQ(SubLunarLongitude(180, &west), 180);
  EXPECT_TRUE(west);
  EXPECT_EQ(SubLunarLongitude(0.25L, &west), 0.25L);
  EXPECT_TRUE(west);
  EXPECT_EQ(SubLunarLongitude(180.5L, &west), 179.5L);
  EXPECT_FALSE(west);
  EXPECT_EQ(SubLunarLongitude(359.75L, &west), 0.25L);
  EXPECT_FALSE(west);
}

// Station vector minus moon vector, on a sphere of one Earth radius.
void ReferenceTopocentric(const MoonPosition& m, Real lat, Real* elevation, Real* range) {
  const Real lst = (m.rightAscension + m.hourAngle) * kDeg;
  const Real p = lat * kDeg;
  const Real up[3] = {std::cos(p) * std::cos(lst), std::cos(p) * std::sin(lst), std::sin(p)};
  const Real ra = m.rightAscension * kDeg, dec = m.declination * kDeg;
  const Real moon[3] = {m.geocentricDistance * std::cos(dec) * std::cos(ra),
                        m.geocentricDistance * std::cos(dec) * std::sin(ra),
                        m.geocentricDistance * std::sin(dec)};
  const Real v[3] = {moon[0] - up[0], moon[1] - up[1], moon[2] - up[2]};
  *range = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
  *elevation = std::asin((v[0] * up[0] + v[1] * up[1] + v[2] * up[2]) / *range) / kDeg;
}

TEST(MoonModel, HorizontalViewAndSlantRange) {
  for (Real d = 0; d < 60; d += 0.731L) {
    for (Real lat : {-60.0L, 0.0L, 48.1L, 70.0L}) {
      const MoonPosition m = ComputeMoonPosition(d, lat, -1.6L);
      Real refEl = 0, refRange = 0;
      ReferenceTopocentric(m, lat, &refEl, &refRange);
      ASSERT_NEAR(m.elevation, refEl, 0.02L) << d << " " << lat;
      ASSERT_NEAR(m.range, refRange, 0.01L) << d << " " << lat;
      // Azimuth from north through east, from the hour angle.
      const Real h = m.hourAngle * kDeg, dec = m.declination * kDeg, p = lat * kDeg;
      const Real az =
          std::atan2(-std::cos(dec) * std::sin(h),
                     std::sin(dec) * std::cos(p) - std::cos(dec) * std::cos(h) * std::sin(p)) /
          kDeg;
      ASSERT_NEAR(Wrap180(m.azimuth - az), 0, 1e-6L) << d << " " << lat;
      ASSERT_GE(m.azimuth, 0);
      ASSERT_LT(m.azimuth, 360);
    }
  }
}

TEST(MoonModel, ZenithAndNadirUseTheDirectRanges) {
  const Real d = 1234.5L;
  const MoonPosition geo = ComputeMoonPosition(d, 0, 0);
  // Stand under the moon: at the sub-lunar point, and at its antipode.
  const Real east = geo.subLunarWest ? -geo.subLunarLongitude : geo.subLunarLongitude;
  const MoonPosition below = ComputeMoonPosition(d, geo.declination, east);
  EXPECT_GE(below.elevation, 89.9L);
  EXPECT_EQ(below.range, below.geocentricDistance - 1);
  const MoonPosition antipode = ComputeMoonPosition(d, -geo.declination, east + 180);
  EXPECT_LE(antipode.elevation, -89.9L);
  EXPECT_EQ(antipode.range, antipode.geocentricDistance + 1);
  // Just off the zenith the law of sines takes over, continuously.
  const MoonPosition near = ComputeMoonPosition(d, geo.declination + 1, east);
  EXPECT_LT(near.elevation, 89.9L);
  EXPECT_NEAR(near.range, near.geocentricDistance - 1, 0.01L);
}

// Angle a - b brought into -180..180.
double AngleDifference(Real a, Real b) {
  double d = std::fmod(static_cast<double>(a - b), 360.0);
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

// Another station's view of the same moon against the textbook transformation worked out
// here: the hour angle from the sun's mean longitude (sidereal time at 0h = Ls/15 + 12 h),
// the elevation by the arcsine formula, the azimuth from north through east by the
// two-argument arctangent, the parallax, and the slant range by the law of cosines.
TEST(MoonModel, FromAnotherStationMatchesTheTextbookTransformation) {
  const double deg = M_PI / 180;
  const double lat = -33.9, east = 151.2;
  for (Real d = -500; d < 500; d += 33.3L) {
    MoonPosition pos = ComputeMoonPosition(d, 48.1L, -1.6L);
    MoonFromStation(d, lat, east, &pos);
    const double dd = static_cast<double>(d);
    const double ls = 282.9404 + 4.70935e-5 * dd + 356.0470 + 0.9856002585 * dd;
    const double ut = (dd - std::floor(dd)) * 24;
    const double h = ls + 180 + 15 * ut + east - static_cast<double>(pos.rightAscension);
    const double dec = static_cast<double>(pos.declination) * deg, phi = lat * deg;
    const double elGeo = std::asin(std::sin(phi) * std::sin(dec) +
                                   std::cos(phi) * std::cos(dec) * std::cos(h * deg));
    const double az = std::atan2(-std::sin(h * deg) * std::cos(dec),
                                 std::sin(dec) * std::cos(phi) -
                                     std::cos(dec) * std::cos(h * deg) * std::sin(phi)) / deg;
    const double delta = static_cast<double>(pos.geocentricDistance);
    const double el = elGeo / deg - std::asin(1 / delta) / deg * std::cos(elGeo);
    const double se = std::sin(el * deg);
    const double range = -se + std::sqrt(se * se - 1 + delta * delta);
    EXPECT_NEAR(AngleDifference(pos.hourAngle, h), 0, 1e-6) << d;
    EXPECT_NEAR(AngleDifference(pos.azimuth, az), 0, 1e-6) << d;
    EXPECT_NEAR(static_cast<double>(pos.elevation), el, 1e-6) << d;
    EXPECT_NEAR(static_cast<double>(pos.range), range, 1e-6) << d;
  }
  MoonFromStation(0, 0, 0, nullptr);  // tolerated
}

TEST(MoonModel, DxRangeHiddenBelowMinimumElevationOrWhenAbsurd) {
  MoonPosition dx;
  dx.range = 57.3L;
  dx.elevation = 5;
  EXPECT_EQ(DxMoonRange(dx, 0), 57.3L);
  EXPECT_EQ(DxMoonRange(dx, 5), 57.3L);
  EXPECT_EQ(DxMoonRange(dx, 5.1L), 0);
  dx.range = 100.5L;
  EXPECT_EQ(DxMoonRange(dx, 0), 0);
}

TEST(MoonModel, NoNaNForPolesOrAbsurdDays) {
  const Real huge = std::numeric_limits<Real>::max();
  for (Real d : {-huge, -1e7L, -3543.0L, 0.0L, 0.5L, 9999.99L, 1e7L, 1e30L, huge}) {
    for (Real lat : {-90.0L, 0.0L, 90.0L}) {
      for (Real lon : {-180.0L, 0.0L, 180.0L, 720.0L}) {
        const MoonPosition m = ComputeMoonPosition(d, lat, lon);
        const Real all[] = {m.eclipticLongitude,  m.eclipticLatitude,
                            m.distance,           m.rightAscension,
                            m.declination,        m.geocentricDistance,
                            m.greenwichHourAngle, m.subLunarLongitude,
                            m.hourAngle,          m.azimuth,
                            m.elevation,          m.range};
        for (Real v : all) ASSERT_TRUE(std::isfinite(v)) << d << " " << lat << " " << lon;
        ASSERT_LE(m.keplerIterations, 51);
        ASSERT_GE(m.elevation, -90);
        ASSERT_LE(m.elevation, 90);
        ASSERT_GE(m.azimuth, 0);
        ASSERT_LE(m.azimuth, 360);
        if (std::fabs(d) > 1e5 || lat == 0) continue;
        // At a pole the moon stands at its declination (less the parallax), and the
        // azimuth is the hour angle turned by half a turn (north pole) or mirrored (south).
        const double dec = static_cast<double>(m.declination) * (lat > 0 ? 1 : -1);
        const double parallax = std::asin(1 / static_cast<double>(m.geocentricDistance));
        const double el = dec - parallax * 180 / M_PI * std::cos(dec * M_PI / 180);
        EXPECT_NEAR(static_cast<double>(m.elevation), el, 1e-6) << d << " " << lat;
        const Real az = lat > 0 ? m.hourAngle + 180 : 360 - m.hourAngle;
        EXPECT_NEAR(AngleDifference(m.azimuth, az), 0, 1e-6) << d << " " << lat << " " << lon;
      }
    }
  }
}

}  // namespace
}  // namespace orbit
