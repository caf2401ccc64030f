// The plain rules behind the Hamlib daemons and the pass commands: the rotator daemon's
// command line, the radio's retune rule, the AOS/LOS edges and the commands' environment.
#include <gtest/gtest.h>

#include <QTimeZone>

#include "orbit/calendar.h"
#include "tracking/pass_commands.h"
#include "tracking/rigctld_tuner.h"
#include "tracking/rotator_encoder.h"
#include "tracking/rotator_sequences.h"

namespace tracking {
namespace {

EncodeResult Rot(CommandState& state, long double az, long double el, const RotatorConfig& config = {},
                 const RotatorOptions& options = {}) {
  state.TargetAz = az;
  state.TargetEl = el;
  return Encode(Interface::Rotctld, state, config, options);
}

TEST(RotctldCommand, TenthsOfADegreeWithWholeDegreeSteps) {
  CommandState state;
  EncodeResult first = Rot(state, 123.44L, 5.66L);
  ASSERT_EQ(first.action, EncodeAction::Send);
  ASSERT_EQ(first.writes.size(), 1u);
  EXPECT_EQ(first.writes[0].bytes, "P 123.4 5.7\n");
  EXPECT_EQ(first.displayText, "P 123.4 5.7");
  // Less than the one-degree step on both axes: nothing.
  EXPECT_EQ(Rot(state, 124.3L, 6.5L).action, EncodeAction::SkipSmallStep);
  // A degree on one axis: the new position in tenths.
  EXPECT_EQ(Rot(state, 124.5L, 6.5L).writes.at(0).bytes, "P 124.5 6.5\n");
  // Under a degree of elevation shows as "0.x".
  CommandState fresh;
  EXPECT_EQ(Rot(fresh, 0.0L, 0.4L).writes.at(0).bytes, "P 0.0 0.4\n");
  EXPECT_EQ(UnitsPerDegree(Interface::Rotctld), 1);
}

TEST(RotctldCommand, OffsetsSouthStopOverlapAndOverTheTop) {
  RotatorConfig config;
  config.azimuthOffset = 3;
  config.elevationOffset = -2;
  CommandState a;
  EXPECT_EQ(Rot(a, 100.0L, 10.0L, config).writes.at(0).bytes, "P 97.0 12.0\n");

  RotatorConfig south;
  south.stopSouth = true;
  CommandState b;
  EXPECT_EQ(Rot(b, 100.0L, 10.0L, south).writes.at(0).bytes, "P 280.0 10.0\n");
  EXPECT_TRUE(b.SouthStopShifted);

  RotatorOptions overlap;
  overlap.overlap = true;
  CommandState c;
  const EncodeResult o = Rot(c, 45.5L, 20.0L, {}, overlap);
  EXPECT_EQ(o.writes.at(0).bytes, "P 405.5 20.0\n");
  EXPECT_EQ(o.redAzimuth, std::optional<bool>(true));

  CommandState d;
  EXPECT_EQ(Rot(d, 10.0L, 175.5L).writes.at(0).bytes, "P 10.0 175.5\n");
  CommandState e;
  EXPECT_EQ(Rot(e, 10.0L, 200.0L).writes.at(0).bytes, "P 10.0 180.0\n");
}

TEST(RotctldCommand, StopOn360StepCountsWholeDegrees) {
  RotatorOptions options;
  options.stopOn360 = true;
  CommandState state;
  ASSERT_EQ(Rot(state, 2.0L, 10.0L, {}, options).action, EncodeAction::Send);
  EXPECT_EQ(state.LastSentAzInt, 2);
  EXPECT_EQ(Rot(state, 355.0L, 10.0L, {}, options).action, EncodeAction::Stop360);
  EXPECT_EQ(StopCommands(Interface::Rotctld), (WriteList{{"S\n", 0}}));
  EXPECT_TRUE(HoldsConnection(Interface::Rotctld));
  EXPECT_FALSE(HasSerialPort(Interface::Rotctld));
}

TEST(RigRetune, FrequenciesAndTheMinimumStep) {
  orbit::RadioMode mode;
  mode.rxMHz = 145.8L;
  mode.txMHz = 435.0L;
  // 1000 Hz per GHz of range-rate Doppler: +145.8 Hz received, -435 Hz sent.
  const RigFrequencies f = CorrectedFrequencies(&mode, 1000);
  EXPECT_EQ(f.rxHz, 145800146);
  EXPECT_EQ(f.txHz, 434999565);
  orbit::RadioMode downOnly;
  downOnly.rxMHz = 437.8L;
  EXPECT_EQ(CorrectedFrequencies(&downOnly, -2000).txHz, 0);
  EXPECT_EQ(CorrectedFrequencies(&downOnly, -2000).rxHz, 437800000 - 876);
  EXPECT_EQ(CorrectedFrequencies(nullptr, 5).rxHz, 0);

  EXPECT_TRUE(NeedsRetune(0, 145800000, 10));          // nothing sent yet
  EXPECT_FALSE(NeedsRetune(145800000, 145800010, 10));  // exactly the step: not more
  EXPECT_TRUE(NeedsRetune(145800000, 145800011, 10));
  EXPECT_TRUE(NeedsRetune(145800000, 145799989, 10));
  EXPECT_FALSE(NeedsRetune(145800000, 0, 10));  // no frequency: never sent
}

TEST(PassEdges, AosOnlyWhenTheSatelliteRisesDuringTracking) {
  PassEdgeWatcher w;
  EXPECT_EQ(w.Update(true, true), PassEvent::None);  // in view as tracking starts
  EXPECT_EQ(w.Update(true, true), PassEvent::None);
  EXPECT_EQ(w.Update(true, false), PassEvent::Los);
  EXPECT_EQ(w.Update(true, false), PassEvent::None);
  EXPECT_EQ(w.Update(true, true), PassEvent::Aos);
  // The pass ends and tracking stops at the same second: still LOS.
  EXPECT_EQ(w.Update(false, false), PassEvent::Los);
  // Rising while not tracking: nothing, and no LOS for a pass nobody tracked.
  EXPECT_EQ(w.Update(false, true), PassEvent::None);
  EXPECT_EQ(w.Update(false, false), PassEvent::None);
  EXPECT_EQ(w.Update(true, false), PassEvent::None);
  EXPECT_EQ(w.Update(true, true), PassEvent::Aos);
}

TEST(PassEdges, EnvironmentOfACommand) {
  prediction::PassSlot slot;
  slot.name = "ISS (ZARYA)";
  slot.set.catalogueNumber = "25544";
  slot.passStart = orbit::EncodeDateTimeValue(2018, 1, 21, 17, 5);
  slot.passEnd = orbit::EncodeDateTimeValue(2018, 1, 21, 17, 14);
  const int el[] = {0, 20, 43, 12, 0};
  const int az[] = {250, 230, 180, 120, 95};
  for (int k = 0; k < 5; ++k) {
    slot.rows.elevation[k] = el[k];
    slot.rows.azimuth[k] = az[k];
  }
  slot.rows.elevation[5] = prediction::kEndMark;
  slot.rows.count = 5;
  const QDateTime now(QDate(2018, 1, 21), QTime(17, 5, 7), QTimeZone::utc());
  QProcessEnvironment base;
  base.insert(QStringLiteral("HOME"), QStringLiteral("/home/op"));
  const QProcessEnvironment env =
      PassEnvironment(EventInfoFor(PassEvent::Aos, slot, now, 249.96), base);
  EXPECT_EQ(env.value(QStringLiteral("HOME")), QStringLiteral("/home/op"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_EVENT")), QStringLiteral("AOS"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_SAT")), QStringLiteral("ISS (ZARYA)"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_NORAD")), QStringLiteral("25544"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_TIME")), QStringLiteral("2018-01-21T17:05:07Z"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_AOS")), QStringLiteral("2018-01-21T17:05:00Z"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_LOS")), QStringLiteral("2018-01-21T17:14:00Z"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_MAX_EL")), QStringLiteral("43.0"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_AZ")), QStringLiteral("250.0"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_AOS_AZ")), QStringLiteral("250.0"));
  EXPECT_EQ(env.value(QStringLiteral("ORVANE_LOS_AZ")), QStringLiteral("95.0"));
  EXPECT_EQ(PassEnvironment(EventInfoFor(PassEvent::Los, slot, now, 0), base)
                .value(QStringLiteral("ORVANE_EVENT")),
            QStringLiteral("LOS"));
}

}  // namespace
}  // namespace tracking
