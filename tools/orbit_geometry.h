#pragma once

// The orbit view's figure: an ellipse seen face-on in a square picture, the Earth at its
// left focus, the satellite on it. Lengths in km, pixels of the picture.

namespace tools {

struct OrbitInputs {
  double eccentricity = 0;
  double meanMotion = 0;   // revolutions per day
  double altitude10 = 0;   // the pass row's altitude, km x 10
  int phase = 0;           // 0..255, 256 steps per revolution
  bool visible = false;
  bool hasAttitude = false;
  double attitudeLongitude = 0;  // degrees
  int pictureSize = 170;         // square picture, pixels
};

struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;
};

struct OrbitGeometry {
  bool drawn = false;  // false: nothing to draw (no mean motion, or unreadable numbers)
  double a = 0, c = 0, b = 0;   // semi-major axis, focal distance, semi-minor axis (km)
  long apogee = 0, perigee = 0, altitude = 0;  // heights above the Earth (km), rounded
  double scale = 0;     // pixels per km
  int height = 0;       // ellipse height (pixels), at most the width
  PixelBox orbit;       // the ellipse's box
  PixelBox earth;       // the Earth disc's box, kept within the picture
  double cosAnomaly = 1;  // cosine of the true anomaly used
  int satelliteX = 0, satelliteY = 0;  // the dot's box is (x + 7, y + 7) - (x + 13, y + 13)
  bool attitudeLine = false;
  int lineFromX = 0, lineFromY = 0, lineToX = 0, lineToY = 0;
  bool visible = false;
};

// Eccentricities below this give a true anomaly from the altitude that is mostly noise
// (and none at all for a circle): the orbit phase stands in for it there.
inline constexpr double kPhaseAnomalyBelow = 1e-3;

OrbitGeometry ComputeOrbitGeometry(const OrbitInputs& in);

}  // namespace tools
