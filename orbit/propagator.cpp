#include "orbit/propagator.h"

#include <cmath>

#include "orbit/fast_trig.h"
#include "orbit/hot_path.h"

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
constexpr double kSmallEccentricity = 0.01;

// floor of 0 <= v < 2^51 without the library call.
inline double FloorOfPositive(double v) {
  constexpr double kShift = 6755399441055744.0;  // 1.5 * 2^52
  const double r = (v + kShift) - kShift;
  return r > v ? r - 1 : r;
}
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

namespace {
// Inlined into the fast evaluation, and so built with it for each processor.
[[gnu::always_inline]] inline double KeplerFast(double m, double e, double* sinE,
                                                double* cosE, bool* borderline,
                                                int maxIterations) {
  constexpr double kStop = static_cast<double>(kKeplerStop);
  double sm = 0, cm = 1;
  SinCos(m, &sm, &cm);
  // The usual start M + e sin M + e^2/2 sin 2M, its step from M taken on its own.
  const double d = e * sm + (e * e) * (sm * cm);
  double big = m + d;
  double s = 0, c = 1;
  if (e < kSmallEccentricity) {
    // Near-circular orbits start within 0.0101 rad of M: the sine and cosine of the start
    // follow from those of M by the addition formulas, with sin d and cos d - 1 as short
    // series (good to 1e-17) of few dependent steps. Products with the reciprocals, not
    // divisions: the terms they scale are below 1e-4.
    const double d2 = d * d;
    const double d3 = d * d2;
    const double d4 = d2 * d2;
    const double sd = d + d3 * (-1.0 / 6 + d2 * (1.0 / 120));
    const double cdm1 = d2 * -0.5 + d4 * (1.0 / 24 + d2 * (-1.0 / 720));
    s = sm + (sm * cdm1 + cm * sd);
    c = cm + (cm * cdm1 - sm * sd);
  } else {
    SinCos(big, &s, &c);
  }
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
}  // namespace

double SolveKeplerFast(double m, double e, double* sinE, double* cosE, bool* borderline,
                       int maxIterations) {
  return KeplerFast(m, e, sinE, cosE, borderline, maxIterations);
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
  head_ = 0;
  refreshCount_ = 0;
  fastDone_ = false;
  clock_.AdvanceClock(0);
  startElapsed_ = clock_.elapsed();
  const Real turn = (el_.epochDay + startElapsed_) * kSiderealRatio + g0_;
  startTurnFraction_ = static_cast<double>(turn - Int(turn));
  exact_ = true;
  Refresh(clock_.elapsed());
  PhaseOf(terms_.n, clock_.elapsed(), &state_.orbitNumber, &state_.phase, &meanAnomaly_);
  stateOrbitNumber_ = static_cast<double>(state_.orbitNumber);
}

SecularTerms Propagator::Terms(Real t) const {
  SecularTerms s;
  s.n = el_.meanMotion + el_.meanMotionDrift * t;
  // A damaged set may carry no mean motion at all; keep the arithmetic finite.
  if (!(s.n > 1e-6L)) s.n = 1e-6L;
  s.a = std::cbrt(kOrbitConstant / (s.n * s.n));
  const Real denom = oneMinusE2_ * oneMinusE2_;
  // (R/a)^3.5 as a cube times a square root: two products and one root instruction where
  // the extended power function takes longer than a hundred evaluations.
  const Real ratio = kEarthRadiusKm / s.a;
  s.k = denom > 0 ? kSecularRate * (ratio * ratio * ratio * std::sqrt(ratio)) / denom : 0;
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
  fastRefreshOrbit_ = static_cast<double>(refreshOrbit_);
  ++refreshCount_;
  refreshes_[refreshCount_ & 3] = RefreshRecord{t};
  // The first evaluation after the set-up refreshes again at the same instant.
  if (termsValid_ && t == refreshT_) return;
  termsValid_ = true;
  refreshT_ = t;
  terms_ = Terms(t);
  // The fast phase: revolutions at the start instant with these terms, whole and fraction.
  const Real startRevs = terms_.n * startElapsed_ + epochRevs_;
  startRevsWhole_ = static_cast<double>(Int(startRevs));
  startRevsFraction_ = static_cast<double>(startRevs - Int(startRevs));
  fastN_ = static_cast<double>(terms_.n);
  fastA_ = static_cast<double>(terms_.a);
  fastAB_ = fastA_ * fastSqrtOneMinusE2_;
  // Earth-fixed speed: at most the perigee speed of the ellipse, n a sqrt((1+e)/(1-e)),
  // plus the Earth's turn at apogee distance; and the position error of Kepler's stop
  // test (|dE| < 1e-6 / (1 - e), the point moves at most a per radian of E).
  const double e = fastE_;
  const double turnRate = static_cast<double>(kTwoPi * kSiderealRatio) / 86400;
  const double nRad = fastN_ * static_cast<double>(kTwoPi) / 86400;
  if (e <= kFastEccentricity) {
    speedBound_ = (nRad * fastA_ * std::sqrt((1 + e) / (1 - e)) + turnRate * fastA_ * (1 + e)) *
                  1.001;
    positionSlack_ = 4e-6 * fastA_ / (1 - e) + 1e-3;
  } else {
    speedBound_ = HUGE_VAL;
    positionSlack_ = HUGE_VAL;
  }
  if (!std::isfinite(speedBound_) || !std::isfinite(positionSlack_)) {
    speedBound_ = HUGE_VAL;
    positionSlack_ = HUGE_VAL;
  }
  for (int i = 0; i < 3; ++i) {
    fastP_[i] = static_cast<double>(terms_.p[i]);
    fastQ_[i] = static_cast<double>(terms_.q[i]);
    fastW_[i] = static_cast<double>(terms_.w[i]);
  }
}

void Propagator::PhaseOf(Real n, Real t, Real* orbitNumber, int* phase,
                         Real* meanAnomaly) const {
  const Real x = n * t + epochRevs_;
  *orbitNumber = Int(x);
  const Real frac = x - Int(x);
  *phase = WholeToInt(Int(frac * 256));
  *meanAnomaly = frac * kTwoPi;
}

Propagator::Instant& Propagator::Push(Real x) {
  fastDone_ = false;  // a new instant: no double position yet
  head_ = head_ == 2 ? 0 : head_ + 1;
  Instant& h = history_[head_];
  h.x = x;
  h.valid = true;
  return h;
}

void Propagator::Advance(Real x) {
  clock_.AdvanceClock(x);
  const Real t = clock_.elapsed();
  PhaseOf(terms_.n, t, &state_.orbitNumber, &state_.phase, &meanAnomaly_);
  stateOrbitNumber_ = static_cast<double>(state_.orbitNumber);
  // The phase above used the previous mean motion; a refresh does not take it again.
  if (state_.orbitNumber != refreshOrbit_) Refresh(t);
  exact_ = true;
  Instant& h = Push(x);
  h.meanAnomaly = meanAnomaly_;
  h.refresh = refreshCount_;
  h.orbitNumber = state_.orbitNumber;
  h.phase = state_.phase;
  h.exact = true;
}

void Propagator::MakeExact() {
  Instant& h = history_[head_];
  clock_.AdvanceClock(h.x);
  const Real t = clock_.elapsed();
  PhaseOf(terms_.n, t, &state_.orbitNumber, &state_.phase, &meanAnomaly_);
  stateOrbitNumber_ = static_cast<double>(state_.orbitNumber);
  // AdvanceFast kept clear of revolution boundaries, so no refresh falls due here; the
  // rule stays the extended run's all the same.
  if (state_.orbitNumber != refreshOrbit_) Refresh(t);
  exact_ = true;
  h.meanAnomaly = meanAnomaly_;
  h.refresh = refreshCount_;
  h.orbitNumber = state_.orbitNumber;
  h.phase = state_.phase;
  h.exact = true;
}

// Inlined into the fast evaluation: an extended argument handed on through the stack
// again costs more than the rest of the step.
[[gnu::always_inline]] inline bool Propagator::AdvanceFast(Real x) {
  // The clock takes the instant to the nearest whole second; far from a half second
  // (always so for the whole minutes of a search) that is the rounding below.
  constexpr double kShift = 6755399441055744.0;  // 1.5 * 2^52: adding it rounds to a whole number
  const double seconds = static_cast<double>(x) * 86400;
  if (!(seconds >= 0 && seconds < 1e15)) return false;
  const double whole = (seconds + kShift) - kShift;
  if (!(std::fabs(seconds - whole) < 0.25)) return false;
  const double offset = whole * (1 / 86400.0);
  // Revolutions since the start's, split so that double keeps 1e-14 of a revolution.
  const double revs = startRevsFraction_ + fastN_ * offset;
  const double extra = FloorOfPositive(revs);
  const double frac = revs - extra;
  const double orbitNumber = startRevsWhole_ + extra;
  // A new revolution refreshes the secular terms at the extended instant; so close to one
  // that the last bits could tell otherwise, the extended clock decides as well.
  if (orbitNumber != fastRefreshOrbit_ || !(frac > 1e-12 && frac < 1 - 1e-12)) return false;
  // state_.orbitNumber is the refresh's already; the phase and angles wait for a position.
  fastRevsFraction_ = frac;
  fastOffset_ = offset;
  exact_ = false;
  Instant& h = Push(x);
  h.refresh = refreshCount_;
  h.exact = false;
  return true;
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
  const Instant& last = history_[head_];
  // The same instant again (fast, then extended): its phase was taken before a refresh
  // it may have caused, and is not taken again with the new mean motion.
  if (!last.valid || last.x != x) {
    Advance(x);
  } else if (!last.exact) {
    MakeExact();
  }
  const OrbitState pos = Position(terms_, meanAnomaly_, clock_.elapsed(), &keplerIterations_);
  state_.x = pos.x;
  state_.y = pos.y;
  state_.z = pos.z;
  state_.r = pos.r;
  state_.cosG = pos.cosG;
  state_.sinG = pos.sinG;
  return state_;
}

[[gnu::always_inline]] inline void Propagator::SkipTo(Real x) {
  const Instant& last = history_[head_];
  if (last.valid && last.x == x) return;
  if (!AdvanceFast(x)) Advance(x);
}

void Propagator::Skip(Real x) { SkipTo(x); }

ORVANE_HOT_PATH const FastOrbitState& Propagator::PropagateFast(Real x) {
  SkipTo(x);
  if (fastDone_) return fast_;
  fastDone_ = true;
  double meanAnomaly = 0, greenwich = 0;
  if (exact_) {
    meanAnomaly = static_cast<double>(meanAnomaly_);
    greenwich = static_cast<double>(GreenwichAngle(clock_.elapsed()));
  } else {
    state_.phase = static_cast<int>(fastRevsFraction_ * 256);
    meanAnomaly = fastRevsFraction_ * static_cast<double>(kTwoPi);
    const double turn = startTurnFraction_ + fastOffset_ * static_cast<double>(kSiderealRatio);
    greenwich = (turn - FloorOfPositive(turn)) * static_cast<double>(kTwoPi);
  }
  const double e = fastE_;
  double s = 0, c = 1;
  KeplerFast(meanAnomaly, e, &s, &c, &fast_.borderline, 100);
  // The orbit plane's axes turned to the Earth-fixed frame first: they wait only for the
  // Earth's angle, not for Kepler's equation, which then takes one step to the position.
  SinCos(greenwich, &fast_.sinG, &fast_.cosG);
  const double cg = fast_.cosG, sg = fast_.sinG;
  const double px = fastP_[0] * cg + fastP_[1] * sg, py = fastP_[1] * cg - fastP_[0] * sg;
  const double qx = fastQ_[0] * cg + fastQ_[1] * sg, qy = fastQ_[1] * cg - fastQ_[0] * sg;
  const double x0 = fastA_ * (c - e);
  const double y0 = fastAB_ * s;
  fast_.r = fastA_ * (1 - e * c);
  fast_.x = x0 * px + y0 * qx;
  fast_.y = x0 * py + y0 * qy;
  fast_.z = x0 * fastP_[2] + y0 * fastQ_[2];
  return fast_;
}

bool Propagator::LookBack(int back, OrbitState* out) const {
  if (back < 1 || back > 2) return false;
  const Instant& h = history_[(head_ + 3 - back) % 3];
  if (!h.valid) return false;
  PropagationClock clock = clock_;
  clock.AdvanceClock(h.x);
  // Two instants back lie at most two refreshes back.
  if (refreshCount_ - h.refresh > 3) return false;
  const RefreshRecord& r = refreshes_[h.refresh & 3];
  const SecularTerms terms = r.t == refreshT_ ? terms_ : Terms(r.t);
  Real meanAnomaly = h.meanAnomaly;
  Real orbitNumber = h.orbitNumber;
  int phase = h.phase;
  // A fast instant caused no refresh: its phase came from these very terms.
  if (!h.exact) PhaseOf(terms.n, clock.elapsed(), &orbitNumber, &phase, &meanAnomaly);
  *out = Position(terms, meanAnomaly, clock.elapsed(), nullptr);
  out->orbitNumber = orbitNumber;
  out->phase = phase;
  return true;
}

}  // namespace orbit
