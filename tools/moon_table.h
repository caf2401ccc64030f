#pragma once

// The moon window's visibility table: every minute of the current or next period when the
// moon stands at or above the minimum elevation, with the station's and the DX station's
// range rates, and the texts of its rows. Times are UTC date-time values (days since
// 1899-12-30); angles in degrees; rates in m/s.

#include <QString>

#include <optional>
#include <vector>

#include "orbit/locator.h"
#include "orbit/moon.h"
#include "tools/eme.h"

namespace tools {

inline constexpr int kMoonSearchMinutes = 2880;  // 48 hours
inline constexpr int kMoonRowLimit = 2881;
inline constexpr int kMoonBaseColumns = 52;   // row text before the Doppler columns
inline constexpr int kSelfDopplerColumn = 53; // 1-based position of the self-Doppler column
inline constexpr int kDxDopplerColumn = 61;   // 1-based position of the DX-Doppler column

// A place the moon is seen from: north-positive latitude, east-positive longitude.
struct MoonSite {
  Real latitude = 0;
  Real eastLongitude = 0;
  Real altitudeMetres = 0;
};
MoonSite SiteOf(const orbit::LocatorPoint& point, Real altitudeMetres);

// The moon from the station at one instant: the model of the moon window.
orbit::MoonPosition MoonAt(Real utc, const MoonSite& station);
// The DX station's range (Earth radii) at one instant, 0 when the moon is below the
// minimum elevation there.
Real DxRangeAt(Real utc, const orbit::MoonPosition& stationView, const MoonSite& dx,
               Real minimumElevation);

struct MoonRow {
  Real utc = 0;  // the minute
  Real elevation = 0;
  Real azimuth = 0;
  Real distance = 0;         // Δ, Earth radii from the Earth's centre
  Real subLunarLatitude = 0; // north positive
  Real subLunarLongitude = 0;
  bool subLunarWest = true;
};

enum class MoonPeriod { Current, Next };

struct MoonTable {
  Real startUtc = 0;      // the minute the table was computed for
  MoonPeriod period = MoonPeriod::Next;
  bool riseFound = false;  // Next: the moon rises within 48 hours
  Real riseUtc = 0;
  bool setFound = false;   // the first minute below the minimum lies within the limit
  Real setUtc = 0;
  std::vector<MoonRow> rows;
  std::vector<Real> ownRates;  // ListBoxDoppler: one per row
  std::vector<Real> dxRates;   // ListBoxDopplerDX: one per row, kNoDxRate when unusable
};

// The table from the current UTC minute of `nowUtc` (seconds dropped). Without a DX site
// every DX entry is kNoDxRate. Each rate runs from its row's minute to the next one.
MoonTable BuildMoonTable(Real nowUtc, const MoonSite& station,
                         const std::optional<MoonSite>& dx, Real minimumElevation);

// Moves every rate onto the minute it starts from (table of three rows or more): the
// first entries go, the own list is completed by linear extrapolation, the DX list by the
// sentinel, and the DX entry after its last valid one is extrapolated from the two before.
void ShiftRangeRates(std::vector<Real>& own, std::vector<Real>& dx);

// The 52 characters of a row before the Doppler columns; the date and time in UTC or in
// local time (UTC + offset hours).
QString MoonRowBase(const MoonRow& row, bool utc, Real localOffsetHours);

// A Doppler value right-aligned in eight characters, "     N/A" when it needs more.
QString DopplerColumn(long long hz);

struct EmeFrequencies {
  Real ownGhz = 1;  // Ft
  Real dxGhz = 1;   // Fx
  int bias = 0;     // 0 = off, else 50..1200
};

// The row with the self-Doppler column at 53 and, at 61, two blanks and the DX column:
// the mean of the DX and own Doppler at Fx, or "     N/A" without a DX rate.
QString MoonRowText(const QString& base, Real ownRate, Real dxRate, const EmeFrequencies& f);

// Doppler of the path to the DX station at Fx: the mean of the two ends, rounded.
long long PathDoppler(Real ownRate, Real dxRate, const EmeFrequencies& f);

// The next stretch of whole minutes, from the minute of `nowUtc` on and within 48 hours,
// when the moon stands at or above the minimum elevation at the station and (when given)
// at the DX station. `endFound` is false when it lasts past the 48 hours.
struct MutualWindow {
  bool found = false;
  Real startUtc = 0;
  bool endFound = false;
  Real endUtc = 0;  // the first minute when one of them has lost the moon
};
MutualWindow NextMutualWindow(Real nowUtc, const MoonSite& station,
                              const std::optional<MoonSite>& dx, Real minimumElevation);

}  // namespace tools
