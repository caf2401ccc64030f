#include "orbit/observer.h"

#include <algorithm>
#include <cmath>

#include "orbit/fast_trig.h"
#include "orbit/hot_path.h"

namespace orbit {

namespace {
Real Clamp1(Real v) { return std::clamp(v, -1.0L, 1.0L); }
}  // namespace

Real QuadrantAngle(Real x, Real y) {
  const Real s = y >= 0 ? 1 : -1;
  Real a;
  if (x != 0) {
    a = Atan(y / x);
    if (x < 0) a = a + s * kPi;
  } else {
    a = s * kPi / 2;
  }
  if (a < 0) a = a + kTwoPi;
  return a;
}

double QuadrantAngleFast(double x, double y) {
  constexpr double kPiD = static_cast<double>(kPi);
  constexpr double kTwoPiD = static_cast<double>(kTwoPi);
  const double s = y >= 0 ? 1 : -1;
  double a;
  if (x != 0) {
    a = AtanOfRatioFast(y, x);
    if (x < 0) a = a + s * kPiD;
  } else {
    a = s * kPiD / 2;
  }
  if (a < 0) a = a + kTwoPiD;
  return a;
}

void Observer::SetStation(Real latitude, Real westLongitude, Real altitudeMetres) {
  const Real phi = latitude * kDegree;
  const Real lambda = westLongitude * kDegree;
  sinLat_ = Sin(phi);
  cosLat_ = Cos(phi);
  minusSinLon_ = -Sin(lambda);
  cosLon_ = Cos(lambda);
  rs_ = (Cos(2 * phi) * kFlattening / 2 + 1 - kFlattening / 2) * kEarthRadiusKm +
        altitudeMetres / 1000;
  xs_ = rs_ * cosLat_ * cosLon_;
  ys_ = rs_ * cosLat_ * minusSinLon_;
  zs_ = rs_ * sinLat_;
  fSinLat_ = static_cast<double>(sinLat_);
  fCosLat_ = static_cast<double>(cosLat_);
  fMinusSinLon_ = static_cast<double>(minusSinLon_);
  fCosLon_ = static_cast<double>(cosLon_);
  fXs_ = static_cast<double>(xs_);
  fYs_ = static_cast<double>(ys_);
  fZs_ = static_cast<double>(zs_);
  fUp_[0] = fCosLat_ * fCosLon_;
  fUp_[1] = fCosLat_ * fMinusSinLon_;
  fUp_[2] = fSinLat_;
  fNorth_[0] = -fCosLon_ * fSinLat_;
  fNorth_[1] = -fMinusSinLon_ * fSinLat_;
  fNorth_[2] = fCosLat_;
  fEast_[0] = -fMinusSinLon_;
  fEast_[1] = fCosLon_;
}

void Observer::SetAttitude(bool known, Real alat, Real alon) {
  attitude_ = known;
  const Real la = alat * kPi / 180, lo = alon * kPi / 180;
  attitudeVec_[0] = Cos(la) * Cos(lo);
  attitudeVec_[1] = Cos(la) * Sin(lo);
  attitudeVec_[2] = Sin(la);
  for (int i = 0; i < 3; ++i) fAttitude_[i] = static_cast<double>(attitudeVec_[i]);
}

void Observer::StartRun() {
  range1_ = 0;
  range2_ = 0;
  view_ = ObserverView{};
  fastRange1_ = 0;
  fastRange2_ = 0;
  fastView_ = FastView{};
}

Real Observer::RangeTo(const OrbitState& s) const {
  const Real dx = s.x - xs_, dy = s.y - ys_, dz = s.z - zs_;
  return std::sqrt(dx * dx + dy * dy + dz * dz);
}

void Observer::SetRangeHistory(Real previous, Real beforePrevious) {
  range1_ = previous;
  range2_ = beforePrevious;
}

const ObserverView& Observer::Observe(const Propagator& prop, Real x, Real step) {
  const OrbitState& s = prop.state();
  const Real dx = s.x - xs_, dy = s.y - ys_, dz = s.z - zs_;
  const Real rho = RangeTo(s);
  const Real up = dx * cosLat_ * cosLon_ + dy * cosLat_ * minusSinLon_ + dz * sinLat_;
  const Real north = -dx * cosLon_ * sinLat_ - dy * minusSinLon_ * sinLat_ + dz * cosLat_;
  const Real east = dy * cosLon_ - dx * minusSinLon_;

  // asin of a clamped ratio: the zenith and the poles give +-90 instead of a division by 0.
  view_.elevation = rho > 0 ? Asin(Clamp1(up / rho)) / kDegree : 90;
  view_.azimuth = QuadrantAngle(north, east) / kDegree;
  view_.subWestLongitude = 360 - QuadrantAngle(s.x, s.y) / kDegree;
  view_.subLatitude = s.r > 0 ? Asin(Clamp1(s.z / s.r)) / kDegree : 0;
  view_.range = rho;
  view_.distance = s.r;
  view_.phase = s.phase;
  view_.orbitNumber = s.orbitNumber;

  if (attitude_ && rho > 0) {
    const Real* p = prop.P();
    const Real* q = prop.Q();
    const Real* w = prop.W();
    const Real* a = attitudeVec_;
    const Real ix = a[0] * p[0] + a[1] * q[0] + a[2] * w[0];
    const Real iy = a[0] * p[1] + a[1] * q[1] + a[2] * w[1];
    const Real iz = a[0] * p[2] + a[1] * q[2] + a[2] * w[2];
    const Real ex = ix * s.cosG + iy * s.sinG;
    const Real ey = -ix * s.sinG + iy * s.cosG;
    const Real ez = iz;
    const Real dot = -(dx * ex + dy * ey + dz * ez) / rho;
    view_.squint = Acos(Clamp1(dot)) * 180 / kPi;
  } else {
    view_.squint = 0;
  }

  if (x > step) {
    view_.rangeRate = (range2_ - 4 * range1_ + 3 * rho) / (step * 172800);
    view_.doppler1000 = -(view_.rangeRate * 1e9L) / kSpeedOfLight;
  }
  range2_ = range1_;
  range1_ = rho;
  return view_;
}

ORVANE_HOT_PATH FastSight Observer::SightFast(const FastOrbitState& s) const {
  const double dx = s.x - fXs_, dy = s.y - fYs_, dz = s.z - fZs_;
  FastSight out;
  out.range = std::sqrt(dx * dx + dy * dy + dz * dz);
  out.up = dx * fUp_[0] + dy * fUp_[1] + dz * fUp_[2];
  return out;
}

ORVANE_HOT_PATH const FastView& Observer::ObserveFast(const Propagator& prop, Real x, Real step) {
  constexpr double kDegreeD = static_cast<double>(kDegree);
  constexpr double kPiD = static_cast<double>(kPi);
  const FastOrbitState& s = prop.fastState();
  const double dx = s.x - fXs_, dy = s.y - fYs_, dz = s.z - fZs_;
  const double rho = std::sqrt(dx * dx + dy * dy + dz * dz);
  // The directions' products are the station's: one product a term on the way.
  const double up = dx * fUp_[0] + dy * fUp_[1] + dz * fUp_[2];
  const double north = dx * fNorth_[0] + dy * fNorth_[1] + dz * fNorth_[2];
  const double east = dx * fEast_[0] + dy * fEast_[1];

  // Elevation and latitude as arctangents over the horizontal parts: the same angles as
  // the arcsines of up/range and z/r (the frames are orthonormal), one square root and one
  // division fewer each. Degrees by a product with the reciprocal, not a division.
  constexpr double kToDegrees = 1 / kDegreeD;
  const double horizontal = std::sqrt(north * north + east * east);
  const double equatorial = std::sqrt(s.x * s.x + s.y * s.y);
  FastView& v = fastView_;
  v.elevation = horizontal > 0 ? AtanOfRatioFast(up, horizontal) * kToDegrees : up < 0 ? -90 : 90;
  v.azimuth = QuadrantAngleFast(north, east) * kToDegrees;
  v.subWestLongitude = 360 - QuadrantAngleFast(s.x, s.y) * kToDegrees;
  v.subLatitude = equatorial > 0 ? AtanOfRatioFast(s.z, equatorial) * kToDegrees
                  : s.z > 0      ? 90
                  : s.z < 0      ? -90
                                 : 0;
  v.range = rho;
  v.distance = s.r;
  v.phase = prop.state().phase;
  v.orbitNumber = prop.stateOrbitNumber();

  if (attitude_ && rho > 0) {
    const double* p = prop.FastP();
    const double* q = prop.FastQ();
    const double* w = prop.FastW();
    const double* a = fAttitude_;
    const double ix = a[0] * p[0] + a[1] * q[0] + a[2] * w[0];
    const double iy = a[0] * p[1] + a[1] * q[1] + a[2] * w[1];
    const double iz = a[0] * p[2] + a[1] * q[2] + a[2] * w[2];
    const double ex = ix * s.cosG + iy * s.sinG;
    const double ey = -ix * s.sinG + iy * s.cosG;
    const double dot = -(dx * ex + dy * ey + dz * iz) / rho;
    v.squint = AcosFast(std::clamp(dot, -1.0, 1.0)) * 180 / kPiD;
  } else {
    v.squint = 0;
  }

  if (x > step) {
    v.rangeRate = (fastRange2_ - 4 * fastRange1_ + 3 * rho) / static_cast<double>(step * 172800);
    v.doppler1000 = -(v.rangeRate * 1e9) / static_cast<double>(kSpeedOfLight);
  }
  fastRange2_ = fastRange1_;
  fastRange1_ = rho;
  return v;
}

}  // namespace orbit
