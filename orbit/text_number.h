#pragma once

#include <string>
#include <string_view>

namespace orbit {

// Turns the single "," or "." of a number read from a file into the user's separator.
// A text holding both is returned unchanged and *beep is set.
std::string NormalizeDecimalSeparator(std::string_view text, char userSeparator, bool* beep);

// Parses a decimal number whose separator is `separator` (no other separator allowed),
// independent of the process locale. Leading and trailing blanks are allowed.
bool ParseDecimal(std::string_view text, char separator, long double* value);

// Parses a whole decimal number (optional sign, digits only). Blanks around it are allowed.
bool ParseInteger(std::string_view text, long long* value);

// Trimming of blanks (space and tab) the way the file readers trim.
std::string_view TrimView(std::string_view s);
std::string_view TrimRightView(std::string_view s);

}  // namespace orbit
