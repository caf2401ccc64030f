#pragma once

#include <QString>

namespace base {

// The user's decimal separator ("," under a German locale, "." otherwise).
char UserDecimalSeparator();

// Reads a decimal number written with the user's separator, as the edits and the
// settings file hold them. Blanks around it are allowed; anything else fails.
bool ParseUserDecimal(const QString& text, long double* value);

// Writes x with `decimals` digits after the user's separator.
QString FormatUserFixed(long double x, int decimals);

// Shortest general form with up to 15 significant digits and the user's separator.
QString FormatUserGeneral(long double x);

}  // namespace base
