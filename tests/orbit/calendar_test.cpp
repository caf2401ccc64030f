#include "orbit/calendar.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbit {
namespace {

CalendarFields Fields(Real y, Real m, Real d, Real h = 0, Real mi = 0, Real s = 0) {
  CalendarFields c;
  c.year = y;
  c.month = m;
  c.day = d;
  c.hour = h;
  c.minute = mi;
  c.second = s;
  return c;
}

TEST(Rounding, IntTruncatesAndRoundGoesToEven) {
  EXPECT_EQ(Int(-2.7L), -2);
  EXPECT_EQ(Int(2.7L), 2);
  EXPECT_EQ(Round(2.5L), 2);
  EXPECT_EQ(Round(3.5L), 4);
  EXPECT_EQ(Round(-2.5L), -2);
}

TEST(JulianDay, Year2000AndBack) {
  const JulianDay jd = JulianDayFromCalendar(Fields(2000, 1, 1));
  EXPECT_EQ(jd.number, 2451545);
  EXPECT_EQ(jd.fraction, 0);
  const CalendarFields c = CalendarFromJulianDay(jd.number, jd.fraction);
  EXPECT_EQ(c.year, 2000);
  EXPECT_EQ(c.month, 1);
  EXPECT_EQ(c.day, 1);
  EXPECT_EQ(c.hour, 0);
  EXPECT_EQ(c.minute, 0);
  EXPECT_EQ(c.second, 0);
}

TEST(JulianDay, DayOfYearWithMonthZero) {
  EXPECT_EQ(JulianDayFromCalendar(Fields(2024, 0, 1)).number,
            JulianDayFromCalendar(Fields(2024, 1, 1)).number);
  EXPECT_EQ(JulianDayFromCalendar(Fields(2024, 0, 366)).number,
            JulianDayFromCalendar(Fields(2024, 12, 31)).number);
  const JulianDay may = JulianDayFromCalendar(Fields(2024, 0, 123.5L));
  EXPECT_EQ(may.number, JulianDayFromCalendar(Fields(2024, 5, 2)).number);
  EXPECT_NEAR(static_cast<double>(may.fraction), 0.5, 1e-12);
}

TEST(JulianDay, InverseIsExactForEveryDateOf1900To2099) {
  const JulianDay first = JulianDayFromCalendar(Fields(1900, 3, 1));
  const JulianDay last = JulianDayFromCalendar(Fields(2099, 12, 31));
  int checked = 0;
  for (Real j = first.number; j <= last.number; j += 1) {
    const CalendarFields c = CalendarFromJulianDay(j, 0);
    ASSERT_EQ(JulianDayFromCalendar(c).number, j) << "at " << static_cast<double>(j);
    ASSERT_GE(c.month, 1);
    ASSERT_LE(c.month, 12);
    ++checked;
  }
  EXPECT_EQ(checked, 72990);  // 1900-03-01 .. 2099-12-31
}

TEST(SplitDayFraction, SecondsRoundWithoutCarry) {
  const TimeOfDay late = SplitDayFraction(0.99999L);
  EXPECT_EQ(late.hour, 23);
  EXPECT_EQ(late.minute, 59);
  EXPECT_EQ(late.second, 59);
  const TimeOfDay sixty = SplitDayFraction((12 * 3600 + 30 * 60 + 59.6L) / 86400);
  EXPECT_EQ(sixty.hour, 12);
  EXPECT_EQ(sixty.minute, 30);
  EXPECT_EQ(sixty.second, 60);
}

TEST(ResolveEpochYear, PivotsOnTheCurrentYear) {
  EXPECT_EQ(ResolveEpochYear(99, 2026), 1999);
  EXPECT_EQ(ResolveEpochYear(26, 2026), 2026);
  EXPECT_EQ(ResolveEpochYear(30, 2026), 1930);
  EXPECT_EQ(ResolveEpochYear(0, 2000), 2000);
}

TEST(SiderealAngle, NewYear2024) {
  // D = 1 day after January 0.
  const Real rev = 1 * 1.0027379093L + SiderealAngleAtYearStart(2024);
  Real deg = (rev - std::floor(rev)) * 360;
  EXPECT_NEAR(static_cast<double>(deg), 100.152, 0.001);
}

TEST(PropagationClock, RoundsToWholeSeconds) {
  PropagationClock clock;
  clock.SetEpoch(2024, 10.25L);
  clock.SetStart(Fields(2024, 1, 10, 6, 0, 0));
  clock.AdvanceClock(0.0000115L);  // 0.99 s
  EXPECT_NEAR(static_cast<double>(clock.offset() * 86400), 1.0, 1e-6);
  EXPECT_NEAR(static_cast<double>(clock.elapsed() * 86400), 1.0, 1e-4);
}

TEST(PropagationClock, CarriesIntoTheNextDayAtMidnight) {
  PropagationClock clock;
  clock.SetEpoch(2024, 10.75L);  // 10 January 18:00
  clock.SetStart(Fields(2024, 1, 10, 23, 0, 0));
  clock.AdvanceClock(0.5L / 24);  // 23:30
  const Real before = clock.current().number;
  clock.AdvanceClock(1.5L / 24);  // 00:30 next day
  EXPECT_EQ(clock.current().number, before + 1);
  EXPECT_NEAR(static_cast<double>(clock.current().fraction), 0.5 / 24, 1e-9);
  EXPECT_NEAR(static_cast<double>(clock.elapsed()), 6.5 / 24, 1e-9);
}

TEST(DateTimeValue, EncodeDecodeAgree) {
  const Real v = EncodeDateTimeValue(2018, 1, 21, 23, 59, 30);
  const DecodedDateTime d = DecodeDateTimeValue(v);
  EXPECT_EQ(d.year, 2018);
  EXPECT_EQ(d.month, 1);
  EXPECT_EQ(d.day, 21);
  EXPECT_EQ(d.hour, 23);
  EXPECT_EQ(d.minute, 59);
  EXPECT_EQ(d.second, 30);
  EXPECT_EQ(EncodeDateTimeValue(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDateTimeValue(2000, 1, 1), 36526);
  // Julian day pairs and date-time values meet at the same instant.
  const JulianDay jd = JulianDayFromCalendar(Fields(2018, 1, 21, 12, 0, 0));
  EXPECT_NEAR(static_cast<double>(DateTimeValueFromJulian(jd)),
              static_cast<double>(EncodeDateTimeValue(2018, 1, 21, 12)), 1e-9);
}

TEST(MonthNames, RoundTrip) {
  for (int m = 1; m <= 12; ++m) EXPECT_EQ(MonthFromName(kMonthNames[m - 1]), m);
  EXPECT_EQ(MonthFromName("jan"), 0);
  EXPECT_EQ(MonthFromName(""), 0);
}

}  // namespace
}  // namespace orbit
