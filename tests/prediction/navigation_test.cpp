#include "prediction/pass_navigation.h"

#include <gtest/gtest.h>

#include "prediction/satellite_memo.h"
#include "sample_slots.h"

namespace prediction {
namespace {

using testing::LoadSample;
using testing::Station;
using testing::Utc;

struct Navigation : ::testing::Test {
  void SetUp() override {
    slot = std::make_unique<PassSlot>();
    ASSERT_TRUE(LoadSample(*slot, "ISS (ZARYA)"));
    ASSERT_TRUE(SearchPass(st.ctx, *slot));
    ASSERT_TRUE(slot->HasPass());
  }
  Station st;
  std::unique_ptr<PassSlot> slot;
  NavigationHistory history;
  base::RecordingSounds sounds;
};

TEST_F(Navigation, ForwardPastAPassAndBackAgain) {
  const Real first = slot->passStart, firstEnd = slot->passEnd;
  ASSERT_EQ(NextPass(st.ctx, *slot, history, sounds), NavigationOutcome::Moved);
  EXPECT_EQ(history.index, 1);
  EXPECT_EQ(history.starts[1], first);
  EXPECT_FALSE(st.ctx.navigating);
  const Real second = slot->passStart;
  // The next pass starts after the shown one's last row, at least two minutes later.
  EXPECT_GE(second, firstEnd + 2 / 1440.0L - 1e-9L);
  ASSERT_EQ(NextPass(st.ctx, *slot, history, sounds), NavigationOutcome::Moved);
  const Real third = slot->passStart;
  EXPECT_GT(third, second);
  EXPECT_EQ(history.index, 2);

  ASSERT_EQ(PreviousPass(st.ctx, *slot, history, sounds), NavigationOutcome::Moved);
  EXPECT_EQ(slot->passStart, second);
  EXPECT_EQ(history.index, 1);
  ASSERT_EQ(PreviousPass(st.ctx, *slot, history, sounds), NavigationOutcome::Moved);
  EXPECT_EQ(slot->passStart, first);
  EXPECT_EQ(slot->passEnd, firstEnd);
  EXPECT_EQ(history.index, 0);
  // At the first pass "<" only beeps.
  EXPECT_EQ(PreviousPass(st.ctx, *slot, history, sounds), NavigationOutcome::Refused);
  EXPECT_EQ(sounds.Count("beep"), 1);
  EXPECT_EQ(slot->passStart, first);
  EXPECT_TRUE(sounds.calls.size() == 1);
}

TEST_F(Navigation, FirstPassReturnsToTheSlotsOwnStart) {
  const Real first = slot->passStart;
  for (int i = 0; i < 3; ++i) NextPass(st.ctx, *slot, history, sounds);
  EXPECT_GT(slot->passStart, first);
  ASSERT_EQ(FirstPass(st.ctx, *slot, history), NavigationOutcome::Moved);
  EXPECT_EQ(slot->passStart, first);
  EXPECT_EQ(history.index, 0);
  EXPECT_TRUE(sounds.calls.isEmpty());
}

TEST_F(Navigation, TheHundredAndFirstNextBeepsAndChangesNothing) {
  for (int i = 0; i < kHistorySize; ++i)
    ASSERT_EQ(NextPass(st.ctx, *slot, history, sounds), NavigationOutcome::Moved) << i;
  EXPECT_EQ(history.index, kHistorySize);
  EXPECT_TRUE(sounds.calls.isEmpty());
  const Real shown = slot->passStart;
  const std::string text = slot->text;
  EXPECT_EQ(NextPass(st.ctx, *slot, history, sounds), NavigationOutcome::Refused);
  EXPECT_EQ(sounds.Count("beep"), 1);
  EXPECT_EQ(history.index, kHistorySize);
  EXPECT_EQ(slot->passStart, shown);
  EXPECT_EQ(slot->text, text);
  // And the way back still works.
  EXPECT_EQ(PreviousPass(st.ctx, *slot, history, sounds), NavigationOutcome::Moved);
  EXPECT_EQ(history.index, kHistorySize - 1);
  EXPECT_LT(slot->passStart, shown);
}

TEST_F(Navigation, RefreshFindsTheShownPassAgain) {
  NextPass(st.ctx, *slot, history, sounds);
  const Real shown = slot->passStart;
  const int rows = slot->rows.count;
  ASSERT_EQ(RefreshPass(st.ctx, *slot, history), NavigationOutcome::Moved);
  EXPECT_EQ(slot->passStart, shown);
  EXPECT_EQ(slot->rows.count, rows);
  history.index = 0;
  ASSERT_EQ(RefreshPass(st.ctx, *slot, history), NavigationOutcome::Moved);
  EXPECT_LT(slot->passStart, shown);
}

TEST_F(Navigation, ASearchThatIsRunningIsWaitedForThenGivenUp) {
  SetIdleWaitLimit(50);
  st.ctx.busy = true;  // a search that never finishes (a call from inside it)
  EXPECT_EQ(NextPass(st.ctx, *slot, history, sounds), NavigationOutcome::Busy);
  EXPECT_EQ(history.index, 0);
  EXPECT_EQ(PreviousPass(st.ctx, *slot, history, sounds), NavigationOutcome::Refused);
  st.ctx.busy = false;
  SetIdleWaitLimit(5000);
}

TEST(SatelliteMemo, ValuesOfTheElementRecord) {
  PassSlot slot;
  ASSERT_TRUE(LoadSample(slot, "ISS (ZARYA)"));
  slot.radio.hasAttitude = true;
  slot.radio.alat = 10;
  slot.radio.alon = -20;
  const SatelliteMemo m = BuildSatelliteMemo(slot, 2018);
  EXPECT_EQ(m.name, "ISS (ZARYA)");
  EXPECT_EQ(m.noradId, "25544");
  EXPECT_EQ(m.epochText.size(), 14u + 1);
  EXPECT_EQ(m.epochYear, 2018);
  EXPECT_EQ(m.epochMonth, 1);
  // The day of year of the epoch text, e.g. "18021.xxx" -> 21 January.
  EXPECT_EQ(m.epochDay, std::stoi(m.epochText.substr(2, 3)));
  EXPECT_NEAR(static_cast<double>(m.values[0]), 51.6, 0.1);  // inclination
  EXPECT_NEAR(static_cast<double>(m.values[5]), 15.5, 0.1);  // mean motion
  EXPECT_TRUE(m.hasAttitude);
  EXPECT_EQ(m.alon, -20);
}

TEST(SatelliteMemo, EpochYearResolvedAgainstTheCurrentYear) {
  PassSlot slot;
  ASSERT_TRUE(LoadSample(slot, "ISS (ZARYA)"));
  slot.set.elements.epochYear = 99;
  slot.set.elements.epochDay = 60.5;  // 1 March in a common year
  const SatelliteMemo m = BuildSatelliteMemo(slot, 2018);
  EXPECT_EQ(m.epochYear, 1999);
  EXPECT_EQ(m.epochMonth, 3);
  EXPECT_EQ(m.epochDay, 1);
}

TEST(EphemerisFile, NameHeaderThenTheShownRows) {
  const auto lines = EphemerisFileLines("AO-91", " DATE &  UTC  TIME", {"row1", "row2"});
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "AO-91");
  EXPECT_EQ(lines[1], " DATE &  UTC  TIME");
  EXPECT_EQ(lines[3], "row2");
}

}  // namespace
}  // namespace prediction
