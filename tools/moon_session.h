#pragma once

// The moon window's one-second work as plain logic: the moon now, the bookkeeping of the
// visibility table as the minutes pass, the current EME Doppler and the report line. The
// window shows what a second returns.

#include <QString>

#include <optional>

#include "tools/moon_table.h"
#include "tools/tool_station.h"

namespace tools {

// What the moon window computes with; the DX site is absent without a DX locator.
struct MoonInputs {
  MoonSite station;
  std::optional<MoonSite> dx;
  Real minimumElevation = 0;
  EmeFrequencies frequencies;
};

// The station and DX sites of the window: locator centres (the station's coordinates when
// its locator is empty or incomplete); the DX site only for a valid six-character locator.
MoonInputs MakeMoonInputs(const ToolStation& station, const QString& dxLocator,
                          Real minimumElevation, const EmeFrequencies& frequencies);

struct MoonSecond {
  Real azimuth = 0;    // rounded to 0.01°
  Real elevation = 0;  // rounded to 0.01°
  bool visible = false;
  Real subLunarLatitude = 0;  // north positive
  Real subLunarLongitude = 0; // magnitude
  bool subLunarWest = true;

  bool stopTracking = false;        // the moon set during the current period
  bool tableRebuilt = false;        // the rows are new: show them all again
  bool periodBecameCurrent = false; // the moon rose during the next period
  int rowsDropped = 0;              // leading rows gone because their minute has passed

  std::optional<long long> selfDoppler;  // Hz at Ft; nothing = "N/A"
  std::optional<long long> dxDoppler;    // Hz of the path at Fx; nothing = "N/A"
  Real ownRate = 0;                      // m/s now
  Real dxRate = kNoDxRate;               // m/s now, kNoDxRate when unknown
  QString reportLine;                    // "MOON AZ:..." ending " AH:Y" or " AH:N"
};

class MoonSession {
 public:
  // The visibility table for the minute of `nowUtc`.
  void Recompute(Real nowUtc, const MoonInputs& in);
  const MoonTable& Table() const { return table_; }
  bool HasTable() const { return computed_; }

  // One second at `nowUtc` (UTC date-time value).
  MoonSecond Second(Real nowUtc, const MoonInputs& in);

 private:
  MoonTable table_;
  bool computed_ = false;
  long long computedMinute_ = -1;  // minute of the last rebuild, so a set rebuilds once
};

// Whole minutes of a UTC date-time value since 1899-12-30, rounded.
long long MinuteIndex(Real utc);

// " 12.34 W " / " 5.67 N ": the sub-lunar point as the window labels show it.
QString SubLunarLongitudeText(Real magnitude, bool west);
QString SubLunarLatitudeText(Real latitude);

}  // namespace tools
