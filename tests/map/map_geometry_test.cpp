// Projections, circles, joins, darkness, grid, click inverse, zoom sizes and hint texts,
// against the worked values of the map's rules and hand calculations.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

#include "map/map_geometry.h"

using namespace map;

namespace {

// Great-circle angle between two points (degrees), by the haversine formula.
double AngleBetween(double lat1, double lon1, double lat2, double lon2) {
  const double r = M_PI / 180;
  const double a = std::pow(std::sin((lat2 - lat1) * r / 2), 2) +
                   std::cos(lat1 * r) * std::cos(lat2 * r) * std::pow(std::sin((lon2 - lon1) * r / 2), 2);
  return 2 * std::asin(std::min(1.0, std::sqrt(a))) / r;
}

const Scale kZoom100{1, 1};
const Scale kZoom200{2, 2};

}  // namespace

TEST(MarkerProjection, CornersAndCentringOfTheRule) {
  EXPECT_EQ(ProjectMarker(90, 0, kZoom100, kShift0).y, 0);
  EXPECT_EQ(ProjectMarker(-90, 0, kZoom100, kShift0).y, 299);
  // 180° E (west longitude -180) stays on the right edge, not beyond.
  EXPECT_EQ(ProjectMarker(0, -180, kZoom100, kShift0).x, 599);
  EXPECT_EQ(ProjectMarker(0, 180, kZoom100, kShift0).x, 0);
  // Centred on 180: a station at 0° goes to (300 + 300) mod 600 = 0.
  EXPECT_EQ(ProjectMarker(0, 0, kZoom100, kShift180).x, 0);
  EXPECT_EQ(ProjectMarker(0, 0, kZoom100, kShift0).x, 300);
  // Paris at 200 %: x = 300 + 2.35*600/360 = 303.92 -> 607.8 -> 608; y = 150 - 48.85*300/180.
  const DisplayPoint paris = ProjectMarker(48.85L, -2.35L, kZoom200, kShift0);
  EXPECT_EQ(paris.x, 608);
  EXPECT_EQ(paris.y, 137);  // 68.5833 * 2 = 137.17
}

TEST(MarkerProjection, ObserverLongitudesAboveHalfACircleAreReduced) {
  // The observer's 270 (= -90) and 360 (= 0) land where -90 and 0 do.
  EXPECT_EQ(ProjectMarker(0, 270, kZoom100, kShift0).x, ProjectMarker(0, -90, kZoom100, kShift0).x);
  EXPECT_EQ(ProjectMarker(0, 360, kZoom100, kShift0).x, 300);
  EXPECT_EQ(ProjectLayer(0, 270, kShift0).u, 900);
  EXPECT_EQ(ProjectLayer(0, 360, kShift0).u, 600);
}

TEST(LayerProjection, RowsColumnsAndCentring) {
  EXPECT_EQ(ProjectLayer(90, 0, kShift0).v, 0);
  EXPECT_EQ(ProjectLayer(-90, 0, kShift0).v, 599);
  EXPECT_EQ(ProjectLayer(0, 0, kShift0).u, 600);
  EXPECT_EQ(ProjectLayer(0, 0, kShift180).u, 0);
  EXPECT_EQ(ProjectLayer(0, 90, kShift0).u, 300);     // 90° W
  EXPECT_EQ(ProjectLayer(0, 90, kShift180).u, 900);
  EXPECT_EQ(ProjectLayer(30, -30, kShift0), (LayerPoint{700, 200}));
}

TEST(ClickInverse, LeftEdgeAndRoundTrip) {
  // Left edge of a 180-centred map at 100 %: 180 - 300*360/600 = 0.
  EXPECT_NEAR(static_cast<double>(DisplayToGeo(0, 150, kZoom100, kShift180).westLongitude), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(DisplayToGeo(0, 150, kZoom100, kShift0).westLongitude), 180, 1e-12);
  EXPECT_NEAR(static_cast<double>(DisplayToGeo(0, 150, kZoom100, kShift0).latitude), 0, 1e-12);
  EXPECT_NEAR(static_cast<double>(DisplayToGeo(0, 0, kZoom200, kShift0).latitude), 90, 1e-12);
  for (int shift : {kShift0, kShift180}) {
    for (const Scale& s : {kZoom100, Scale{1.5L, 1.5L}, kZoom200}) {
      const DisplayPoint p = ProjectMarker(-33.9L, -151.2L, s, shift);  // Sydney
      const GeoPoint g = DisplayToGeo(p.x, p.y, s, shift);
      EXPECT_NEAR(static_cast<double>(g.latitude), -33.9, 0.6 / static_cast<double>(s.zy));
      EXPECT_NEAR(static_cast<double>(g.westLongitude), -151.2, 0.6 / static_cast<double>(s.zx));
    }
  }
}

TEST(SmallCircle, FootprintOf400kmHasItsAngularRadius) {
  // acos(6378.137 / 6778.137) = 19.78°.
  EXPECT_NEAR(static_cast<double>(FootprintRadiusDegrees(6778.137L)), 19.78, 0.005);
  for (const auto& [lat, lon] : {std::pair{48.85, -2.35}, {0.0, 180.0}, {-60.0, 75.0}, {85.0, 10.0}}) {
    const std::vector<GeoPoint> c = FootprintCircle(lat, lon, 6778.137L);
    ASSERT_EQ(c.size(), 361u);
    EXPECT_EQ(c.front().latitude, c.back().latitude);
    EXPECT_EQ(c.front().westLongitude, c.back().westLongitude);
    for (const GeoPoint& g : c) {
      EXPECT_NEAR(AngleBetween(lat, lon, static_cast<double>(g.latitude),
                               static_cast<double>(g.westLongitude)),
                  19.78, 0.01);
    }
  }
}

TEST(SmallCircle, NoFootprintAtOrBelowTheEarthsRadius) {
  EXPECT_TRUE(FootprintCircle(10, 10, 6378.137L).empty());
  EXPECT_TRUE(FootprintCircle(10, 10, 6000).empty());
  EXPECT_TRUE(FootprintCircle(10, 10, NAN).empty());
  EXPECT_EQ(FootprintRadiusDegrees(100), 0);
  // A distance a hair above R gives a tiny circle without NaN.
  for (const GeoPoint& g : FootprintCircle(89.999L, 0, 6378.1371L)) {
    EXPECT_TRUE(std::isfinite(static_cast<double>(g.latitude)));
    EXPECT_LE(static_cast<double>(g.latitude), 90);
  }
}

TEST(SmallCircle, TerminatorIsNinetyDegreesFromTheSun) {
  const orbit::SubSolarPoint sun{23.44L, -45};
  const std::vector<GeoPoint> c = TerminatorCircle(sun);
  ASSERT_EQ(c.size(), 361u);
  for (const GeoPoint& g : c)
    EXPECT_NEAR(AngleBetween(23.44, -45, static_cast<double>(g.latitude),
                             static_cast<double>(g.westLongitude)),
                90, 1e-6);
}

TEST(FootprintJoin, DateLineGivesTwoArcsWithoutAWideSegment) {
  for (int shift : {kShift0, kShift180}) {
    // Centred on the date line for 0-centring, on Greenwich for 180-centring: both cut.
    const Real lon = shift == kShift0 ? 180 : 0;
    const Polylines lines = FootprintLines(FootprintCircle(10, lon, 6778.137L), shift);
    ASSERT_EQ(lines.size(), 2u) << shift;
    for (const Polyline& line : lines)
      for (std::size_t i = 1; i < line.size(); ++i) EXPECT_LT(std::abs(line[i].u - line[i - 1].u), 180);
  }
  // Away from the edge the circle is one closed line.
  const Polylines one = FootprintLines(FootprintCircle(10, 0, 6778.137L), kShift0);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one.front().front(), one.front().back());
}

TEST(FootprintJoin, PolarFootprintRunsAcrossTheWholeMap) {
  // 2000 km up over 80° N: the circle (about 36°) holds the pole, so it crosses every
  // meridian once and the edge once.
  const Polylines lines = FootprintLines(FootprintCircle(80, 30, 8378.137L), kShift0);
  ASSERT_EQ(lines.size(), 1u);
  int least = kLayerWidth, most = 0;
  for (const LayerPoint& p : lines.front()) {
    least = std::min(least, p.u);
    most = std::max(most, p.u);
  }
  EXPECT_LT(least, 10);
  EXPECT_GT(most, 1190);
  for (std::size_t i = 1; i < lines.front().size(); ++i)
    EXPECT_LT(std::abs(lines.front()[i].u - lines.front()[i - 1].u), 180);
}

TEST(FootprintJoin, RepeatedPointsAreSkipped) {
  const Polylines lines = JoinFootprint({{10, 10}, {10, 10}, {12, 10}, {400, 10}, {401, 11}}, false);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (Polyline{{10, 10}, {12, 10}}));
  EXPECT_EQ(lines[1], (Polyline{{400, 10}, {401, 11}}));
}

TEST(TerminatorJoin, CrossingsAreClosedAlongTheEdges) {
  const orbit::SubSolarPoint sun{-23.44L, 100};
  const Polylines lines = TerminatorLines(TerminatorCircle(sun), kShift0);
  ASSERT_GE(lines.size(), 2u);
  for (const Polyline& line : lines)
    for (std::size_t i = 1; i < line.size(); ++i) EXPECT_LT(std::abs(line[i].u - line[i - 1].u), 500);
  // Each new line after a crossing starts on an edge.
  for (std::size_t k = 1; k < lines.size(); ++k)
    EXPECT_TRUE(lines[k].front().u == 0 || lines[k].front().u == kLayerWidth - 1);
}

TEST(Darkness, NightAtTheAntiSolarPointDayAtTheSubSolarPoint) {
  struct Case {
    double dec, lon;
  };
  for (const Case c : {Case{23.44, 0}, Case{-23.44, 120}, Case{0, -75}, Case{1.5, 170}}) {
    for (int shift : {kShift0, kShift180}) {
      const orbit::SubSolarPoint sun{c.dec, c.lon};
      const std::vector<unsigned char> night = NightMask(sun, shift);
      auto at = [&](double lat, double lon) {
        const LayerPoint p = ProjectLayer(lat, lon, shift);
        return night[static_cast<std::size_t>(p.v) * kLayerWidth + p.u];
      };
      EXPECT_EQ(at(c.dec, c.lon), 0);
      EXPECT_EQ(at(-c.dec, c.lon > 0 ? c.lon - 180 : c.lon + 180), 1);
      // The flood-fill seeds of the old rule all lie in the night we paint.
      const LayerPoint s = ProjectLayer(c.dec, c.lon, shift);
      if (s.v >= 290 && s.v <= 310) {
        EXPECT_EQ(night[static_cast<std::size_t>(600 - s.v) * kLayerWidth + (s.u + 305) % 1200], 1);
        EXPECT_EQ(night[static_cast<std::size_t>(600 - s.v) * kLayerWidth + (s.u - 305 + 1200) % 1200], 1);
      } else {
        EXPECT_EQ(night[static_cast<std::size_t>(600 - s.v) * kLayerWidth + (s.u + 600) % 1200], 1);
      }
    }
  }
}

TEST(Darkness, SolsticePolesAndEquinoxHalves) {
  // June solstice: midnight sun on the top row, polar night on the bottom row.
  const std::vector<unsigned char> june = NightMask({23.44L, 0}, kShift0);
  long top = 0, bottom = 0;
  for (int u = 0; u < kLayerWidth; ++u) {
    top += june[static_cast<std::size_t>(u)];
    bottom += june[static_cast<std::size_t>(kLayerHeight - 1) * kLayerWidth + u];
  }
  EXPECT_EQ(top, 0);
  EXPECT_EQ(bottom, kLayerWidth);
  // Equinox: every row is half night (600 of 1200 columns).
  const std::vector<unsigned char> march = NightMask({0, 0}, kShift0);
  for (int v : {0, 150, 300, 599}) {
    long n = 0;
    for (int u = 0; u < kLayerWidth; ++u) n += march[static_cast<std::size_t>(v) * kLayerWidth + u];
    EXPECT_EQ(n, 600) << v;
  }
}

TEST(Grid, LabelsOfBothCentrings) {
  auto find = [](const std::vector<GridLabel>& labels, const std::string& text) {
    for (const GridLabel& l : labels)
      if (l.text == text) return l;
    return GridLabel{"", -1, false};
  };
  const auto zero = GridLabels(kShift0);
  EXPECT_EQ(find(zero, "0").u, 600);
  EXPECT_EQ(find(zero, "150 W").u, 100);
  EXPECT_EQ(find(zero, "30 E").u, 700);
  EXPECT_EQ(find(zero, "150 E").u, 1100);
  EXPECT_EQ(find(zero, "180").u, -1);  // the edges carry no label
  EXPECT_EQ(find(zero, "60 N").u, 100);
  EXPECT_EQ(find(zero, "30 S").u, 400);
  const auto far = GridLabels(kShift180);
  EXPECT_EQ(find(far, "0").u, 0);
  EXPECT_EQ(find(far, "180").u, 600);
  EXPECT_EQ(find(far, "30 E").u, 100);
  EXPECT_EQ(find(far, "30 W").u, 1100);
  EXPECT_EQ(GridColumns().front(), 0);
  EXPECT_EQ(GridColumns().size(), 12u);
  EXPECT_EQ(GridRows(), (std::vector<int>{100, 200, 300, 400, 500}));
}

TEST(OrbitIndex, WholeMinutesFromTheTableStart) {
  const Real t0 = 43121 + Real(600) / 1440;  // 10:00 UTC
  EXPECT_EQ(OrbitMinuteIndex(t0 + Real(30) / 86400, t0), 1);
  EXPECT_EQ(OrbitMinuteIndex(t0 + Real(5 * 60 + 59) / 86400, t0), 6);
  EXPECT_EQ(OrbitMinuteIndex(t0 - Real(1) / 1440, t0), 0);
}

TEST(FullCoverage, StepsOfATenth) {
  EXPECT_EQ(FullCoveragePoints(9), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 9}));
  EXPECT_EQ(FullCoveragePoints(14).size(), 15u);  // round(1.4) = 1
  // round(2.5) = 2 (halves to even): 1, 3, ..., 25, then 25.
  EXPECT_EQ(FullCoveragePoints(25), (std::vector<int>{1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 25}));
  EXPECT_EQ(FullCoveragePoints(35), (std::vector<int>{1, 5, 9, 13, 17, 21, 25, 29, 33, 35}));
  EXPECT_TRUE(FullCoveragePoints(0).empty());
  EXPECT_EQ(FullCoverageProgressStep(25), 8);
  EXPECT_EQ(FullCoverageProgressStep(35), 11);  // 400/35 = 11.4
}

TEST(Zoom, WindowAndMapSizes) {
  EXPECT_EQ(ZoomedWindowSize({652, 403}, 2), (Size{1291, 725}));
  EXPECT_EQ(ZoomedMapSize(2), (Size{1200, 600}));
  // 652*1.25 - 0.25*13 = 811.75; 403*1.25 - 0.25*81 = 483.5 -> 484 (halves to even).
  EXPECT_EQ(ZoomedWindowSize({652, 403}, 1.25L), (Size{812, 484}));
  EXPECT_EQ(ZoomedWindowSize({652, 403}, 1), (Size{652, 403}));
  EXPECT_EQ(ZoomedMapSize(1.75L), (Size{1050, 525}));
  EXPECT_EQ(ZoomFromPercent(175), 1.75L);
  EXPECT_FALSE(ZoomFromPercent(110));
  EXPECT_FALSE(ZoomFromPercent(0));
}

TEST(Hints, DegreesAndMinutesOfTheAbsoluteValue) {
  EXPECT_EQ(MarkerHint("ISS", 48.8566L, -2.3522L, " (current position)"),
            "ISS  LAT:48\xC2\xB0" "51'N  LON:002\xC2\xB0" "21'E (current position)");
  EXPECT_EQ(MarkerHint("QRA  ", -33.5L, 70.75L, ""), "QRA    LAT:33\xC2\xB0" "30'S  LON:070\xC2\xB0" "45'W");
  // 359.5 from the observer is 0.5° E.
  EXPECT_EQ(MarkerHint("X", 0, 359.5L, ""), "X  LAT:00\xC2\xB0" "00'N  LON:000\xC2\xB0" "30'E");
}

TEST(DxTexts, ParseAndFormat) {
  const auto a = ParseDxPosition("N48.85", "E2.35");
  ASSERT_TRUE(a);
  EXPECT_NEAR(static_cast<double>(a->latitude), 48.85, 1e-12);
  EXPECT_NEAR(static_cast<double>(a->westLongitude), -2.35, 1e-12);
  const auto b = ParseDxPosition("S33,9", "W70");
  ASSERT_TRUE(b);
  EXPECT_NEAR(static_cast<double>(b->latitude), -33.9, 1e-12);
  EXPECT_NEAR(static_cast<double>(b->westLongitude), 70, 1e-12);
  EXPECT_FALSE(ParseDxPosition("", "W70"));
  EXPECT_FALSE(ParseDxPosition("N", "W70"));
  EXPECT_FALSE(ParseDxPosition("Nabc", "W70"));
  EXPECT_FALSE(ParseDxPosition("N12", "W7x"));
  EXPECT_EQ(DxLatitudeText(-33.9L, ','), "S33,90");
  EXPECT_EQ(DxLatitudeText(48.854L, '.'), "N48.85");
  EXPECT_EQ(DxLongitudeText(-2.35L, '.'), "E2.35");
  EXPECT_EQ(DxLongitudeText(270, '.'), "E90.00");
}

TEST(DxTexts, IndependentOfTheCLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old != nullptr ? old : "C";
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale";
  EXPECT_EQ(DxLatitudeText(60, '.'), "N60.00");
  const auto p = ParseDxPosition("N48.85", "E2.35");
  std::setlocale(LC_NUMERIC, saved.c_str());
  ASSERT_TRUE(p);
  EXPECT_NEAR(static_cast<double>(p->latitude), 48.85, 1e-12);
}
