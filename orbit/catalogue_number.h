#pragma once

// Catalogue numbers. Element lines have five columns for the number; numbers from 100000
// on are printed there in the Alpha-5 form, a letter standing for the first two digits
// (A = 10 ... Z = 33, I and O skipped, so "A0000" is 100000 and "Z9999" is 339999).
// The program keeps a number as the text of its digits: five digits with their leading
// zeros as element lines print them ("07530"), and six or more digits from 100000 on.

#include <optional>
#include <string>
#include <string_view>

namespace orbit {

inline constexpr long long kFirstAlpha5Number = 100000;
inline constexpr long long kLastAlpha5Number = 339999;
// NORAD_CAT_ID of an OMM record has nine digits at most.
inline constexpr long long kLargestCatalogueNumber = 999999999;

// 10..33 for an Alpha-5 letter; -1 for anything else (lower case, I, O, digits).
int Alpha5LetterValue(char c);

// Columns 3-7 of an element line as the number is kept: the five characters as printed,
// or the digits of an Alpha-5 number ("A0000" -> "100000"). False when the field begins
// with a letter but is no Alpha-5 number (a lower-case letter, I or O, or a non-digit
// after the letter); other fields are kept as before, blanks and all.
bool CatalogueNumberFromField(std::string_view field, std::string* number);

// The kept text of a number 0..kLargestCatalogueNumber: "07530", "100000".
std::string CatalogueNumberText(long long value);

// The value of a kept text or of a plain number typed by the user ("07530", "7530",
// "100000"); blanks around are allowed. nullopt for anything else.
std::optional<long long> CatalogueNumberValue(std::string_view text);

}  // namespace orbit
