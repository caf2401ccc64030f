// The converter's arithmetic and limits, the DX position's entry rules, covisibility and
// its rows and stack.
#include <gtest/gtest.h>

#include <cmath>

#include "orbit/locator.h"
#include "tests/tools/dx/dx_fixture.h"
#include "tools/covisibility.h"
#include "tools/dms.h"
#include "tools/dx_station.h"

namespace tools {
namespace {

using testing::IssOverParis;

TEST(Converter, DegreesMinutesSecondsMillisecondsToDecimal) {
  // 48 + 51/60 + 14.4/3600 = 48.854 exactly.
  EXPECT_EQ(DecimalText(DmsToDecimal(48, 51, 14, 400), '.'), "48.854000");
  EXPECT_EQ(DecimalText(DmsToDecimal(48, 51, 14, 400), ','), "48,854000");
  // 179 + 59/60 + 59.999/3600 = 179.99999972...
  EXPECT_EQ(DecimalText(DmsToDecimal(179, 59, 59, 999), '.'), "180.000000");
  EXPECT_EQ(DecimalText(DmsToDecimal(0, 0, 36, 0), '.'), "0.010000");
  EXPECT_EQ(DecimalText(DmsToDecimal(0, 0, 0, 0), '.'), "0.000000");
}

TEST(Converter, AnEntryAtOrAboveItsLimitGivesThePreviousValueBack) {
  EXPECT_EQ(AcceptedField("179", "12", kDegreeLimit), "179");
  EXPECT_EQ(AcceptedField("180", "12", kDegreeLimit), "12");
  EXPECT_EQ(AcceptedField("59", "5", kMinuteLimit), "59");
  EXPECT_EQ(AcceptedField("60", "5", kMinuteLimit), "5");
  EXPECT_EQ(AcceptedField("60", "6", kSecondLimit), "6");
  EXPECT_EQ(AcceptedField("999", "99", kMillisecondLimit), "999");
  EXPECT_EQ(AcceptedField("1000", "99", kMillisecondLimit), "99");
  EXPECT_EQ(AcceptedField("99999999999", "1", kMillisecondLimit), "1");
  EXPECT_EQ(AcceptedField("4a", "4", kDegreeLimit), "4");
  EXPECT_EQ(AcceptedField("-1", "4", kDegreeLimit), "4");
  EXPECT_EQ(AcceptedField("", "4", kDegreeLimit), "");
  EXPECT_EQ(FieldValue(""), 0);
  EXPECT_EQ(FieldValue("051"), 51);
}

TEST(DxEntry, NumbersTakeEitherSeparator) {
  EXPECT_DOUBLE_EQ(*ParseEntryNumber("48,85"), 48.85);
  EXPECT_DOUBLE_EQ(*ParseEntryNumber("48.85"), 48.85);
  EXPECT_DOUBLE_EQ(*ParseEntryNumber("7"), 7);
  EXPECT_DOUBLE_EQ(*ParseEntryNumber(".5"), 0.5);
  EXPECT_FALSE(ParseEntryNumber("4.8,5"));
  EXPECT_FALSE(ParseEntryNumber(""));
  EXPECT_FALSE(ParseEntryNumber("."));
  EXPECT_FALSE(ParseEntryNumber("-3"));
  EXPECT_FALSE(ParseEntryNumber("1e3"));
}

TEST(DxEntry, TypedTextIsMendedAtOnce) {
  MendedEntry m = MendEntry("48.85", 3, ',');
  EXPECT_EQ(m.text, "48,85");
  EXPECT_FALSE(m.beep);
  EXPECT_EQ(m.caret, 3);
  m = MendEntry("48x,85", 3, '.');  // "x" typed before the caret
  EXPECT_EQ(m.text, "48.85");
  EXPECT_TRUE(m.beep);
  EXPECT_EQ(m.caret, 2);
  m = MendEntry("4,8,5", 5, ',');  // a second separator goes
  EXPECT_EQ(m.text, "4,85");
  EXPECT_TRUE(m.beep);
  EXPECT_EQ(m.caret, 4);
}

TEST(DxEntry, AcceptedRangesOfTheBoxes) {
  // Rejected: 90 N, 0 S, 180 E, 0 E.
  EXPECT_FALSE(DxEntry("90", true, "10", true));
  EXPECT_FALSE(DxEntry("0", false, "10", true));
  EXPECT_FALSE(DxEntry("10", true, "180", false));
  EXPECT_FALSE(DxEntry("10", true, "0", false));
  EXPECT_FALSE(DxEntry("89.995", false, "10", true));
  EXPECT_FALSE(DxEntry("10", true, "", true));
  EXPECT_FALSE(DxEntry("", true, "10", true));
  // Accepted: 0 N, 0 W, 180 W, 89.99 S.
  EXPECT_TRUE(DxEntry("0", true, "0", true));
  EXPECT_TRUE(DxEntry("10", true, "180", true));
  EXPECT_TRUE(DxEntry("89.99", false, "179.99", false));
}

TEST(DxEntry, SharedTextsAndLocator) {
  // Paris 48.85 N 2.35 E: field J N (182.35/20, 138.85/10), square 1 8, sub-square E U
  // ((0.35 * 12) = 4.2 -> E, (0.85 * 24) = 20.4 -> U).
  const auto t = DxEntry("48,85", true, "2,35", false);
  ASSERT_TRUE(t);
  EXPECT_EQ(t->latitude, "N48,85");
  EXPECT_EQ(t->longitude, "E2,35");
  EXPECT_EQ(t->locator, "JN18EU");
  const auto p = ParseDxTexts("S33.87", "E151.21", "40");
  ASSERT_TRUE(p);
  EXPECT_DOUBLE_EQ(p->latitude, -33.87);
  EXPECT_DOUBLE_EQ(p->westLongitude, -151.21);
  EXPECT_DOUBLE_EQ(p->altitude, 40);
  EXPECT_FALSE(ParseDxTexts("X33.87", "E151.21", "40"));
  EXPECT_FALSE(ParseDxTexts("S33.87", "E151.21", ""));
  EXPECT_FALSE(ParseDxTexts("", "E151.21", "0"));
}

TEST(DxEntry, LocatorCentreGivesTheEdits) {
  // JN18DU: 2 + 3/12 + 1/24 = 2.2917 E, 48 + 20/24 + 1/48 = 48.8542 N.
  const auto e = EditsOfLocator("jn18du", ',');
  ASSERT_TRUE(e);
  EXPECT_EQ(e->latitude, "48,854");
  EXPECT_TRUE(e->north);
  EXPECT_EQ(e->longitude, "2,292");
  EXPECT_FALSE(e->west);
  EXPECT_FALSE(EditsOfLocator("JN18D", '.'));
  EXPECT_FALSE(EditsOfLocator("JZ18DU", '.'));
}

TEST(Covisibility, TheStationItselfSeesEveryMinuteOfThePass) {
  IssOverParis p;
  const auto& rows = p.slot.rows;
  const Covisibility c =
      ComputeCovisibility(p.slot, p.slot.passStart, p.slot.passEnd, {48.85, -2.35, 35});
  ASSERT_EQ(static_cast<int>(c.entries.size()), rows.count);
  EXPECT_NEAR(static_cast<double>(c.start), static_cast<double>(p.slot.passStart), 1e-9);
  for (int i = 0; i < rows.count; ++i) {
    // The pass search's own rows of the same minutes. It started its propagation minutes
    // earlier, so a value at a rounding boundary may come out one unit apart.
    EXPECT_NEAR(c.entries[static_cast<std::size_t>(i)].elevation, rows.elevation[i], 1) << i;
    EXPECT_NEAR(c.entries[static_cast<std::size_t>(i)].azimuth, rows.azimuth[i], 1) << i;
    EXPECT_NEAR(c.entries[static_cast<std::size_t>(i)].range, rows.range[i], 1) << i;
  }
}

// Look angles from a station on the WGS 84 ellipsoid to a satellite given by its
// geocentric sub-point and distance: an east-north-up frame worked out here.
struct LookAngles {
  double elevation, azimuth, range;
};
LookAngles LookFrom(double latDeg, double eastLonDeg, double heightKm, double satLatDeg,
                    double satEastLonDeg, double satDistanceKm) {
  const double d = M_PI / 180;
  const double a = 6378.137, f = 0.0033528109296271807, e2 = f * (2 - f);
  const double phi = latDeg * d, lam = eastLonDeg * d;
  const double n = a / std::sqrt(1 - e2 * std::sin(phi) * std::sin(phi));
  const double ox = (n + heightKm) * std::cos(phi) * std::cos(lam);
  const double oy = (n + heightKm) * std::cos(phi) * std::sin(lam);
  const double oz = (n * (1 - e2) + heightKm) * std::sin(phi);
  const double sx = satDistanceKm * std::cos(satLatDeg * d) * std::cos(satEastLonDeg * d);
  const double sy = satDistanceKm * std::cos(satLatDeg * d) * std::sin(satEastLonDeg * d);
  const double sz = satDistanceKm * std::sin(satLatDeg * d);
  const double dx = sx - ox, dy = sy - oy, dz = sz - oz;
  const double east = -std::sin(lam) * dx + std::cos(lam) * dy;
  const double north = -std::sin(phi) * std::cos(lam) * dx - std::sin(phi) * std::sin(lam) * dy +
                       std::cos(phi) * dz;
  const double up = std::cos(phi) * std::cos(lam) * dx + std::cos(phi) * std::sin(lam) * dy +
                    std::sin(phi) * dz;
  const double range = std::sqrt(dx * dx + dy * dy + dz * dz);
  double az = std::atan2(east, north) / d;
  if (az < 0) az += 360;
  return {std::asin(up / range) / d, az, range};
}

TEST(Covisibility, ADistantStationSeesWhatItsOwnGeometryGives) {
  IssOverParis p;
  const auto& rows = p.slot.rows;
  // Berlin, 52.52 N 13.40 E, 40 m: part of the pass over Paris.
  const Covisibility c =
      ComputeCovisibility(p.slot, p.slot.passStart, p.slot.passEnd, {52.52, -13.40, 40});
  ASSERT_TRUE(c.Found());
  const long first = std::lround(static_cast<double>((c.start - p.slot.passStart) * 1440));
  ASSERT_GE(first, 0);
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    const auto j = static_cast<std::size_t>(first) + i;
    ASSERT_LT(static_cast<int>(j), rows.count);
    // The satellite where the pass rows put it: geocentric sub-point and distance.
    const LookAngles l = LookFrom(52.52, 13.40, 0.040, static_cast<double>(rows.latitude[j]),
                                  -static_cast<double>(rows.westLongitude[j]),
                                  static_cast<double>(rows.altitude10[j]) / 10 + 6378.137);
    // The rows' sub-point rebuilds the position to some 15 km (the station's own rows
    // come out the same way): the bounds catch a wrong station, not the last km.
    EXPECT_GE(l.elevation, -1) << i;
    EXPECT_NEAR(c.entries[i].elevation, l.elevation, 2) << i;
    EXPECT_NEAR(c.entries[i].azimuth, l.azimuth, 3.5) << i;
    EXPECT_NEAR(c.entries[i].range, l.range, 25) << i;
  }
  // The minute before the period (when within the pass) is below Berlin's horizon.
  if (first > 0) {
    const auto j = static_cast<std::size_t>(first - 1);
    const LookAngles l = LookFrom(52.52, 13.40, 0.040, static_cast<double>(rows.latitude[j]),
                                  -static_cast<double>(rows.westLongitude[j]),
                                  static_cast<double>(rows.altitude10[j]) / 10 + 6378.137);
    EXPECT_LT(l.elevation, 1);
  }
}

TEST(Covisibility, TheAntipodeNeverHearsThePass) {
  IssOverParis p;
  const Covisibility c =
      ComputeCovisibility(p.slot, p.slot.passStart, p.slot.passEnd, {-48.85, 177.65, 0});
  EXPECT_FALSE(c.Found());
}

TEST(Covisibility, ANeighbourSeesPartOfThePassAndOnlyTheFirstRun) {
  IssOverParis p;
  // 20 degrees of longitude east: the satellite rises there within the pass or sets
  // earlier; whatever is listed lies inside the pass, with elevations of 0 or more.
  const Covisibility c =
      ComputeCovisibility(p.slot, p.slot.passStart, p.slot.passEnd, {48.85, -22.35, 0});
  ASSERT_TRUE(c.Found());
  EXPECT_GE(static_cast<double>(c.start), static_cast<double>(p.slot.passStart) - 1e-9);
  EXPECT_LE(static_cast<double>(c.End()), static_cast<double>(p.slot.passEnd) + 1e-9);
  EXPECT_LT(static_cast<int>(c.entries.size()), p.slot.rows.count);
  for (const auto& e : c.entries) EXPECT_GE(e.elevation, 0);
  // From a later start only the minutes from there are examined.
  const Covisibility later = ComputeCovisibility(p.slot, c.start + 1.0L / 1440, p.slot.passEnd,
                                                 {48.85, -22.35, 0});
  ASSERT_TRUE(later.Found());
  EXPECT_EQ(later.entries.size() + 1, c.entries.size());
}

TEST(Covisibility, AStationAtTheFarLimbSeesTheStartAndTheEndOfALongPass) {
  testing::GeoOverParis p;
  // Minutes of visibility worked out once with PyEphem (SDP4) for these elements: Paris
  // sees the satellite from 11:34 on 21 Jan 2018 to 06:09 on the 22nd; 78 S 72.8 E (on its
  // meridian, at the far limb) until 16:39, then again from 00:42.
  auto utc = [](int day, int hour, int minute) {
    return static_cast<double>(orbit::EncodeDateTimeValue(2018, 1, day, hour, minute));
  };
  constexpr double kMinutes = 3.0 / 1440;  // the two propagations differ by a little
  EXPECT_NEAR(static_cast<double>(p.slot.passStart), utc(21, 11, 34), kMinutes);
  EXPECT_NEAR(static_cast<double>(p.slot.passEnd), utc(22, 6, 9), kMinutes);
  const DxPosition limb{-78, -72.8, 0};
  const Covisibility first = ComputeCovisibility(p.slot, p.slot.passStart, p.slot.passEnd, limb);
  ASSERT_TRUE(first.Found());
  EXPECT_NEAR(static_cast<double>(first.start), static_cast<double>(p.slot.passStart), 1e-6);
  EXPECT_NEAR(static_cast<double>(first.End()), utc(21, 16, 39), kMinutes);
  // Only the first run is listed; from its end on the second one comes.
  const Covisibility second =
      ComputeCovisibility(p.slot, first.End() + 2.0L / 1440, p.slot.passEnd, limb);
  ASSERT_TRUE(second.Found());
  EXPECT_NEAR(static_cast<double>(second.start), utc(22, 0, 42), kMinutes);
  EXPECT_NEAR(static_cast<double>(second.End()), static_cast<double>(p.slot.passEnd), 1e-6);
}

TEST(CovisibilityRow, FieldsAndTheOverlongRange) {
  const Real t = orbit::EncodeDateTimeValue(2026, 12, 5, 7, 3);
  EXPECT_EQ(CovisibilityRow(t, {12, 245, 1834, 7}), " 5 DEC 2026  07:03  12  245    1834    7");
  EXPECT_EQ(CovisibilityRow(t, {0, 5, 9999999, 180}), " 5 DEC 2026  07:03   0    5 9999999  180");
  EXPECT_EQ(CovisibilityRow(t, {0, 5, 10000000, 0}), " 5 DEC 2026  07:03   0    5 #######    0");
  const Real u = orbit::EncodeDateTimeValue(2027, 1, 31, 23, 59);
  EXPECT_EQ(CovisibilityRow(u, {90, 359, 408, 0}), "31 JAN 2027  23:59  90  359     408    0");
}

TEST(CovisibilityStack, FourStartsAtMostAndOnlyWithinThePass) {
  const Real start = orbit::EncodeDateTimeValue(2026, 12, 5, 7, 0);
  const Real minute = 1.0L / 1440;
  Covisibility listed;
  listed.start = start;
  listed.entries.resize(3);
  CovisibilityStack stack;
  Real next = 0;
  Real from = 0;
  EXPECT_FALSE(stack.Pop(start, &from));  // "-" with nothing stacked
  // Three rows from 07:00: the next start is 07:04, within a pass ending 07:04.
  ASSERT_TRUE(stack.NextStart(listed, start + 4 * minute, &next));
  EXPECT_NEAR(static_cast<double>((next - start) * 1440), 4.0, 1e-6);
  EXPECT_FALSE(stack.NextStart(listed, start + 3 * minute, &next));  // past the pass end
  for (int i = 1; i <= 4; ++i) stack.Push(start + i * 10 * minute);
  EXPECT_FALSE(stack.NextStart(listed, start + 100 * minute, &next));  // a fifth "+"
  ASSERT_TRUE(stack.Pop(start, &from));
  EXPECT_NEAR(static_cast<double>((from - start) * 1440), 30.0, 1e-6);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(stack.Pop(start, &from));
  EXPECT_NEAR(static_cast<double>(from), static_cast<double>(start), 1e-9);  // back to the pass start
  EXPECT_FALSE(stack.Pop(start, &from));
}

}  // namespace
}  // namespace tools
