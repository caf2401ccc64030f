// The moon window's second: bookkeeping of the table as minutes pass, current Doppler,
// report lines.
#include <gtest/gtest.h>

#include "orbit/calendar.h"
#include "tools/moon_session.h"

namespace tools {
namespace {

constexpr Real kMinute = 1.0L / 1440;
constexpr Real kSecond = 1.0L / 86400;

Real Utc(int y, int mo, int d, int h, int mi, int s = 0) {
  return orbit::EncodeDateTimeValue(y, mo, d, h, mi, s);
}

MoonInputs Paris(const QString& dx = QString()) {
  ToolStation station;
  station.locator = "JN18EU";  // Paris
  station.latitude = 48.85L;
  station.westLongitude = -2.35L;
  return MakeMoonInputs(station, dx, 0, EmeFrequencies{1.296L, 1.296L, 0});
}

TEST(MoonInputs, LocatorCentreOrTheCoordinatesWhenTheLocatorIsEmpty) {
  ToolStation station;
  station.latitude = -33.87L;
  station.westLongitude = -151.21L;
  station.altitude = 40;
  const MoonInputs noLocator = MakeMoonInputs(station, QString(), 0, {});
  EXPECT_DOUBLE_EQ(static_cast<double>(noLocator.station.latitude), -33.87);
  EXPECT_DOUBLE_EQ(static_cast<double>(noLocator.station.eastLongitude), 151.21);
  EXPECT_FALSE(noLocator.dx.has_value());
  station.locator = "JN18DU";  // centre 48.8542 N, 2.2917 E
  const MoonInputs withLocator = MakeMoonInputs(station, QStringLiteral("QF56OD"), 0, {});
  EXPECT_NEAR(static_cast<double>(withLocator.station.latitude), 48.8542, 1e-4);
  EXPECT_NEAR(static_cast<double>(withLocator.station.eastLongitude), 2.2917, 1e-4);
  EXPECT_EQ(withLocator.station.altitudeMetres, 40);
  ASSERT_TRUE(withLocator.dx.has_value());
  EXPECT_NEAR(static_cast<double>(withLocator.dx->latitude), -33.8542, 1e-4);  // Sydney
  EXPECT_FALSE(MakeMoonInputs(station, QStringLiteral("QF56O"), 0, {}).dx.has_value());
}

TEST(MoonSession, RowsGoAsTheirMinutesPassAndDopplerFollowsTheClock) {
  MoonSession session;
  const MoonInputs in = Paris();
  const Real start = Utc(2023, 1, 15, 6, 10);
  session.Recompute(start, in);
  const std::size_t rows = session.Table().rows.size();
  const Real r0 = session.Table().ownRates[0];
  const Real r1 = session.Table().ownRates[1];

  const MoonSecond s30 = session.Second(start + 30 * kSecond, in);
  EXPECT_TRUE(s30.visible);
  EXPECT_EQ(s30.rowsDropped, 0);
  EXPECT_NEAR(static_cast<double>(s30.ownRate), static_cast<double>((r0 + r1) / 2), 1e-6);
  ASSERT_TRUE(s30.selfDoppler.has_value());
  EXPECT_EQ(*s30.selfDoppler, EmeDoppler((r0 + r1) / 2, 1.296L, 0));
  EXPECT_FALSE(s30.dxDoppler.has_value());  // no DX station: "N/A"

  const MoonSecond next = session.Second(start + kMinute + kSecond, in);
  EXPECT_EQ(next.rowsDropped, 1);
  EXPECT_EQ(session.Table().rows.size(), rows - 1);
  EXPECT_EQ(session.Table().ownRates[0], r1);

  // After the computer slept for ten minutes every stale row goes at once.
  const MoonSecond late = session.Second(start + 11 * kMinute, in);
  EXPECT_EQ(late.rowsDropped, 10);
  EXPECT_NEAR(static_cast<double>(session.Table().rows[0].utc), static_cast<double>(start + 11 * kMinute),
              1e-9);
}

TEST(MoonSession, MoonsetStopsTrackingAndRebuildsOnceAMinute) {
  MoonSession session;
  const MoonInputs in = Paris();
  session.Recompute(Utc(2023, 1, 15, 6, 10), in);
  const Real set = session.Table().setUtc;
  const Real lastRow = session.Table().rows.back().utc;
  session.Second(lastRow + 5 * kSecond, in);
  const MoonSecond s = session.Second(set + 2 * kSecond, in);
  EXPECT_FALSE(s.visible);
  EXPECT_TRUE(s.stopTracking);
  EXPECT_TRUE(s.tableRebuilt);
  EXPECT_EQ(session.Table().period, MoonPeriod::Next);
  // Not in view: the line carries the next rise's position and " AH:N".
  ASSERT_FALSE(session.Table().rows.empty());
  EXPECT_TRUE(s.reportLine.endsWith(QStringLiteral(" AH:N")));
  EXPECT_TRUE(s.reportLine.contains(QStringLiteral(" RR:0.00000000 ")));
  const MoonRow& rise = session.Table().rows.front();
  EXPECT_TRUE(s.reportLine.startsWith(
      QStringLiteral("MOON AZ:") + QString::number(static_cast<double>(rise.azimuth), 'f', 2)));
}

TEST(MoonSession, RiseTurnsTheNextPeriodIntoTheCurrentOne) {
  MoonSession session;
  const MoonInputs in = Paris();
  session.Recompute(Utc(2023, 1, 15, 22, 0), in);
  ASSERT_EQ(session.Table().period, MoonPeriod::Next);
  const Real rise = session.Table().riseUtc;
  const MoonSecond before = session.Second(rise - 2 * kMinute, in);
  EXPECT_FALSE(before.visible);
  EXPECT_FALSE(before.selfDoppler.has_value());
  const MoonSecond up = session.Second(rise + 30 * kSecond, in);
  EXPECT_TRUE(up.visible);
  EXPECT_TRUE(up.periodBecameCurrent);
  EXPECT_FALSE(up.tableRebuilt);
  EXPECT_EQ(session.Table().period, MoonPeriod::Current);
  EXPECT_TRUE(up.reportLine.endsWith(QStringLiteral(" AH:Y")));
}

TEST(MoonSession, PathDopplerWithADxStationUpAtBothEnds) {
  // Paris and Moscow (KO85UR) see the moon together on 2023-01-15 06:10 UTC.
  MoonSession session;
  const MoonInputs in = Paris(QStringLiteral("KO85UR"));
  const Real start = Utc(2023, 1, 15, 6, 10);
  session.Recompute(start, in);
  const MoonSecond s = session.Second(start + 15 * kSecond, in);
  ASSERT_TRUE(s.visible);
  ASSERT_NE(s.dxRate, kNoDxRate);
  ASSERT_TRUE(s.dxDoppler.has_value());
  EXPECT_EQ(*s.dxDoppler, PathDoppler(s.ownRate, s.dxRate, in.frequencies));
  EXPECT_EQ(s.reportLine, MoonReportLine(s.azimuth, s.elevation, s.ownRate, s.dxRate, true));
}

}  // namespace
}  // namespace tools
