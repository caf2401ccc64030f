#include "orbit/calendar.h"

#include <cmath>

namespace orbit {

int MonthFromName(std::string_view name) {
  for (int i = 0; i < 12; ++i) {
    if (name == kMonthNames[static_cast<std::size_t>(i)]) return i + 1;
  }
  return 0;
}

JulianDay JulianDayFromCalendar(const CalendarFields& c) {
  Real y = c.year;
  Real m = c.month;
  const Real d = c.day;
  JulianDay jd;
  jd.fraction = (d - Int(d)) + (c.hour * 3600 + c.minute * 60 + c.second) / 86400;
  if (m == 0) m = 1;
  if (m < 3) {
    y = y - 1;
    m = m + 12;
  }
  const Real a = Int(y / 100);
  jd.number = Int(a * 0.25L) - a + Int(365.25L * y) + Int(30.6001L * (m + 1)) + Int(d) + 1720997;
  return jd;
}

TimeOfDay SplitDayFraction(Real f) {
  TimeOfDay t;
  const Real s = f * 86400 + 0.0001L;
  t.hour = Int(s / 3600 + 0.0001L);
  t.minute = Int((s - t.hour * 3600) / 60 + 0.001L);
  t.second = Int(s - t.hour * 3600 - t.minute * 60 + 0.5L);
  return t;
}

CalendarFields CalendarFromJulianDay(Real j, Real f) {
  const Real alpha = Int((j - 1867216.25L) / 36524.25L);
  const Real b = j + alpha - Int(alpha / 4) + 1525;
  const Real c = Int(Int((b - 122.1L) / 365.25L) * 365.25L);
  const Real e = Int((b - c) / 30.6001L);
  CalendarFields out;
  Real month = e - 1;
  const Real day = Int(b - c - Int(30.6001L * (month + 1)));
  if (month > 12.5L) month = month - 12;
  out.year = Int((j - 1720982 - Int(30.6001L * (month + 1)) - day) / 365.25L + 0.1L);
  out.month = month;
  out.day = day;
  const TimeOfDay t = SplitDayFraction(f);
  out.hour = t.hour;
  out.minute = t.minute;
  out.second = t.second;
  return out;
}

Real ResolveEpochYear(Real yy, Real currentYear) {
  const Real c = Int(currentYear / 100);
  if (!(yy > currentYear - 100 * c)) return 100 * c + yy;
  return 100 * (c - 1) + yy;
}

Real SiderealAngleAtYearStart(Real year) {
  const Real y1 = year - 1;
  const Real n = Int(365.25L * y1) + Int(y1 / 400) - Int(y1 / 100);
  const Real tc = (n - 693595.5L) / 36525;
  Real g = 6.6460656L + 2400.051262L * tc + 0.00002581L * tc * tc;
  g = g - 24 * (y1 - 1899);
  return g / 24;
}

void PropagationClock::SetEpoch(Real year, Real dayOfYear) {
  CalendarFields c;
  c.year = year;
  c.month = 0;
  c.day = dayOfYear;
  epoch_ = JulianDayFromCalendar(c);
}

void PropagationClock::SetStart(const CalendarFields& utc) {
  start_ = JulianDayFromCalendar(utc);
  offset_ = 0;
}

void PropagationClock::AdvanceClock(Real x) {
  // Round the instant to whole seconds.
  const Real jWhole = Int(x + 0.00001L);
  const Real fPart = x - jWhole;
  const TimeOfDay t = SplitDayFraction(fPart);
  x = t.hour / 24 + jWhole + t.minute / 1440 + t.second / 86400;
  offset_ = x;
  const Real tt = x + 1 + start_.fraction - epoch_.fraction;
  const Real g = tt - Int(tt);
  const Real w = Int(tt) + start_.number - epoch_.number - 1;
  elapsed_ = w + g;
  const Real carry = Int(epoch_.fraction + g);
  current_.number = carry + w + epoch_.number;
  current_.fraction = epoch_.fraction + g - carry;
  if (current_.fraction > 0.99999L) {
    current_.fraction = 0;
    current_.number += 1;
  }
}

// 1899-12-30 00:00 is Julian day number 2415019 at fraction 0.
static constexpr Real kDateTimeZero = 2415019;

Real DateTimeValueFromJulian(const JulianDay& jd) { return jd.number - kDateTimeZero + jd.fraction; }

JulianDay JulianFromDateTimeValue(Real value) {
  JulianDay jd;
  const Real whole = std::floor(value);
  jd.number = whole + kDateTimeZero;
  jd.fraction = value - whole;
  return jd;
}

CalendarFields CalendarFromDateTimeValue(Real value) {
  const JulianDay jd = JulianFromDateTimeValue(value);
  return CalendarFromJulianDay(jd.number, jd.fraction);
}

}  // namespace orbit

namespace orbit {

namespace {
// Days from 1970-01-01 of a proleptic Gregorian date (exact for every date).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int* y, int* m, int* d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long yy = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  *d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  *m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  *y = static_cast<int>(yy + (*m <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr long long kDateTimeEpochDays = -25569;
}  // namespace

DecodedDateTime DecodeDateTimeValue(Real value) {
  DecodedDateTime out;
  if (!std::isfinite(static_cast<double>(value)) || std::fabs(value) > 3e6L) return out;
  long long totalMs = std::llround(value * 86400000.0L);
  long long days = totalMs / 86400000;
  long long ms = totalMs % 86400000;
  if (ms < 0) {
    ms += 86400000;
    days -= 1;
  }
  CivilFromDays(days + kDateTimeEpochDays, &out.year, &out.month, &out.day);
  out.hour = static_cast<int>(ms / 3600000);
  out.minute = static_cast<int>(ms / 60000 % 60);
  out.second = static_cast<int>(ms / 1000 % 60);
  out.msec = static_cast<int>(ms % 1000);
  return out;
}

Real EncodeDateTimeValue(int year, int month, int day, int hour, int minute, Real second) {
  const long long days = DaysFromCivil(year, static_cast<unsigned>(month),
                                       static_cast<unsigned>(day)) - kDateTimeEpochDays;
  return static_cast<Real>(days) + (hour * 3600.0L + minute * 60.0L + second) / 86400.0L;
}

}  // namespace orbit
