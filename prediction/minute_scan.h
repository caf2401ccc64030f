#pragma once

#include "orbit/observer.h"
#include "orbit/propagator.h"

namespace prediction {

using orbit::Real;

// How a computation evaluates its instants.
enum class Precision {
  // Double precision; extended where an elevation test is in doubt and for every instant
  // whose values are kept (Wide()), so that what is kept matches Wide exactly.
  Fast,
  // Extended precision for every instant.
  Wide,
};

// Half-width of the band, on the sine of the elevation, in which a fast evaluation leaves
// the test "at or above the threshold" to an extended one. The two precisions differ by
// some 1e-15 there; the band costs an extended evaluation about once in 10^8 minutes.
inline constexpr double kSightGuard = 1e-9;

// One computation's propagator and observer stepping through increasing offsets. Set the
// propagator and the station up, call Start, then Step for every instant in order.
class MinuteScan {
 public:
  explicit MinuteScan(Precision precision = Precision::Fast, double guard = kSightGuard)
      : precision_(precision), guard_(guard) {}

  orbit::Propagator& propagator() { return prop_; }
  orbit::Observer& observer() { return obs_; }
  const orbit::Propagator& propagator() const { return prop_; }

  // Starts a run (clears the range history). threshold: elevation in degrees; step: the
  // step of the run in days (for the range rate).
  void Start(Real threshold, Real step);
  // Evaluates offset x (days since the start). True when the elevation is at or above the
  // threshold, as the extended evaluation finds it.
  bool Step(Real x);
  // Extended view of the instant of the last Step, with the range rate of an extended
  // run; computed here when the step did not need it.
  const orbit::ObserverView& Wide();
  // Double-precision view of the last instant (from Wide() under Precision::Wide). Its
  // range rate holds only when FastView is asked at every step.
  const orbit::FastView& Fast();
  // The extended evaluations of the run so far (for tests and benchmarks).
  int wideCount() const { return wideCount_; }

 private:
  // Extended range of the instant `back` steps before the current one (0: the current).
  Real PastRange(int back);

  Precision precision_;
  double guard_;
  orbit::Propagator prop_;
  orbit::Observer obs_;
  Real threshold_ = 0;
  double thresholdSine_ = 0;
  Real step_ = 0;
  Real x_ = 0;
  bool wideDone_ = false;
  bool fastDone_ = false;
  // Extended ranges of the last three instants (ring, [head_] the current), where known.
  bool known_[3] = {true, true, true};
  Real range_[3] = {};
  int head_ = 0;
  orbit::FastView fastCopy_;
  int wideCount_ = 0;
};

}  // namespace prediction
