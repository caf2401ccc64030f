#pragma once

// The EME coverage picture: the part of the Earth that sees the moon, as an azimuthal
// equidistant view centred on the sub-lunar point (north up, east right, 150 pixels for
// 90° of great-circle distance), copied pixel by pixel from a world picture in which
// column k of W is east longitude k·360/W − 180 and row j of H is latitude 90 − j·180/H.

#include <cstdint>
#include <functional>
#include <optional>

namespace tools {

inline constexpr int kWorldWidth = 1194;
inline constexpr int kWorldHeight = 765;
inline constexpr int kCoverageSize = 301;

// The centre of the view: sub-lunar point (degrees, north and east positive) and the
// moon's distance from the Earth's centre in Earth radii.
struct CoverageCentre {
  double latitude = 0;
  double eastLongitude = 0;
  double distance = 60;
};

struct CoveragePixel {
  int x = 0;
  int y = 0;
  bool operator==(const CoveragePixel&) const = default;
};

// Where the point (latitude, east longitude; degrees) lands in a base picture of
// baseWidth × baseHeight, or nothing when the moon is below its horizon there. A latitude
// of exactly 90 counts as 89.9 (for the point and for the centre).
std::optional<CoveragePixel> CoverageTarget(const CoverageCentre& centre, double latitude,
                                            double eastLongitude, int baseWidth = kCoverageSize,
                                            int baseHeight = kCoverageSize);

// A 32-bit picture in memory (QImage::Format_RGB32 and the like): `stride` in pixels.
struct PixelView {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  std::uint32_t& At(int x, int y) const { return pixels[static_cast<long>(y) * stride + x]; }
};
struct ConstPixelView {
  const std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<long>(y) * stride + x]; }
};

// Copies the world's pixels of columns [firstColumn, endColumn) into `view` (which holds
// the base picture already): column by column, row by row, so a later pixel that lands on
// the same place wins. Pixels that fall outside `view` are dropped.
void DrawCoverageColumns(const CoverageCentre& centre, const ConstPixelView& world,
                         const PixelView& view, int firstColumn, int endColumn);

// The whole picture at once, then the two red lines through the centre.
void DrawCoverage(const CoverageCentre& centre, const ConstPixelView& world, const PixelView& view);

// The red cross through the centre of the view (0xFFFF0000), pen width 1.
void DrawCoverageCross(const PixelView& view);

}  // namespace tools
