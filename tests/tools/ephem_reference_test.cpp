// The sun and moon models against PyEphem (tests/tools/data/make_ephem_reference.py).
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "orbit/calendar.h"
#include "tools/moon_table.h"
#include "tools/sun_view.h"

namespace tools {
namespace {

struct Reference {
  std::string body;
  Real utc = 0;
  double lat = 0, lon = 0, azimuth = 0, elevation = 0, distance = 0, rate = 0;
};

// The file's numbers have a period whatever the locale.
double Number(const std::string& text) {
  double v = 0;
  std::from_chars(text.data(), text.data() + text.size(), v);
  return v;
}

std::vector<Reference> LoadReference() {
  std::ifstream in(std::string(ORVANE_TOOLS_TEST_DATA) + "/ephem_reference.csv");
  std::vector<Reference> out;
  std::string line;
  std::getline(in, line);  // header
  while (std::getline(in, line)) {
    std::istringstream s(line);
    std::string f[8];
    for (auto& field : f) std::getline(s, field, ',');
    Reference r;
    r.body = f[0];
    int y, mo, d, h, mi, sec;
    std::sscanf(f[1].c_str(), "%d/%d/%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec);
    r.utc = orbit::EncodeDateTimeValue(y, mo, d, h, mi, sec);
    r.lat = Number(f[2]);
    r.lon = Number(f[3]);
    r.azimuth = Number(f[4]);
    r.elevation = Number(f[5]);
    r.distance = Number(f[6]);
    r.rate = Number(f[7]);
    out.push_back(r);
  }
  return out;
}

double AngleBetween(double a, double b) {
  double d = std::fmod(std::fabs(a - b), 360.0);
  return d > 180 ? 360 - d : d;
}

TEST(EphemReference, FileHoldsBothBodiesAtEveryStation) {
  const auto refs = LoadReference();
  ASSERT_EQ(refs.size(), 48u);
  EXPECT_EQ(std::count_if(refs.begin(), refs.end(), [](const Reference& r) { return r.body == "moon"; }),
            24);
}

TEST(EphemReference, MoonWithinThreeTenthsOfADegreeAndASixthOfAnEarthRadius) {
  int compared = 0;
  for (const Reference& r : LoadReference()) {
    if (r.body != "moon") continue;
    const orbit::MoonPosition m = MoonAt(r.utc, MoonSite{r.lat, r.lon, 0});
    SCOPED_TRACE(std::to_string(static_cast<double>(r.utc)) + " at " + std::to_string(r.lat));
    EXPECT_NEAR(static_cast<double>(m.elevation), r.elevation, 0.3);
    if (std::fabs(r.elevation) < 85) {
      EXPECT_LT(AngleBetween(static_cast<double>(m.azimuth), r.azimuth), 0.3);
    }
    EXPECT_NEAR(static_cast<double>(m.geocentricDistance), r.distance, 0.15);
    ++compared;
  }
  EXPECT_EQ(compared, 24);
}

TEST(EphemReference, SunWithinHalfADegree) {
  for (const Reference& r : LoadReference()) {
    if (r.body != "sun") continue;
    ToolStation station;
    station.latitude = r.lat;
    station.westLongitude = -r.lon;
    station.localUtcOffset = 2;  // local time two hours ahead: the model turns it back
    const SunView v = SunAt(r.utc + 2.0L / 24, station, 0);
    SCOPED_TRACE(std::to_string(static_cast<double>(r.utc)) + " at " + std::to_string(r.lat));
    EXPECT_NEAR(static_cast<double>(v.elevation), r.elevation, 0.5);
    if (std::fabs(r.elevation) < 85) {
      EXPECT_LT(AngleBetween(static_cast<double>(v.azimuth), r.azimuth), 0.5);
    }
  }
}

// The table's rate of a minute against PyEphem's station-moon distance a minute later:
// within 5 m/s, i.e. within 45 Hz of EME Doppler at 1296 MHz.
TEST(EphemReference, RangeRateOfTheFirstRowFollowsThePlaceOfTheMoon) {
  int compared = 0;
  for (const Reference& r : LoadReference()) {
    if (r.body != "moon" || r.elevation < 0) continue;
    const MoonTable t = BuildMoonTable(r.utc, MoonSite{r.lat, r.lon, 0}, std::nullopt, -5);
    ASSERT_GE(t.rows.size(), 3u);
    SCOPED_TRACE(std::to_string(static_cast<double>(r.utc)) + " at " + std::to_string(r.lat));
    EXPECT_NEAR(static_cast<double>(t.ownRates[0]), r.rate, 5.0);
    EXPECT_NEAR(EmeDoppler(t.ownRates[0], 1.296L, 0), EmeDoppler(r.rate, 1.296L, 0), 45);
    ++compared;
  }
  EXPECT_GE(compared, 8);
}

}  // namespace
}  // namespace tools
