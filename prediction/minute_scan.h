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

// Calendar fields of a UTC date-time value for a computation's start; seconds only when
// asked (a search starts at a whole minute).
orbit::CalendarFields UtcFields(Real utc, bool withSeconds);

// One computation's propagator and observer stepping through increasing offsets. Set the
// propagator and the station up, call Start, then Step for every instant in order.
//
// With `skipBelow`, a fast step that finds the satellite below the threshold also works out
// how far it is from rising to it (the test's value changes by at most 1 + |sin threshold|
// km per km the satellite moves) and how long it needs at most to get there (the speed
// bound of the propagator); the following minutes within that time only keep the clock,
// phase and refreshes. A refresh ends the skip (the position jumps there).
class MinuteScan {
 public:
  explicit MinuteScan(Precision precision = Precision::Fast, double guard = kSightGuard,
                      bool skipBelow = false)
      : precision_(precision), guard_(guard), skipBelow_(skipBelow) {}

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
  // The extended evaluations and the skipped minutes of the run so far.
  int wideCount() const { return wideCount_; }
  int skipCount() const { return skipCount_; }

 private:
  // Extended range of the instant `back` steps before the current one (0: the current).
  Real PastRange(int back);

  Precision precision_;
  double guard_;
  bool skipBelow_;
  // The skip in progress: allowance (km) left at the last full step, its offset, speed
  // bound and refresh count.
  double allowance_ = -1;
  double allowanceOffset_ = 0;
  double allowanceSpeed_ = 0;
  int allowanceRefresh_ = -1;
  int skipCount_ = 0;
  orbit::Propagator prop_;
  orbit::Observer obs_;
  Real threshold_ = 0;
  double thresholdSine_ = 0;
  double slopeInverse_ = 1;  // 1 / (1 + |threshold sine|)
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
