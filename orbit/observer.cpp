#include "orbit/observer.h"

#include <algorithm>
#include <cmath>

#include "orbit/fast_trig.h"

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
}

void Observer::SetAttitude(bool known, Real alat, Real alon) {
  attitude_ = known;
  const Real la = alat * kPi / 180, lo = alon * kPi / 180;
  attitudeVec_[0] = Cos(la) * Cos(lo);
  attitudeVec_[1] = Cos(la) * Sin(lo);
  attitudeVec_[2] = Sin(la);
}

void Observer::StartRun() {
  range1_ = 0;
  range2_ = 0;
  view_ = ObserverView{};
}

const ObserverView& Observer::Observe(const Propagator& prop, Real x, Real step) {
  const OrbitState& s = prop.state();
  const Real dx = s.x - xs_, dy = s.y - ys_, dz = s.z - zs_;
  const Real rho = std::sqrt(dx * dx + dy * dy + dz * dz);
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

}  // namespace orbit
