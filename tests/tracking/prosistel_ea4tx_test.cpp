// ProSisTel (axis by axis) and EA4TX (two integers to ARSWIN) have their own rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tracking/rotator_encoder.h"

namespace tracking {
namespace {

const std::string kStx = "\x02";

std::vector<std::string> Bytes(const EncodeResult& result) {
  std::vector<std::string> bytes;
  for (const TimedWrite& write : result.writes) bytes.push_back(write.bytes);
  return bytes;
}

TEST(ProSisTelEncoder, FirstCommandMovesBothAxesAfterThePreamble) {
  CommandState state;
  state.TargetAz = 123.4L;
  state.TargetEl = 5.6L;
  EncodeResult result = Encode(Interface::ProSisTel, state, {}, {});
  EXPECT_EQ(result.action, EncodeAction::Send);
  EXPECT_EQ(Bytes(result), (std::vector<std::string>{kStx + "AS\r", kStx + "ES\r",
                                                     kStx + "AG123\r", kStx + "EG006\r"}));
  for (const TimedWrite& write : result.writes) EXPECT_EQ(write.delayAfterMs, 25);
  EXPECT_EQ(result.displayText, kStx + "AG123 " + kStx + "EG006");
}

TEST(ProSisTelEncoder, OnlyTheAxisThatMovedByTheStepIsCommanded) {
  RotatorConfig config;
  config.minimumStep = 2;
  CommandState state;
  state.TargetAz = 100;
  state.TargetEl = 10;
  Encode(Interface::ProSisTel, state, config, {});

  state.TargetAz = 103;
  state.TargetEl = 11;
  EncodeResult azimuthOnly = Encode(Interface::ProSisTel, state, config, {});
  EXPECT_EQ(Bytes(azimuthOnly),
            (std::vector<std::string>{kStx + "AS\r", kStx + "ES\r", kStx + "AG103\r"}));
  EXPECT_EQ(azimuthOnly.displayText, kStx + "AG103");
  EXPECT_EQ(state.LastSentAz, 103);
  EXPECT_EQ(state.LastSentEl, 10);
  EXPECT_TRUE(azimuthOnly.redAzimuth.has_value());

  state.TargetEl = 12.5L;
  EncodeResult elevationOnly = Encode(Interface::ProSisTel, state, config, {});
  EXPECT_EQ(Bytes(elevationOnly),
            (std::vector<std::string>{kStx + "AS\r", kStx + "ES\r", kStx + "EG012\r"}));
  EXPECT_EQ(elevationOnly.displayText, kStx + "EG012");
  EXPECT_FALSE(elevationOnly.redAzimuth.has_value());  // azimuth display left alone
  EXPECT_EQ(state.LastSentEl, 12.5L);

  state.TargetAz = 104;
  state.TargetEl = 13;
  EXPECT_EQ(Encode(Interface::ProSisTel, state, config, {}).action, EncodeAction::SkipSmallStep);
}

TEST(ProSisTelEncoder, SouthStopOverlapAndCap) {
  RotatorConfig south;
  south.stopSouth = true;
  CommandState state;
  state.TargetAz = 100;
  state.TargetEl = 180;
  const std::vector<std::string> shifted = Bytes(Encode(Interface::ProSisTel, state, south, {}));
  ASSERT_EQ(shifted.size(), 4u);
  EXPECT_EQ(shifted.at(2), kStx + "AG280\r");
  EXPECT_TRUE(state.SouthStopShifted);

  CommandState fresh;
  fresh.TargetAz = 45;
  fresh.TargetEl = 180;
  RotatorOptions overlap;
  overlap.overlap = true;
  EncodeResult result = Encode(Interface::ProSisTel, fresh, {}, overlap);
  EXPECT_EQ(Bytes(result).at(2), kStx + "AG405\r");
  EXPECT_EQ(Bytes(result).at(3), kStx + "EG179\r");
  EXPECT_TRUE(result.redAzimuth.value_or(false));
}

TEST(ProSisTelEncoder, A360StepEndsTheCallBeforeTheElevation) {
  RotatorOptions options;
  options.stopOn360 = true;
  CommandState state;
  state.TargetAz = 5;
  state.TargetEl = 10;
  Encode(Interface::ProSisTel, state, {}, options);
  state.TargetAz = 358;
  state.TargetEl = 30;
  EncodeResult result = Encode(Interface::ProSisTel, state, {}, options);
  EXPECT_EQ(result.action, EncodeAction::Stop360);
  EXPECT_EQ(Bytes(result), (std::vector<std::string>{kStx + "AS\r", kStx + "ES\r"}));
  EXPECT_EQ(state.LastSentEl, 10);
}

TEST(Ea4txEncoder, TwoIntegersWithTheAxisFlag) {
  CommandState state;
  state.TargetAz = 123.4L;
  state.TargetEl = 5.6L;
  EncodeResult result = Encode(Interface::Ea4tx, state, {}, {});
  EXPECT_EQ(result.action, EncodeAction::Send);
  EXPECT_EQ(result.posts, (std::vector<ArswinPost>{{123, 0}, {6, 1}}));
  EXPECT_TRUE(result.writes.empty());
  EXPECT_EQ(result.displayText, "6     123");
  EXPECT_EQ(state.LastSentAzInt, 123);
  EXPECT_FALSE(result.redAzimuth.has_value());
}

TEST(Ea4txEncoder, NoShiftOffsetsOrOverlapAndElevationBelow180) {
  RotatorConfig config;
  config.stopSouth = true;
  config.azimuthOffset = 10;
  config.elevationOffset = 5;
  RotatorOptions overlap;
  overlap.overlap = true;
  CommandState state;
  state.TargetAz = 45;
  state.TargetEl = 180;
  EXPECT_EQ(Encode(Interface::Ea4tx, state, config, overlap).posts,
            (std::vector<ArswinPost>{{45, 0}, {179, 1}}));
  EXPECT_FALSE(state.SouthStopShifted);

  CommandState negative;
  negative.TargetAz = -0.7L;
  negative.TargetEl = -3;
  EXPECT_EQ(Encode(Interface::Ea4tx, negative, {}, {}).posts,
            (std::vector<ArswinPost>{{0, 0}, {0, 1}}));
}

TEST(Ea4txEncoder, MinimumStepInDegrees) {
  RotatorConfig config;
  config.minimumStep = 2;
  CommandState state;
  state.TargetAz = 10;
  state.TargetEl = 10;
  Encode(Interface::Ea4tx, state, config, {});
  state.TargetAz = 11.5L;
  state.TargetEl = 10.5L;
  EXPECT_EQ(Encode(Interface::Ea4tx, state, config, {}).action, EncodeAction::SkipSmallStep);
  EXPECT_EQ(state.LastSentAz, 10);
}

}  // namespace
}  // namespace tracking
