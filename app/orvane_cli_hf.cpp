#include "app/orvane_cli_hf.h"

#include <cmath>
#include <cstdio>

#include "orbit/locator.h"
#include "orbit/text_number.h"
#include "tools/hf_beam.h"

namespace app::cli {

namespace {

int Fail(const std::string& error) {
  std::fprintf(stderr, "orvane-cli: %s\n", error.c_str());
  return 1;
}

// A degree value within +-limit, or an error text.
bool Degrees(const OptionValues& values, const std::string& key, double limit, double* out,
             std::string* error) {
  const auto it = values.find(key);
  if (it == values.end()) {
    *error = "--" + key + " is required";
    return false;
  }
  long double v = 0;
  if (!orbit::ParseDecimal(it->second, '.', &v) || !std::isfinite(static_cast<double>(v)) ||
      std::fabs(static_cast<double>(v)) > limit) {
    *error = "--" + key + " must be a number of degrees within +-" +
             std::to_string(static_cast<int>(limit)) + ": " + it->second;
    return false;
  }
  *out = static_cast<double>(v);
  return true;
}

}  // namespace

int Beam(const OptionValues& values) {
  std::string error;
  double lat = 0, lon = 0, toLat = 0, toLon = 0;
  if (!Degrees(values, "lat", 90, &lat, &error) || !Degrees(values, "lon", 180, &lon, &error))
    return Fail(error);
  const auto to = values.find("to");
  const bool coordinates = values.count("to-lat") || values.count("to-lon");
  if (to != values.end() && coordinates) return Fail("give either --to or --to-lat/--to-lon");
  if (to != values.end()) {
    const auto match = tools::FindPrefix(QString::fromStdString(to->second));
    if (!match) return Fail("no DXCC entity for prefix " + to->second);
    toLat = match->position.latitude;
    toLon = match->position.longitude;
    std::printf("to %s %s\n", match->prefix.toStdString().c_str(),
                match->country.toStdString().c_str());
  } else if (!Degrees(values, "to-lat", 90, &toLat, &error) ||
             !Degrees(values, "to-lon", 180, &toLon, &error)) {
    return Fail(error);
  }
  const tools::GreatCircleResult r = tools::GreatCircle(lat, lon, toLat, toLon);
  double longPath = r.azimuth + 180;
  if (longPath >= 360) longPath -= 360;
  if (r.distanceKm < 0.001) longPath = 0;  // no direction between identical points
  std::printf("short path %.1f\n", r.azimuth);
  std::printf("long path %.1f\n", longPath);
  std::printf("distance %.1f km\n", r.distanceKm);
  return 0;
}

int Locator(const OptionValues& values) {
  const auto locator = values.find("locator");
  const bool coordinates = values.count("lat") || values.count("lon");
  if (locator != values.end()) {
    if (coordinates) return Fail("give either --locator or --lat/--lon");
    const auto centre = orbit::LocatorCentre(locator->second);
    if (!centre) return Fail("not a six-character locator: " + locator->second);
    const double la = static_cast<double>(centre->latitude);
    const double lo = -static_cast<double>(centre->longitude);  // east positive
    std::printf("latitude %.4f %s\n", std::fabs(la), la >= 0 ? "N" : "S");
    std::printf("longitude %.4f %s\n", std::fabs(lo), lo >= 0 ? "E" : "W");
    return 0;
  }
  std::string error;
  double lat = 0, lon = 0;
  if (!Degrees(values, "lat", 90, &lat, &error) || !Degrees(values, "lon", 180, &lon, &error))
    return Fail(error);
  const std::string text = orbit::LocatorOf(lat, -lon);
  if (text.empty()) return Fail("no locator for these coordinates");
  std::printf("%s\n", text.c_str());
  return 0;
}

}  // namespace app::cli
