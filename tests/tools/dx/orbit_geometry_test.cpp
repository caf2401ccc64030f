// The orbit view's figure against Kepler's third law with the Earth's GM and hand-worked
// pixels of the 170-pixel picture.
#include <gtest/gtest.h>

#include <cmath>

#include "tools/form_orbit.h"
#include "tools/orbit_geometry.h"

namespace tools {
namespace {

constexpr double kGm = 398600.4418;  // km^3/s^2 (WGS 84)
constexpr double kR = 6378.137;

// a = (GM / w^2)^(1/3) with w in radians per second.
double KeplerAxis(double revolutionsPerDay) {
  const double w = revolutionsPerDay * 2 * M_PI / 86400;
  return std::cbrt(kGm / (w * w));
}

OrbitInputs Inputs(double n, double e, double altitudeKm, int phase) {
  OrbitInputs in;
  in.meanMotion = n;
  in.eccentricity = e;
  in.altitude10 = altitudeKm * 10;
  in.phase = phase;
  return in;
}

TEST(OrbitGeometry, GeostationaryNearlyCircular) {
  const double a = KeplerAxis(1.0027);
  ASSERT_NEAR(a, 42165, 1);  // the textbook value
  const OrbitGeometry g = ComputeOrbitGeometry(Inputs(1.0027, 0.0002, a - kR, 64));
  ASSERT_TRUE(g.drawn);
  EXPECT_NEAR(g.a, a, 2);
  EXPECT_NEAR(g.apogee, a * 1.0002 - kR, 2);
  EXPECT_NEAR(g.perigee, a * 0.9998 - kR, 2);
  EXPECT_NEAR(g.apogee, 35786 + 8, 3);
  EXPECT_EQ(g.height, 150);  // a circle of 150 pixels
  EXPECT_EQ(g.orbit.left, 10);
  EXPECT_EQ(g.orbit.right, 160);
  // The Earth disc: 150 * R / a = 22.7 pixels wide, about 15 % of the orbit, centred.
  EXPECT_NEAR(g.earth.right - g.earth.left, 150 * kR / a, 1);
  EXPECT_NEAR((g.earth.left + g.earth.right) / 2.0, 85, 1);
  EXPECT_NEAR((g.earth.top + g.earth.bottom) / 2.0, 85, 1);
  // Below e = 1e-3 the phase places the satellite: 64/256 of a turn is straight up.
  EXPECT_NEAR(g.cosAnomaly, 0, 1e-9);
  EXPECT_EQ(g.satelliteX, 75);
  EXPECT_EQ(g.satelliteY, 0);
  EXPECT_EQ(g.altitude, std::lround(a - kR));
  // Three quarters of a turn: the bottom of the circle.
  const OrbitGeometry down = ComputeOrbitGeometry(Inputs(1.0027, 0.0002, a - kR, 192));
  EXPECT_EQ(down.satelliteX, 75);
  EXPECT_EQ(down.satelliteY, 150);
}

TEST(OrbitGeometry, LowOrbitFromKeplersLaw) {
  const double a = KeplerAxis(15.5);
  const OrbitGeometry g = ComputeOrbitGeometry(Inputs(15.5, 0.0005, 420, 0));
  ASSERT_TRUE(g.drawn);
  EXPECT_NEAR(g.a, a, 1);
  EXPECT_NEAR(g.apogee, a * 1.0005 - kR, 1.5);
  EXPECT_NEAR(g.perigee, a * 0.9995 - kR, 1.5);
  EXPECT_EQ(g.altitude, 420);
  // Phase 0: the perigee end, on the left, at the vertical middle.
  EXPECT_NEAR(g.cosAnomaly, 1, 1e-12);
  EXPECT_NEAR(g.satelliteX, (a - a * 0.0005 - (420 + kR)) * 75 / a, 1);
  EXPECT_NEAR(g.satelliteY, 75, 1);
  // The Earth fills most of the picture: 150 * R / a pixels.
  EXPECT_NEAR(g.earth.right - g.earth.left, 150 * kR / a, 1);
}

TEST(OrbitGeometry, EccentricOrbitPlacesTheApogeeOnTheRight) {
  const double n = 2.00563;  // a Molniya orbit
  const double e = 0.7;
  const double a = KeplerAxis(n);
  const OrbitGeometry g = ComputeOrbitGeometry(Inputs(n, e, a * (1 + e) - kR, 128));
  EXPECT_NEAR(g.cosAnomaly, -1, 1e-6);
  EXPECT_NEAR(g.satelliteX, 150, 1);  // dot box from x + 7: the right end of the ellipse
  EXPECT_NEAR(g.height, 2 * a * std::sqrt(1 - e * e) * 75 / a, 1);
  // The Earth sits at the left focus: (a - c) * k from the box's left edge.
  EXPECT_NEAR((g.earth.left + g.earth.right) / 2.0 - 10, (1 - e) * 75, 1);
}

TEST(OrbitGeometry, NothingUnreadableReachesThePicture) {
  EXPECT_FALSE(ComputeOrbitGeometry(Inputs(0, 0.001, 400, 0)).drawn);
  EXPECT_FALSE(ComputeOrbitGeometry(Inputs(-1, 0.001, 400, 0)).drawn);
  EXPECT_FALSE(ComputeOrbitGeometry(Inputs(15, NAN, 400, 0)).drawn);
  EXPECT_FALSE(ComputeOrbitGeometry(Inputs(15, 0.001, INFINITY, 0)).drawn);
  // A circle with e exactly 0: no division by zero.
  const OrbitGeometry circle = ComputeOrbitGeometry(Inputs(1.0027, 0, 35786, 32));
  ASSERT_TRUE(circle.drawn);
  EXPECT_EQ(circle.apogee, circle.perigee);
  EXPECT_NEAR(circle.cosAnomaly, std::cos(32 * 2 * M_PI / 256), 1e-9);
  // A semi-major axis below the Earth's radius (n = 20): the disc stays in the picture.
  const OrbitGeometry sunk = ComputeOrbitGeometry(Inputs(20, 0.01, -800, 200));
  ASSERT_TRUE(sunk.drawn);
  EXPECT_LT(sunk.a, kR);
  for (int v : {sunk.earth.left, sunk.earth.top, sunk.earth.right, sunk.earth.bottom}) {
    EXPECT_GE(v, 0);
    EXPECT_LE(v, 170);
  }
  // e of 1 or more from damaged data still gives a finite figure.
  const OrbitGeometry open = ComputeOrbitGeometry(Inputs(3, 1.5, 400, 10));
  ASSERT_TRUE(open.drawn);
  EXPECT_TRUE(std::isfinite(open.b));
  EXPECT_GE(open.height, 0);
}

TEST(OrbitGeometry, DrawingShowsTheDotInItsColour) {
  OrbitInputs in = Inputs(1.0027, 0.0002, KeplerAxis(1.0027) - kR, 64);
  in.visible = true;
  const QImage visible = DrawOrbit(ComputeOrbitGeometry(in), 170);
  // Dot box (82, 7) - (88, 13): its centre is green; the Earth's centre is navy.
  EXPECT_EQ(visible.pixelColor(85, 10), QColor(0x00, 0xFF, 0x00));
  EXPECT_EQ(visible.pixelColor(85, 85), QColor(0x00, 0x00, 0x80));
  in.visible = false;
  const QImage hidden = DrawOrbit(ComputeOrbitGeometry(in), 170);
  EXPECT_EQ(hidden.pixelColor(85, 10), QColor(0x80, 0x00, 0x80));
  EXPECT_EQ(hidden.pixelColor(40, 40), QColor(Qt::white));
}

}  // namespace
}  // namespace tools
