#pragma once

#include "orbit/calendar.h"

namespace orbit {

// Paul Schlyter's low-precision lunar model. Angles in degrees.
struct MoonPosition {
  Real eclipticLongitude = 0;
  Real eclipticLatitude = 0;
  Real distance = 0;  // Earth radii, ecliptic r after perturbations
  Real rightAscension = 0;
  Real declination = 0;
  Real geocentricDistance = 0;  // Delta, Earth radii
  Real greenwichHourAngle = 0;
  Real subLunarLongitude = 0;  // magnitude, see subLunarWest
  bool subLunarWest = true;
  Real subLunarLatitude = 0;  // signed, north positive
  Real hourAngle = 0;         // at the station
  Real azimuth = 0;
  Real elevation = 0;  // topocentric
  Real range = 0;      // slant range from the station, Earth radii
  int keplerIterations = 0;
};

// d: days since 1999-12-31 00:00 UTC (fractional); UT = frac(d)*24.
// Station latitude north positive, longitude EAST positive.
MoonPosition ComputeMoonPosition(Real d, Real stationLat, Real stationEastLon);

// Sub-lunar longitude from the Greenwich hour angle (0..360°): 0 < GHA ≤ 180 is GHA West,
// anything else 360 − GHA East (so GHA 0 reads 360 E). *west tells the side.
Real SubLunarLongitude(Real greenwichHourAngle, bool* west);

// Kepler's equation E - (180/π)·e·sin E = M in degrees, by Newton steps until two
// successive values differ by less than 0.005°, at most 51 evaluations (counted in
// *evaluations when given). Not normalised.
Real SolveKeplerDegrees(Real meanAnomaly, Real eccentricity, int* evaluations = nullptr);

// Days since 1999-12-31 00:00 UTC of a UTC date-time value (days since 1899-12-30).
Real MoonDayNumber(Real utcDateTimeValue);

// Horizontal view of the moon (steps 11 to 14) from another station, given a position
// computed by ComputeMoonPosition for the same d.
void MoonFromStation(Real d, Real stationLat, Real stationEastLon, MoonPosition* pos);

// Range shown for a DX station (Earth radii): 0 when the moon's topocentric elevation
// there is below minElevationDeg or the range exceeds 100 Earth radii.
Real DxMoonRange(const MoonPosition& dxView, Real minElevationDeg);

}  // namespace orbit
