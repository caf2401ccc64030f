#include "map/map_state.h"

#include <algorithm>
#include <cmath>

namespace map {

MapSettings Normalised(MapSettings s) {
  const MapSettings d;
  if (s.centre != kShift0 && s.centre != kShift180) s.centre = d.centre;
  if (s.penWidth < 2 || s.penWidth > 5) s.penWidth = d.penWidth;
  if (!ZoomFromPercent(s.zoomPercent)) s.zoomPercent = d.zoomPercent;
  if (s.pixel < 1 || s.pixel > 5) s.pixel = d.pixel;
  if (s.browserPeriod < 10 || s.browserPeriod > 60) s.browserPeriod = d.browserPeriod;
  if (s.sunPlus) s.sun = false;  // one of the two sun items
  return s;
}

int RefreshIntervalMs(int seconds) {
  switch (seconds) {
    case 10:
    case 20:
    case 30:
    case 60:
      return seconds * 1000;
    default:
      return 10000;
  }
}

long long RedrawCounters::AfterDrawing(Real nowLocal) {
  const Real minutes = nowLocal * 1440;
  const Real inMinute = (minutes - std::floor(minutes)) * 60000;
  return static_cast<long long>(std::clamp(inMinute, Real(0), Real(59999))) + 1000;
}

void RedrawCounters::Advance(long long intervalMs, bool sunShown, bool orbitModeOn) {
  if (sunShown) sun += intervalMs;
  if (orbitModeOn) orbit += intervalMs;
}

WatchDecision DecideWatch(const WatchSnapshot& before, const WatchSnapshot& now,
                          bool clickedRowWaiting, bool firstAfterSetUp) {
  WatchDecision d;
  if (before == now) {
    if (!clickedRowWaiting) {
      d.steady = true;
      d.firstSteady = firstAfterSetUp;
    } else {
      d.takeClickedRow = true;
    }
    return d;
  }
  d.takeClickedRow = clickedRowWaiting;
  d.change = (!before.visible && now.visible) ? WatchChange::Acquisition : WatchChange::Other;
  return d;
}

bool PassInProgress(const prediction::PassSlot& slot) {
  return slot.text.size() >= 17 && slot.text.compare(12, 5, "00h00") == 0;
}

Real OrbitTrackStart(const prediction::PassSlot& slot, Real nowUtc) {
  const Real start = PassInProgress(slot) && slot.HasPass()
                         ? slot.passStart + Real(slot.rows.count) / 1440
                         : nowUtc;
  return std::floor(start * 1440 + Real(1e-7)) / 1440;
}

OrbitTrack ComputeOrbitTrack(const prediction::PassSlot& slot,
                             const prediction::StationPosition& station, int minimumElevation,
                             Real nowUtc) {
  OrbitTrack track;
  track.startUtc = OrbitTrackStart(slot, nowUtc);
  if (!slot.HasSatellite()) {
    track.points.push_back(prediction::TrackPoint{});
    return track;
  }
  track.points = prediction::GroundTrack(slot, station, minimumElevation, track.startUtc);
  return track;
}

std::optional<prediction::TrackPoint> OrbitEntry(const OrbitTrack& track, int k) {
  if (k < 1 || k > static_cast<int>(track.points.size()) || k > prediction::kMaxRows)
    return std::nullopt;
  const prediction::TrackPoint& p = track.points[static_cast<std::size_t>(k - 1)];
  if (!(p.latitude < 999)) return std::nullopt;
  // Every entry up to k must lie before the end mark.
  for (int i = 0; i < k - 1; ++i)
    if (!(track.points[static_cast<std::size_t>(i)].latitude < 999)) return std::nullopt;
  return p;
}

std::vector<int> OrbitDotEntries(const OrbitTrack& track, int k) {
  std::vector<int> entries;
  const int size = std::min(static_cast<int>(track.points.size()), prediction::kMaxRows);
  int end = 0;  // last entry before the end mark
  while (end < size && track.points[static_cast<std::size_t>(end)].latitude < 999) ++end;
  for (int e = std::max(1, k + 1); e <= end; ++e) entries.push_back(e);
  return entries;
}

}  // namespace map
