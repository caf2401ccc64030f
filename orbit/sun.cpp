#include "orbit/sun.h"

#include <algorithm>
#include <cmath>

namespace orbit {

namespace {

// The sun model keeps its own ten-digit constants.
constexpr Real kSunPi = 3.1415926535L;
constexpr Real kSunTwoPi = 6.283185307L;
constexpr Real kSunRad = kSunPi / 180;

constexpr Real kTropicalYear = 365.242197L;
constexpr Real kTheta0 = 99.4033L;  // Greenwich angle at the epoch, degrees
constexpr Real kM0 = 356.6349L;     // mean anomaly at the epoch, degrees
constexpr Real kMeanMotion = 0.98560027L;
constexpr Real kC1 = 0.03343L;
constexpr Real kC2 = 0.00034L;
constexpr Real kObliquity = 23.4406L;
constexpr Real kEarthRadiusKm = 6378.137L;

// θ0 and M0 are the values of 1990 January 0.0, i.e. 1989-12-31 00:00 UTC
// (date-time value 32873); counting from 1990-01-01 would put the sun a day late.
constexpr Real kSunEpoch = 32873;

Real Clamp1(Real x) {
  return std::clamp(x, Real(-1), Real(1));
}

// Keeps NaN or infinity (from absurd inputs) out of every result.
Real Finite(Real x) {
  return std::isfinite(x) ? x : 0;
}

// The ten-digit π makes arcsin(1) come out a hair above 90°.
Real LatitudeDegrees(Real radians) {
  return std::clamp(Finite(radians / kSunRad), Real(-90), Real(90));
}

}  // namespace

SubSolarPoint ComputeSubSolarPoint(Real localTime, Real localOffsetHours) {
  const Real d = (localTime - localOffsetHours / 24) - kSunEpoch;
  const Real theta0 = kTheta0 * kSunRad;
  const Real greenwich = (kSunTwoPi / kTropicalYear + kSunTwoPi) * d + theta0;
  const Real meanLongitude = kSunTwoPi * d / kTropicalYear + theta0 + kSunPi;
  const Real meanAnomaly = (kMeanMotion * d + kM0) * kSunPi / 180;
  const Real lambda = meanLongitude + kC1 * std::sin(meanAnomaly) + kC2 * std::sin(2 * meanAnomaly);

  const Real eps = kObliquity * kSunRad;
  const Real x = std::cos(lambda);
  const Real y = std::sin(lambda) * std::cos(eps);
  const Real z = std::sin(lambda) * std::sin(eps);
  // Rotation by -A; the sign of y' makes the longitude west-positive.
  const Real xr = x * std::cos(-greenwich) - y * std::sin(-greenwich);
  const Real yr = -x * std::sin(-greenwich) - y * std::cos(-greenwich);

  SubSolarPoint p;
  p.declination = LatitudeDegrees(std::asin(Clamp1(z)));
  p.westLongitude = Finite(std::atan2(yr, xr) / kSunRad);
  return p;
}

SunAzEl ComputeSunAzEl(const SubSolarPoint& sun, Real stationLat, Real stationWestLon) {
  const Real dec = sun.declination * kSunRad;
  const Real lat = stationLat * kSunRad;
  const Real hourAngle = (stationWestLon - sun.westLongitude) * kSunRad;

  const Real el = std::asin(
      Clamp1(std::sin(dec) * std::sin(lat) + std::cos(dec) * std::cos(lat) * std::cos(hourAngle)));
  const Real cosEl = std::cos(el);
  const Real divisor = cosEl * std::cos(lat);

  SunAzEl out;
  out.elevation = LatitudeDegrees(el);
  // At a pole or with the sun at the zenith the azimuth is undefined: report north.
  if (divisor == 0 || !std::isfinite(divisor)) return out;
  Real az = std::acos(Clamp1((std::sin(dec) - std::sin(el) * std::sin(lat)) / divisor)) / kSunRad;
  // cos el > 0 here, so the sign of sin(λ − α)·cos δ / cos el is that of the numerator.
  if (std::sin(hourAngle) * std::cos(dec) < 0) az = 360 - az;
  if (az >= 360) az -= 360;
  out.azimuth = Finite(az);
  return out;
}

bool TestSunlit(Real subLat, Real subWestLon, Real distanceKm, const SubSolarPoint& sun) {
  const Real dec = sun.declination * kSunRad;
  const Real lat = subLat * kSunRad;
  const Real psi = std::acos(
      Clamp1(std::sin(dec) * std::sin(lat) +
             std::cos(dec) * std::cos(lat) * std::cos((subWestLon - sun.westLongitude) * kSunRad)));
  // Inside the Earth (or a nonsense distance) the shadow starts right at the terminator.
  const Real ratio = distanceKm > kEarthRadiusKm ? kEarthRadiusKm / distanceKm : 1;
  const Real shadowEdge = std::acos(Clamp1(ratio)) + kSunPi / 2;
  if (!std::isfinite(psi)) return true;
  return !(psi > shadowEdge);
}

bool TestSunlit(Real subLat, Real subWestLon, Real distanceKm, Real localTime,
                Real localOffsetHours) {
  return TestSunlit(subLat, subWestLon, distanceKm,
                    ComputeSubSolarPoint(localTime, localOffsetHours));
}

}  // namespace orbit
