// The countdown rules of the tick as a plain function.
#include <gtest/gtest.h>

#include "app/countdown_slot.h"

namespace app {
namespace {

using prediction::kAqua;
using prediction::kGreen;
using prediction::kSilver;
using prediction::kWhite;
using prediction::kYellow;

std::array<CountdownSlot, prediction::kSlotCount> Slots(std::initializer_list<const char*> texts) {
  std::array<CountdownSlot, prediction::kSlotCount> slots;
  std::size_t i = 0;
  for (const char* t : texts) {
    slots[i].used = true;
    slots[i].text = t;
    ++i;
  }
  return slots;
}

CountdownOptions Minute(bool warning = false, int lead = 5) {
  return {true, warning, lead};
}
CountdownOptions Second(bool warning = false, int lead = 5) {
  return {false, warning, lead};
}

TEST(CountDownField, StepsHoursAndMinutes) {
  bool zero = false;
  EXPECT_EQ(CountDownField("01h00", &zero), "00h59");
  EXPECT_FALSE(zero);
  EXPECT_EQ(CountDownField("10h00", &zero), "09h59");
  EXPECT_EQ(CountDownField("00h02", &zero), "00h01");
  EXPECT_EQ(CountDownField("00h01", &zero), "00h00");
  EXPECT_TRUE(zero);
  EXPECT_EQ(CountDownField("##h##", &zero), "##h##");
  EXPECT_FALSE(zero);
}

TEST(CountDownSlots, RiseAtTheMinuteAlarmsAndTurnsGreen) {
  auto slots = Slots({"ISS        :00h01 00h10", "AO-7       :00h09 00h12"});
  const CountdownResult r = CountDownSlots(slots, Minute());
  EXPECT_EQ(slots[0].text, "ISS        :00h00 00h10");
  EXPECT_EQ(slots[0].colour, kGreen);
  ASSERT_EQ(r.alarms, std::vector<int>{0});
  EXPECT_EQ(slots[1].text, "AO-7       :00h08 00h12");
  EXPECT_EQ(slots[1].colour, kAqua);  // next to rise beyond the lead time
  EXPECT_FALSE(r.passEnded);
}

TEST(CountDownSlots, OtherTicksDoNotCount) {
  auto slots = Slots({"ISS        :00h01 00h10"});
  const CountdownResult r = CountDownSlots(slots, Second());
  EXPECT_EQ(slots[0].text, "ISS        :00h01 00h10");
  EXPECT_TRUE(r.alarms.empty());
  EXPECT_EQ(slots[0].colour, kWhite);
}

TEST(CountDownSlots, WarningLeadTurnsYellowAndAlarmsOnlyWhenReached) {
  auto slots = Slots({"A          :00h06 00h10", "B          :00h07 00h10"});
  const CountdownResult r = CountDownSlots(slots, Minute(true, 5));
  EXPECT_EQ(slots[0].text.substr(12, 5), "00h05");
  EXPECT_EQ(slots[0].colour, kYellow);
  EXPECT_EQ(r.alarms, std::vector<int>{0});
  EXPECT_EQ(slots[1].text.substr(12, 5), "00h06");
  EXPECT_EQ(slots[1].colour, kAqua);
  // On the next plain tick: yellow stays, the one above the lead is aqua.
  const CountdownResult again = CountDownSlots(slots, Second(true, 5));
  EXPECT_TRUE(again.alarms.empty());
  EXPECT_EQ(slots[0].colour, kYellow);
  EXPECT_EQ(slots[1].colour, kAqua);
  // Without the warning option both are white on plain ticks.
  CountDownSlots(slots, Second(false, 5));
  EXPECT_EQ(slots[0].colour, kWhite);
  EXPECT_EQ(slots[1].colour, kWhite);
}

TEST(CountDownSlots, DurationRunsOutAndReportsTheEnd) {
  auto slots = Slots({"ISS        :00h00 00h02"});
  CountdownResult r = CountDownSlots(slots, Minute());
  EXPECT_EQ(slots[0].text, "ISS        :00h00 00h01");
  EXPECT_FALSE(r.passEnded);
  EXPECT_EQ(slots[0].colour, kGreen);
  r = CountDownSlots(slots, Minute());
  EXPECT_EQ(slots[0].text, "ISS        :00h00 00h00");
  EXPECT_TRUE(r.passEnded);
  EXPECT_TRUE(r.alarms.empty());
}

TEST(CountDownSlots, UnknownDurationIsNeverCounted) {
  auto slots = Slots({"GEO        :00h00 ##h##"});
  const CountdownResult r = CountDownSlots(slots, Minute());
  EXPECT_EQ(slots[0].text, "GEO        :00h00 ##h##");
  EXPECT_FALSE(r.passEnded);
}

TEST(CountDownSlots, NoPassIsSilverOrWhiteForASatelliteThatNeverRises) {
  auto slots = Slots({"OLD        :##h## 00h00", "NEVER      :##h## 00h00"});
  slots[1].neverRises = true;
  CountDownSlots(slots, Minute());
  EXPECT_EQ(slots[0].colour, kSilver);
  EXPECT_EQ(slots[1].colour, kWhite);
  EXPECT_EQ(slots[0].text, "OLD        :##h## 00h00");
}

TEST(CountDownSlots, UnusedSlotsAreLeftAlone) {
  auto slots = Slots({"ISS        :00h01 00h10"});
  slots[0].used = false;
  const CountdownResult r = CountDownSlots(slots, Minute());
  EXPECT_EQ(slots[0].text, "ISS        :00h01 00h10");
  EXPECT_TRUE(r.alarms.empty());
}

}  // namespace
}  // namespace app
