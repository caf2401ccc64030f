#pragma once

#include <cmath>

#include "orbit/calendar.h"
#include "orbit/elements.h"

namespace orbit {

inline constexpr Real kEarthRadiusKm = 6378.137L;
inline constexpr Real kOrbitConstant = 7.53712273e13L;  // a^3 n^2, km^3 with n in rev/day
inline constexpr Real kSecularRate = 9.95L;             // degrees per day
inline constexpr Real kSiderealRatio = 1.0027379093L;

// Earth-fixed position of one evaluation, with what the observer step needs of the orbit.
struct OrbitState {
  Real x = 0, y = 0, z = 0;  // km, Earth-fixed
  Real r = 0;                // km from the Earth's centre
  Real orbitNumber = 0;
  int phase = 0;        // 256ths of a revolution
  Real cosG = 1, sinG = 0;  // Greenwich rotation of this instant
};

// The same position in double precision (PropagateFast).
struct FastOrbitState {
  double x = 0, y = 0, z = 0;  // km, Earth-fixed
  double r = 0;                // km from the Earth's centre
  double cosG = 1, sinG = 0;
  // Kepler's stop test came out within a hair of its threshold, where the extended
  // iteration may take one step more or less: only an extended evaluation can tell.
  bool borderline = false;
};

// Secular terms of one refresh: mean motion (rev/day), semi-major axis (km), secular rate
// (degrees/day), node and perigee (degrees) and the orientation matrix columns P, Q, W.
struct SecularTerms {
  Real n = 0, a = 0, k = 0, node = 0, perigee = 0;
  Real p[3] = {}, q[3] = {}, w[3] = {};
};

// Keplerian ellipse with a linear mean-motion drift and secular node and perigee motion.
// One instance per computation: SetUp once, then Propagate or PropagateFast for increasing
// offsets. Nothing is allocated per evaluation.
//
// Both evaluations share the refreshes of the secular terms: each new revolution is taken
// through the extended clock and refreshed with extended values, whichever evaluation meets
// it, so orbit numbers and secular terms are those of an extended run. Within a revolution
// PropagateFast keeps its own clock and phase in double (split so that 1e-14 of a revolution
// survives), solves Kepler's equation and turns the position in double.
class Propagator {
 public:
  // start: UTC calendar fields of the computation's start instant.
  void SetUp(const SatelliteElements& elements, const CalendarFields& start);
  // x: days since the start (rounded to whole seconds by the clock).
  const OrbitState& Propagate(Real x);
  // The same instant in double precision, for the minutes of a search, tracks and
  // charts. The orbit number is the extended one and the secular terms are refreshed at
  // the same instants, with the same values, as by Propagate; the instant is taken to the
  // same whole second, its elapsed time only to the last bits. Calling Propagate(x) for the
  // same x afterwards gives exactly what Propagate alone would have given. state() keeps
  // the last extended position; its orbit number and phase follow this call (the phase
  // may differ from the extended one at a 256th boundary until Propagate).
  const FastOrbitState& PropagateFast(Real x);
  // The clock, phase and refresh of instant x without its position: for a minute already
  // known to lie below a threshold. PropagateFast or Propagate of the same x completes it.
  void Skip(Real x);
  // Refreshes of the secular terms so far; between two the position moves continuously.
  int refreshCount() const { return refreshCount_; }
  // Under the current secular terms: a bound on the Earth-fixed speed (km/s) and on the
  // error of a position from Kepler's stop test (km); infinite when there is none.
  double speedBound() const { return speedBound_; }
  double positionSlack() const { return positionSlack_; }

  // Extended-precision position of the evaluation `back` steps before the last one
  // (1 or 2), recomputed with the clock offset, mean anomaly and secular terms it had,
  // whichever of the two evaluations produced it. The propagator is left unchanged.
  bool LookBack(int back, OrbitState* out) const;
  // Clock offset (days since the start, whole seconds) of the last evaluation of either kind.
  Real offset() const { return exact_ ? clock_.offset() : fastOffset_; }
  double offsetSeconds() const {
    return (exact_ ? static_cast<double>(clock_.offset()) : fastOffset_) * 86400;
  }

  const OrbitState& state() const { return state_; }
  // state().orbitNumber in double, kept with it.
  double stateOrbitNumber() const { return stateOrbitNumber_; }
  const FastOrbitState& fastState() const { return fast_; }
  // The clock of the last extended evaluation (Propagate).
  const PropagationClock& clock() const { return clock_; }
  // Orientation matrix columns P, Q, W of the orbit plane (inertial frame).
  const Real* P() const { return terms_.p; }
  const Real* Q() const { return terms_.q; }
  const Real* W() const { return terms_.w; }
  const double* FastP() const { return fastP_; }
  const double* FastQ() const { return fastQ_; }
  const double* FastW() const { return fastW_; }
  Real semiMajorAxis() const { return terms_.a; }
  Real secularRate() const { return terms_.k; }
  Real node() const { return terms_.node; }
  Real perigee() const { return terms_.perigee; }
  int keplerIterations() const { return keplerIterations_; }
  // Elapsed time T (days since epoch) at which the current secular terms were refreshed.
  Real refreshTime() const { return refreshT_; }

 private:
  // One evaluation as the look-back needs it again.
  struct Instant {
    Real x = 0;            // clock offset argument
    int refresh = 0;       // the refresh in effect (its number)
    bool exact = false;
    bool valid = false;
    // Only when `exact` (a fast instant has those of its refresh and no stored phase):
    Real meanAnomaly = 0;  // radians
    Real orbitNumber = 0;
    int phase = 0;
  };
  // Elapsed time of a refresh, kept for the look-back.
  struct RefreshRecord {
    Real t = 0;
  };

  SecularTerms Terms(Real t) const;
  void Refresh(Real t);
  // Orbit number, phase and mean anomaly (radians) at elapsed time t with mean motion n.
  void PhaseOf(Real n, Real t, Real* orbitNumber, int* phase, Real* meanAnomaly) const;
  // Extended clock, phase and refresh of a new instant.
  void Advance(Real x);
  // The instant of the last Advance again in extended precision, when it was a fast one.
  void MakeExact();
  // The cheap way for a fast evaluation; false (nothing done) when only Advance can tell.
  bool AdvanceFast(Real x);
  void SkipTo(Real x);  // Skip, inlined where the fast evaluation needs it
  Instant& Push(Real x);
  Real GreenwichAngle(Real t) const;
  OrbitState Position(const SecularTerms& terms, Real meanAnomaly, Real t,
                      int* iterations) const;

  PropagationClock clock_;
  SatelliteElements el_;
  Real oneMinusE2_ = 1, sqrtOneMinusE2_ = 1, sinI_ = 0, cosI_ = 1, epochRevs_ = 0;
  Real g0_ = 0;
  SecularTerms terms_;
  Real refreshT_ = 0;
  bool termsValid_ = false;
  double fastA_ = 0, fastE_ = 0, fastSqrtOneMinusE2_ = 1;
  double fastAB_ = 0;  // semi-minor axis, fastA_ * fastSqrtOneMinusE2_
  double fastP_[3] = {}, fastQ_[3] = {}, fastW_[3] = {};
  Real refreshOrbit_ = 9e9L;
  Real meanAnomaly_ = 0;
  int keplerIterations_ = 0;
  Real startElapsed_ = 0;  // T at offset 0
  // The fast bookkeeping: revolutions and Earth turns at the start instant (whole part and
  // fraction), the mean motion, and what the last fast evaluation found.
  double startRevsWhole_ = 0, startRevsFraction_ = 0, fastN_ = 0, startTurnFraction_ = 0;
  double fastRefreshOrbit_ = 9e9;
  double stateOrbitNumber_ = 0;
  double fastRevsFraction_ = 0, fastOffset_ = 0;
  bool fastDone_ = false;  // fast_ holds the position of the newest instant
  double speedBound_ = HUGE_VAL, positionSlack_ = HUGE_VAL;
  bool exact_ = true;      // the last evaluation went through the extended clock
  Instant history_[3];     // the last three evaluations, history_[head_] the newest
  int head_ = 0;
  RefreshRecord refreshes_[4];  // by refresh number modulo 4
  int refreshCount_ = 0;
  OrbitState state_;
  FastOrbitState fast_;
};

// Kepler's equation M = E - e sin E (radians), Newton's method from the usual start,
// stopping at |residual| < 1e-6 or after `maxIterations` steps. The sine and cosine of
// the final E are handed back when asked.
Real SolveKepler(Real meanAnomaly, Real e, int* iterations = nullptr, int maxIterations = 100,
                 Real* sinE = nullptr, Real* cosE = nullptr);

// The same in double precision. *borderline is set where the extended solver could end
// elsewhere: a residual within 1e-12 of the stop threshold (one step more or less), an
// eccentricity above 0.9 or many steps (where Newton's steps magnify rounding).
double SolveKeplerFast(double meanAnomaly, double e, double* sinE, double* cosE,
                       bool* borderline, int maxIterations = 100);

}  // namespace orbit
