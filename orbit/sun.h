#pragma once

#include "orbit/calendar.h"

namespace orbit {

// Low-precision sun model shared by the map, the sun window and the eclipse marks.
// Times are date-time values (days since 1899-12-30) in local time together with the
// local-minus-UTC offset in hours, so that time - offset/24 is UTC.

struct SubSolarPoint {
  Real declination = 0;    // degrees, = latitude of the sub-solar point
  Real westLongitude = 0;  // degrees, -180..180, west positive
};

SubSolarPoint ComputeSubSolarPoint(Real localTime, Real localOffsetHours);

struct SunAzEl {
  Real azimuth = 0;    // degrees 0..360
  Real elevation = 0;  // degrees
};

// Station latitude north positive, longitude west positive (degrees).
SunAzEl ComputeSunAzEl(const SubSolarPoint& sun, Real stationLat, Real stationWestLon);

// True when a satellite over (lat, west lon), r km from the Earth's centre, is sunlit.
bool TestSunlit(Real subLat, Real subWestLon, Real distanceKm, Real localTime,
                Real localOffsetHours);
// The same with the sun position already computed (for tables of many rows).
bool TestSunlit(Real subLat, Real subWestLon, Real distanceKm, const SubSolarPoint& sun);

}  // namespace orbit
