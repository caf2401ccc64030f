#pragma once

// Place lists of the moon and HF beam windows: one place a line, five fields separated by
// a TAB: prefix (or reference), name with continent, latitude "35,83N", longitude
// "14,58E", UTC offset ("UTC+1", "*" after it for daylight saving).

#include <QString>

#include <optional>
#include <vector>

namespace tools {

struct DxccEntry {
  QString prefix;
  QString country;    // "Malta (Eu)"
  QString latitude;   // "35,83N"
  QString longitude;  // "14,58E"
  QString utcOffset;  // "UTC+1"
};

// The program's own DXCC list (compiled into the program).
inline constexpr const char* kDxccResource = ":/places/dxcc.txt";

// Entries of a list text (CR LF or LF lines); lines without five fields are skipped.
std::vector<DxccEntry> ParseDxccList(const QString& text);
// The list in a file or resource; empty when it cannot be read.
std::vector<DxccEntry> ReadDxccList(const QString& path = QString::fromLatin1(kDxccResource));

// The entry as a list shows it: the five fields joined by `separator` (TAB, "_", "/", "=").
QString DxccEntryText(const DxccEntry& entry, QChar separator = QLatin1Char('\t'));

// Latitude (north positive) of "35,83N" / "12,5S", longitude (east positive) of "14,58E" /
// "120.5W", the decimal separator "," or ".". Nothing for any other text.
std::optional<double> PlaceLatitude(const QString& text);
std::optional<double> PlaceLongitude(const QString& text);

// The locator of a list entry text (fields separated by `separator`): the six-character
// locator of its position, or nothing when a field is missing or unreadable.
std::optional<QString> EntryLocator(const QString& entryText, QChar separator = QLatin1Char('\t'));

}  // namespace tools
