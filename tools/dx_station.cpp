#include "tools/dx_station.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "orbit/locator.h"

namespace tools {

std::optional<double> ParseEntryNumber(const std::string& text) {
  if (text.empty() || text.size() > 32) return std::nullopt;
  std::string plain;
  int separators = 0;
  int digits = 0;
  for (char c : text) {
    if (c == ',' || c == '.') {
      if (++separators > 1) return std::nullopt;
      plain += '.';
    } else if (c >= '0' && c <= '9') {
      ++digits;
      plain += c;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // from_chars is exact and ignores the locale; the text holds only digits and one '.'.
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

MendedEntry MendEntry(const std::string& text, int caret, char decimalSeparator) {
  MendedEntry out;
  out.caret = caret;
  bool separatorSeen = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == ',' || c == '.') {
      if (!separatorSeen) {
        separatorSeen = true;
        out.text += decimalSeparator;
        continue;
      }
    } else if (c >= '0' && c <= '9') {
      out.text += c;
      continue;
    }
    out.beep = true;
    if (static_cast<int>(i) < caret) --out.caret;
  }
  if (out.caret < 0) out.caret = 0;
  return out;
}

std::optional<DxTexts> DxEntry(const std::string& latitudeText, bool north,
                               const std::string& longitudeText, bool west) {
  const auto lat = ParseEntryNumber(latitudeText);
  const auto lon = ParseEntryNumber(longitudeText);
  if (!lat || !lon) return std::nullopt;
  const bool latOk = north ? (*lat >= 0 && *lat <= 89.99) : (*lat > 0 && *lat <= 89.99);
  const bool lonOk = west ? (*lon >= 0 && *lon <= 180) : (*lon > 0 && *lon < 180);
  if (!latOk || !lonOk) return std::nullopt;
  DxTexts t;
  t.latitude = (north ? "N" : "S") + latitudeText;
  t.longitude = (west ? "W" : "E") + longitudeText;
  t.locator = orbit::LocatorOf(north ? *lat : -*lat, west ? *lon : -*lon);
  if (t.locator.empty()) return std::nullopt;
  return t;
}

std::optional<DxPosition> ParseDxTexts(const std::string& latitude, const std::string& longitude,
                                       const std::string& altitude) {
  if (latitude.size() < 2 || longitude.size() < 2) return std::nullopt;
  const char ns = latitude[0];
  const char we = longitude[0];
  if ((ns != 'N' && ns != 'S') || (we != 'W' && we != 'E')) return std::nullopt;
  const auto lat = ParseEntryNumber(latitude.substr(1));
  const auto lon = ParseEntryNumber(longitude.substr(1));
  const auto alt = ParseEntryNumber(altitude);
  if (!lat || !lon || !alt || *lat > 90 || *lon > 180) return std::nullopt;
  DxPosition p;
  p.latitude = ns == 'N' ? *lat : -*lat;
  p.westLongitude = we == 'W' ? *lon : -*lon;
  p.altitude = *alt;
  return p;
}

namespace {

std::string Fixed3(double x, char separator) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.3f", x);
  std::string s = buf;
  for (char& c : s)
    if (c == '.' || c == ',') c = separator;
  return s;
}

}  // namespace

std::optional<DxEdits> EditsOfLocator(const std::string& locator, char decimalSeparator) {
  const auto centre = orbit::LocatorCentre(locator);
  if (!centre) return std::nullopt;
  DxEdits e;
  e.north = centre->latitude >= 0;
  e.west = centre->longitude >= 0;
  e.latitude = Fixed3(std::fabs(static_cast<double>(centre->latitude)), decimalSeparator);
  e.longitude = Fixed3(std::fabs(static_cast<double>(centre->longitude)), decimalSeparator);
  return e;
}

std::optional<DxEdits> EditsOfTexts(const std::string& latitude, const std::string& longitude) {
  if (!ParseDxTexts(latitude, longitude, "0")) return std::nullopt;
  DxEdits e;
  e.north = latitude[0] == 'N';
  e.west = longitude[0] == 'W';
  e.latitude = latitude.substr(1);
  e.longitude = longitude.substr(1);
  return e;
}

}  // namespace tools
