#pragma once

// The shown pass as the DX station sees it: the first run of minutes, within the pass,
// in which the satellite stands at 0 degrees or more above the DX station's horizon; the
// list rows of that run; and the stack of the starts visited with "+".

#include <string>
#include <vector>

#include "prediction/pass_slot.h"
#include "tools/dx_station.h"

namespace tools {

using orbit::Real;

// One listed minute as the DX station sees it (whole degrees and km, rounded).
struct CovisibilityEntry {
  int elevation = 0;
  int azimuth = 0;
  int range = 0;
  int squint = 0;
};

struct Covisibility {
  Real start = 0;  // UTC date-time value of the first entry (whole minute)
  std::vector<CovisibilityEntry> entries;
  bool Found() const { return !entries.empty(); }
  Real End() const { return start + (static_cast<Real>(entries.size()) - 1) / 1440; }
};

// Minutes fromUtc, fromUtc + 1 min, ... up to and including passEndUtc (UTC date-time
// values, whole minutes) of the slot's satellite, seen from `dx`. At most 3000 entries.
Covisibility ComputeCovisibility(const prediction::PassSlot& slot, Real fromUtc,
                                 Real passEndUtc, const DxPosition& dx);

// A list row: day (2, blank-padded), month "DEC", year, two blanks, "hh:mm", then the
// elevation (3), azimuth (4), range (7, "#######" when longer) and squint (4), one blank
// between fields. `time` is the date-time value to show (local or UTC).
std::string CovisibilityRow(Real time, const CovisibilityEntry& entry);

// The starts of the periods visited with "+" (at most four).
class CovisibilityStack {
 public:
  static constexpr int kDepth = 4;
  // The start of the next period after the listed one, when there is room on the stack
  // and it still lies within the pass; the caller pushes it once a period is found there.
  bool NextStart(const Covisibility& listed, Real passEndUtc, Real* next) const;
  void Push(Real start) { starts_.push_back(start); }
  // Pops the newest start; false when none is stacked. *from: where to compute again
  // (the start below it, or passStartUtc).
  bool Pop(Real passStartUtc, Real* from);
  void Clear() { starts_.clear(); }
  int Size() const { return static_cast<int>(starts_.size()); }
  // Where the listed period was computed from (the newest start, or the pass start).
  Real From(Real passStartUtc) const { return starts_.empty() ? passStartUtc : starts_.back(); }

 private:
  std::vector<Real> starts_;
};

}  // namespace tools
