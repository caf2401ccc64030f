#include "prediction/date_fields.h"

#include <cstdio>

namespace prediction {

bool IsGregorianLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 31;
  if (month == 2 && IsGregorianLeapYear(year)) return 29;
  return kLengths[month - 1];
}

CivilDate NextDay(CivilDate d) {
  if (d.day >= DaysInMonth(d.month, d.year)) {
    d.day = 1;
    if (++d.month > 12) {
      d.month = 1;
      ++d.year;
    }
  } else {
    ++d.day;
  }
  return d;
}

CivilDate PreviousDay(CivilDate d) {
  if (d.day <= 1) {
    if (--d.month < 1) {
      d.month = 12;
      --d.year;
    }
    d.day = DaysInMonth(d.month, d.year);
  } else {
    --d.day;
  }
  return d;
}

ClockTime NextMinute(ClockTime t) {
  if (++t.minute > 59) {
    t.minute = 0;
    t.hour = t.hour >= 23 ? 0 : t.hour + 1;
  }
  return t;
}

ClockTime PreviousMinute(ClockTime t) {
  if (--t.minute < 0) {
    t.minute = 59;
    t.hour = t.hour <= 0 ? 23 : t.hour - 1;
  }
  return t;
}

std::string DayField(int day) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%2d", day);
  return buf;
}

std::string MonthField(int month) {
  if (month < 1 || month > 12) return "???";
  return orbit::kMonthNames[static_cast<std::size_t>(month - 1)];
}

std::string YearField(int year) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%04d", year);
  return buf;
}

std::string TwoDigitField(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", value);
  return buf;
}

bool ReadWholeNumber(std::string_view text, int* value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i >= text.size() || text.size() - i > 6) return false;
  int v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  *value = negative ? -v : v;
  return true;
}

bool ReadDateFields(std::string_view day, std::string_view month, std::string_view year,
                    CivilDate* out) {
  // The day field is blank-padded on the left.
  while (!day.empty() && day.front() == ' ') day.remove_prefix(1);
  CivilDate d;
  d.month = orbit::MonthFromName(month);
  if (d.month == 0 || !ReadWholeNumber(day, &d.day) || !ReadWholeNumber(year, &d.year))
    return false;
  if (d.year < 1 || d.day < 1 || d.day > DaysInMonth(d.month, d.year)) return false;
  *out = d;
  return true;
}

TypedField CheckTypedField(std::string_view text, int maxValue) {
  if (text.empty()) return TypedField::Accepted;
  if (text == "-") return TypedField::Emptied;
  int v = 0;
  if (!ReadWholeNumber(text, &v) || v < 0 || v > maxValue) return TypedField::Zeroed;
  return TypedField::Accepted;
}

std::string HandOverText(const CivilDate& d, const ClockTime& t) {
  return DayField(d.day) + MonthField(d.month) + YearField(d.year) + TwoDigitField(t.hour) +
         TwoDigitField(t.minute);
}

bool ParseHandOverText(std::string_view text, Real* value) {
  if (text.size() != 13) return false;
  CivilDate d;
  int hour = 0, minute = 0;
  if (!ReadDateFields(text.substr(0, 2), text.substr(2, 3), text.substr(5, 4), &d)) return false;
  if (!ReadWholeNumber(text.substr(9, 2), &hour) || !ReadWholeNumber(text.substr(11, 2), &minute))
    return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59) return false;
  *value = orbit::EncodeDateTimeValue(d.year, d.month, d.day, hour, minute);
  return true;
}

Real CalculationDateFromEntry(Real entered, bool enteredInUtc, Real localOffsetHours) {
  return enteredInUtc ? entered + localOffsetHours / 24 : entered;
}

}  // namespace prediction
