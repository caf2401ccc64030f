#pragma once

#include <array>
#include <string>
#include <vector>

#include "prediction/pass_slot.h"

namespace prediction {

// What the satellite memo of the explorer shows, as values; the window adds the labels
// of its language and formats the numbers with the user's separator.
struct SatelliteMemo {
  std::string name;
  std::string noradId;  // line 2 columns 3-7
  int epochYear = 0;    // calendar date of the epoch, year resolved against the current one
  int epochMonth = 0;
  int epochDay = 0;
  std::string epochText;  // the 15 characters of line 1
  // Inclination, R.A.A.N., eccentricity, argument of perigee, mean anomaly (degrees),
  // mean motion (rev/day), mean motion drift, reference orbit number: in this order.
  std::array<Real, 8> values{};
  bool hasAttitude = false;
  Real alat = 0;
  Real alon = 0;
  std::string schedule;  // mode schedule text, empty when none
};

SatelliteMemo BuildSatelliteMemo(const PassSlot& slot, int currentYear);

// The saved ephemeris file: the satellite's name, the header of the shown time scale, then
// the rows exactly as shown.
std::vector<std::string> EphemerisFileLines(const std::string& name, const std::string& header,
                                            const std::vector<std::string>& shownRows);

}  // namespace prediction
