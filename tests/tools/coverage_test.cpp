// The EME coverage picture: hand-placed points, and a synthetic world whose pixels carry
// their own column and row.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tools/coverage.h"

namespace tools {
namespace {

constexpr std::uint32_t kBase = 0xFF102030u;

TEST(CoverageTarget, CentreAndPointsAFortyFifthOfTheWayRound) {
  const CoverageCentre c{0, 0, 60};
  EXPECT_EQ(CoverageTarget(c, 0, 0), (CoveragePixel{150, 150}));
  // 45° of arc is 75 pixels: north up, east right, west left, south down.
  EXPECT_EQ(CoverageTarget(c, 45, 0), (CoveragePixel{150, 75}));
  EXPECT_EQ(CoverageTarget(c, 0, 45), (CoveragePixel{225, 150}));
  EXPECT_EQ(CoverageTarget(c, 0, -45), (CoveragePixel{75, 150}));
  EXPECT_EQ(CoverageTarget(c, -45, 0), (CoveragePixel{150, 225}));
}

TEST(CoverageTarget, OnlyWhereTheMoonIsAboveTheHorizon) {
  const CoverageCentre c{0, 100, 60};
  // Horizon of a moon 60 Earth radii away: arccos(1/60) = 89.045° from the sub-lunar point.
  EXPECT_TRUE(CoverageTarget(c, 0, 100 + 88.5).has_value());
  EXPECT_FALSE(CoverageTarget(c, 0, 100 + 89.6).has_value());
  EXPECT_TRUE(CoverageTarget(c, 88.5, 100).has_value());
  EXPECT_FALSE(CoverageTarget(c, 89.6, 100).has_value());
  // Nearer moon, smaller cap: arccos(1/56) = 88.977°.
  EXPECT_FALSE(CoverageTarget(CoverageCentre{0, 100, 56}, 0, 100 + 89.01).has_value());
  EXPECT_FALSE(CoverageTarget(c, 0, -80).has_value());  // the antipode
  // Across the date line the point east of the centre still lands right of it.
  const CoverageCentre east{0, 170, 60};
  const auto p = CoverageTarget(east, 0, -170);  // 20° east, over 180°
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ(*p, (CoveragePixel{183, 150}));  // 150 + 300 * (20°) / 180°
}

// The world of the tests: colour = column * 1024 + row.
std::vector<std::uint32_t> SyntheticWorld() {
  std::vector<std::uint32_t> w(static_cast<std::size_t>(kWorldWidth) * kWorldHeight);
  for (int j = 0; j < kWorldHeight; ++j)
    for (int k = 0; k < kWorldWidth; ++k)
      w[static_cast<std::size_t>(j) * kWorldWidth + k] = 0xFF000000u | (static_cast<std::uint32_t>(k) << 10) |
                                                          static_cast<std::uint32_t>(j);
  return w;
}

double LongitudeOf(std::uint32_t pixel) {
  return ((pixel & 0xFFFFFFu) >> 10) * 360.0 / kWorldWidth - 180;
}
double LatitudeOf(std::uint32_t pixel) {
  return 90 - (pixel & 0x3FFu) * 180.0 / kWorldHeight;
}

struct Drawn {
  std::vector<std::uint32_t> world = SyntheticWorld();
  std::vector<std::uint32_t> view = std::vector<std::uint32_t>(kCoverageSize * kCoverageSize, kBase);
  explicit Drawn(const CoverageCentre& c) {
    DrawCoverage(c, ConstPixelView{world.data(), kWorldWidth, kWorldHeight, kWorldWidth},
                 PixelView{view.data(), kCoverageSize, kCoverageSize, kCoverageSize});
  }
  std::uint32_t At(int x, int y) const { return view[static_cast<std::size_t>(y) * kCoverageSize + x]; }
};

TEST(CoveragePicture, CentrePixelComesFromTheSubLunarPointNorthUpEastRight) {
  const CoverageCentre c{18.3, -62.7, 57.5};
  const Drawn d(c);
  // The centre row and column carry the red cross; the pixel beside the centre is world.
  const std::uint32_t centre = d.At(151, 151);
  EXPECT_NEAR(LatitudeOf(centre), 18.3, 1.0);
  EXPECT_NEAR(LongitudeOf(centre), -62.7, 1.0);
  // 30 pixels up is 18° further north on the same meridian; 30 pixels right lies east.
  const std::uint32_t up = d.At(151, 121);
  EXPECT_NEAR(LatitudeOf(up), 18.3 + 18, 1.0);
  EXPECT_NEAR(LongitudeOf(up), -62.7, 1.5);
  const std::uint32_t right = d.At(181, 151);
  EXPECT_GT(LongitudeOf(right), -62.7 + 15);
  EXPECT_NEAR(LatitudeOf(right), 18.3, 3.0);
  const std::uint32_t left = d.At(121, 151);
  EXPECT_LT(LongitudeOf(left), -62.7 - 15);
}

TEST(CoveragePicture, EveryCopiedPixelSitsWhereItsPointLands) {
  const CoverageCentre c{-41.0, 123.0, 62.0};
  const Drawn d(c);
  int copied = 0;
  for (int y = 0; y < kCoverageSize; y += 7) {
    for (int x = 0; x < kCoverageSize; x += 7) {
      if (x == 150 || y == 150) continue;  // the cross
      const std::uint32_t p = d.At(x, y);
      if (p == kBase) continue;
      const auto target = CoverageTarget(c, LatitudeOf(p), LongitudeOf(p));
      ASSERT_TRUE(target.has_value()) << x << "," << y;
      EXPECT_EQ(*target, (CoveragePixel{x, y}));
      ++copied;
    }
  }
  EXPECT_GT(copied, 1000);
}

TEST(CoveragePicture, PastTheVisibleDiscTheBaseStaysAndTheCrossIsRed) {
  const CoverageCentre c{5, 40, 60};  // disc radius 300 * 89.045° / 180° = 148.4 px
  const Drawn d(c);
  // Rounding x and y puts a pixel at most 0.71 px further out than its point.
  int outside = 0;
  for (int y = 0; y < kCoverageSize; ++y) {
    for (int x = 0; x < kCoverageSize; ++x) {
      if (x == 150 || y == 150) continue;  // the cross
      if (std::hypot(x - 150, y - 150) > 148.41 + 0.71) {
        EXPECT_EQ(d.At(x, y), kBase) << x << "," << y;
        ++outside;
      }
    }
  }
  EXPECT_GT(outside, 19000);              // the corners: 301² − π·149²
  EXPECT_NE(d.At(151, 150 - 146), kBase);  // 146 px above the centre: still inside
  EXPECT_EQ(d.At(150, 0), 0xFFFF0000u);
  EXPECT_EQ(d.At(0, 150), 0xFFFF0000u);
  EXPECT_EQ(d.At(150, 300), 0xFFFF0000u);
}

TEST(CoveragePicture, ColumnSlicesGiveTheSamePictureAsOnePass) {
  const CoverageCentre c{12, -30, 59};
  const Drawn whole(c);
  std::vector<std::uint32_t> world = SyntheticWorld();
  std::vector<std::uint32_t> view(kCoverageSize * kCoverageSize, kBase);
  const ConstPixelView w{world.data(), kWorldWidth, kWorldHeight, kWorldWidth};
  const PixelView v{view.data(), kCoverageSize, kCoverageSize, kCoverageSize};
  for (int k = 0; k < kWorldWidth; k += 100) DrawCoverageColumns(c, w, v, k, k + 100);
  DrawCoverageCross(v);
  EXPECT_EQ(view, whole.view);
}

}  // namespace
}  // namespace tools
