#include "prediction/ephemeris_row.h"

#include <cstdio>

#include "orbit/propagator.h"
#include "orbit/sun.h"

namespace prediction {

using orbit::Round;

namespace {

std::string RightAligned(long long v, std::size_t width) {
  std::string s = std::to_string(v);
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

// A number that needs more room than its column shows as a row of "#".
std::string Bounded(long long v, std::size_t width) {
  std::string s = std::to_string(v);
  if (s.size() > width) return std::string(width, '#');
  return RightAligned(v, width);
}

std::string Hemisphere(Real value, char positive, char negative) {
  // The letter follows the sign of the unrounded value: -0.4 is "0S".
  const bool pos = value >= 0;
  const long long magnitude = static_cast<long long>(Round(pos ? value : -value));
  std::string s = std::to_string(magnitude) + (pos ? positive : negative);
  if (s.size() < 4) s.insert(0, 4 - s.size(), ' ');
  return s;
}

}  // namespace

std::string RowDateText(Real value) {
  // Row times are whole minutes; round to the second first so that 08:04:59.9999 reads 08:05.
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(value);
  const orbit::DecodedDateTime r =
      orbit::DecodeDateTimeValue(orbit::EncodeDateTimeValue(d.year, d.month, d.day, d.hour,
                                                            d.minute, d.second + (d.msec >= 500)));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%2d %s %04d  %02d:%02d", r.day,
                orbit::kMonthNames[static_cast<std::size_t>(r.month - 1)], r.year, r.hour,
                r.minute);
  return buf;
}

char RowModeLetter(const PassSlot& slot, int phase) {
  if (slot.radio.maSchedule.empty()) return ' ';
  return orbit::ScheduledModeLetter(slot.radio.maSchedule, phase);
}

bool RowRxDoppler(const PassSlot& slot, int k, long long* hz) {
  const int i = k - 1;
  const char scheduled = RowModeLetter(slot, slot.rows.phase[static_cast<std::size_t>(i)]);
  const std::string letter =
      scheduled != ' ' ? std::string(1, scheduled) : slot.radio.currentMode;
  if (letter.empty()) return false;
  for (const orbit::RadioMode& mode : slot.radio.modes) {
    if (!mode.letter.empty() && mode.letter == letter) {
      *hz = static_cast<long long>(
          Round(slot.rows.doppler[static_cast<std::size_t>(i)] * mode.rxMHz / 1000));
      return true;
    }
  }
  return false;
}

std::string BuildRowText(const PassSlot& slot, int k, bool utc, Real localOffsetHours,
                         bool* inEclipse) {
  const std::size_t i = static_cast<std::size_t>(k - 1);
  const PassRows& r = slot.rows;
  const Real utcTime = slot.passStart + (k - 1) / 1440.0L;
  const Real shown = utc ? utcTime : utcTime + localOffsetHours / 24;

  const long long altitude = static_cast<long long>(Round(r.altitude10[i] / 10));
  const bool sunlit = orbit::TestSunlit(r.latitude[i], r.westLongitude[i],
                                        orbit::kEarthRadiusKm + altitude, utcTime, 0);
  if (inEclipse != nullptr) *inEclipse = !sunlit;

  std::string row = RowDateText(shown);
  row += sunlit ? ' ' : '*';
  row += RightAligned(r.elevation[i], 3) + ' ';
  row += RightAligned(r.azimuth[i], 4) + ' ';
  row += Bounded(r.range[i], 7) + ' ';
  row += Bounded(altitude, 7) + ' ';
  row += Hemisphere(r.latitude[i], 'N', 'S') + "  ";
  row += Hemisphere(r.westLongitude[i], 'W', 'E') + ' ';
  row += RightAligned(r.phase[i], 4);
  row += RowModeLetter(slot, r.phase[i]);
  row += ' ';
  row += RightAligned(r.squint[i], 4) + ' ';
  long long hz = 0;
  row += RowRxDoppler(slot, k, &hz) ? Bounded(hz, 7) : std::string("      0");
  return row;
}

std::vector<std::string> BuildRowTexts(const PassSlot& slot, bool utc, Real localOffsetHours) {
  std::vector<std::string> rows;
  for (int k = 1; k <= kMaxRows && slot.rows.elevation[static_cast<std::size_t>(k - 1)] != kEndMark;
       ++k) {
    rows.push_back(BuildRowText(slot, k, utc, localOffsetHours));
  }
  return rows;
}

bool ParseRowTime(const std::string& row, Real* value) {
  if (row.size() < 18) return false;
  auto digits = [&](std::size_t from, std::size_t len, int* out) {
    int v = 0;
    bool any = false;
    for (std::size_t j = from; j < from + len; ++j) {
      const char c = row[j];
      if (c == ' ' && !any) continue;
      if (c < '0' || c > '9') return false;
      v = v * 10 + (c - '0');
      any = true;
    }
    *out = v;
    return any;
  };
  int day = 0, year = 0, hour = 0, minute = 0;
  const int month = orbit::MonthFromName(std::string_view(row).substr(3, 3));
  if (month == 0 || !digits(0, 2, &day) || !digits(7, 4, &year) || !digits(13, 2, &hour) ||
      !digits(16, 2, &minute))
    return false;
  if (day < 1 || day > 31 || hour > 23 || minute > 59) return false;
  *value = orbit::EncodeDateTimeValue(year, month, day, hour, minute);
  return true;
}

}  // namespace prediction
