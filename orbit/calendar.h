#pragma once

#include <array>
#include <string_view>

namespace orbit {

using Real = long double;

// INT: truncation toward zero. Round: nearest, halves to even (the default rounding mode).
// Built on the x87 round instruction: truncl and nearbyintl switch the control word or save
// the whole FPU environment at every call, which made them the main cost of an evaluation.
inline Real Round(Real x) { return __builtin_rintl(x); }
inline Real Int(Real x) {
  const Real r = __builtin_rintl(x);
  if (x >= 0) return r > x ? r - 1 : r;
  return r < x ? r + 1 : r;
}

// A whole number of small magnitude as an int. Through double: a direct conversion from
// the extended type switches the FPU control word twice, a large cost per evaluation.
inline int WholeToInt(Real whole) { return static_cast<int>(static_cast<double>(whole)); }

// The program's constants, exactly as the orbit code uses them.
inline constexpr Real kPi = 3.1415926536L;
inline constexpr Real kTwoPi = 6.2831853072L;
inline constexpr Real kDegree = 0.01745329252L;  // radians per degree

// Fixed month names of every date text; never translated.
inline constexpr std::array<const char*, 12> kMonthNames = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
// 1..12 for a month name, 0 when the text is none of them.
int MonthFromName(std::string_view name);

// Working calendar record: year, month (0 means January; with day-of-year as day),
// day (may carry a fraction), hour, minute, second.
struct CalendarFields {
  Real year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// Julian day number of the civil date at noon, with the day fraction counted from midnight.
struct JulianDay {
  Real number = 0;
  Real fraction = 0;
};

JulianDay JulianDayFromCalendar(const CalendarFields& c);
CalendarFields CalendarFromJulianDay(Real number, Real fraction);

struct TimeOfDay {
  Real hour = 0, minute = 0, second = 0;  // second may be 60 (no carry)
};
TimeOfDay SplitDayFraction(Real f);

// Four-digit year of a two-digit epoch year, against the current four-digit year.
Real ResolveEpochYear(Real yy, Real currentYear);

// Greenwich sidereal angle at 0h UT of January 0 of year y, in revolutions.
Real SiderealAngleAtYearStart(Real year);

// The propagation clock: epoch and start of the current computation, and the instant
// reached by the last AdvanceClock.
class PropagationClock {
 public:
  void SetEpoch(Real year, Real dayOfYear);
  void SetStart(const CalendarFields& utc);
  // x: days since the start; rounded to whole seconds and stored back.
  void AdvanceClock(Real x);

  Real offset() const { return offset_; }
  Real elapsed() const { return elapsed_; }  // T, days since the epoch
  JulianDay epoch() const { return epoch_; }
  JulianDay start() const { return start_; }
  JulianDay current() const { return current_; }

 private:
  JulianDay epoch_;
  JulianDay start_;
  JulianDay current_;
  Real offset_ = 0;
  Real elapsed_ = 0;
};

// Date-time value (days since 1899-12-30) of a Julian day pair, and back.
Real DateTimeValueFromJulian(const JulianDay& jd);
JulianDay JulianFromDateTimeValue(Real value);
// Calendar fields of a date-time value (seconds rounded with SplitDayFraction).
CalendarFields CalendarFromDateTimeValue(Real value);

}  // namespace orbit

namespace orbit {

// Wall-clock fields of a date-time value, milliseconds rounded, like the toolkit's decoding.
struct DecodedDateTime {
  int year = 1899, month = 12, day = 30, hour = 0, minute = 0, second = 0, msec = 0;
};
DecodedDateTime DecodeDateTimeValue(Real value);
// Date-time value of a civil date and time of day.
Real EncodeDateTimeValue(int year, int month, int day, int hour = 0, int minute = 0,
                         Real second = 0);

}  // namespace orbit
