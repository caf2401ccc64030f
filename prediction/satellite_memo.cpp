#include "prediction/satellite_memo.h"

namespace prediction {

SatelliteMemo BuildSatelliteMemo(const PassSlot& slot, int currentYear) {
  SatelliteMemo m;
  const orbit::SatelliteElements& e = slot.set.elements;
  m.name = slot.name;
  m.noradId = slot.set.catalogueNumber;
  m.epochText = slot.set.epochText;
  const int year = static_cast<int>(orbit::ResolveEpochYear(e.epochYear, currentYear));
  // Day 1.0 is January 1 at 00:00.
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(
      orbit::EncodeDateTimeValue(year, 1, 1) + orbit::Int(e.epochDay) - 1);
  m.epochYear = d.year;
  m.epochMonth = d.month;
  m.epochDay = d.day;
  m.values = {e.inclination, e.raan,       e.eccentricity,    e.argPerigee,
              e.meanAnomaly, e.meanMotion, e.meanMotionDrift, e.revolutionNumber};
  m.hasAttitude = slot.radio.hasAttitude;
  m.alat = slot.radio.alat;
  m.alon = slot.radio.alon;
  m.schedule = slot.radio.maSchedule;
  return m;
}

std::vector<std::string> EphemerisFileLines(const std::string& name, const std::string& header,
                                            const std::vector<std::string>& shownRows) {
  std::vector<std::string> lines;
  lines.reserve(shownRows.size() + 2);
  lines.push_back(name);
  lines.push_back(header);
  lines.insert(lines.end(), shownRows.begin(), shownRows.end());
  return lines;
}

}  // namespace prediction
