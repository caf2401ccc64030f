#pragma once

// Geometry of the world map: projections of points onto the display and onto the
// 1200 x 600 layers, small circles (footprints, day/night boundary), the date-line joins,
// darkness, the grid, the inverse of a click and the window sizes of each zoom.
// Latitudes are north-positive and longitudes WEST-positive degrees throughout.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "orbit/calendar.h"
#include "orbit/sun.h"

namespace map {

using orbit::Real;

inline constexpr int kLayerWidth = 1200;  // layer bitmaps: 10/3 pixels per degree
inline constexpr int kLayerHeight = 600;
inline constexpr int kDisplayWidth = 600;  // display pixels at zoom 100 %
inline constexpr int kDisplayHeight = 300;
inline constexpr Real kEarthRadius = 6378.137L;  // km

// Centring shift in 600-pixel units: 0 = centred on longitude 0, 300 = on 180.
inline constexpr int kShift0 = 0;
inline constexpr int kShift180 = 300;

struct DisplayPoint {
  int x = 0;  // display pixels, centring applied
  int y = 0;
};

struct LayerPoint {
  int u = 0;  // layer pixels, centring applied
  int v = 0;
  bool operator==(const LayerPoint&) const = default;
};

// Display scale of one zoom: zx = displayed width / 600, zy = displayed height / 300.
struct Scale {
  Real zx = 1;
  Real zy = 1;
};

// Reduces a longitude outside -180..180 into -180 < lon <= 180 (the observer hands out
// 0 < lon <= 360); values inside are kept, so 180° E stays -180.
Real ReduceLongitude(Real westLongitude);

// Rule 1: the centre of a marker on the display; subtract half the marker's size for its
// top-left corner. Latitude and longitude are limited to the picture.
DisplayPoint ProjectMarker(Real latitude, Real westLongitude, const Scale& scale, int shift);

// Rule 2: the point on a layer bitmap.
LayerPoint ProjectLayer(Real latitude, Real westLongitude, int shift);

// The inverse of a click at display pixel (x, y): latitude and west longitude.
struct GeoPoint {
  Real latitude = 0;
  Real westLongitude = 0;
};
GeoPoint DisplayToGeo(int x, int y, const Scale& scale, int shift);

// Rule 3: a small circle of the sphere around (latitude, west longitude): plane distance d
// and circle radius rho in km. 361 points (one per degree, the last repeating the first).
std::vector<GeoPoint> SmallCircle(Real latitude, Real westLongitude, Real d, Real rho);

// The satellite's coverage circle at `distanceKm` from the Earth's centre: empty when the
// distance is not above the Earth's radius (nothing is on the horizon then).
std::vector<GeoPoint> FootprintCircle(Real latitude, Real westLongitude, Real distanceKm);

// Angular radius of the footprint seen from the Earth's centre, degrees (0 when r <= R).
Real FootprintRadiusDegrees(Real distanceKm);

// The day/night boundary: the great circle 90 degrees from the sub-solar point.
std::vector<GeoPoint> TerminatorCircle(const orbit::SubSolarPoint& sun);

// Polylines in layer pixels: each inner vector is drawn as one connected line.
using Polyline = std::vector<LayerPoint>;
using Polylines = std::vector<Polyline>;

// Rule 4: joins projected points; a point equal to the previous is skipped, a horizontal
// step of 180 pixels or more starts a new line. When `closed` and the last line ends where
// the first begins, the two are joined so that a circle cut by the map edge gives its
// true number of arcs.
Polylines JoinFootprint(const std::vector<LayerPoint>& points, bool closed);

// Projects and joins a circle (rules 2 to 4).
Polylines FootprintLines(const std::vector<GeoPoint>& circle, int shift);

// Rule 5: the terminator's line; a step of 500 pixels or more is closed along the map's
// edges instead of crossing it.
Polylines TerminatorLines(const std::vector<GeoPoint>& circle, int shift);

// Darkness: one byte per layer pixel (row-major 1200 x 600), 1 where the sun is below the
// horizon at the pixel's centre. Painted analytically, so no night piece is missed and
// nothing leaks across the boundary.
std::vector<unsigned char> NightMask(const orbit::SubSolarPoint& sun, int shift);

// The diagonal cross-hatch of the darkness: true where the hatch colour is painted.
inline bool HatchPixel(int u, int v) {
  return (u + v) % 8 == 0 || (u - v + 8 * kLayerHeight) % 8 == 0;
}

// The grid: lines at every 100 layer pixels, labels at the top/bottom (meridians) and
// left/right (parallels) edges.
struct GridLabel {
  std::string text;  // "150 W", "0", "30 E", "60 N" ...
  int u = 0;         // the line it names (meridian column or parallel row)
  bool meridian = true;
};
std::vector<int> GridColumns();  // 0, 100, ..., 1100
std::vector<int> GridRows();     // 100, ..., 500
std::vector<GridLabel> GridLabels(int shift);

// Minute index into the orbit track table (1-based): now and the table's start time as
// UTC date-time values.
int OrbitMinuteIndex(Real nowUtc, Real trackStartUtc);

// Full coverage: the 1-based pass points whose footprints are drawn (1, 1+s, ... up to n,
// then n) with s = round(n/10), at least 1; and the progress step round(s*100/n).
std::vector<int> FullCoveragePoints(int n);
int FullCoverageProgressStep(int n);

// Window size at zoom z from the design size (w0, h0) at 100 %.
struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};
Size ZoomedWindowSize(Size design, Real zoom);
Size ZoomedMapSize(Real zoom);
Scale ScaleOf(Size mapSize);

// "100", "125", "150", "175", "200" -> 1.00 ... 2.00; others nullopt.
std::optional<Real> ZoomFromPercent(int percent);

// Marker hint: name, two blanks, "LAT:" dd "°" mm "'N", two blanks, "LON:" ddd "°" mm
// "'W", then `suffix` (for example " (current position)"). UTF-8.
std::string MarkerHint(const std::string& name, Real latitude, Real westLongitude,
                       const std::string& suffix);

// The DX position texts: "N"/"S" + latitude and "W"/"E" + longitude. A text whose first
// letter is "N" (or "W") is positive, any other letter negative; the number takes "." or
// ",". nullopt when either text is empty or not a number.
std::optional<GeoPoint> ParseDxPosition(const std::string& latitudeText,
                                        const std::string& longitudeText);
// The texts of a point, two decimals, with `decimalSeparator`.
std::string DxLatitudeText(Real latitude, char decimalSeparator);
std::string DxLongitudeText(Real westLongitude, char decimalSeparator);

}  // namespace map
