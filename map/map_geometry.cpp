#include "map/map_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace map {

namespace {

using orbit::kDegree;
using orbit::kPi;

int RoundInt(Real x) {
  return static_cast<int>(std::nearbyint(x));
}

Real Clamp1(Real x) {
  return std::clamp(x, Real(-1), Real(1));
}

// Remainder in 0..m-1 for any sign of a.
int Wrap(int a, int m) {
  const int r = a % m;
  return r < 0 ? r + m : r;
}

// "dd°mm'" of the absolute value: whole degrees and whole minutes, zero-padded.
std::string DegreesMinutes(Real value, int degreeDigits) {
  // Whole minutes of the absolute value; a value typed as 33.9 is 33°54', not a hair below.
  const long long total = static_cast<long long>(std::floor(std::fabs(value) * 60 + Real(1e-7)));
  const int degrees = static_cast<int>(total / 60);
  const int minutes = static_cast<int>(total % 60);
  char text[32];
  std::snprintf(text, sizeof text, "%0*d\xC2\xB0%02d'", degreeDigits, degrees, minutes);
  return text;
}

// Numbers of the DX texts, "." or "," as separator, whatever the C locale says.
std::optional<Real> ParseNumber(std::string text) {
  std::replace(text.begin(), text.end(), ',', '.');
  if (text.empty()) return std::nullopt;
  double v = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), end, v);
  if (ec != std::errc() || ptr != end || !std::isfinite(v)) return std::nullopt;
  return static_cast<Real>(v);
}

std::string NumberText(Real value, char separator) {
  char text[32];
  const auto [ptr, ec] =
      std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::fixed, 2);
  std::string s(text, ec == std::errc() ? ptr : text);
  std::replace(s.begin(), s.end(), '.', separator);
  return s;
}

}  // namespace

Real ReduceLongitude(Real lon) {
  if (!std::isfinite(lon)) return 0;
  if (lon >= -180 && lon <= 180) return lon;  // -180 (180° E) keeps the right edge
  lon = std::fmod(lon, Real(360));
  if (lon > 180) lon -= 360;
  if (lon <= -180) lon += 360;
  return lon;
}

DisplayPoint ProjectMarker(Real latitude, Real westLongitude, const Scale& scale, int shift) {
  const Real lon = ReduceLongitude(westLongitude);
  const Real lat = std::isfinite(latitude) ? latitude : 0;
  const Real y = std::clamp(150 - lat * 300 / 180, Real(0), Real(299));
  const Real x = std::clamp(300 - lon * 600 / 360, Real(0), Real(599));
  const int width = std::max(1, RoundInt(600 * scale.zx));
  DisplayPoint p;
  p.x = Wrap(RoundInt(x * scale.zx) + RoundInt(shift * scale.zx), width);
  p.y = RoundInt(y * scale.zy);
  return p;
}

LayerPoint ProjectLayer(Real latitude, Real westLongitude, int shift) {
  const Real lon = ReduceLongitude(westLongitude);
  const Real lat = std::isfinite(latitude) ? latitude : 0;
  LayerPoint p;
  p.v = std::clamp(RoundInt(300 - lat * 600 / 180), 0, kLayerHeight - 1);
  p.u = std::clamp(Wrap(RoundInt(600 - lon * 1200 / 360) + 2 * shift, kLayerWidth), 0,
                   kLayerWidth - 1);
  return p;
}

GeoPoint DisplayToGeo(int x, int y, const Scale& scale, int shift) {
  const int width = std::max(1, RoundInt(600 * scale.zx));
  GeoPoint g;
  g.latitude = 90 - (y / scale.zy) * 180 / 300;
  g.westLongitude = 180 - (Wrap(x + RoundInt(shift * scale.zx), width) / scale.zx) * 360 / 600;
  return g;
}

std::vector<GeoPoint> SmallCircle(Real latitude, Real westLongitude, Real d, Real rho) {
  std::vector<GeoPoint> points;
  points.reserve(361);
  const Real phi = latitude * kDegree;
  const Real lambda = ReduceLongitude(westLongitude) * kDegree;
  const Real sinPhi = std::sin(phi), cosPhi = std::cos(phi);
  const Real sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);
  for (int t = 0; t <= 360; ++t) {
    const Real tr = (t == 360 ? 0 : t) * kDegree;  // the last point closes the circle exactly
    const Real a = rho * std::sin(tr);
    const Real b = rho * std::cos(tr);
    const Real c = d * cosPhi - b * sinPhi;
    const Real dd = d * sinPhi + b * cosPhi;
    const Real e = c * cosLambda - a * sinLambda;
    const Real f = c * sinLambda + a * cosLambda;
    GeoPoint g;
    g.latitude = std::asin(Clamp1(dd / kEarthRadius)) / kDegree;
    g.westLongitude = std::atan2(f, e) / kDegree;
    points.push_back(g);
  }
  return points;
}

std::vector<GeoPoint> FootprintCircle(Real latitude, Real westLongitude, Real r) {
  if (!(r > kEarthRadius) || !std::isfinite(r)) return {};
  const Real d = kEarthRadius * kEarthRadius / r;
  const Real rho = kEarthRadius * std::sqrt(r * r - kEarthRadius * kEarthRadius) / r;
  return SmallCircle(latitude, westLongitude, d, rho);
}

Real FootprintRadiusDegrees(Real r) {
  if (!(r > kEarthRadius) || !std::isfinite(r)) return 0;
  return std::acos(Clamp1(kEarthRadius / r)) / kDegree;
}

std::vector<GeoPoint> TerminatorCircle(const orbit::SubSolarPoint& sun) {
  return SmallCircle(sun.declination, sun.westLongitude, 0, kEarthRadius);
}

Polylines JoinFootprint(const std::vector<LayerPoint>& points, bool closed) {
  Polylines lines;
  for (const LayerPoint& p : points) {
    if (lines.empty()) {
      lines.push_back({p});
      continue;
    }
    const LayerPoint& last = lines.back().back();
    if (p == last) continue;
    if (std::abs(p.u - last.u) >= 180) {
      lines.push_back({p});
    } else {
      lines.back().push_back(p);
    }
  }
  if (closed && lines.size() > 1 && lines.back().back() == lines.front().front()) {
    Polyline joined = std::move(lines.back());
    joined.insert(joined.end(), lines.front().begin() + 1, lines.front().end());
    lines.front() = std::move(joined);
    lines.pop_back();
  }
  return lines;
}

Polylines FootprintLines(const std::vector<GeoPoint>& circle, int shift) {
  std::vector<LayerPoint> points;
  points.reserve(circle.size());
  for (const GeoPoint& g : circle) points.push_back(ProjectLayer(g.latitude, g.westLongitude, shift));
  return JoinFootprint(points, true);
}

Polylines TerminatorLines(const std::vector<GeoPoint>& circle, int shift) {
  Polylines lines;
  bool started = false;
  LayerPoint prev;
  for (const GeoPoint& g : circle) {
    const LayerPoint p = ProjectLayer(g.latitude, g.westLongitude, shift);
    if (!started) {
      lines.push_back({p});
      started = true;
    } else if (p == prev) {
      continue;
    } else if (std::abs(p.u - prev.u) < 500) {
      lines.back().push_back(p);
    } else if (prev.u > 600) {
      lines.back().push_back({kLayerWidth - 1, p.v});
      lines.push_back({{0, p.v}, p});
    } else {
      lines.back().push_back({0, p.v});
      lines.push_back({{kLayerWidth - 1, p.v}, p});
    }
    prev = p;
  }
  return lines;
}

std::vector<unsigned char> NightMask(const orbit::SubSolarPoint& sun, int shift) {
  std::vector<unsigned char> mask(static_cast<std::size_t>(kLayerWidth) * kLayerHeight, 0);
  const Real dec = sun.declination * kDegree;
  const Real sinDec = std::sin(dec), cosDec = std::cos(dec);
  // cos(lambda - alpha) of each column's centre, once.
  std::array<double, kLayerWidth> cosHour{};
  for (int u = 0; u < kLayerWidth; ++u) {
    const Real lon = (600 - (Wrap(u - 2 * shift, kLayerWidth) + Real(0.5))) * 360 / 1200;
    cosHour[static_cast<std::size_t>(u)] =
        static_cast<double>(std::cos((lon - sun.westLongitude) * kDegree));
  }
  for (int v = 0; v < kLayerHeight; ++v) {
    const Real lat = (300 - (v + Real(0.5))) * 180 / 600;
    const double a = static_cast<double>(sinDec * std::sin(lat * kDegree));
    const double b = static_cast<double>(cosDec * std::cos(lat * kDegree));
    unsigned char* row = mask.data() + static_cast<std::size_t>(v) * kLayerWidth;
    for (int u = 0; u < kLayerWidth; ++u) row[u] = a + b * cosHour[static_cast<std::size_t>(u)] < 0;
  }
  return mask;
}

std::vector<int> GridColumns() {
  std::vector<int> c;
  for (int u = 0; u < kLayerWidth; u += 100) c.push_back(u);
  return c;
}

std::vector<int> GridRows() {
  std::vector<int> r;
  for (int v = 100; v < kLayerHeight; v += 100) r.push_back(v);
  return r;
}

std::vector<GridLabel> GridLabels(int shift) {
  std::vector<GridLabel> labels;
  for (int u : GridColumns()) {
    // The meridian of this column, west positive, in -180..180.
    const int west = RoundInt(ReduceLongitude((600 - Wrap(u - 2 * shift, kLayerWidth)) * Real(360) / 1200));
    std::string text;
    if (west == 0) {
      text = "0";
    } else if (west == 180) {
      if (shift == kShift0) continue;  // the map's edges
      text = "180";
    } else {
      text = std::to_string(std::abs(west));
      text += west > 0 ? " W" : " E";
    }
    labels.push_back({text, u, true});
  }
  for (int v : GridRows()) {
    const int lat = RoundInt(Real(300 - v) * 180 / 600);
    std::string text = std::to_string(std::abs(lat));
    if (lat != 0) text += lat > 0 ? " N" : " S";
    labels.push_back({text, v, false});
  }
  return labels;
}

int OrbitMinuteIndex(Real nowUtc, Real trackStartUtc) {
  // The clock comes as a double: a minute's start may read a few microseconds early.
  const Real a = std::floor(nowUtc * 1440 + Real(1e-7));
  const Real b = std::floor(trackStartUtc * 1440 + Real(1e-7));
  const Real k = std::floor(a - b) + 1;
  if (!std::isfinite(k)) return 0;
  return static_cast<int>(std::clamp(k, Real(-1e6), Real(1e6)));
}

std::vector<int> FullCoveragePoints(int n) {
  std::vector<int> points;
  if (n < 1) return points;
  const int s = std::max(1, RoundInt(Real(n) / 10));
  for (int k = 1; k <= n; k += s) points.push_back(k);
  points.push_back(n);
  return points;
}

int FullCoverageProgressStep(int n) {
  if (n < 1) return 0;
  const int s = std::max(1, RoundInt(Real(n) / 10));
  return RoundInt(Real(s) * 100 / n);
}

Size ZoomedWindowSize(Size design, Real z) {
  if (z == 1) return design;
  return {RoundInt(design.width * z - (z - 1) * 13), RoundInt(design.height * z - (z - 1) * 81)};
}

Size ZoomedMapSize(Real z) {
  return {RoundInt(600 * z), RoundInt(300 * z)};
}

Scale ScaleOf(Size mapSize) {
  return {Real(mapSize.width) / 600, Real(mapSize.height) / 300};
}

std::optional<Real> ZoomFromPercent(int percent) {
  switch (percent) {
    case 100:
    case 125:
    case 150:
    case 175:
    case 200:
      return Real(percent) / 100;
    default:
      return std::nullopt;
  }
}

std::string MarkerHint(const std::string& name, Real latitude, Real westLongitude,
                       const std::string& suffix) {
  const Real lon = ReduceLongitude(westLongitude);
  std::string hint = name;
  hint += "  LAT:";
  hint += DegreesMinutes(latitude, 2);
  hint += latitude < 0 ? "S" : "N";
  hint += "  LON:";
  hint += DegreesMinutes(lon, 3);
  hint += lon < 0 ? "E" : "W";
  hint += suffix;
  return hint;
}

std::optional<GeoPoint> ParseDxPosition(const std::string& latitudeText,
                                        const std::string& longitudeText) {
  if (latitudeText.size() < 2 || longitudeText.size() < 2) return std::nullopt;
  const std::optional<Real> lat = ParseNumber(latitudeText.substr(1));
  const std::optional<Real> lon = ParseNumber(longitudeText.substr(1));
  if (!lat || !lon) return std::nullopt;
  GeoPoint g;
  g.latitude = latitudeText[0] == 'N' ? *lat : -*lat;
  g.westLongitude = longitudeText[0] == 'W' ? *lon : -*lon;
  if (std::fabs(g.latitude) > 90 || std::fabs(g.westLongitude) > 180) return std::nullopt;
  return g;
}

std::string DxLatitudeText(Real latitude, char separator) {
  std::string text = latitude < 0 ? "S" : "N";
  text += NumberText(std::fabs(latitude), separator);
  return text;
}

std::string DxLongitudeText(Real westLongitude, char separator) {
  const Real lon = ReduceLongitude(westLongitude);
  std::string text = lon < 0 ? "E" : "W";
  text += NumberText(std::fabs(lon), separator);
  return text;
}

}  // namespace map
