#pragma once

// The DX station's position as its window edits and stores it: the "N"/"S" + degrees and
// "W"/"E" + degrees texts shared with the map, the accepted ranges, the locator, and the
// mending of typed numbers.

#include <optional>
#include <string>

namespace tools {

// A DX station ready for the computation: degrees, north positive, WEST positive; metres.
struct DxPosition {
  double latitude = 0;
  double westLongitude = 0;
  double altitude = 0;
};

// A number typed with "," or "." as decimal separator (at most one), digits otherwise.
// Nothing for an empty text or anything else.
std::optional<double> ParseEntryNumber(const std::string& text);

// A typed edit text mended at once: a "," or "." becomes `decimalSeparator`; any other
// character that cannot stand in a positive decimal number (or a second separator) is
// removed and `beep` is set. `caret` (0-based, the place of the change) moves left by the
// characters removed before it.
struct MendedEntry {
  std::string text;
  int caret = 0;
  bool beep = false;
};
MendedEntry MendEntry(const std::string& text, int caret, char decimalSeparator);

// The shared texts and the locator of an entered position, when it lies in the accepted
// ranges: 0 <= latitude <= 89.99 with N, 0 < latitude <= 89.99 with S, 0 <= longitude <=
// 180 with W, 0 < longitude < 180 with E. Nothing (the DX station is cleared) otherwise or
// when a field is empty or unreadable. The texts are the letter + the edit's text as typed.
struct DxTexts {
  std::string latitude;   // "N48,85"
  std::string longitude;  // "E2,35"
  std::string locator;    // "JN18EU"
};
std::optional<DxTexts> DxEntry(const std::string& latitudeText, bool north,
                               const std::string& longitudeText, bool west);

// The position of the shared texts: the first letter "N" (or "W") is positive, "S" (or
// "E") negative; the number takes "," or ".". Nothing when a text is empty, has another
// letter or no number. The altitude text ("0" when empty is not assumed) must be a number.
std::optional<DxPosition> ParseDxTexts(const std::string& latitude, const std::string& longitude,
                                       const std::string& altitude);

// The edits' values of a locator's centre: absolute degrees with three decimals and
// `decimalSeparator`, and the boxes. Nothing for a locator that is not valid.
struct DxEdits {
  std::string latitude;
  bool north = true;
  std::string longitude;
  bool west = true;
};
std::optional<DxEdits> EditsOfLocator(const std::string& locator, char decimalSeparator);

// The edits of the shared texts (the number as it is stored, letter off).
std::optional<DxEdits> EditsOfTexts(const std::string& latitude, const std::string& longitude);

}  // namespace tools
