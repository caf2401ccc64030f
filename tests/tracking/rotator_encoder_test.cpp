#include "tracking/rotator_encoder.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace tracking {
namespace {

std::vector<std::string> Bytes(const EncodeResult& result) {
  std::vector<std::string> bytes;
  for (const TimedWrite& write : result.writes) bytes.push_back(write.bytes);
  return bytes;
}

std::vector<int> Pauses(const EncodeResult& result) {
  std::vector<int> pauses;
  for (const TimedWrite& write : result.writes) pauses.push_back(write.delayAfterMs);
  return pauses;
}

// One call from a fresh command state.
EncodeResult EncodeFresh(Interface dialect, long double az, long double el,
                         const RotatorConfig& config = {}, const RotatorOptions& options = {}) {
  CommandState state;
  state.TargetAz = az;
  state.TargetEl = el;
  return Encode(dialect, state, config, options);
}

std::string First(Interface dialect, long double az, long double el,
                  const RotatorConfig& config = {}, const RotatorOptions& options = {}) {
  const EncodeResult result = EncodeFresh(dialect, az, el, config, options);
  return result.writes.empty() ? std::string() : result.writes.front().bytes;
}

TEST(RotatorEncoderFormats, ExampleLinesAt123_4And5_6) {
  EncodeResult gs = EncodeFresh(Interface::Gs232, 123.4L, 5.6L);
  EXPECT_EQ(gs.action, EncodeAction::Send);
  EXPECT_EQ(Bytes(gs), (std::vector<std::string>{"W123 006\r"}));
  EXPECT_EQ(Pauses(gs), (std::vector<int>{25}));
  EXPECT_EQ(gs.displayText, "W123 006");

  EncodeResult easy = EncodeFresh(Interface::EasyComm, 123.4L, 5.6L);
  EXPECT_EQ(Bytes(easy), (std::vector<std::string>{"AZ123.0 EL006.0\r"}));
  EXPECT_EQ(Pauses(easy), (std::vector<int>{25}));

  EncodeResult trakBox = EncodeFresh(Interface::TrakBox, 123.4L, 5.6L);
  EXPECT_EQ(Bytes(trakBox), (std::vector<std::string>{"AZ123 EL06\r"}));
  EXPECT_EQ(Pauses(trakBox), (std::vector<int>{25}));

  EncodeResult m2 = EncodeFresh(Interface::M2Orion, 123.4L, 5.6L);
  EXPECT_EQ(Bytes(m2), (std::vector<std::string>{"A123.4\r", "E5.6\r"}));
  EXPECT_EQ(Pauses(m2), (std::vector<int>{50, 50}));
  EXPECT_EQ(m2.displayText, "A123.4 E5.6");

  EncodeResult egis = EncodeFresh(Interface::Egis, 123.4L, 5.6L);
  EXPECT_EQ(Bytes(egis), (std::vector<std::string>{"&* AZ=123.40\r", "&* EL=005.60\r"}));
  EXPECT_EQ(Pauses(egis), (std::vector<int>{50, 50}));
  EXPECT_EQ(egis.displayText, "&* AZ=123.40 &* EL=005.60");

  EncodeResult kct = EncodeFresh(Interface::Kct, 123.4L, 5.6L);
  EXPECT_EQ(kct.action, EncodeAction::Send);
  EXPECT_TRUE(kct.writes.empty());
  EXPECT_EQ(kct.arguments, "PA 123 PB 006");
  EXPECT_EQ(kct.displayText, "PA 123 PB 006");
}

TEST(RotatorEncoderFormats, SmallAndLargeValuesKeepTheirWidths) {
  EXPECT_EQ(First(Interface::M2Orion, 0.04L, 0), "A0.0\r");
  EXPECT_EQ(First(Interface::M2Orion, 0.4L, 0), "A0.4\r");
  EXPECT_EQ(First(Interface::Egis, 0.004L, 0), "&* AZ=000.00\r");
  EXPECT_EQ(First(Interface::Egis, 7.05L, 0), "&* AZ=007.05\r");
  EXPECT_EQ(EncodeFresh(Interface::M2Orion, 10, 0.3L).writes.at(1).bytes, "E0.3\r");
  EXPECT_EQ(First(Interface::TrakBox, 7, 45), "AZ007 EL45\r");
  EXPECT_EQ(First(Interface::Gs232, 180, 45), "W180 045\r");
  EXPECT_EQ(ZeroPadded(5, 3), "005");
  EXPECT_EQ(ZeroPadded(405, 3), "405");
  EXPECT_EQ(ZeroPadded(1799, 3), "1799");
}

TEST(RotatorEncoderRounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(First(Interface::Gs232, 2.5L, 0), "W002 000\r");
  EXPECT_EQ(First(Interface::Gs232, 3.5L, 0), "W004 000\r");
  EXPECT_EQ(First(Interface::Gs232, 10, 44.5L), "W010 044\r");
  EXPECT_EQ(First(Interface::M2Orion, 0.25L, 0), "A0.2\r");
  EXPECT_EQ(First(Interface::M2Orion, 0.75L, 0), "A0.8\r");
  EXPECT_EQ(RoundHalfEven(-2.5L), -2);
}

TEST(RotatorEncoderRounding, AbsurdTargetsDoNotOverflow) {
  EXPECT_EQ(RoundHalfEven(1e30L), 1000000000L);
  EXPECT_EQ(RoundHalfEven(-1e30L), -1000000000L);
  EXPECT_EQ(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN()), 0);
  EXPECT_EQ(EncodeFresh(Interface::Egis, 1e300L, 1e300L).action, EncodeAction::Send);
}

TEST(RotatorEncoderAzimuth, OffsetIsSubtractedAndWrapped) {
  RotatorConfig config;
  config.azimuthOffset = 5;
  EXPECT_EQ(First(Interface::Gs232, 2, 10, config), "W357 010\r");
  EXPECT_EQ(First(Interface::M2Orion, 2, 10, config), "A357.0\r");
  EXPECT_EQ(First(Interface::Egis, 2, 10, config), "&* AZ=357.00\r");
  EXPECT_EQ(EncodeFresh(Interface::Kct, 2, 10, config).arguments, "PA 357 PB 010");
  config.azimuthOffset = 2;
  EXPECT_EQ(First(Interface::Gs232, 2.4L, 10, config), "W000 010\r");
  config.azimuthOffset = -3;
  EXPECT_EQ(First(Interface::Gs232, 358, 10, config), "W001 010\r");
}

TEST(RotatorEncoderAzimuth, TestPositionsBeyond360WrapWithoutOverlap) {
  EXPECT_EQ(First(Interface::Gs232, 400, 0), "W040 000\r");
  EXPECT_EQ(First(Interface::Gs232, 360, 0), "W000 000\r");
  RotatorOptions overlap;
  overlap.overlap = true;
  EXPECT_EQ(First(Interface::Gs232, 450, 0, {}, overlap), "W450 000\r");
}

TEST(RotatorEncoderAzimuth, ElevationOffsetNeverGoesBelowZero) {
  RotatorConfig config;
  config.elevationOffset = 10;
  EXPECT_EQ(First(Interface::Gs232, 100, 5.6L, config), "W100 000\r");
  EXPECT_EQ(First(Interface::Gs232, 100, 25, config), "W100 015\r");
  config.elevationOffset = -15;
  EXPECT_EQ(First(Interface::EasyComm, 100, 25, config), "AZ100.0 EL040.0\r");
}

TEST(RotatorEncoderOverlap, FirstQuadrantMovesTo360To450AndTurnsRed) {
  RotatorOptions options;
  options.overlap = true;
  EncodeResult gs = EncodeFresh(Interface::Gs232, 45, 10, {}, options);
  EXPECT_EQ(Bytes(gs), (std::vector<std::string>{"W405 010\r"}));
  ASSERT_TRUE(gs.redAzimuth.has_value());
  EXPECT_TRUE(*gs.redAzimuth);

  EncodeResult m2 = EncodeFresh(Interface::M2Orion, 45, 10, {}, options);
  EXPECT_EQ(m2.writes.at(0).bytes, "A405.0\r");
  EXPECT_TRUE(m2.redAzimuth.value_or(false));

  EncodeResult later = EncodeFresh(Interface::Gs232, 100, 10, {}, options);
  EXPECT_EQ(later.writes.at(0).bytes, "W100 010\r");
  EXPECT_FALSE(later.redAzimuth.value_or(true));

  EncodeResult off = EncodeFresh(Interface::Gs232, 45, 10);
  EXPECT_EQ(off.writes.at(0).bytes, "W045 010\r");
  EXPECT_FALSE(off.redAzimuth.value_or(true));
}

TEST(RotatorEncoderSouthStop, AzimuthShiftedBy180ForTheCommandOnly) {
  RotatorConfig south;
  south.stopSouth = true;
  CommandState state;
  state.TargetAz = 100;
  state.TargetEl = 20;
  EncodeResult gs = Encode(Interface::Gs232, state, south, {});
  EXPECT_EQ(gs.writes.at(0).bytes, "W280 020\r");
  EXPECT_TRUE(state.SouthStopShifted);
  EXPECT_EQ(state.TargetAz, 100);
  EXPECT_EQ(state.TargetAzBeforeShift, 100);
  EXPECT_EQ(state.LastSentAzInt, 280);

  EXPECT_EQ(First(Interface::Gs232, 200, 20, south), "W020 020\r");
  EXPECT_EQ(First(Interface::EasyComm, 100, 20, south), "AZ280.0 EL020.0\r");
  EXPECT_EQ(First(Interface::M2Orion, 100, 20, south), "A280.0\r");
  EXPECT_EQ(First(Interface::Egis, 100, 20, south), "&* AZ=280.00\r");
  // TrakBox and KCT never shift.
  EXPECT_EQ(First(Interface::TrakBox, 100, 20, south), "AZ100 EL20\r");
  EXPECT_EQ(EncodeFresh(Interface::Kct, 100, 20, south).arguments, "PA 100 PB 020");

  CommandState north;
  north.SouthStopShifted = true;
  north.TargetAz = 100;
  Encode(Interface::Gs232, north, {}, {});
  EXPECT_FALSE(north.SouthStopShifted);
}

TEST(RotatorEncoderElevation, EachControllerHasItsCap) {
  EXPECT_EQ(First(Interface::Gs232, 10, 180), "W010 179\r");
  EXPECT_EQ(First(Interface::Gs232, 10, 179.4L), "W010 179\r");
  EXPECT_EQ(First(Interface::EasyComm, 10, 180), "AZ010.0 EL179.0\r");
  EXPECT_EQ(EncodeFresh(Interface::M2Orion, 10, 180).writes.at(1).bytes, "E179.9\r");
  EXPECT_EQ(EncodeFresh(Interface::Egis, 10, 180).writes.at(1).bytes, "&* EL=179.99\r");
  EXPECT_EQ(EncodeFresh(Interface::Kct, 10, 180).arguments, "PA 010 PB 180");
  EXPECT_EQ(EncodeFresh(Interface::Kct, 10, 185).arguments, "PA 010 PB 180");
  EXPECT_EQ(First(Interface::TrakBox, 10, 180), "AZ010 EL90\r");
  EXPECT_EQ(First(Interface::TrakBox, 10, 90), "AZ010 EL90\r");
  EXPECT_EQ(First(Interface::TrakBox, 10, 89.6L), "AZ010 EL90\r");
  EXPECT_EQ(First(Interface::Gs232, 10, -2), "W010 000\r");
}

TEST(RotatorEncoderMinimumStep, SmallMovesSendNothingAndKeepTheLastPosition) {
  RotatorConfig config;
  config.minimumStep = 2;
  CommandState state;
  state.TargetAz = 100;
  state.TargetEl = 10;
  ASSERT_EQ(Encode(Interface::Gs232, state, config, {}).action, EncodeAction::Send);

  state.TargetAz = 101.5L;
  state.TargetEl = 10.5L;
  EncodeResult skipped = Encode(Interface::Gs232, state, config, {});
  EXPECT_EQ(skipped.action, EncodeAction::SkipSmallStep);
  EXPECT_TRUE(skipped.writes.empty());
  EXPECT_EQ(state.LastSentAz, 100);
  EXPECT_EQ(state.LastSentEl, 10);
  EXPECT_EQ(state.TargetAzBeforeShift, 101.5L);

  state.TargetAz = 100;
  state.TargetEl = 12;  // one axis by the full step is enough
  EXPECT_EQ(Encode(Interface::Gs232, state, config, {}).action, EncodeAction::Send);
  EXPECT_EQ(state.LastSentEl, 12);
}

TEST(RotatorEncoderMinimumStep, StepZeroAlwaysSends) {
  RotatorConfig config;
  config.minimumStep = 0;
  CommandState state;
  state.TargetAz = 100;
  state.TargetEl = 10;
  EXPECT_EQ(Encode(Interface::Gs232, state, config, {}).action, EncodeAction::Send);
  EXPECT_EQ(Encode(Interface::Gs232, state, config, {}).action, EncodeAction::Send);
  config.minimumStep = 1;
  EXPECT_EQ(Encode(Interface::Gs232, state, config, {}).action, EncodeAction::SkipSmallStep);
}

TEST(RotatorEncoderMinimumStep, TenthsAndHundredthsForM2OrionAndEgis) {
  RotatorConfig tenths;
  tenths.minimumStep = 5;  // 0.5°
  CommandState m2;
  m2.TargetAz = 100;
  Encode(Interface::M2Orion, m2, tenths, {});
  m2.TargetAz = 100.4L;
  EXPECT_EQ(Encode(Interface::M2Orion, m2, tenths, {}).action, EncodeAction::SkipSmallStep);
  m2.TargetAz = 100.6L;
  EXPECT_EQ(Encode(Interface::M2Orion, m2, tenths, {}).writes.at(0).bytes, "A100.6\r");

  RotatorConfig hundredths;
  hundredths.minimumStep = 3;  // 0.03°
  CommandState egis;
  egis.TargetAz = 100;
  Encode(Interface::Egis, egis, hundredths, {});
  egis.TargetAz = 100.02L;
  EXPECT_EQ(Encode(Interface::Egis, egis, hundredths, {}).action, EncodeAction::SkipSmallStep);
  egis.TargetAz = 100.05L;
  EXPECT_EQ(Encode(Interface::Egis, egis, hundredths, {}).writes.at(0).bytes, "&* AZ=100.05\r");
  // A GS-232 step of 3 would have skipped both.
  egis.TargetAz = 101;
  EXPECT_EQ(Encode(Interface::Gs232, egis, hundredths, {}).action, EncodeAction::SkipSmallStep);
}

class RotatorEncoder360Step : public ::testing::TestWithParam<Interface> {};

TEST_P(RotatorEncoder360Step, JumpAbove350StopsWithoutSending) {
  RotatorOptions options;
  options.stopOn360 = true;
  CommandState state;
  state.TargetAz = 5;
  state.TargetEl = 10;
  ASSERT_EQ(Encode(GetParam(), state, {}, options).action, EncodeAction::Send);
  EXPECT_EQ(state.LastSentAzInt, 5);

  state.TargetAz = 358;
  EncodeResult stopped = Encode(GetParam(), state, {}, options);
  EXPECT_EQ(stopped.action, EncodeAction::Stop360);
  // Only ProSisTel's preamble precedes the test.
  EXPECT_EQ(stopped.writes.size(), GetParam() == Interface::ProSisTel ? 2u : 0u);
  EXPECT_TRUE(stopped.posts.empty());
  EXPECT_TRUE(stopped.arguments.empty());
  EXPECT_EQ(state.LastSentAzInt, 5);

  state.TargetAz = 354;  // 349° away: sent
  EXPECT_EQ(Encode(GetParam(), state, {}, options).action, EncodeAction::Send);
  EXPECT_EQ(state.LastSentAzInt, 354);
  state.TargetAz = 2;  // the other way round
  EXPECT_EQ(Encode(GetParam(), state, {}, options).action, EncodeAction::Stop360);
}

TEST_P(RotatorEncoder360Step, NoTestAfterResetOrWithoutTheOption) {
  RotatorOptions options;
  options.stopOn360 = true;
  CommandState state;
  state.TargetAz = 5;
  Encode(GetParam(), state, {}, options);
  state.Reset();
  state.TargetAz = 358;
  EXPECT_EQ(Encode(GetParam(), state, {}, options).action, EncodeAction::Send);
  state.TargetAz = 5;
  EXPECT_EQ(Encode(GetParam(), state, {}, RotatorOptions{}).action, EncodeAction::Send);
}

INSTANTIATE_TEST_SUITE_P(Dialects, RotatorEncoder360Step,
                         ::testing::Values(Interface::Gs232, Interface::EasyComm, Interface::TrakBox,
                                           Interface::ProSisTel, Interface::M2Orion, Interface::Egis,
                                           Interface::Ea4tx, Interface::Kct));

TEST(RotatorEncoder360StepUnits, WholeDegreesKeptForTenthsAndHundredths) {
  CommandState state;
  state.TargetAz = 123.5L;
  Encode(Interface::M2Orion, state, {}, {});
  EXPECT_EQ(state.LastSentAzInt, 124);
  state.TargetAz = 122.5L;
  Encode(Interface::Egis, state, {}, {});
  EXPECT_EQ(state.LastSentAzInt, 122);
}

}  // namespace
}  // namespace tracking
