#include "orbit/catalogue_number.h"

#include "orbit/text_number.h"

namespace orbit {

int Alpha5LetterValue(char c) {
  if (c < 'A' || c > 'Z' || c == 'I' || c == 'O') return -1;
  int value = 10 + (c - 'A');
  if (c > 'I') --value;
  if (c > 'O') --value;
  return value;
}

bool CatalogueNumberFromField(std::string_view field, std::string* number) {
  const bool letter = !field.empty() && ((field[0] >= 'A' && field[0] <= 'Z') ||
                                         (field[0] >= 'a' && field[0] <= 'z'));
  if (!letter) {
    *number = std::string(field);
    return true;
  }
  const int high = Alpha5LetterValue(field[0]);
  if (high < 0 || field.size() != 5) return false;
  long long low = 0;
  for (char c : field.substr(1)) {
    if (c < '0' || c > '9') return false;
    low = low * 10 + (c - '0');
  }
  *number = std::to_string(high * 10000LL + low);
  return true;
}

std::string CatalogueNumberText(long long value) {
  std::string digits = std::to_string(value);
  if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
  return digits;
}

std::optional<long long> CatalogueNumberValue(std::string_view text) {
  text = TrimView(text);
  if (text.empty() || text.size() > 9) return std::nullopt;
  long long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace orbit
