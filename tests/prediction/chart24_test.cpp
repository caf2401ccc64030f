#include "prediction/chart24.h"

#include <gtest/gtest.h>

#include "sample_slots.h"

namespace prediction {
namespace {

using testing::LoadSample;
using testing::Station;
using testing::Utc;

TEST(ChartGeometry, WorkedExampleOfAnAfternoonChart) {
  // Opened at 14:37 local with local = UTC + 1: origin 13:00 UTC.
  const Real chartStart = orbit::EncodeDateTimeValue(2018, 1, 21, 14, 37, 12);
  const Real origin = ChartOrigin(chartStart, 1);
  EXPECT_EQ(origin, Utc(21, 13, 0));
  // A pass 13:40..13:52 UTC: left R(20) = 20, right R(26.5) = 26 (halves to even).
  const ChartRect bar = PassBar(Utc(21, 13, 40), Utc(21, 13, 52), origin, 1, ChartScale{});
  EXPECT_EQ(bar.left, 20);
  EXPECT_EQ(bar.right, 26);
  EXPECT_EQ(bar.top, 17);
  EXPECT_EQ(bar.bottom, 34);
  // 13:40..13:54: right R(27.5) = 28.
  EXPECT_EQ(PassBar(Utc(21, 13, 40), Utc(21, 13, 54), origin, 3, ChartScale{}).right, 28);
  EXPECT_EQ(PassBar(Utc(21, 13, 40), Utc(21, 13, 54), origin, 3, ChartScale{}).top, 67);

  ChartPassTable table{};
  table[0][0] = {Utc(21, 14, 40), Utc(21, 14, 52), bar};
  EXPECT_EQ(ChartHoverText(table, 23, 20), "14:40 => 14:52");
  EXPECT_EQ(ChartHoverText(table, 20, 34), "14:40 => 14:52");  // edges included
  EXPECT_EQ(ChartHoverText(table, 27, 20), "");
  EXPECT_EQ(ChartHoverText(table, 23, 40), "");

  EXPECT_EQ(ChartLabelSuffix(false), " LOCAL");
  EXPECT_EQ(ChartLabelSuffix(true), "   UTC");
  const auto localHours =
      ChartHourLabels(orbit::DecodeDateTimeValue(ChartLabelInstant(chartStart, 1, false)).hour);
  EXPECT_EQ(localHours[0], "14");
  EXPECT_EQ(localHours[9], "23");
  EXPECT_EQ(localHours[10], "00");
  EXPECT_EQ(localHours[23], "13");
  EXPECT_EQ(ChartHourLabels(orbit::DecodeDateTimeValue(ChartLabelInstant(chartStart, 1, true)).hour)[0],
            "13");
}

TEST(ChartGeometry, SlotColoursRepeatEveryFiveSlots) {
  EXPECT_EQ(SlotColourOfChart(1), 0xFF0000u);
  EXPECT_EQ(SlotColourOfChart(5), 0x000080u);
  EXPECT_EQ(SlotColourOfChart(6), 0xFF0000u);
  EXPECT_EQ(SlotColourOfChart(14), 0x800080u);
}

TEST(ChartLayout, FourSatellitesRemoveElevenRows) {
  const ChartLayout l = ComputeChartLayout(4, ChartScale{});
  EXPECT_EQ(l.shrink, 275);
  EXPECT_EQ(l.gridHeight, 120);
  EXPECT_EQ(l.labelDateTop, 408 - 275);
  EXPECT_EQ(l.hourLabelTop, 410 - 275);
  EXPECT_EQ(l.windowHeight, 496 - 275);
  EXPECT_EQ(ComputeChartLayout(15, ChartScale{}).shrink, 0);
  EXPECT_EQ(ComputeChartLayout(0, ChartScale{}).gridHeight, 395 - 375);
  // A scale of 1.1 rounds 25 x 1.1 x 11 = 302.5 to 302.
  EXPECT_EQ(ComputeChartLayout(4, ChartScale{1, 1.1L}).shrink, 302);
}

TEST(Timetable, PassLinesInTheLongTimeFormat) {
  ChartPassTable table{};
  table[1][0].start = Utc(21, 9, 12);
  table[1][0].end = Utc(21, 9, 25);
  table[1][1].start = Utc(21, 10, 48);
  table[1][1].end = Utc(21, 11, 3);
  std::array<std::string, kSlotCount> names{};
  names[0] = "AO-7";
  names[1] = "SO-50";
  const auto longTime = [](Real v) { return HourMinuteText(v) + ":00"; };
  const auto lines = BuildTimetableLines("21/01/2018 LOCAL", "14", names, table, longTime);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[0], "ORVANE  21/01/2018 LOCAL  H=14:00");
  EXPECT_EQ(lines[1], "");
  EXPECT_EQ(lines[2], "AO-7");
  EXPECT_EQ(lines[3], "");
  EXPECT_EQ(lines[5], "SO-50");
  EXPECT_EQ(lines[6], "[09:12=>09:25] [10:48=>11:03] ");
}

// The chart drives the real pass search over the sample file's satellites.
struct ChartRun : ::testing::Test {
  void SetUp() override {
    const char* names[] = {"ISS (ZARYA)", "FOX-1B (AO-91)", "AO-85", "NO-84"};
    for (std::size_t i = 0; i < 4; ++i) {
      ASSERT_TRUE(LoadSample(sats[i], names[i])) << names[i];
      ASSERT_TRUE(SearchPass(st.ctx, sats[i]));
      current[i] = sats[i].passStart;
    }
    st.SetUtc(21, 13, 37);
    for (std::size_t i = 0; i < 4; ++i) {
      ASSERT_TRUE(SearchPass(st.ctx, sats[i]));
      current[i] = sats[i].passStart;
    }
  }
  Station st;
  SlotTable sats;
  std::array<Real, 4> current{};
  NavigationHistory history;
};

TEST_F(ChartRun, BarsOfOneDayAndEverySlotBackOnItsCurrentPass) {
  const Real origin = ChartOrigin(st.clock.Now(), 1);
  EXPECT_EQ(origin, Utc(21, 13, 0));
  history.index = 7;  // a navigated explorer: the chart goes on from there and ends at 0
  const ChartResult r = ComputeChart(st.ctx, sats, history, origin, ChartScale{}, [] { return true; });
  ASSERT_FALSE(r.stopped);
  EXPECT_EQ(history.index, 0);
  EXPECT_FALSE(st.ctx.navigating);
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(sats[i].name);
    EXPECT_EQ(sats[i].passStart, current[i]);
    const ChartRow& row = r.rows[i];
    EXPECT_TRUE(row.named);
    EXPECT_EQ(row.lineY, 25 * static_cast<int>(i + 1));
    EXPECT_EQ(row.lineRight, 720);
    ASSERT_GE(row.bars.size(), 3u);
    const auto& entries = r.table[i];
    // Every stored pass: local times, bars from the UTC times, in order, within the day.
    Real previousEnd = 0;
    for (std::size_t k = 0; k < row.bars.size() && k < kChartEntries; ++k) {
      const ChartEntry& e = entries[k];
      ASSERT_NE(e.start, 0);
      EXPECT_EQ(e.rect, PassBar(e.start - 1 / 24.0L, e.end - 1 / 24.0L, origin,
                                static_cast<int>(i + 1), ChartScale{}));
      EXPECT_GT(e.start, previousEnd);
      EXPECT_GE(e.end, e.start);
      previousEnd = e.end;
      // Independently: the minute before the pass is below the horizon, the first and
      // last minutes at or above it (a degree of slack for the refreshed node).
      const Real s = e.start - 1 / 24.0L, en = e.end - 1 / 24.0L;
      EXPECT_GT(testing::ViewAt(sats[i], st.ctx.station, s).elevation, -1) << k;
      EXPECT_GT(testing::ViewAt(sats[i], st.ctx.station, en).elevation, -1) << k;
      if (s > origin) {
        EXPECT_LT(testing::ViewAt(sats[i], st.ctx.station, s - 1 / 1440.0L).elevation, 1) << k;
      }
    }
    // The first pass starts at or after the origin; the passes cover one day from it.
    EXPECT_GE(entries[0].start - 1 / 24.0L, origin);
    EXPECT_LE(entries[0].start - 1 / 24.0L, origin + 1);
    const std::size_t n = std::min<std::size_t>(row.bars.size(), kChartEntries);
    EXPECT_LE(entries[n - 1].start, entries[0].start + 1 + 1e-9L);
    // The row ends with the first pass ending a day after the first one, or because the
    // pass after the last drawn one starts more than a day after the first.
    if (row.bars.size() <= kChartEntries && entries[n - 1].end < entries[0].end + 1) {
      auto probe = std::make_unique<PassSlot>(sats[i]);
      ASSERT_TRUE(SearchFromNavigationDate(st.ctx, *probe, entries[n - 1].end - 1 / 24.0L + 2 / 1440.0L));
      EXPECT_GT(probe->passStart, entries[0].start - 1 / 24.0L + 1);
    }
  }
  for (std::size_t i = 4; i < kSlotCount; ++i) EXPECT_FALSE(r.rows[i].named);
  // The hover text of the first stored bar of slot 1.
  const ChartEntry& e = r.table[0][0];
  EXPECT_EQ(ChartHoverText(r.table, (e.rect.left + e.rect.right) / 2, e.rect.top),
            HourMinuteText(e.start) + " => " + HourMinuteText(e.end));
}

TEST_F(ChartRun, SatelliteInViewAtTheOriginStartsAtTheLeftEdge) {
  // The first whole hour at which ISS stands well above the horizon.
  Real inView = 0;
  for (Real t = Utc(21, 0, 0); t < Utc(23, 0, 0) && inView == 0; t += 1 / 24.0L) {
    if (testing::ViewAt(sats[0], st.ctx.station, t).elevation > 5) inView = t;
  }
  ASSERT_NE(inView, 0);
  const ChartResult r =
      ComputeChart(st.ctx, sats, history, inView, ChartScale{}, [] { return true; });
  ASSERT_FALSE(r.rows[0].bars.empty());
  EXPECT_EQ(r.rows[0].bars[0].left, 0);
  EXPECT_NEAR(static_cast<double>(r.table[0][0].start), static_cast<double>(inView + 1 / 24.0L), 1e-6);
}

TEST_F(ChartRun, StopsBeforeAnySearchWhenTheTimerIsOff) {
  const std::string text = sats[0].text;
  const ChartResult r =
      ComputeChart(st.ctx, sats, history, Utc(21, 13, 0), ChartScale{}, [] { return false; });
  EXPECT_TRUE(r.stopped);
  EXPECT_TRUE(r.rows[0].named);
  EXPECT_TRUE(r.rows[0].bars.empty());
  EXPECT_EQ(history.index, 0);
  EXPECT_EQ(sats[0].text, text);
}

TEST_F(ChartRun, TimerStoppingMidwayStillRestoresTheSlot) {
  int calls = 0;
  const ChartResult r = ComputeChart(st.ctx, sats, history, Utc(21, 13, 0), ChartScale{},
                                     [&] { return ++calls < 3; });
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(sats[0].passStart, current[0]);
  EXPECT_EQ(history.index, 0);
}

TEST_F(ChartRun, SlotWithoutAPassGetsItsLineOnly) {
  sats[1].text = NoPassText(sats[1].text);
  const ChartResult r =
      ComputeChart(st.ctx, sats, history, Utc(21, 13, 0), ChartScale{}, [] { return true; });
  EXPECT_TRUE(r.rows[1].named);
  EXPECT_TRUE(r.rows[1].bars.empty());
  EXPECT_EQ(r.table[1][0].start, 0);
  EXPECT_FALSE(r.rows[2].bars.empty());
}

TEST_F(ChartRun, HistoryBoundStopsTheRowAndSaysSo) {
  history.index = kHistorySize - 2;  // room for two searches only
  const ChartResult r =
      ComputeChart(st.ctx, sats, history, Utc(21, 13, 0), ChartScale{}, [] { return true; });
  EXPECT_TRUE(r.rows[0].historyFull);
  EXPECT_EQ(r.rows[0].bars.size(), 2u);
  EXPECT_EQ(sats[0].passStart, current[0]);
  // The next slot starts again from index 0 and is complete.
  EXPECT_FALSE(r.rows[1].historyFull);
  EXPECT_GE(r.rows[1].bars.size(), 3u);
  EXPECT_EQ(history.index, 0);
}

}  // namespace
}  // namespace prediction
