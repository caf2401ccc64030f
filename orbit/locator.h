#pragma once

#include <optional>
#include <string>
#include <string_view>

// Maidenhead locators of six characters ("JN18DU"): one copy of the maths for the
// station panel, the map, the moon, HF beam and DX windows.
namespace orbit {

struct LocatorPoint {
  long double latitude = 0;   // degrees, north positive
  long double longitude = 0;  // degrees, WEST positive
};

// Whether `c` may stand at position 1..6 of a locator (case ignored).
bool LocatorCharAllowed(char c, int position);

// Centre of the sub-square of a six-character locator (case ignored); nullopt when a
// character is out of its range or the length is not six.
std::optional<LocatorPoint> LocatorCentre(std::string_view locator);

// The locator of a point, upper-case. Latitude -90..90, longitude west-positive
// -180..180; values on the far edges fall into the last square. Empty for NaN or
// values outside those ranges.
std::string LocatorOf(long double latitude, long double longitudeWest);

}  // namespace orbit
