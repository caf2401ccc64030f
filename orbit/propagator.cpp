#include "orbit/propagator.h"

#include <cmath>

#include "orbit/fast_trig.h"

namespace orbit {

Real SolveKepler(Real m, Real e, int* iterations, int maxIterations, Real* sinE, Real* cosE) {
  Real ecc = e;
  Real big = m + ecc * Sin(m) + (ecc * ecc / 2) * Sin(2 * m);
  int count = 0;
  // Eccentricities near 1 converge slowly from this start; the cap keeps a damaged
  // element set from hanging the search.
  Real s = Sin(big);
  Real c = Cos(big);
  for (; count < maxIterations; ++count) {
    const Real d = 1 - ecc * c;
    const Real delta = big - ecc * s - m;
    if (std::fabs(delta) < 1e-6L) break;
    big = big - delta / d;
    s = Sin(big);
    c = Cos(big);
  }
  if (iterations != nullptr) *iterations = count;
  if (sinE != nullptr) *sinE = s;
  if (cosE != nullptr) *cosE = c;
  return big;
}

void Propagator::SetUp(const SatelliteElements& elements, const CalendarFields& start) {
  el_ = elements;
  const Real epochYear = ResolveEpochYear(el_.epochYear, start.year);
  clock_.SetEpoch(epochYear, el_.epochDay);
  clock_.SetStart(start);
  // The epoch day counts from January 0 of the epoch's year, so the year-start angle
  // must be that year's too (December elements used in January would turn the Earth).
  g0_ = SiderealAngleAtYearStart(epochYear);
  oneMinusE2_ = 1 - el_.eccentricity * el_.eccentricity;
  sqrtOneMinusE2_ = std::sqrt(std::fmax(oneMinusE2_, 0.0L));
  sinI_ = Sin(el_.inclination * kDegree);
  cosI_ = Cos(el_.inclination * kDegree);
  epochRevs_ = el_.revolutionNumber + el_.meanAnomaly / 360;
  refreshOrbit_ = 9e9L;
  state_ = OrbitState{};
  clock_.AdvanceClock(0);
  Refresh(clock_.elapsed());
  Phase(clock_.elapsed());
}

void Propagator::Refresh(Real t) {
  refreshOrbit_ = state_.orbitNumber;
  n_ = el_.meanMotion + el_.meanMotionDrift * t;
  // A damaged set may carry no mean motion at all; keep the arithmetic finite.
  if (!(n_ > 1e-6L)) n_ = 1e-6L;
  a_ = std::cbrt(kOrbitConstant / (n_ * n_));
  const Real denom = oneMinusE2_ * oneMinusE2_;
  k_ = denom > 0 ? kSecularRate * std::pow(kEarthRadiusKm / a_, 3.5L) / denom : 0;
  node_ = el_.raan - k_ * t * cosI_;
  perigee_ = el_.argPerigee + k_ * t * (5 * cosI_ * cosI_ - 1) / 2;
  const Real so = Sin(node_ * kDegree), co = Cos(node_ * kDegree);
  const Real sw = Sin(perigee_ * kDegree), cw = Cos(perigee_ * kDegree);
  p_[0] = cw * co - sw * so * cosI_;
  p_[1] = cw * so + sw * co * cosI_;
  p_[2] = sw * sinI_;
  q_[0] = -sw * co - cw * so * cosI_;
  q_[1] = -sw * so + cw * co * cosI_;
  q_[2] = cw * sinI_;
  w_[0] = sinI_ * so;
  w_[1] = -sinI_ * co;
  w_[2] = cosI_;
}

void Propagator::Phase(Real t) {
  const Real x = n_ * t + epochRevs_;
  state_.orbitNumber = Int(x);
  const Real frac = x - Int(x);
  state_.phase = static_cast<int>(Int(frac * 256));
  meanAnomaly_ = frac * kTwoPi;
}

const OrbitState& Propagator::Propagate(Real x) {
  clock_.AdvanceClock(x);
  const Real t = clock_.elapsed();
  Phase(t);
  if (state_.orbitNumber != refreshOrbit_) Refresh(t);

  const Real e = el_.eccentricity;
  Real s = 0, c = 1;
  SolveKepler(meanAnomaly_, e, &keplerIterations_, 100, &s, &c);
  const Real d = 1 - e * c;
  const Real x0 = a_ * (c - e);
  const Real y0 = a_ * sqrtOneMinusE2_ * s;
  state_.r = a_ * d;

  const Real sx = x0 * p_[0] + y0 * q_[0];
  const Real sy = x0 * p_[1] + y0 * q_[1];
  const Real sz = x0 * p_[2] + y0 * q_[2];

  const Real g = (el_.epochDay + t) * kSiderealRatio + g0_;
  const Real angle = (g - Int(g)) * kTwoPi;
  state_.cosG = Cos(angle);
  state_.sinG = Sin(angle);
  state_.x = sx * state_.cosG + sy * state_.sinG;
  state_.y = -sx * state_.sinG + sy * state_.cosG;
  state_.z = sz;
  return state_;
}

}  // namespace orbit
