#pragma once

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

// Keplerian ellipse with a linear mean-motion drift and secular node and perigee motion.
// One instance per computation: SetUp once, then Propagate for increasing offsets.
// Nothing is allocated per evaluation.
class Propagator {
 public:
  // start: UTC calendar fields of the computation's start instant.
  void SetUp(const SatelliteElements& elements, const CalendarFields& start);
  // x: days since the start (rounded to whole seconds by the clock).
  const OrbitState& Propagate(Real x);

  const OrbitState& state() const { return state_; }
  const PropagationClock& clock() const { return clock_; }
  // Orientation matrix columns P, Q, W of the orbit plane (inertial frame).
  const Real* P() const { return p_; }
  const Real* Q() const { return q_; }
  const Real* W() const { return w_; }
  Real semiMajorAxis() const { return a_; }
  Real secularRate() const { return k_; }
  Real node() const { return node_; }
  Real perigee() const { return perigee_; }
  int keplerIterations() const { return keplerIterations_; }

 private:
  void Refresh(Real t);
  void Phase(Real t);

  PropagationClock clock_;
  SatelliteElements el_;
  Real oneMinusE2_ = 1, sqrtOneMinusE2_ = 1, sinI_ = 0, cosI_ = 1, epochRevs_ = 0;
  Real g0_ = 0;
  Real n_ = 0, a_ = 0, k_ = 0, node_ = 0, perigee_ = 0;
  Real p_[3] = {}, q_[3] = {}, w_[3] = {};
  Real refreshOrbit_ = 9e9L;
  Real meanAnomaly_ = 0;
  int keplerIterations_ = 0;
  OrbitState state_;
};

// Kepler's equation M = E - e sin E (radians), Newton's method from the usual start,
// stopping at |residual| < 1e-6 or after `maxIterations` steps. The sine and cosine of
// the final E are handed back when asked.
Real SolveKepler(Real meanAnomaly, Real e, int* iterations = nullptr, int maxIterations = 100,
                 Real* sinE = nullptr, Real* cosE = nullptr);

}  // namespace orbit
