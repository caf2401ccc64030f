#pragma once

#include "base/clock.h"
#include "orbit/observer.h"
#include "orbit/propagator.h"
#include "prediction/minute_scan.h"
#include "prediction/pass_slot.h"

namespace prediction {

inline constexpr Real kStepDays = 1.0L / 1440;  // one minute
inline constexpr Real kSpanDays = 2.0L;         // 48 hours
inline constexpr Real kPreRollDays = 2.0L / 1440;

// Station handed to the computations: latitude north +, longitude WEST +, metres.
struct StationPosition {
  Real latitude = 0;
  Real westLongitude = 0;
  Real altitude = 0;
};

enum class SearchMode { Search, RealTime };

// Everything a pass search reads besides its slot. Owned by the main window; shared with
// the navigation, the 24-hour chart and the tracking tick.
struct SearchContext {
  const base::Clock* clock = nullptr;
  StationPosition station;
  Real localOffsetHours = 0;  // local minus UTC
  int minimumElevation = 0;   // -5..20
  int warnMinutes = 5;        // colour lead time
  // Navigation: while on, searches start from navigationDate (UTC).
  bool navigating = false;
  Real navigationDate = 0;
  // The tracking tick's remembered clock time for its minute-change test (local).
  Real* rememberedTickTime = nullptr;
  bool busy = false;
  // The minutes of a search are scanned in double precision and every row is evaluated in
  // extended precision: the rows are those of an extended scan. Wide scans in extended
  // precision throughout (the reference the fast scan is checked against).
  Precision precision = Precision::Fast;
  double sightGuard = kSightGuard;
  // Minutes that cannot reach the minimum elevation yet are not positioned (see MinuteScan).
  bool skipBelow = true;
};

// One evaluation of the real-time mode.
struct LiveView {
  orbit::ObserverView view;
  Real westLongitude = 0;  // reduced to -180..180
};

// Searches the next pass of `slot` minute by minute (search mode) or computes its
// position at the present second (real-time mode, into *live; the slot is untouched).
// Returns false without effect when another search is running.
bool SearchPass(SearchContext& ctx, PassSlot& slot, SearchMode mode = SearchMode::Search,
                LiveView* live = nullptr);

// Start instant of a search as a UTC date-time value (before the pre-roll).
Real SearchStartUtc(const SearchContext& ctx, const PassSlot& slot, SearchMode mode);

// Ground track to the next pass: sub-satellite points at one-minute steps from startUtc
// (seconds dropped) while the elevation stays below the minimum + 0.1 degree, at most
// 3000 points; the entry after the last holds latitude 999.
struct TrackPoint {
  Real latitude = 999;
  Real westLongitude = 0;  // -180..180
  Real distance10 = 0;     // 10 x km from the Earth's centre
};
std::vector<TrackPoint> GroundTrack(const PassSlot& slot, const StationPosition& station,
                                    int minimumElevation, Real startUtc,
                                    Precision precision = Precision::Fast);

}  // namespace prediction
