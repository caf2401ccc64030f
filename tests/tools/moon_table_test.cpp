// The visibility table: periods, rows, range rates, their shift and the row texts.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/calendar.h"
#include "tools/moon_table.h"

namespace tools {
namespace {

constexpr Real S = kNoDxRate;
constexpr Real kMinute = 1.0L / 1440;

Real Utc(int y, int mo, int d, int h, int mi) {
  return orbit::EncodeDateTimeValue(y, mo, d, h, mi, 0);
}

const MoonSite kParis{48.85L, 2.35L, 60};
const MoonSite kNorthPole{89.9L, 0, 0};

TEST(ShiftRangeRates, EachRateMovesToTheMinuteItStartsFrom) {
  std::vector<Real> own{1, 2, 3, 4};
  std::vector<Real> dx{S, 10, 20, 30};
  ShiftRangeRates(own, dx);
  EXPECT_EQ(own, (std::vector<Real>{2, 3, 4, 5}));  // 2*4 - 3
  // DX: last valid entry 30 is the third, 20 before it: the sentinel after it becomes 40.
  EXPECT_EQ(dx, (std::vector<Real>{10, 20, 30, 40}));
}

TEST(ShiftRangeRates, DxExtrapolationNeedsTwoValidEntriesFromTheThirdOn) {
  std::vector<Real> own{1, 2, 3, 4, 5, 6};
  std::vector<Real> dx{S, 10, 20, 30, S, S};
  ShiftRangeRates(own, dx);
  EXPECT_EQ(dx, (std::vector<Real>{10, 20, 30, 40, S, S}));

  std::vector<Real> own2{1, 2, 3, 4};
  std::vector<Real> early{S, 10, 20, S};  // last valid is the second after the shift
  ShiftRangeRates(own2, early);
  EXPECT_EQ(early, (std::vector<Real>{10, 20, S, S}));

  std::vector<Real> own3{1, 2, 3, 4, 5};
  std::vector<Real> gap{S, S, 5, S, 7};  // valid entry without a valid one before it
  ShiftRangeRates(own3, gap);
  EXPECT_EQ(gap, (std::vector<Real>{S, 5, S, 7, S}));

  std::vector<Real> shortOwn{1, 2};
  std::vector<Real> shortDx{S, S};
  ShiftRangeRates(shortOwn, shortDx);  // fewer than three rows: left as they are
  EXPECT_EQ(shortOwn, (std::vector<Real>{1, 2}));
}

TEST(MoonTable, CurrentPeriodRowsAreWholeMinutesAboveTheMinimum) {
  // 2023-01-15 06:10 UTC the moon stands 31° high over Paris (PyEphem).
  const MoonTable t = BuildMoonTable(Utc(2023, 1, 15, 6, 10) + 37.0L / 86400, kParis, std::nullopt, 0);
  EXPECT_EQ(t.period, MoonPeriod::Current);
  EXPECT_FALSE(t.riseFound);
  ASSERT_TRUE(t.setFound);
  ASSERT_GT(t.rows.size(), 100u);
  EXPECT_NEAR(static_cast<double>(t.rows[0].utc), static_cast<double>(Utc(2023, 1, 15, 6, 10)), 1e-9);
  for (std::size_t i = 0; i < t.rows.size(); ++i) {
    EXPECT_GE(t.rows[i].elevation, 0);
    EXPECT_NEAR(static_cast<double>(t.rows[i].utc - t.rows[0].utc), static_cast<double>(i * kMinute),
                1e-9);
  }
  EXPECT_NEAR(static_cast<double>(t.setUtc - t.rows.back().utc), static_cast<double>(kMinute), 1e-9);
  EXPECT_LT(MoonAt(t.setUtc, kParis).elevation, 0);
  ASSERT_EQ(t.ownRates.size(), t.rows.size());
  for (Real dx : t.dxRates) EXPECT_EQ(dx, S);  // no DX station
}

TEST(MoonTable, RatesRunFromEachMinuteToTheNext) {
  const MoonTable t = BuildMoonTable(Utc(2023, 1, 15, 6, 10), kParis, std::nullopt, 0);
  const Real rho = GeocentricRadiusKm(kParis.latitude, kParis.altitudeMetres);
  for (std::size_t i : {std::size_t{0}, std::size_t{40}, t.rows.size() - 2}) {
    const Real r0 = MoonAt(t.rows[i].utc, kParis).range;
    const Real r1 = MoonAt(t.rows[i].utc + kMinute, kParis).range;
    EXPECT_NEAR(static_cast<double>(t.ownRates[i]), static_cast<double>((r1 - r0) * rho * 1000 / 60),
                1e-6);
  }
  // The last row's rate is extrapolated from the two before it.
  const std::size_t n = t.ownRates.size();
  EXPECT_NEAR(static_cast<double>(t.ownRates[n - 1]),
              static_cast<double>(2 * t.ownRates[n - 2] - t.ownRates[n - 3]), 1e-9);
}

TEST(MoonTable, FirstRateOfATableStartingWithTheMoonUpIsARealOne) {
  // A table of one row (the last minute before the set): there is no shift, so the first
  // rate is the one into that minute, from the minute before evaluated on its own.
  const MoonTable full = BuildMoonTable(Utc(2023, 1, 15, 6, 10), kParis, std::nullopt, 0);
  const Real last = full.rows.back().utc;
  const MoonTable t = BuildMoonTable(last, kParis, std::nullopt, 0);
  ASSERT_EQ(t.rows.size(), 1u);
  const Real rho = GeocentricRadiusKm(kParis.latitude, kParis.altitudeMetres);
  const Real expected =
      (MoonAt(last, kParis).range - MoonAt(last - kMinute, kParis).range) * rho * 1000 / 60;
  EXPECT_NEAR(static_cast<double>(t.ownRates[0]), static_cast<double>(expected), 1e-6);
  EXPECT_LT(std::fabs(static_cast<double>(t.ownRates[0])), 1000);  // m/s, not km/s of a whole range
}

TEST(MoonTable, NextPeriodStartsAtTheRise) {
  // 2023-01-15 22:00 UTC: the moon is below Paris' horizon and rises in the night.
  const MoonTable t = BuildMoonTable(Utc(2023, 1, 15, 22, 0), kParis, std::nullopt, 0);
  ASSERT_EQ(t.period, MoonPeriod::Next);
  ASSERT_TRUE(t.riseFound);
  ASSERT_FALSE(t.rows.empty());
  EXPECT_EQ(t.rows.front().utc, t.riseUtc);
  EXPECT_GE(MoonAt(t.riseUtc, kParis).elevation, 0);
  EXPECT_LT(MoonAt(t.riseUtc - kMinute, kParis).elevation, 0);
}

TEST(MoonTable, PolarNightOfTheMoonHasNoRiseAndNoRows) {
  // Late January 2025 the moon's declination stays near -20° for days: below the horizon
  // at the pole for far more than 72 hours.
  const MoonTable t = BuildMoonTable(Utc(2025, 1, 24, 0, 0), kNorthPole, std::nullopt, 0);
  EXPECT_EQ(t.period, MoonPeriod::Next);
  EXPECT_FALSE(t.riseFound);
  EXPECT_TRUE(t.rows.empty());
  for (int h = 0; h <= 72; h += 6)
    EXPECT_LT(MoonAt(Utc(2025, 1, 24, 0, 0) + h / 24.0L, kNorthPole).elevation, 0);
}

TEST(MoonTable, MoonUpForTwoDaysGivesTheFullTableAndNoSet) {
  // Around 2025-01-12 the declination is near +28°: up at the pole all the time.
  const MoonTable t = BuildMoonTable(Utc(2025, 1, 11, 0, 0), kNorthPole, std::nullopt, 0);
  EXPECT_EQ(t.period, MoonPeriod::Current);
  EXPECT_FALSE(t.setFound);
  EXPECT_EQ(t.rows.size(), static_cast<std::size_t>(kMoonRowLimit));
}

TEST(MoonTable, DxRatesOnlyWhereTheMoonIsUpAtTheDxStation) {
  // Paris with a DX station in Moscow, where the moon sets earlier: both see it for part
  // of the period only.
  const MoonSite moscow{55.75L, 37.62L, 0};
  const MoonTable t = BuildMoonTable(Utc(2023, 1, 15, 6, 10), kParis, moscow, 0);
  ASSERT_GT(t.rows.size(), 3u);
  const Real rhoDx = GeocentricRadiusKm(moscow.latitude, 0);
  int valid = 0;
  for (std::size_t i = 0; i + 1 < t.rows.size(); ++i) {
    const orbit::MoonPosition here = MoonAt(t.rows[i].utc, kParis);
    const orbit::MoonPosition next = MoonAt(t.rows[i].utc + kMinute, kParis);
    const Real d0 = DxRangeAt(t.rows[i].utc, here, moscow, 0);
    const Real d1 = DxRangeAt(t.rows[i].utc + kMinute, next, moscow, 0);
    if (d0 != 0 && d1 != 0) {
      EXPECT_NEAR(static_cast<double>(t.dxRates[i]), static_cast<double>((d1 - d0) * rhoDx * 1000 / 60),
                  1e-6);
      ++valid;
    } else if (d0 == 0) {
      EXPECT_EQ(t.dxRates[i], S);
    }
  }
  EXPECT_GT(valid, 0);
  EXPECT_EQ(t.dxRates.back(), S);
}

TEST(MoonRowText, FiftyTwoCharactersThenTheTwoDopplerColumns) {
  MoonRow row;
  row.utc = Utc(2024, 3, 10, 12, 34);
  row.elevation = 5.04L;
  row.azimuth = 123.44L;
  row.distance = 60.5L;  // (60.5 - 1) * 6378.137 = 379499.15 km above the surface
  row.subLunarLatitude = -12.6L;
  row.subLunarLongitude = 44.5L;  // rounds to even: 44
  row.subLunarWest = true;
  const QString base = MoonRowBase(row, true, 0);
  EXPECT_EQ(base, QStringLiteral("10 MAR 2024  12:34   5.0  123.4  379499  13S   44W  "));
  EXPECT_EQ(base.size(), 52);
  // Local time two hours ahead.
  EXPECT_TRUE(MoonRowBase(row, false, 2).startsWith(QStringLiteral("10 MAR 2024  14:34")));

  // Self -865 Hz at 1.296 GHz; the path: mean of -1729 (DX 200 m/s) and -865 = -1297.
  const EmeFrequencies f{1.296L, 1.296L, 0};
  EXPECT_EQ(MoonRowText(base, 100, 200, f), base + QStringLiteral("    -865     -1297"));
  EXPECT_EQ(MoonRowText(base, 100, S, f), base + QStringLiteral("    -865       N/A"));
}

TEST(MoonRowText, DopplerOfNineCharactersShowsNotAvailable) {
  EXPECT_EQ(DopplerColumn(-1234567), QStringLiteral("-1234567"));
  EXPECT_EQ(DopplerColumn(-12345678), QStringLiteral("     N/A"));
  // 500 km/s at 12 GHz: -40094562 Hz, nine characters.
  const EmeFrequencies f{12, 12, 0};
  const QString text = MoonRowText(QString(52, QLatin1Char(' ')), 500000, S, f);
  EXPECT_EQ(text.mid(52, 8), QStringLiteral("     N/A"));
}

}  // namespace
}  // namespace tools

namespace tools {
namespace {

TEST(NextMutualWindow, BothStationsSeeTheMoonFromStartToEnd) {
  const Real from = orbit::EncodeDateTimeValue(2023, 1, 15, 0, 0, 0);
  const MoonSite moscow{55.75L, 37.62L, 0};
  const MutualWindow w = NextMutualWindow(from, kParis, moscow, 0);
  ASSERT_TRUE(w.found);
  ASSERT_TRUE(w.endFound);
  EXPECT_LT(w.startUtc, w.endUtc);
  auto both = [&](Real t) {
    const orbit::MoonPosition m = MoonAt(t, kParis);
    return m.elevation >= 0 && DxRangeAt(t, m, moscow, 0) != 0;
  };
  EXPECT_TRUE(both(w.startUtc));
  EXPECT_FALSE(both(w.startUtc - kMinute));
  EXPECT_TRUE(both(w.endUtc - kMinute));
  EXPECT_FALSE(both(w.endUtc));
  // Alone, Paris sees it longer than together with Moscow.
  const MutualWindow alone = NextMutualWindow(from, kParis, std::nullopt, 0);
  EXPECT_LE(alone.startUtc, w.startUtc);
  EXPECT_GE(alone.endUtc, w.endUtc);
  // The polar night: nothing within 48 hours.
  EXPECT_FALSE(NextMutualWindow(orbit::EncodeDateTimeValue(2025, 1, 24, 0, 0, 0), kNorthPole,
                                std::nullopt, 0)
                   .found);
}

}  // namespace
}  // namespace tools
