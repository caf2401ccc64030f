#pragma once

#include <QDateTime>

namespace base {

// Days since 1899-12-30 00:00 with the time of day as the fraction: the program's
// date-time value. It carries wall-clock fields only; whether they are local or UTC
// is the caller's business.
double DateTimeValue(const QDateTime& dt);
double DateTimeValue(int year, int month, int day, int hour = 0, int minute = 0, double second = 0);
// Inverse of DateTimeValue, rounded to the millisecond, as a local-zone-free QDateTime.
QDateTime FromDateTimeValue(double value);

// The computer clock and the system's time-zone state.
class Clock {
 public:
  virtual ~Clock() = default;
  // Local wall-clock time as a date-time value.
  virtual double Now() const = 0;
  // 0 = no daylight-saving information, 1 = standard time, 2 = daylight time.
  virtual int DaylightState() const = 0;
};

class SystemClock : public Clock {
 public:
  double Now() const override;
  int DaylightState() const override;
};

// A clock the tests set by hand.
class TestClock : public Clock {
 public:
  explicit TestClock(double now = 0) : now_(now) {}
  double Now() const override { return now_; }
  int DaylightState() const override { return daylight_; }
  void Set(double now) { now_ = now; }
  void AdvanceSeconds(double s) { now_ += s / 86400.0; }
  void SetDaylightState(int state) { daylight_ = state; }

 private:
  double now_;
  int daylight_ = 0;
};

}  // namespace base
