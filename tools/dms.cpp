#include "tools/dms.h"

#include <cstdio>

namespace tools {

double DmsToDecimal(int degrees, int minutes, int seconds, int milliseconds) {
  return degrees + minutes / 60.0 + (seconds + milliseconds / 1000.0) / 3600.0;
}

std::string DecimalText(double degrees, char decimalSeparator) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.6f", degrees);
  std::string text = buf;
  for (char& c : text)
    if (c == '.' || c == ',') c = decimalSeparator;
  return text;
}

std::string AcceptedField(const std::string& entered, const std::string& previous, int limit) {
  if (entered.empty()) return entered;
  // Beyond four digits every field is past its limit; this also keeps stoi in range.
  if (entered.size() > 4) return previous;
  for (char c : entered)
    if (c < '0' || c > '9') return previous;
  return std::stoi(entered) < limit ? entered : previous;
}

int FieldValue(const std::string& text) {
  if (text.empty() || text.size() > 9) return 0;
  for (char c : text)
    if (c < '0' || c > '9') return 0;
  return std::stoi(text);
}

}  // namespace tools
