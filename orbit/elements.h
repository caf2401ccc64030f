#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "orbit/calendar.h"

namespace orbit {

inline constexpr std::size_t kMaxElementFileLines = 3000;
// English text of the refusal; the windows show their language's version.
inline constexpr const char* kTooManyLinesMessage =
    "The 3-line file is limited to 1000 satellites\r\n Please split this or choose a shorter file";

// The element record of one pass slot (angles in degrees).
struct SatelliteElements {
  Real epochYear = 0;        // two digits, 0..99
  Real epochDay = 0;         // day of year with fraction, 1.0 = January 1 00:00 UTC
  Real inclination = 0;
  Real raan = 0;             // right ascension of the ascending node
  Real eccentricity = 0;
  Real argPerigee = 0;
  Real meanAnomaly = 0;
  Real meanMotion = 0;       // revolutions per day
  Real meanMotionDrift = 0;  // revolutions per day squared, as printed in line 1
  Real revolutionNumber = 0;
  Real alat = 0;             // antenna attitude, from the radio data file
  Real alon = 0;
};

// The built-in set of the pseudo-satellite "MOON".
SatelliteElements MoonElements();

// One valid set found while scanning a file.
struct ElementSetEntry {
  std::string name;             // after the name-line rules
  std::string catalogueNumber;  // line 1 columns 3-7, Alpha-5 as digits (catalogue_number.h)
  bool inService = true;        // false when the name line has "[-"
  std::size_t nameLine = 0;     // index of the name line in the cleaned lines
};

// Name-line rules: a leading "0 " is removed; a "[" starts the status mark and is cut
// off with everything after it; the rest is trimmed.
std::string NameFromNameLine(std::string_view line, bool* inService);

// Sum rule of the last column: digits add their value, "-" adds 1, and on line 2 "+" adds 2.
bool ElementLineChecksumOk(std::string_view line);

// True for a line that is itself an element line: 69 characters, starting "1 " or "2 ".
bool LooksLikeElementLine(std::string_view line);

// Drops empty lines and trims blanks of the others.
std::vector<std::string> CleanElementLines(const std::vector<std::string>& raw);

// Scans cleaned lines for name line + line 1 + line 2 triples. A leading "0 " of a
// scanned name line is removed in `lines` too. Checksums are tested when asked.
std::vector<ElementSetEntry> ScanElementSets(std::vector<std::string>& lines, bool checkChecksums);

enum class ElementFileStatus { Ok, Unreadable, TooManyLines };

// A validated element file: its valid sets in file order and the kept (cleaned) content.
struct ElementFile {
  ElementFileStatus status = ElementFileStatus::Ok;
  std::vector<ElementSetEntry> sets;
  std::vector<std::string> content;
};

// Splits text into lines at LF, CR LF or CR.
std::vector<std::string> SplitLines(std::string_view text);

ElementFile ReadElementText(std::string_view text, bool checkChecksums);
ElementFile ReadElementFile(const std::string& path, bool checkChecksums);

// The element columns of one set, converted.
struct ParsedSet {
  SatelliteElements elements;
  std::string catalogueNumber;  // line 2 columns 3-7, Alpha-5 as digits (catalogue_number.h)
  std::string epochText;        // line 1 columns 19-33
};

// Converts line 1 and line 2; false when a numeric field is damaged (the lines must be
// 69 characters; checksums are not tested here).
bool ParseElementLines(std::string_view line1, std::string_view line2, ParsedSet* out);

enum class LoadStatus { Found, NotFound, Damaged };

// Finds the set named exactly `name` (case-sensitive; both sides trimmed) in the kept
// content and converts it. "MOON" gives the built-in set. Lines walked are cut at their
// first "[" and trimmed in `content`, as the loader always did.
LoadStatus LoadElementsByName(std::vector<std::string>& content, std::string_view name,
                              ParsedSet* out);

}  // namespace orbit
