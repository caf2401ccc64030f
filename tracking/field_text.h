#pragma once

// Texts the operator types into the radio data and notes files. The files are
// Windows-1252 as the program always wrote them; a text that code page cannot hold is
// written as UTF-8 instead, and a field or line that reads as valid UTF-8 with a
// non-ASCII byte is taken as UTF-8.

#include <QString>
#include <string>
#include <string_view>

namespace tracking {

QString DecodeFieldText(std::string_view bytes);
std::string EncodeFieldText(const QString& text);

// True when every character of `text` has a Windows-1252 byte.
bool FitsWindows1252(const QString& text);

// The text on one line of its file: CR, LF and DEL (the field separator) become blanks,
// so that a field can neither end its line nor split into more fields.
std::string OneLineField(std::string_view bytes);

}  // namespace tracking
