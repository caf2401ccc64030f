#include "prediction/ephemeris_row.h"

#include <gtest/gtest.h>

#include <memory>

#include "orbit/sun.h"
#include "prediction/doppler_now.h"

namespace prediction {
namespace {

using orbit::Real;

// A slot with hand-written rows, so each column can be checked on its own.
std::unique_ptr<PassSlot> MakeSlot(int rows) {
  auto slot = std::make_unique<PassSlot>();
  slot->name = "TEST";
  slot->passStart = orbit::EncodeDateTimeValue(2024, 1, 5, 7, 5);  // UTC
  for (int i = 0; i < rows; ++i) {
    slot->rows.elevation[i] = 10 + i;
    slot->rows.azimuth[i] = 200 + i;
    slot->rows.range[i] = 1500 - i;
    slot->rows.altitude10[i] = 8004;  // 800.4 km
    slot->rows.latitude[i] = 45.4L;
    slot->rows.westLongitude[i] = -2.6L;
    slot->rows.phase[i] = 7;
    slot->rows.doppler[i] = 1000 - 100 * i;
    slot->rows.squint[i] = 0;
  }
  slot->rows.count = rows;
  slot->rows.elevation[rows] = kEndMark;
  return slot;
}

TEST(RowText, ColumnsAndWidth) {
  auto slot = MakeSlot(3);
  const std::string row = BuildRowText(*slot, 1, false, 1);
  ASSERT_EQ(row.size(), 73u);
  EXPECT_EQ(row.substr(0, 18), " 5 JAN 2024  08:05");
  EXPECT_EQ(row.substr(19), " 10  200    1500     800  45N    3E    7     0       0");
  EXPECT_EQ(BuildRowText(*slot, 3, true, 1).substr(0, 18), " 5 JAN 2024  07:07");
  EXPECT_EQ(row[kModeColumn - 1], ' ');
}

TEST(RowText, HemisphereFollowsTheUnroundedSign) {
  auto slot = MakeSlot(1);
  slot->rows.latitude[0] = -0.4L;
  slot->rows.westLongitude[0] = 180;
  std::string row = BuildRowText(*slot, 1, true, 0);
  EXPECT_EQ(row.substr(44, 4), "  0S");
  EXPECT_EQ(row.substr(50, 4), "180W");
  slot->rows.latitude[0] = 0.4L;
  slot->rows.westLongitude[0] = -179.6L;
  row = BuildRowText(*slot, 1, true, 0);
  EXPECT_EQ(row.substr(44, 4), "  0N");
  EXPECT_EQ(row.substr(50, 4), "180E");
}

TEST(RowText, OverflowingNumbersShowHashes) {
  auto slot = MakeSlot(1);
  slot->rows.range[0] = 12345678;
  slot->rows.altitude10[0] = 123456789;
  const std::string row = BuildRowText(*slot, 1, true, 0);
  EXPECT_EQ(row.substr(28, 7), "#######");
  EXPECT_EQ(row.substr(36, 7), "#######");
  slot->rows.range[0] = 9999999;
  EXPECT_EQ(BuildRowText(*slot, 1, true, 0).substr(28, 7), "9999999");
}

TEST(RowText, ScheduleLetterAndReceiveDoppler) {
  auto slot = MakeSlot(2);
  slot->rows.phase[0] = 127;
  slot->rows.phase[1] = 128;
  slot->radio.modes[0].letter = "B";
  slot->radio.modes[0].rxMHz = 435.8L;
  slot->radio.modes[1].letter = "J";
  slot->radio.modes[1].rxMHz = 145.9L;
  slot->radio.maSchedule = "0:B/128:J/";
  std::string r1 = BuildRowText(*slot, 1, true, 0);
  std::string r2 = BuildRowText(*slot, 2, true, 0);
  EXPECT_EQ(r1.substr(55, 5), " 127B");
  EXPECT_EQ(r2.substr(55, 5), " 128J");
  EXPECT_EQ(r1.substr(66), "    436");  // Round(1000 * 435.8 / 1000)
  EXPECT_EQ(r2.substr(66), "    131");  // Round(900 * 145.9 / 1000)
  // Without a schedule the last used mode gives the frequency; an unknown one gives 0.
  slot->radio.maSchedule.clear();
  slot->radio.currentMode = "J";
  EXPECT_EQ(BuildRowText(*slot, 1, true, 0).substr(66), "    146");
  slot->radio.currentMode = "Q";
  EXPECT_EQ(BuildRowText(*slot, 1, true, 0).substr(66), "      0");
}

TEST(RowText, EclipseMarkFromTheSunModel) {
  auto slot = MakeSlot(1);
  const orbit::SubSolarPoint sun = orbit::ComputeSubSolarPoint(slot->passStart, 0);
  // Over the anti-solar point: in the shadow.
  slot->rows.latitude[0] = -sun.declination;
  slot->rows.westLongitude[0] = sun.westLongitude > 0 ? sun.westLongitude - 180 : sun.westLongitude + 180;
  bool eclipse = false;
  EXPECT_EQ(BuildRowText(*slot, 1, true, 0, &eclipse)[18], '*');
  EXPECT_TRUE(eclipse);
  // Over the sub-solar point: sunlit.
  slot->rows.latitude[0] = sun.declination;
  slot->rows.westLongitude[0] = sun.westLongitude;
  EXPECT_EQ(BuildRowText(*slot, 1, true, 0, &eclipse)[18], ' ');
  EXPECT_FALSE(eclipse);
}

TEST(RowText, RowsStopAtTheEndMarkAndParseBack) {
  auto slot = MakeSlot(4);
  const std::vector<std::string> rows = BuildRowTexts(*slot, false, 2);
  ASSERT_EQ(rows.size(), 4u);
  Real t = 0;
  ASSERT_TRUE(ParseRowTime(rows[3], &t));
  EXPECT_NEAR(static_cast<double>(t),
              static_cast<double>(orbit::EncodeDateTimeValue(2024, 1, 5, 9, 8)), 1e-9);
  EXPECT_FALSE(ParseRowTime(" 5 XYZ 2024  08:05", &t));
  EXPECT_FALSE(ParseRowTime("short", &t));
  EXPECT_EQ(RowDateText(orbit::EncodeDateTimeValue(2024, 12, 31, 23, 59, 59.9996L)),
            " 1 JAN 2025  00:00");
}

TEST(DopplerNow, InterpolationThroughTheRows) {
  const std::vector<int> three = {1000, 0, -1000};
  EXPECT_EQ(InterpolateDoppler(three, 3, 1.0L), 0);
  EXPECT_EQ(InterpolateDoppler(three, 3, 0), 1000);
  EXPECT_EQ(InterpolateDoppler(three, 3, 2), -1000);
  EXPECT_EQ(InterpolateDoppler(three, 3, 0.5L), 500);
  EXPECT_EQ(InterpolateDoppler(three, 3, 3), 0);  // a minute past the last row
  EXPECT_EQ(InterpolateDoppler(three, 3, -0.5L), 1500);  // extrapolated before the start
  const std::vector<int> curve = {900, 500, -100, -800, -1200};
  for (int m = 0; m < 5; ++m) EXPECT_EQ(InterpolateDoppler(curve, 5, m), curve[m]) << m;
  EXPECT_EQ(InterpolateDoppler({700}, 1, 0.7L), 700);
  EXPECT_EQ(InterpolateDoppler({700, 500}, 2, 0.5L), 600);
  EXPECT_EQ(InterpolateDoppler({}, 0, 0.5L), 0);
}

TEST(DopplerNow, ReadsThePassStartFromTheFirstRow) {
  auto slot = MakeSlot(3);
  const std::vector<std::string> rows = BuildRowTexts(*slot, false, 1);
  const Real start = orbit::EncodeDateTimeValue(2024, 1, 5, 8, 5);
  EXPECT_EQ(DopplerNow(rows, slot->rows.doppler, start + 1.0L / 1440), 900);
  EXPECT_EQ(DopplerNow(rows, slot->rows.doppler, start + 1.5L / 1440), 850);
  EXPECT_EQ(DopplerNow({}, slot->rows.doppler, start), 0);
}

}  // namespace
}  // namespace prediction
