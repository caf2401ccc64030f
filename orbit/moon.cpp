#include "orbit/moon.h"

#include <algorithm>
#include <cmath>

namespace orbit {

namespace {

constexpr Real kRadToDeg = 180 / kPi;
// 1999-12-31 00:00 UTC as a date-time value ("2000 January 0.0").
constexpr Real kMoonEpoch = 36525;
constexpr Real kTolerance = 0.005L;
constexpr int kMaxKeplerEvaluations = 51;

Real SinD(Real x) {
  return std::sin(x / kRadToDeg);
}
Real CosD(Real x) {
  return std::cos(x / kRadToDeg);
}
Real Atan2D(Real y, Real x) {
  return std::atan2(y, x) * kRadToDeg;
}
Real AsinD(Real x) {
  return std::asin(std::clamp(x, Real(-1), Real(1))) * kRadToDeg;
}
Real Finite(Real x) {
  return std::isfinite(x) ? x : 0;
}

// Normalises an angle to 0 <= x < 360.
Real Rev(Real x) {
  if (!std::isfinite(x)) return 0;
  Real r = x - 360 * std::trunc(x / 360);
  if (r < 0) r += 360;
  return r >= 360 ? 0 : r;
}

// Brings an hour value once into 0..24.
Real OnceInto24(Real h) {
  if (h >= 24) return h - 24;
  if (h < 0) return h + 24;
  return h;
}

// Sun's mean longitude at d: the base of the sidereal time.
Real SunMeanLongitude(Real d) {
  const Real ws = Rev(282.9404L + 4.70935e-5L * d);
  const Real ms = Rev(356.0470L + 0.9856002585L * d);
  return Rev(ws + ms);
}

Real UniversalHours(Real d) {
  return (d - std::floor(d)) * 24;
}

}  // namespace

Real SolveKeplerDegrees(Real meanAnomaly, Real eccentricity, int* evaluations) {
  const Real m = meanAnomaly, e = eccentricity;
  Real e0 = m + kRadToDeg * e * SinD(m) * (1 + e * CosD(m));
  Real e1 = e0;
  int count = 0;
  while (count < kMaxKeplerEvaluations) {
    ++count;
    e1 = e0 - (e0 - kRadToDeg * e * SinD(e0) - m) / (1 - e * CosD(e0));
    if (!std::isfinite(e1)) e1 = e0;  // a failed step keeps the last value
    if (std::fabs(e0 - e1) < kTolerance) break;
    e0 = e1;
  }
  if (evaluations != nullptr) *evaluations = count;
  return e1;
}

Real MoonDayNumber(Real utcDateTimeValue) {
  return utcDateTimeValue - kMoonEpoch;
}

MoonPosition ComputeMoonPosition(Real d, Real stationLat, Real stationEastLon) {
  MoonPosition pos;

  // Orbital elements.
  const Real n = Rev(125.1228L - 0.0529538083L * d);
  const Real i = 5.1454L;
  const Real w = Rev(318.0634L + 0.1643573223L * d);
  const Real a = 60.2666L;
  const Real e = 0.0549L;
  const Real m = Rev(115.3654L + 13.0649929509L * d);
  const Real ms = Rev(356.0470L + 0.9856002585L * d);
  const Real ecl = 23.4393L - 3.563e-7L * d;

  int evaluations = 0;
  const Real ecc = Rev(SolveKeplerDegrees(m, e, &evaluations));
  pos.keplerIterations = evaluations;

  // Position in the orbit plane.
  const Real x = a * (CosD(ecc) - e);
  const Real y = a * std::sqrt(1 - e * e) * SinD(ecc);
  Real r = std::sqrt(x * x + y * y);
  const Real v = Rev(Atan2D(y, x));

  // Ecliptic position.
  const Real xe = r * (CosD(n) * CosD(v + w) - SinD(n) * SinD(v + w) * CosD(i));
  const Real ye = r * (SinD(n) * CosD(v + w) + CosD(n) * SinD(v + w) * CosD(i));
  const Real ze = r * SinD(v + w) * SinD(i);
  Real lon = Rev(Atan2D(ye, xe));
  Real lat = Atan2D(ze, std::sqrt(xe * xe + ye * ye));

  // Perturbations.
  const Real ls = SunMeanLongitude(d);
  const Real lm = Rev(n + w + m);
  const Real dd = Rev(lm - ls);
  const Real f = Rev(lm - n);
  lon += -1.274L * SinD(m - 2 * dd) + 0.658L * SinD(2 * dd) - 0.186L * SinD(ms) -
         0.059L * SinD(2 * m - 2 * dd) - 0.057L * SinD(m - 2 * dd + ms) +
         0.053L * SinD(m + 2 * dd) + 0.046L * SinD(2 * dd - ms) + 0.041L * SinD(m - ms) -
         0.035L * SinD(dd) - 0.031L * SinD(m + ms) - 0.015L * SinD(2 * f - 2 * dd) +
         0.011L * SinD(m - 4 * dd);
  lat += -0.173L * SinD(f - 2 * dd) - 0.055L * SinD(m - f - 2 * dd) -
         0.046L * SinD(m + f - 2 * dd) + 0.033L * SinD(f + 2 * dd) + 0.017L * SinD(2 * m + f);
  r += -0.58L * CosD(m - 2 * dd) - 0.46L * CosD(2 * dd);
  lon = Rev(lon);
  pos.eclipticLongitude = lon;
  pos.eclipticLatitude = Finite(lat);
  pos.distance = Finite(r);

  // Equatorial position.
  const Real xg = r * CosD(lon) * CosD(lat);
  const Real yg = r * SinD(lon) * CosD(lat);
  const Real zg = r * SinD(lat);
  const Real xq = xg;
  const Real yq = yg * CosD(ecl) - zg * SinD(ecl);
  const Real zq = yg * SinD(ecl) + zg * CosD(ecl);
  pos.rightAscension = Rev(Atan2D(yq, xq));
  pos.declination = Finite(Atan2D(zq, std::sqrt(xq * xq + yq * yq)));
  pos.geocentricDistance = Finite(std::sqrt(xq * xq + yq * yq + zq * zq));

  // Greenwich hour angle and the sub-lunar point.
  const Real gmst0 = ls / 15 + 12;
  const Real g = OnceInto24(gmst0 + UniversalHours(d));
  const Real gha = Rev(15 * g - pos.rightAscension);
  pos.greenwichHourAngle = gha;
  pos.subLunarLongitude = SubLunarLongitude(gha, &pos.subLunarWest);
  pos.subLunarLatitude = pos.declination;

  MoonFromStation(d, stationLat, stationEastLon, &pos);
  return pos;
}

Real SubLunarLongitude(Real greenwichHourAngle, bool* west) {
  const bool isWest = greenwichHourAngle > 0 && greenwichHourAngle <= 180;
  if (west != nullptr) *west = isWest;
  return isWest ? greenwichHourAngle : 360 - greenwichHourAngle;
}

void MoonFromStation(Real d, Real stationLat, Real stationEastLon, MoonPosition* pos) {
  if (pos == nullptr) return;
  const Real gmst0 = SunMeanLongitude(d) / 15 + 12;
  const Real s = OnceInto24(gmst0 + UniversalHours(d) + stationEastLon / 15);
  const Real h = Rev(15 * s - pos->rightAscension);
  pos->hourAngle = h;

  const Real dec = pos->declination;
  const Real x = CosD(h) * CosD(dec);
  const Real y = SinD(h) * CosD(dec);
  const Real z = SinD(dec);
  const Real xh = x * SinD(stationLat) - z * CosD(stationLat);
  const Real yh = y;
  const Real zh = x * CosD(stationLat) + z * SinD(stationLat);
  Real az = Atan2D(yh, xh) + 180;
  if (az >= 360) az -= 360;
  pos->azimuth = Finite(az);
  const Real elGeo = Atan2D(zh, std::sqrt(xh * xh + yh * yh));

  // Parallax: seen from the surface the moon stands lower than from the centre.
  const Real delta = pos->geocentricDistance;
  const Real parallax = delta > 1 ? AsinD(1 / delta) : 90;
  const Real el = Finite(elGeo - parallax * CosD(elGeo));
  pos->elevation = el;

  // Slant range by the law of sines in the triangle centre - station - moon.
  if (el >= 89.9L) {
    pos->range = delta - 1;
  } else if (el <= -89.9L) {
    pos->range = delta + 1;
  } else {
    const Real sAngle = delta != 0 ? AsinD(CosD(el) / delta) : 90;
    Real divisor = SinD(el + 90);
    if (divisor == 0) divisor = 0.0001L;
    pos->range = Finite(SinD(90 - el - sAngle) * delta / divisor);
  }
}

Real DxMoonRange(const MoonPosition& dxView, Real minElevationDeg) {
  if (dxView.elevation < minElevationDeg || dxView.range > 100) return 0;
  return dxView.range;
}

}  // namespace orbit
