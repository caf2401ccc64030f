#pragma once

// The map window's settings record, its redraw counters, the one-second watch decision
// and the orbit track to the next pass: plain logic the window calls.

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "map/map_geometry.h"
#include "prediction/pass_search.h"
#include "prediction/pass_slot.h"

namespace map {

// Exactly one is on. Settings keys "TRACE=", "TRACE+=", "TRACE-=".
enum class DrawingMode { PassFootprint, CoverageAndNext, CoverageOnly };

inline bool OrbitMode(DrawingMode m) {
  return m != DrawingMode::PassFootprint;
}

// The map's and the HTML page's settings. The main window fills it from the settings file
// and reads it back at quit; the map window keeps it current.
struct MapSettings {
  int centre = kShift0;  // 0 or 300
  int zoomPercent = 100;  // 100, 125, 150, 175, 200
  int penWidth = 3;       // 2..5
  bool grid = false;
  bool sun = false;
  bool sunPlus = false;  // sun with darkness
  DrawingMode mode = DrawingMode::PassFootprint;
  int refreshSeconds = 10;  // 10, 20, 30, 60
  bool stayOnTop = false;
  QString userMap0;    // file name in the program folder; empty = built-in map
  QString userMap180;
  int left = 0, top = 181, width = 616, height = 382;  // window geometry
  // The HTML page and its upload.
  bool htmlPage = false;
  bool upload = false;
  int pixel = 1;  // 1..5
  QString host, hostDir, hostUser, hostPass;
  int browserPeriod = 30;  // seconds, 10..60
  bool operator==(const MapSettings&) const = default;
};

// Values the window cannot use fall back to their defaults: a centring other than 0 or
// 300, a pen width outside 2..5, a zoom or refresh period not in the menu, a picture size
// outside 1..5, a browser period outside 10..60.
MapSettings Normalised(MapSettings s);

// The refresh menu's interval for a setting: 10, 20, 30 or 60 s; anything else 10 s.
int RefreshIntervalMs(int seconds);

// Sun and orbit redraw counters in milliseconds.
struct RedrawCounters {
  long long sun = 0;
  long long orbit = 0;
  // After a drawing: the milliseconds already elapsed in the current minute plus 1000.
  static long long AfterDrawing(Real nowLocal);
  // One refresh period went by.
  void Advance(long long intervalMs, bool sunShown, bool orbitModeOn);
  bool SunDue() const { return sun > 119999; }
  bool OrbitDue() const { return orbit > 59999; }
};

// What the one-second watch compares from one second to the next.
struct WatchSnapshot {
  std::string satellite;
  std::string dxLatitude, dxLongitude;
  bool visible = false;
  Real nextPassStart = 0;
  bool operator==(const WatchSnapshot&) const = default;
};

enum class WatchChange {
  None,         // same satellite, DX, visibility and pass time
  Acquisition,  // the satellite came into view
  Other,        // satellite or DX changed, loss of signal, new pass time
};

struct WatchDecision {
  bool firstSteady = false;  // unchanged, first second after a set-up
  bool steady = false;       // unchanged (panel text refreshed while visible)
  bool takeClickedRow = false;
  WatchChange change = WatchChange::None;
};

WatchDecision DecideWatch(const WatchSnapshot& before, const WatchSnapshot& now,
                          bool clickedRowWaiting, bool firstAfterSetUp);

// ButtonFast is enabled only while the satellite is not visible in the mode current
// coverage and next pass.
inline bool FastMotionAllowed(bool visible, DrawingMode mode) {
  return !visible && mode == DrawingMode::CoverageAndNext;
}

// The ground track from now to the next pass, one entry a minute; the entry after the last
// has latitude 999 (any latitude of 999 or more ends the table).
struct OrbitTrack {
  Real startUtc = 0;  // time of entry 1, whole minute
  std::vector<prediction::TrackPoint> points;
  bool empty() const { return points.empty() || !(points.front().latitude < 999); }
};

// Whether the slot's delay field (characters 13 to 17) reads "00h00": a pass under way.
bool PassInProgress(const prediction::PassSlot& slot);

// Start of the track: now (UTC, seconds dropped), or the end of the pass under way (pass
// start + number of rows minutes).
Real OrbitTrackStart(const prediction::PassSlot& slot, Real nowUtc);

OrbitTrack ComputeOrbitTrack(const prediction::PassSlot& slot,
                             const prediction::StationPosition& station, int minimumElevation,
                             Real nowUtc);

// Entry k (1-based) when it lies in the table and before the end mark.
std::optional<prediction::TrackPoint> OrbitEntry(const OrbitTrack& track, int k);

// The entries of the orbit's dotted line: k+1 up to the last before the end mark, at most
// entry 3000 (1-based indices).
std::vector<int> OrbitDotEntries(const OrbitTrack& track, int k);

}  // namespace map
