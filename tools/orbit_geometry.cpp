#include "tools/orbit_geometry.h"

#include <algorithm>
#include <cmath>

namespace tools {

namespace {

constexpr double kMu = 75371227300000.0;  // km^3 per (revolution per day)^2
constexpr double kEarthRadius = 6378.137;
constexpr double kPi = 3.1415926536;
constexpr double kDegree = 0.01745329252;
// Far outside any picture, yet safe for an int.
constexpr double kPixelLimit = 100000;

int Pixel(double x) { return static_cast<int>(std::nearbyint(std::clamp(x, -kPixelLimit, kPixelLimit))); }

}  // namespace

OrbitGeometry ComputeOrbitGeometry(const OrbitInputs& in) {
  OrbitGeometry g;
  const double n = in.meanMotion;
  if (!(n > 0) || !std::isfinite(n) || !std::isfinite(in.eccentricity) ||
      !std::isfinite(in.altitude10) || in.pictureSize < 40)
    return g;
  // An ellipse needs 0 <= e < 1; anything else is unreadable data drawn as nearly so.
  const double e = std::clamp(in.eccentricity, 0.0, 0.999999);
  g.drawn = true;
  g.visible = in.visible;
  g.a = std::cbrt(kMu / (n * n));
  g.c = g.a * e;
  g.b = std::sqrt(std::max(0.0, g.a * g.a - g.c * g.c));
  g.apogee = std::lround(g.a + g.c - kEarthRadius);
  g.perigee = std::lround(g.a - g.c - kEarthRadius);

  const double width = in.pictureSize - 20;
  g.scale = (width / 2) / g.a;
  g.height = std::min(Pixel(2 * g.b * g.scale), static_cast<int>(width));
  g.orbit = {10, 10, static_cast<int>(width) + 10, g.height + 10};

  // A semi-major axis below the Earth's radius would give a disc beyond the picture.
  auto inside = [&](double x) {
    return Pixel(std::clamp(x, 0.0, static_cast<double>(in.pictureSize)));
  };
  const double cx = (g.a - g.c) * g.scale + 10;
  const double cy = g.b * g.scale + 10;
  const double rr = kEarthRadius * g.scale;
  g.earth = {inside(cx - rr), inside(cy - rr), inside(cx + rr), inside(cy + rr)};

  const double r = in.altitude10 / 10 + kEarthRadius;
  g.altitude = std::lround(std::clamp(r - kEarthRadius, -1e9, 1e9));
  const double phaseAngle = in.phase * 2 * kPi / 256;
  double cosNu;
  if (e < kPhaseAnomalyBelow || !(r > 0)) {
    cosNu = std::cos(phaseAngle);
  } else {
    cosNu = std::clamp(((1 - e * e) * g.a / r - 1) / e, -1.0, 1.0);
    if (cosNu == 1) cosNu = std::cos(phaseAngle);
  }
  g.cosAnomaly = cosNu;
  const double sinNu = std::sqrt(std::max(0.0, 1 - cosNu * cosNu));
  g.satelliteX = Pixel((g.a - g.c - r * cosNu) * g.scale);
  g.satelliteY = in.phase < 128 ? Pixel((g.b - r * sinNu) * g.scale)
                                : Pixel((g.b + r * sinNu) * g.scale);

  if (in.hasAttitude && std::isfinite(in.attitudeLongitude)) {
    const double l = in.attitudeLongitude * kDegree;
    g.attitudeLine = true;
    g.lineFromX = g.satelliteX + 10;
    g.lineFromY = g.satelliteY + 10;
    g.lineToX = g.satelliteX + Pixel(15 * std::cos(l)) + 10;
    g.lineToY = g.satelliteY + Pixel(15 * std::sin(l)) + 10;
  }
  return g;
}

}  // namespace tools
