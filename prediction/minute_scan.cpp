#include "prediction/minute_scan.h"

#include <cmath>

namespace prediction {

orbit::CalendarFields UtcFields(Real utc, bool withSeconds) {
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(utc);
  orbit::CalendarFields c;
  c.year = d.year;
  c.month = d.month;
  c.day = d.day;
  c.hour = d.hour;
  c.minute = d.minute;
  c.second = withSeconds ? d.second : 0;
  return c;
}

void MinuteScan::Start(Real threshold, Real step) {
  obs_.StartRun();
  threshold_ = threshold;
  thresholdSine_ = std::sin(static_cast<double>(threshold * orbit::kDegree));
  slopeInverse_ = 1 / (1 + std::fabs(thresholdSine_));
  step_ = step;
  for (int i = 0; i < 3; ++i) {
    known_[i] = true;  // before the first instant: nothing, range 0
    range_[i] = 0;
  }
  head_ = 0;
  wideDone_ = fastDone_ = false;
  wideCount_ = 0;
  skipCount_ = 0;
  allowance_ = -1;
}

bool MinuteScan::Step(Real x) {
  x_ = x;
  wideDone_ = false;
  fastDone_ = false;
  if (precision_ == Precision::Wide) {
    prop_.Propagate(x);
    obs_.Observe(prop_, prop_.offset(), step_);
    wideDone_ = true;
    ++wideCount_;
    return obs_.view().elevation >= threshold_;
  }
  head_ = head_ == 2 ? 0 : head_ + 1;
  known_[head_] = false;
  if (allowance_ > 0) {
    prop_.Skip(x);
    const double seconds = prop_.offsetSeconds() - allowanceOffset_;
    if (prop_.refreshCount() == allowanceRefresh_ && seconds * allowanceSpeed_ <= allowance_) {
      ++skipCount_;
      return false;
    }
    allowance_ = -1;
  }
  const orbit::FastOrbitState& f = prop_.PropagateFast(x);
  const orbit::FastSight sight = obs_.SightFast(f);
  // The sine of the elevation against the threshold's, times the range (no division):
  // km by which the satellite lies above (+) or below (-) the threshold cone.
  const double margin = sight.up - thresholdSine_ * sight.range;
  // Away from the threshold both precisions agree; near it (or on a doubtful Kepler
  // solution, a zero range or a NaN) the extended evaluation decides.
  if (!f.borderline && std::fabs(margin) > guard_ * sight.range) {
    if (skipBelow_ && margin < 0) {
      allowance_ = -margin * slopeInverse_ - prop_.positionSlack() - 1e-3;
      allowanceOffset_ = prop_.offsetSeconds();
      allowanceSpeed_ = prop_.speedBound();
      allowanceRefresh_ = prop_.refreshCount();
    }
    return margin > 0;
  }
  return Wide().elevation >= threshold_;
}

Real MinuteScan::PastRange(int back) {
  const int i = (head_ + 3 - back) % 3;
  if (!known_[i]) {
    orbit::OrbitState s;
    range_[i] = prop_.LookBack(back, &s) ? obs_.RangeTo(s) : 0;
    known_[i] = true;
  }
  return range_[i];
}

const orbit::ObserverView& MinuteScan::Wide() {
  if (wideDone_) return obs_.view();
  // Same clock, phase and secular terms as the fast step: this is the extended evaluation
  // of the very instant, and its two predecessors give the extended range rate.
  prop_.Propagate(x_);
  obs_.SetRangeHistory(PastRange(1), PastRange(2));
  obs_.Observe(prop_, prop_.offset(), step_);
  range_[head_] = obs_.view().range;
  known_[head_] = true;
  wideDone_ = true;
  ++wideCount_;
  return obs_.view();
}

const orbit::FastView& MinuteScan::Fast() {
  if (precision_ == Precision::Wide) {
    const orbit::ObserverView& v = obs_.view();
    fastCopy_.elevation = static_cast<double>(v.elevation);
    fastCopy_.azimuth = static_cast<double>(v.azimuth);
    fastCopy_.range = static_cast<double>(v.range);
    fastCopy_.rangeRate = static_cast<double>(v.rangeRate);
    fastCopy_.subLatitude = static_cast<double>(v.subLatitude);
    fastCopy_.subWestLongitude = static_cast<double>(v.subWestLongitude);
    fastCopy_.distance = static_cast<double>(v.distance);
    fastCopy_.squint = static_cast<double>(v.squint);
    fastCopy_.doppler1000 = static_cast<double>(v.doppler1000);
    fastCopy_.phase = v.phase;
    fastCopy_.orbitNumber = static_cast<double>(v.orbitNumber);
    return fastCopy_;
  }
  if (!fastDone_) {
    prop_.PropagateFast(x_);  // a skipped minute gets its position now
    obs_.ObserveFast(prop_, prop_.offset(), step_);
    fastDone_ = true;
  }
  return obs_.fastView();
}

}  // namespace prediction
