#include "orbit/locator.h"

#include <cctype>
#include <cmath>

namespace orbit {

namespace {

// Character class of locator position 1..6, tested upper-cased; value counted from "A"/"0".
bool CharValue(char c, int position, int* value) {
  const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  char first = 'A';
  char last = 'R';
  if (position == 3 || position == 4) {
    first = '0';
    last = '9';
  } else if (position == 5 || position == 6) {
    last = 'X';
  }
  if (u < first || u > last) return false;
  *value = u - first;
  return true;
}

int ClampedTrunc(long double x, int maxValue) {
  const long double t = std::trunc(x);
  if (!(t >= 0)) return 0;  // also catches NaN
  return t > maxValue ? maxValue : static_cast<int>(t);
}

}  // namespace

bool LocatorCharAllowed(char c, int position) {
  int unused = 0;
  return CharValue(c, position, &unused);
}

std::optional<LocatorPoint> LocatorCentre(std::string_view locator) {
  if (locator.size() != 6) return std::nullopt;
  int c[6];
  for (int k = 0; k < 6; ++k) {
    if (!CharValue(locator[k], k + 1, &c[k])) return std::nullopt;
  }
  const long double east = 20.0L * c[0] + 2.0L * c[2] + c[4] / 12.0L + 1.0L / 24.0L - 180.0L;
  const long double north = 10.0L * c[1] + c[3] + c[5] / 24.0L + 1.0L / 48.0L - 90.0L;
  return LocatorPoint{north, -east};
}

std::string LocatorOf(long double latitude, long double longitudeWest) {
  if (!(latitude >= -90 && latitude <= 90 && longitudeWest >= -180 && longitudeWest <= 180))
    return {};
  const long double x = 180 - longitudeWest;
  const long double y = latitude + 90;
  const int c1 = ClampedTrunc(x / 20, 17);
  const int c3 = ClampedTrunc((x - 20 * c1) / 2, 9);
  const int c5 = ClampedTrunc((x - 20 * c1 - 2 * c3) * 12, 23);
  const int c2 = ClampedTrunc(y / 10, 17);
  const int c4 = ClampedTrunc(y - 10 * c2, 9);
  const int c6 = ClampedTrunc((y - 10 * c2 - c4) * 24, 23);
  std::string out(6, ' ');
  out[0] = static_cast<char>('A' + c1);
  out[1] = static_cast<char>('A' + c2);
  out[2] = static_cast<char>('0' + c3);
  out[3] = static_cast<char>('0' + c4);
  out[4] = static_cast<char>('A' + c5);
  out[5] = static_cast<char>('A' + c6);
  return out;
}

}  // namespace orbit
