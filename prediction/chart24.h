#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "prediction/pass_navigation.h"

namespace prediction {

inline constexpr int kChartEntries = 20;
inline constexpr int kChartDesignWidth = 720;   // grid pixels per day at scale 1
inline constexpr int kChartDesignHeight = 395;
inline constexpr int kChartRowPitch = 25;

// Bar colours of the slots: slot n uses entry (n - 1) mod 5 (RGB).
inline constexpr std::array<std::uint32_t, 5> kSlotColours = {0xFF0000, 0x0000FF, 0x008000,
                                                              0x800080, 0x000080};
std::uint32_t SlotColourOfChart(int slot);  // slot 1..15

struct ChartRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ChartRect&) const = default;
};

// One stored pass: local start and end (start 0 = empty) and its bar.
struct ChartEntry {
  Real start = 0;
  Real end = 0;
  ChartRect rect;
};
using ChartPassTable = std::array<std::array<ChartEntry, kChartEntries>, kSlotCount>;

// Actual grid size over the design size, fixed at the first chart of the run.
struct ChartScale {
  Real xs = 1;
  Real ys = 1;
};

// Round with halves to the even neighbour.
int ChartRound(Real v);

// The chart's left edge: ChartStart (local) to UTC, cut to the whole hour.
Real ChartOrigin(Real chartStartLocal, Real localOffsetHours);

// Bar of a pass (UTC whole minutes) in row n (1..15).
ChartRect PassBar(Real startUtc, Real endUtc, Real originUtc, int n, const ChartScale& scale);

// Every bar drawn in one row, also those beyond the 20 stored ones.
struct ChartRow {
  bool named = false;        // the active group has a satellite at this slot
  int lineY = 0;             // row line from (0, lineY) to (lineRight, lineY)
  int lineRight = 0;
  std::vector<ChartRect> bars;
  bool historyFull = false;  // the row stopped at the bound of the navigation history
};

struct ChartResult {
  bool stopped = false;  // the one-second timer is off: nothing is shown
  ChartPassTable table{};
  std::array<ChartRow, kSlotCount> rows{};
};

// Drives the pass search through the navigation, slot after slot, for one day from the
// origin; every slot comes back to its current pass and the history index to 0.
ChartResult ComputeChart(SearchContext& ctx, SlotTable& slotTable, NavigationHistory& history,
                         Real originUtc, const ChartScale& scale,
                         const std::function<bool()>& timerRunning);

// Hint of the chart picture at (x, y): "09:12 => 09:25" (local), empty when no bar is hit.
std::string ChartHoverText(const ChartPassTable& table, int x, int y);

// Minutes since midnight of a date-time value, rounded to the minute.
int MinuteOfDay(Real value);
// "hh:mm" of a date-time value.
std::string HourMinuteText(Real value);

// Layout for v visible satellites: everything below the rows moves up by `shrink`.
struct ChartLayout {
  int shrink = 0;
  int gridHeight = 0;
  int labelDateTop = 0;
  int hourLabelTop = 0;
  int windowHeight = 0;
};
struct ChartDesign {
  int gridHeight = kChartDesignHeight;
  int labelDateTop = 408;
  int hourLabelTop = 410;
  int windowHeight = 496;
};
ChartLayout ComputeChartLayout(int visibleRows, const ChartScale& scale,
                               const ChartDesign& design = {});

// The instant the date label shows (UTC or local) and its suffix " LOCAL" / "   UTC".
Real ChartLabelInstant(Real chartStartLocal, Real localOffsetHours, bool utc);
std::string ChartLabelSuffix(bool utc);
// Hour labels 0..23: (H + j) mod 24, two digits.
std::array<std::string, 24> ChartHourLabels(int firstHour);

// The printed timetable. names[n] is the caption of label n (empty = not shown); times
// are written by `timeText` (first five characters of the long time format in the window).
std::vector<std::string> BuildTimetableLines(
    const std::string& labelDate, const std::string& firstHourLabel,
    const std::array<std::string, kSlotCount>& names, const ChartPassTable& table,
    const std::function<std::string(Real)>& timeText);

}  // namespace prediction
