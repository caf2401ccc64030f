#include "prediction/chart24.h"

#include <cstdio>

namespace prediction {

using orbit::Round;

std::uint32_t SlotColourOfChart(int slot) {
  return kSlotColours[static_cast<std::size_t>(((slot - 1) % 5 + 5) % 5)];
}

int ChartRound(Real v) { return static_cast<int>(Round(v)); }

Real ChartOrigin(Real chartStartLocal, Real localOffsetHours) {
  const orbit::DecodedDateTime d =
      orbit::DecodeDateTimeValue(chartStartLocal - localOffsetHours / 24);
  return orbit::EncodeDateTimeValue(d.year, d.month, d.day, d.hour);
}

namespace {

// Whole minutes between two date-time values: pass times and the origin are whole
// minutes, so the pixel arithmetic works on exact halves.
long long MinutesBetween(Real later, Real earlier) {
  return static_cast<long long>(Round((later - earlier) * 1440));
}

}  // namespace

ChartRect PassBar(Real startUtc, Real endUtc, Real originUtc, int n, const ChartScale& scale) {
  ChartRect r;
  r.left = ChartRound(static_cast<Real>(MinutesBetween(startUtc, originUtc)) / 2 * scale.xs);
  r.right = ChartRound(static_cast<Real>(MinutesBetween(endUtc, originUtc) + 1) / 2 * scale.xs);
  r.top = ChartRound((kChartRowPitch * n - 8) * scale.ys);
  r.bottom = ChartRound((kChartRowPitch * n + 9) * scale.ys);
  return r;
}

namespace {

// Pushes one search's start into the history; false at its bound.
bool Remember(NavigationHistory& history, Real start) {
  if (history.Full()) return false;
  ++history.index;
  history.starts[static_cast<std::size_t>(history.index)] = start;
  return true;
}

}  // namespace

ChartResult ComputeChart(SearchContext& ctx, SlotTable& slotTable, NavigationHistory& history,
                         Real originUtc, const ChartScale& scale,
                         const std::function<bool()>& timerRunning) {
  ChartResult result;
  const Real offset = ctx.localOffsetHours / 24;
  for (int n = 1; n <= kSlotCount; ++n) {
    PassSlot& slot = slotTable[static_cast<std::size_t>(n - 1)];
    ChartRow& row = result.rows[static_cast<std::size_t>(n - 1)];
    if (!slot.HasSatellite()) continue;
    row.named = true;
    row.lineY = ChartRound(kChartRowPitch * n * scale.ys);
    row.lineRight = ChartRound(kChartDesignWidth * scale.xs);
    if (slot.text.size() >= 14 && slot.text.compare(12, 2, "##") == 0) continue;
    if (!timerRunning()) {
      result.stopped = true;
      return result;
    }

    int k = 0;
    auto draw = [&](Real s, Real e) {
      const ChartRect rect = PassBar(s, e, originUtc, n, scale);
      row.bars.push_back(rect);
      if (++k <= kChartEntries) {
        ChartEntry& entry = result.table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)];
        entry.start = s + offset;
        entry.end = e + offset;
        entry.rect = rect;
      }
    };

    bool stop = false;
    if (!Remember(history, originUtc)) {
      row.historyFull = true;
    } else if (SearchFromNavigationDate(ctx, slot, originUtc) && slot.HasPass()) {
      Real previous = 0;
      const Real s1 = slot.passStart;
      const Real e1 = slot.passEnd;
      draw(s1, e1);
      Real e = e1;
      do {
        if (!timerRunning()) {
          stop = true;
          break;
        }
        if (!Remember(history, slot.passStart)) {
          row.historyFull = true;
          break;
        }
        // A search that finds nothing leaves the old pass times behind: stop there too.
        if (!SearchFromNavigationDate(ctx, slot, slot.passEnd + 2 / 1440.0L) || !slot.HasPass())
          break;
        const Real s = slot.passStart;
        if (s > s1 + 1 || s == previous) break;
        previous = s;
        e = slot.passEnd;
        draw(s, e);
      } while (e < e1 + 1);
    }

    // Back to the current pass, from the clock or the slot's calculation date.
    SearchFromOwnStart(ctx, slot);
    history.index = 0;
    if (stop) {
      result.stopped = true;
      return result;
    }
  }
  return result;
}

int MinuteOfDay(Real value) {
  const long long m = static_cast<long long>(Round(value * 1440));
  return static_cast<int>(((m % 1440) + 1440) % 1440);
}

std::string HourMinuteText(Real value) {
  const int m = MinuteOfDay(value);
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", m / 60, m % 60);
  return buf;
}

std::string ChartHoverText(const ChartPassTable& table, int x, int y) {
  for (const auto& row : table) {
    const ChartRect& first = row[0].rect;
    if (row[0].start == 0 || y < first.top || y > first.bottom) continue;
    for (const ChartEntry& e : row) {
      if (e.start != 0 && e.rect.left <= x && x <= e.rect.right)
        return HourMinuteText(e.start) + " => " + HourMinuteText(e.end);
    }
  }
  return {};
}

ChartLayout ComputeChartLayout(int visibleRows, const ChartScale& scale,
                               const ChartDesign& design) {
  ChartLayout l;
  l.shrink = ChartRound(kChartRowPitch * scale.ys * (kSlotCount - visibleRows));
  l.gridHeight = design.gridHeight - l.shrink;
  l.labelDateTop = design.labelDateTop - l.shrink;
  l.hourLabelTop = design.hourLabelTop - l.shrink;
  l.windowHeight = design.windowHeight - l.shrink;
  return l;
}

Real ChartLabelInstant(Real chartStartLocal, Real localOffsetHours, bool utc) {
  return utc ? chartStartLocal - localOffsetHours / 24 : chartStartLocal;
}

std::string ChartLabelSuffix(bool utc) { return utc ? "   UTC" : " LOCAL"; }

std::array<std::string, 24> ChartHourLabels(int firstHour) {
  std::array<std::string, 24> labels;
  for (int j = 0; j < 24; ++j) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", ((firstHour + j) % 24 + 24) % 24);
    labels[static_cast<std::size_t>(j)] = buf;
  }
  return labels;
}

std::vector<std::string> BuildTimetableLines(
    const std::string& labelDate, const std::string& firstHourLabel,
    const std::array<std::string, kSlotCount>& names, const ChartPassTable& table,
    const std::function<std::string(Real)>& timeText) {
  std::vector<std::string> lines;
  lines.push_back("ORVANE  " + labelDate + "  H=" + firstHourLabel + ":00");
  for (std::size_t n = 0; n < names.size(); ++n) {
    if (names[n].empty()) continue;
    lines.emplace_back();
    lines.push_back(names[n]);
    std::string passes;
    for (const ChartEntry& e : table[n]) {
      if (e.start == 0) continue;
      passes += '[';
      passes += timeText(e.start).substr(0, 5);
      passes += "=>";
      passes += timeText(e.end).substr(0, 5);
      passes += "] ";
    }
    lines.push_back(passes);
  }
  return lines;
}

}  // namespace prediction
