#include "orbit/text_number.h"

#include <charconv>

namespace orbit {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
}  // namespace

std::string_view TrimView(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view TrimRightView(std::string_view s) {
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

std::string NormalizeDecimalSeparator(std::string_view text, char userSeparator, bool* beep) {
  std::string out(text);
  const auto comma = out.find(',');
  const auto point = out.find('.');
  if (comma != std::string::npos && point != std::string::npos) {
    if (beep != nullptr) *beep = true;
    return out;
  }
  const auto first = comma != std::string::npos ? comma : point;
  if (first != std::string::npos) out[first] = userSeparator;
  return out;
}

bool ParseDecimal(std::string_view text, char separator, long double* value) {
  text = TrimView(text);
  if (text.empty()) return false;
  std::string s(text);
  for (char& c : s) {
    if (c == separator) {
      c = '.';
    } else if (c == '.' || c == ',') {
      return false;
    } else if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e' || c == 'E')) {
      return false;
    }
  }
  const char* first = s.data();
  const char* last = s.data() + s.size();
  if (*first == '+') ++first;
  long double v = 0;
  const auto [ptr, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || ptr != last) return false;
  *value = v;
  return true;
}

bool ParseInteger(std::string_view text, long long* value) {
  text = TrimView(text);
  if (text.empty()) return false;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  if (*first == '+') ++first;
  long long v = 0;
  const auto [ptr, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || ptr != last) return false;
  *value = v;
  return true;
}

}  // namespace orbit
