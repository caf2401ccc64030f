#include "prediction/slot_text.h"

#include <gtest/gtest.h>

namespace prediction {
namespace {

using orbit::Real;

const Real kNow = orbit::EncodeDateTimeValue(2018, 1, 21, 12, 0, 0);
Real Minutes(Real m) { return m / 1440; }
std::string Text(Real startMin, Real endMin) {
  return FormatSlotText("AO-91      :", kNow + Minutes(startMin), kNow + Minutes(endMin), kNow);
}

TEST(SlotText, PrefixCutsAndPads) {
  EXPECT_EQ(SlotPrefix("AO-91"), "AO-91      :");
  EXPECT_EQ(SlotPrefix("ISS (ZARYA) EXTRA"), "ISS (ZARYA):");
  // A name in Windows-1252 is cut at its eleventh byte, whatever those bytes are.
  EXPECT_EQ(SlotPrefix("R\xE9seau \xE9tudiant"), "R\xE9seau \xE9tud:");
  // A UTF-8 name (six Cyrillic letters, two bytes each) is not cut inside a letter.
  EXPECT_EQ(SlotPrefix("\xD0\x9C\xD0\x9A\xD0\xA1\xD0\x9C\xD0\x9A\xD0\xA1"),
            "\xD0\x9C\xD0\x9A\xD0\xA1\xD0\x9C\xD0\x9A :");
}

TEST(SlotText, DelayRoundsUpToTheNextMinute) {
  EXPECT_EQ(Text(1.5L, 11.5L), "AO-91      :00h02 00h11");
  EXPECT_EQ(Text(59.5L, 69.5L), "AO-91      :01h00 00h11");
  EXPECT_EQ(Text(135.5L, 147.5L), "AO-91      :02h16 00h13");
  // A pass with ten rows (end - start = 9 minutes) lasts 00h10.
  EXPECT_EQ(Text(10.5L, 19.5L), "AO-91      :00h11 00h10");
  // Whole minutes stay whole: no rounding noise of the day fractions flips the delay.
  EXPECT_EQ(Text(10, 19), "AO-91      :00h11 00h10");
  EXPECT_EQ(Text(135, 147), "AO-91      :02h16 00h13");
}

TEST(SlotText, PassInProgressCountsFromNow) {
  EXPECT_EQ(Text(-3, 7), "AO-91      :00h00 00h09");
  // 59.5 minutes left: carried into the hours, never "00h61".
  EXPECT_EQ(Text(-3, 59.5L), "AO-91      :00h00 01h01");
  EXPECT_EQ(Text(-3, 57.5L), "AO-91      :00h00 00h59");
  EXPECT_EQ(Text(-3, 0), "AO-91      :00h00 00h01");
}

TEST(SlotText, EndedPassAndLimits) {
  EXPECT_EQ(Text(-20, -2), "AO-91      :##h## 00h00");
  EXPECT_EQ(Text(-20, -0.5L), "AO-91      :00h00 00h01");
  EXPECT_EQ(Text(100 * 60 + 5, 100 * 60 + 15), "AO-91      :##h## 00h11");
  EXPECT_EQ(Text(10.5L, 49 * 60), "AO-91      :00h11 ##h##");
  EXPECT_EQ(NoPassText("AO-91      :00h11 00h10"), "AO-91      :##h## 00h00");
  EXPECT_EQ(NoPassText(NoPassText("AO-91      :")).size(), 23u);
}

TEST(SlotColour, Table) {
  EXPECT_EQ(SlotColour("AO-91      :00h00 00h09", true, 5), kGreen);
  EXPECT_EQ(SlotColour("AO-91      :00h05 00h09", false, 5), kYellow);
  EXPECT_EQ(SlotColour("AO-91      :00h06 00h09", false, 5), kWhite);
  EXPECT_EQ(SlotColour("AO-91      :01h05 00h09", false, 10), kWhite);
  EXPECT_EQ(SlotColour("AO-91      :##h## 00h00", false, 5), kSilver);
  EXPECT_EQ(SlotColour("AO-91      :##h## 00h11", false, 5), kWhite);
}

}  // namespace
}  // namespace prediction
