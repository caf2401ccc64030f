#pragma once

// Degrees, minutes, seconds and milliseconds to decimal degrees, and the entry rules of
// the converter's four fields.

#include <string>

namespace tools {

// Upper limits (exclusive) of the converter's fields.
inline constexpr int kDegreeLimit = 180;
inline constexpr int kMinuteLimit = 60;
inline constexpr int kSecondLimit = 60;
inline constexpr int kMillisecondLimit = 1000;

// degrees + minutes/60 + (seconds + milliseconds/1000)/3600, in degrees.
double DmsToDecimal(int degrees, int minutes, int seconds, int milliseconds);

// The decimal value with six decimals and `decimalSeparator` ("48.854000").
std::string DecimalText(double degrees, char decimalSeparator);

// What a field keeps after an edit: `entered` when it is empty or a whole number below
// `limit` (digits only), else `previous`. An empty field counts as 0 (FieldValue).
std::string AcceptedField(const std::string& entered, const std::string& previous, int limit);
int FieldValue(const std::string& text);

}  // namespace tools
