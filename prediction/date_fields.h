#pragma once

#include <string>
#include <string_view>

#include "orbit/calendar.h"

namespace prediction {

using orbit::Real;

// A civil date as the date windows show it: day, month 1..12, year.
struct CivilDate {
  int day = 1;
  int month = 1;
  int year = 2000;
  bool operator==(const CivilDate&) const = default;
};

bool IsGregorianLeapYear(int year);
int DaysInMonth(int month, int year);

// One day forward or back in the Gregorian calendar.
CivilDate NextDay(CivilDate d);
CivilDate PreviousDay(CivilDate d);

// One minute forward or back; the hour wraps 23 -> 00 and 00 -> 23, the date never changes.
struct ClockTime {
  int hour = 0;
  int minute = 0;
  bool operator==(const ClockTime&) const = default;
};
ClockTime NextMinute(ClockTime t);
ClockTime PreviousMinute(ClockTime t);

// Texts of the date fields: " 5" (blank-padded day), "JAN", "2024", "07" (two digits).
std::string DayField(int day);
std::string MonthField(int month);
std::string YearField(int year);
std::string TwoDigitField(int value);

// Reads the day, month-name and year field texts; false when one of them is not valid.
bool ReadDateFields(std::string_view day, std::string_view month, std::string_view year,
                    CivilDate* out);

// What a typed hour or minute becomes. maxValue is 23 for hours, 59 for minutes.
enum class TypedField {
  Accepted,  // a whole number in range, or the empty text while typing
  Emptied,   // a lone "-": beep, the edit is emptied
  Zeroed,    // not a whole number or out of range: beep, the edit shows "00"
};
TypedField CheckTypedField(std::string_view text, int maxValue);

// Whole number of a typed field; false for anything else (empty text included).
bool ReadWholeNumber(std::string_view text, int* value);

// The 13-character hand-over text of the calculation date: day (2, blank-padded), month
// name, year, hour, minute: 5 January 2024 12:30 gives " 5JAN20241230".
std::string HandOverText(const CivilDate& d, const ClockTime& t);

// Date-time value of a hand-over text, as entered (local, or UTC when UTC is displayed).
// False when the month letters match no month name or a number is damaged.
bool ParseHandOverText(std::string_view text, Real* value);

// The calculation date (local) of an entered value: UTC entries get + offset/24.
Real CalculationDateFromEntry(Real entered, bool enteredInUtc, Real localOffsetHours);

}  // namespace prediction
