#include "orbit/propagator.h"

#include <cmath>

#include "orbit/fast_trig.h"

namespace orbit {

namespace {
constexpr Real kKeplerStop = 1e-6L;
// Residuals this close to the stop threshold (radians) may fall on either side of it in
// the extended solver: the two roundings differ by some 1e-15.
constexpr double kKeplerDoubt = 1e-12;
// Beyond this eccentricity, or this many steps, Newton's steps can magnify the difference
// of the two roundings: the fast solution is not trusted.
constexpr double kFastEccentricity = 0.9;
constexpr int kFastIterations = 12;
}  // namespace

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
    if (std::fabs(delta) < kKeplerStop) break;
    big = big - delta / d;
    s = Sin(big);
    c = Cos(big);
  }
  if (iterations != nullptr) *iterations = count;
  if (sinE != nullptr) *sinE = s;
  if (cosE != nullptr) *cosE = c;
  return big;
}

double SolveKeplerFast(double m, double e, double* sinE, double* cosE, bool* borderline,
                       int maxIterations) {
  constexpr double kStop = static_cast<double>(kKeplerStop);
  double sm = 0, cm = 1;
  SinCos(m, &sm, &cm);
  double big = m + e * sm + (e * e / 2) * (2 * sm * cm);
  double s = 0, c = 1;
  SinCos(big, &s, &c);
  bool doubt = !(e <= kFastEccentricity);
  int count = 0;
  for (; count < maxIterations; ++count) {
    const double delta = big - e * s - m;
    const double size = std::fabs(delta);
    if (std::fabs(size - kStop) <= kKeplerDoubt) doubt = true;
    if (size < kStop) break;
    big = big - delta / (1 - e * c);
    SinCos(big, &s, &c);
  }
  // A residual that is not a number never meets the test: the extended solver decides.
  if (count >= kFastIterations || !std::isfinite(big)) doubt = true;
  *sinE = s;
  *cosE = c;
  *borderline = doubt;
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
  fastE_ = static_cast<double>(el_.eccentricity);
  fastSqrtOneMinusE2_ = static_cast<double>(sqrtOneMinusE2_);
  refreshOrbit_ = 9e9L;
  termsValid_ = false;
  state_ = OrbitState{};
  fast_ = FastOrbitState{};
  for (Instant& h : history_) h = Instant{};
  clock_.AdvanceClock(0);
  Refresh(clock_.elapsed());
  Phase(clock_.elapsed());
}

SecularTerms Propagator::Terms(Real t) const {
  SecularTerms s;
  s.n = el_.meanMotion + el_.meanMotionDrift * t;
  // A damaged set may carry no mean motion at all; keep the arithmetic finite.
  if (!(s.n > 1e-6L)) s.n = 1e-6L;
  s.a = std::cbrt(kOrbitConstant / (s.n * s.n));
  const Real denom = oneMinusE2_ * oneMinusE2_;
  s.k = denom > 0 ? kSecularRate * std::pow(kEarthRadiusKm / s.a, 3.5L) / denom : 0;
  s.node = el_.raan - s.k * t * cosI_;
  s.perigee = el_.argPerigee + s.k * t * (5 * cosI_ * cosI_ - 1) / 2;
  const Real so = Sin(s.node * kDegree), co = Cos(s.node * kDegree);
  const Real sw = Sin(s.perigee * kDegree), cw = Cos(s.perigee * kDegree);
  s.p[0] = cw * co - sw * so * cosI_;
  s.p[1] = cw * so + sw * co * cosI_;
  s.p[2] = sw * sinI_;
  s.q[0] = -sw * co - cw * so * cosI_;
  s.q[1] = -sw * so + cw * co * cosI_;
  s.q[2] = cw * sinI_;
  s.w[0] = sinI_ * so;
  s.w[1] = -sinI_ * co;
  s.w[2] = cosI_;
  return s;
}

void Propagator::Refresh(Real t) {
  refreshOrbit_ = state_.orbitNumber;
  // The first evaluation after the set-up refreshes again at the same instant.
  if (termsValid_ && t == refreshT_) return;
  termsValid_ = true;
  refreshT_ = t;
  terms_ = Terms(t);
  fastA_ = static_cast<double>(terms_.a);
  for (int i = 0; i < 3; ++i) {
    fastP_[i] = static_cast<double>(terms_.p[i]);
    fastQ_[i] = static_cast<double>(terms_.q[i]);
    fastW_[i] = static_cast<double>(terms_.w[i]);
  }
}

void Propagator::Phase(Real t) {
  const Real x = terms_.n * t + epochRevs_;
  state_.orbitNumber = Int(x);
  const Real frac = x - Int(x);
  state_.phase = static_cast<int>(Int(frac * 256));
  meanAnomaly_ = frac * kTwoPi;
}

// Clock, phase and refresh: the extended bookkeeping both evaluations share.
void Propagator::Advance(Real x) {
  // The same instant again (fast, then extended): its phase was taken before a refresh
  // it may have caused, and must not be taken again with the new mean motion.
  if (history_[0].valid && history_[0].x == x) return;
  clock_.AdvanceClock(x);
  const Real t = clock_.elapsed();
  Phase(t);
  if (state_.orbitNumber != refreshOrbit_) Refresh(t);
  history_[2] = history_[1];
  history_[1] = history_[0];
  history_[0] = Instant{x, meanAnomaly_, refreshT_, state_.orbitNumber, state_.phase, true};
}

Real Propagator::GreenwichAngle(Real t) const {
  const Real g = (el_.epochDay + t) * kSiderealRatio + g0_;
  return (g - Int(g)) * kTwoPi;
}

OrbitState Propagator::Position(const SecularTerms& terms, Real meanAnomaly, Real t,
                                int* iterations) const {
  OrbitState out;
  const Real e = el_.eccentricity;
  Real s = 0, c = 1;
  SolveKepler(meanAnomaly, e, iterations, 100, &s, &c);
  const Real d = 1 - e * c;
  const Real x0 = terms.a * (c - e);
  const Real y0 = terms.a * sqrtOneMinusE2_ * s;
  out.r = terms.a * d;

  const Real sx = x0 * terms.p[0] + y0 * terms.q[0];
  const Real sy = x0 * terms.p[1] + y0 * terms.q[1];
  const Real sz = x0 * terms.p[2] + y0 * terms.q[2];

  const Real angle = GreenwichAngle(t);
  out.cosG = Cos(angle);
  out.sinG = Sin(angle);
  out.x = sx * out.cosG + sy * out.sinG;
  out.y = -sx * out.sinG + sy * out.cosG;
  out.z = sz;
  return out;
}

const OrbitState& Propagator::Propagate(Real x) {
  Advance(x);
  const OrbitState pos = Position(terms_, meanAnomaly_, clock_.elapsed(), &keplerIterations_);
  state_.x = pos.x;
  state_.y = pos.y;
  state_.z = pos.z;
  state_.r = pos.r;
  state_.cosG = pos.cosG;
  state_.sinG = pos.sinG;
  return state_;
}

const FastOrbitState& Propagator::PropagateFast(Real x) {
  Advance(x);
  const double e = fastE_;
  double s = 0, c = 1;
  SolveKeplerFast(static_cast<double>(meanAnomaly_), e, &s, &c, &fast_.borderline);
  const double x0 = fastA_ * (c - e);
  const double y0 = fastA_ * fastSqrtOneMinusE2_ * s;
  fast_.r = fastA_ * (1 - e * c);
  const double sx = x0 * fastP_[0] + y0 * fastQ_[0];
  const double sy = x0 * fastP_[1] + y0 * fastQ_[1];
  const double sz = x0 * fastP_[2] + y0 * fastQ_[2];
  SinCos(static_cast<double>(GreenwichAngle(clock_.elapsed())), &fast_.sinG, &fast_.cosG);
  fast_.x = sx * fast_.cosG + sy * fast_.sinG;
  fast_.y = -sx * fast_.sinG + sy * fast_.cosG;
  fast_.z = sz;
  return fast_;
}

bool Propagator::LookBack(int back, OrbitState* out) const {
  if (back < 1 || back > 2 || !history_[back].valid) return false;
  const Instant& h = history_[back];
  PropagationClock clock = clock_;
  clock.AdvanceClock(h.x);
  const SecularTerms terms = h.refreshT == refreshT_ ? terms_ : Terms(h.refreshT);
  const OrbitState pos = Position(terms, h.meanAnomaly, clock.elapsed(), nullptr);
  *out = pos;
  out->orbitNumber = h.orbitNumber;
  out->phase = h.phase;
  return true;
}

}  // namespace orbit
