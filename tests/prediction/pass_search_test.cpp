#include "prediction/pass_search.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "orbit/elements.h"
#include "prediction/slot_text.h"

namespace prediction {
namespace {

using orbit::Real;

const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

// Paris, one hour ahead of UTC; the clock reads local time.
struct Fixture {
  Fixture() : slot(std::make_unique<PassSlot>()) {
    ctx.clock = &clock;
    ctx.station = {48.854L, -2.292L, 35};
    ctx.localOffsetHours = 1;
    slot->name = "ISS (ZARYA)";
    slot->text = SlotPrefix(slot->name);
    EXPECT_TRUE(orbit::ParseElementLines(kIss1, kIss2, &slot->set));
  }
  void SetUtc(int h, int m, int s = 0) {
    clock.Set(orbit::EncodeDateTimeValue(2018, 1, 21, h, m, s) + 1.0L / 24);
  }
  base::TestClock clock;
  SearchContext ctx;
  std::unique_ptr<PassSlot> slot;
};

Real Utc(int h, int m) { return orbit::EncodeDateTimeValue(2018, 1, 21, h, m); }

// Elevation and azimuth at a UTC minute, evaluated on their own.
orbit::ObserverView ViewAt(const PassSlot& slot, const StationPosition& st, Real utc) {
  orbit::Propagator p;
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(utc);
  orbit::CalendarFields c;
  c.year = d.year;
  c.month = d.month;
  c.day = d.day;
  c.hour = d.hour;
  c.minute = d.minute;
  p.SetUp(slot.set.elements, c);
  p.Propagate(0);
  orbit::Observer o;
  o.SetStation(st.latitude, st.westLongitude, st.altitude);
  o.StartRun();
  return o.Observe(p, 0, kStepDays);
}

TEST(SearchPass, FindsTheNextPassMinuteByMinute) {
  Fixture f;
  f.SetUtc(0, 0, 30);
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  ASSERT_TRUE(f.slot->HasPass());
  EXPECT_EQ(f.slot->passStart, Utc(0, 41));
  EXPECT_EQ(f.slot->passEnd, Utc(0, 51));
  EXPECT_EQ(f.slot->rows.count, 11);
  EXPECT_EQ(f.slot->rows.elevation[11], kEndMark);
  // The minute before the first row is below the horizon; every row is at or above it.
  EXPECT_LT(ViewAt(*f.slot, f.ctx.station, Utc(0, 40)).elevation, 0);
  EXPECT_LT(ViewAt(*f.slot, f.ctx.station, Utc(0, 52)).elevation, 0);
  // Row k is minute k after the start. A computation set up at that very minute refreshes
  // the node and perigee there, not once per revolution, so allow a degree and a few km.
  for (int k = 0; k < f.slot->rows.count; ++k) {
    const orbit::ObserverView v = ViewAt(*f.slot, f.ctx.station, Utc(0, 41 + k));
    EXPECT_GE(v.elevation, 0);
    EXPECT_NEAR(f.slot->rows.elevation[k], static_cast<double>(v.elevation), 1.0) << k;
    EXPECT_NEAR(f.slot->rows.azimuth[k], static_cast<double>(v.azimuth), 1.0) << k;
    EXPECT_NEAR(f.slot->rows.range[k], static_cast<double>(v.range), 5.0) << k;
  }
  // 40 minutes 30 seconds to go: the delay counts the started minute.
  EXPECT_EQ(f.slot->text, "ISS (ZARYA):00h41 00h11");
  EXPECT_EQ(f.slot->colour, kWhite);
}

TEST(SearchPass, SatelliteInViewAtTheStartHasPrimedDoppler) {
  Fixture f;
  f.SetUtc(0, 0);
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  const int dopplerAt45 = f.slot->rows.doppler[4];
  const int elevationAt45 = f.slot->rows.elevation[4];
  f.SetUtc(0, 45);
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  EXPECT_EQ(f.slot->passStart, Utc(0, 45));
  EXPECT_EQ(f.slot->rows.elevation[0], elevationAt45);
  // The two pre-roll minutes give the first row a real range rate.
  EXPECT_NE(f.slot->rows.doppler[0], 0);
  EXPECT_NEAR(f.slot->rows.doppler[0], dopplerAt45, std::abs(dopplerAt45) * 0.001 + 1);
  EXPECT_EQ(f.slot->text.substr(12, 5), "00h00");
  EXPECT_EQ(f.slot->colour, kGreen);
}

TEST(SearchPass, NegativeMinimumElevationStartsBelowTheHorizon) {
  Fixture f;
  f.SetUtc(0, 0);
  f.ctx.minimumElevation = -5;
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  EXPECT_LT(f.slot->passStart, Utc(0, 41));
  EXPECT_LT(f.slot->rows.elevation[0], 0);
  EXPECT_GE(f.slot->rows.elevation[0], -5);
}

TEST(SearchPass, BusyFlagRefusesReentrantCalls) {
  Fixture f;
  f.SetUtc(0, 0);
  f.ctx.busy = true;
  EXPECT_FALSE(SearchPass(f.ctx, *f.slot));
  EXPECT_FALSE(f.slot->HasPass());
  f.ctx.busy = false;
  EXPECT_TRUE(SearchPass(f.ctx, *f.slot));
  EXPECT_FALSE(f.ctx.busy);
}

TEST(SearchPass, RealTimeModeLeavesTheSlotAlone) {
  Fixture f;
  f.SetUtc(0, 0);
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  const std::string text = f.slot->text;
  f.SetUtc(0, 46, 30);
  LiveView live;
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot, SearchMode::RealTime, &live));
  EXPECT_EQ(f.slot->text, text);
  EXPECT_GT(live.view.elevation, 40);
  EXPECT_GE(live.westLongitude, -180);
  EXPECT_LE(live.westLongitude, 180);
  // Half a minute later than the row of 00:46 the satellite is lower (past culmination).
  EXPECT_LT(live.view.elevation, f.slot->rows.elevation[5] + 1);
}

TEST(SearchPass, CalculationDateAndNavigationChooseTheStart) {
  Fixture f;
  f.SetUtc(0, 0);
  Real remembered = f.clock.Now() - 1;
  f.ctx.rememberedTickTime = &remembered;
  f.slot->calculationDate = Utc(2, 0) + 1.0L / 24;  // local
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  EXPECT_EQ(f.slot->passStart, Utc(2, 18));
  // A calculation date is not the clock: the tick's minute test keeps its time.
  EXPECT_EQ(remembered, f.clock.Now() - 1);
  f.slot->calculationDate = 0;
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  EXPECT_EQ(remembered, f.clock.Now());
  f.ctx.navigating = true;
  f.ctx.navigationDate = Utc(3, 0);  // already UTC
  ASSERT_TRUE(SearchPass(f.ctx, *f.slot));
  EXPECT_EQ(f.slot->passStart, Utc(3, 55));
}

TEST(SearchPass, ContinuouslyVisibleSatelliteFillsTheSpan) {
  // A geostationary set and a station under it.
  PassSlot* slot = new PassSlot();
  std::unique_ptr<PassSlot> owner(slot);
  slot->name = "GEO";
  slot->text = SlotPrefix("GEO");
  slot->set.elements.epochYear = 18;
  slot->set.elements.epochDay = 21;
  slot->set.elements.meanMotion = 1.0027379093L;
  base::TestClock clock(orbit::EncodeDateTimeValue(2018, 1, 21, 0, 0));
  orbit::Propagator p;
  orbit::CalendarFields c;
  c.year = 2018;
  c.month = 1;
  c.day = 21;
  p.SetUp(slot->set.elements, c);
  const orbit::OrbitState& s = p.Propagate(0);
  const Real west = 360 - orbit::QuadrantAngle(s.x, s.y) / orbit::kDegree;
  SearchContext ctx;
  ctx.clock = &clock;
  ctx.station = {0, west + 30, 0};
  ASSERT_TRUE(SearchPass(ctx, *slot));
  EXPECT_EQ(slot->rows.count, 2878);
  EXPECT_EQ(slot->rows.elevation[2878], kEndMark);
  EXPECT_EQ(slot->text.substr(12, 5), "00h00");
  EXPECT_EQ(slot->colour, kGreen);
  // Far from it, the satellite never rises: no pass, the prefix is kept.
  ctx.station = {0, west + 150, 0};
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(SearchPass(ctx, *slot));
  EXPECT_FALSE(slot->HasPass());
  EXPECT_EQ(slot->text, "GEO        :##h## 00h00");
  EXPECT_EQ(slot->colour, kWhite);
}

TEST(GroundTrack, RunsToTheNextRise) {
  Fixture f;
  const std::vector<TrackPoint> track = GroundTrack(*f.slot, f.ctx.station, 0, Utc(0, 0));
  ASSERT_EQ(track.size(), 42u);  // 00:00 .. 00:40, then the end mark
  EXPECT_EQ(track.back().latitude, 999);
  for (std::size_t i = 0; i + 1 < track.size(); ++i) {
    EXPECT_LE(std::fabs(static_cast<double>(track[i].latitude)), 52);
    EXPECT_LE(std::fabs(static_cast<double>(track[i].westLongitude)), 180);
    EXPECT_NEAR(static_cast<double>(track[i].distance10), 67800, 300);
  }
}

}  // namespace
}  // namespace prediction
