#include "tools/coverage.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace tools {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRad = kPi / 180;
constexpr double kTinyDistance = 1.58e-7;  // radians: the centre itself

double CappedLatitude(double latitude) {
  return latitude == 90 ? 89.9 : latitude;
}

// The centre's terms, computed once per picture.
struct Centre {
  double sinLat0 = 0, cosLat0 = 1;
  double lon0 = 0;      // radians, east
  double psiLimit = 0;  // radians: arccos(1/Δ)
  double cosLimit = 1;  // 1/Δ
  int cx = 0, cy = 0;
};

Centre Prepare(const CoverageCentre& c, int baseWidth, int baseHeight) {
  Centre p;
  const double lat0 = CappedLatitude(c.latitude) * kRad;
  p.sinLat0 = std::sin(lat0);
  p.cosLat0 = std::cos(lat0);
  p.lon0 = c.eastLongitude * kRad;
  p.cosLimit = c.distance > 1 ? 1 / c.distance : 1;
  p.psiLimit = std::acos(p.cosLimit);
  p.cx = static_cast<int>(std::nearbyint((baseWidth - 301) / 2.0));
  p.cy = static_cast<int>(std::nearbyint((baseHeight - 301) / 2.0));
  return p;
}

// One point from its row terms (sin φ, cos φ) and column terms (cos Δλ, west of centre).
inline bool Target(const Centre& p, double sinLat, double cosLat, double cosDLon, bool west,
                   int* x, int* y) {
  double c = p.sinLat0 * sinLat + p.cosLat0 * cosLat * cosDLon;
  c = std::clamp(c, -1.0, 1.0);
  if (c < p.cosLimit - 1e-12) return false;  // far outside the visible cap
  const double psi = std::acos(c);
  if (psi > p.psiLimit) return false;
  // β from B = (sin(φ0 + ψ) − sin φ)/(2·cos φ0·sin ψ); β = 2·arcsin √B gives
  // cos β = 1 − 2B and sin β = 2·√(B·(1 − B)).
  double sinBeta = 0, cosBeta = 1;
  if (psi <= kPi / 2 && psi >= kTinyDistance) {
    const double sinPsi = std::sqrt(std::max(0.0, 1 - c * c));
    double b = (p.sinLat0 * c + p.cosLat0 * sinPsi - sinLat) / (2 * p.cosLat0 * sinPsi);
    if (std::isfinite(b) && b > 0) {
      b = std::min(b, 1.0);
      cosBeta = 1 - 2 * b;
      sinBeta = 2 * std::sqrt(b * (1 - b));
      if (west) sinBeta = -sinBeta;  // β becomes 2π − β
    }
  }
  *x = static_cast<int>(std::nearbyint(300 + 300 * psi * sinBeta / kPi)) - 150 + p.cx;
  *y = static_cast<int>(std::nearbyint(300 - 300 * psi * cosBeta / kPi)) - 150 + p.cy;
  return true;
}

// West of the centre: −π < Δλ < 0 or Δλ > π (radians).
bool WestOf(double dLon) {
  return (dLon > -kPi && dLon < 0) || dLon > kPi;
}

}  // namespace

std::optional<CoveragePixel> CoverageTarget(const CoverageCentre& centre, double latitude,
                                            double eastLongitude, int baseWidth, int baseHeight) {
  const Centre p = Prepare(centre, baseWidth, baseHeight);
  const double lat = CappedLatitude(latitude) * kRad;
  const double dLon = eastLongitude * kRad - p.lon0;
  CoveragePixel out;
  if (!Target(p, std::sin(lat), std::cos(lat), std::cos(dLon), WestOf(dLon), &out.x, &out.y))
    return std::nullopt;
  return out;
}

void DrawCoverageColumns(const CoverageCentre& centre, const ConstPixelView& world,
                         const PixelView& view, int firstColumn, int endColumn) {
  if (world.width <= 0 || world.height <= 0 || view.pixels == nullptr) return;
  const Centre p = Prepare(centre, view.width, view.height);
  std::vector<double> sinLat(static_cast<std::size_t>(world.height));
  std::vector<double> cosLat(static_cast<std::size_t>(world.height));
  for (int j = 0; j < world.height; ++j) {
    const double lat = CappedLatitude(90 - j * 180.0 / world.height) * kRad;
    sinLat[static_cast<std::size_t>(j)] = std::sin(lat);
    cosLat[static_cast<std::size_t>(j)] = std::cos(lat);
  }
  firstColumn = std::max(firstColumn, 0);
  endColumn = std::min(endColumn, world.width);
  for (int k = firstColumn; k < endColumn; ++k) {
    const double dLon = (k * 360.0 / world.width - 180) * kRad - p.lon0;
    const double cosDLon = std::cos(dLon);
    const bool west = WestOf(dLon);
    for (int j = 0; j < world.height; ++j) {
      int x = 0, y = 0;
      if (!Target(p, sinLat[static_cast<std::size_t>(j)], cosLat[static_cast<std::size_t>(j)],
                  cosDLon, west, &x, &y))
        continue;
      if (x < 0 || y < 0 || x >= view.width || y >= view.height) continue;
      view.At(x, y) = world.At(k, j);
    }
  }
}

void DrawCoverageCross(const PixelView& view) {
  if (view.pixels == nullptr) return;
  const int cx = static_cast<int>(std::nearbyint((view.width - 301) / 2.0));
  const int cy = static_cast<int>(std::nearbyint((view.height - 301) / 2.0));
  constexpr std::uint32_t kRed = 0xFFFF0000u;
  const int midX = 150 + cx, midY = 150 + cy;
  for (int y = 0; y <= 2 * midY && y < view.height; ++y)
    if (midX >= 0 && midX < view.width && y >= 0) view.At(midX, y) = kRed;
  for (int x = 0; x <= 2 * midX && x < view.width; ++x)
    if (midY >= 0 && midY < view.height && x >= 0) view.At(x, midY) = kRed;
}

void DrawCoverage(const CoverageCentre& centre, const ConstPixelView& world, const PixelView& view) {
  DrawCoverageColumns(centre, world, view, 0, world.width);
  DrawCoverageCross(view);
}

}  // namespace tools
