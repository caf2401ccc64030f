#include "tracking/tick_steps.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "controller_fixture.h"
#include "pass_fixture.h"
#include "tracking/tracking_controller.h"

namespace tracking {
namespace {

using testing::ControllerFixture;
using testing::SamplePass;

TEST(ReportLine, InViewWithOneDecimalAndRangeRate) {
  EXPECT_EQ(ReportLine(QStringLiteral("AO-7"), 123.4L, 5.6L, 1000, true),
            QStringLiteral("AO-7 AZ:123.4 EL:5.6 RR:-0.299792458 AH:Y"));
  // Receding satellite, negative factor: positive range rate, shortest form.
  EXPECT_EQ(ReportLine(QStringLiteral("ISS"), 0, 90, -20000, true),
            QStringLiteral("ISS AZ:0.0 EL:90.0 RR:5.99584916 AH:Y"));
}

TEST(ReportLine, CommaInTheNameBecomesAPeriodAndZeroFactorReadsZero) {
  const QString line = ReportLine(QStringLiteral("SAT,1"), 10, 20, 0, true);
  EXPECT_EQ(line, QStringLiteral("SAT.1 AZ:10.0 EL:20.0 RR:0 AH:Y"));
  EXPECT_TRUE(line.endsWith(QStringLiteral(" RR:0 AH:Y")));
  EXPECT_EQ(RangeRateText(0), QStringLiteral("0"));
}

TEST(ReportLine, NotInViewUsesWholeAosDegrees) {
  EXPECT_EQ(AosReportLine(QStringLiteral("FO,29"), 211, 0, 3000),
            QStringLiteral("FO.29 AZ:211.0 EL:0.0 RR:-0.899377374 AH:N"));
}

TEST(RangeRate, FifteenSignificantDigitsAtMost) {
  EXPECT_EQ(RangeRateText(-12345), QStringLiteral("3.70093789401"));
  EXPECT_EQ(RangeRateText(1), QStringLiteral("-0.000299792458"));
  EXPECT_EQ(RangeRateText(123456789), QStringLiteral("-37011.4142310974"));
}

TEST(Publishing, NotInViewLineGoesOnceToTcpAndAgainAfterAnInViewLine) {
  RecordingReportSink sink;
  sink.ddeOpen = true;
  sink.tcpConnected = true;
  bool ahnSent = false;
  PublishNotInView(sink, QStringLiteral("N1"), ahnSent);
  PublishNotInView(sink, QStringLiteral("N2"), ahnSent);
  EXPECT_EQ(sink.tcpLines, QStringList{QStringLiteral("N1")});
  EXPECT_EQ(sink.ddeItems, QStringList{QStringLiteral("N1")});
  PublishInView(sink, QStringLiteral("Y1"), ahnSent);
  EXPECT_FALSE(ahnSent);
  PublishNotInView(sink, QStringLiteral("N3"), ahnSent);
  EXPECT_EQ(sink.tcpLines, (QStringList{QStringLiteral("N1"), QStringLiteral("Y1"), QStringLiteral("N3")}));
}

TEST(Publishing, DdeAloneKeepsGettingTheNotInViewLine) {
  RecordingReportSink sink;
  sink.ddeOpen = true;
  bool ahnSent = false;
  PublishNotInView(sink, QStringLiteral("N"), ahnSent);
  PublishNotInView(sink, QStringLiteral("N"), ahnSent);
  EXPECT_EQ(sink.ddeItems.size(), 2);
  EXPECT_FALSE(ahnSent);
}

orbit::SatRadioData Radio() {
  orbit::SatRadioData radio;
  radio.modes[0] = {"B", "Mode B", 145.8L, 435.1L, "USB", "LSB"};
  radio.modes[1] = {"J", "", 0, 0, "", ""};
  radio.modes[2] = {"U", "", 437.5L, 0, "FM", ""};
  radio.currentMode = "U";
  return radio;
}

TEST(Doppler, ShiftsOfTheSelectedMode) {
  const orbit::SatRadioData radio = Radio();
  const DopplerShifts b = ComputeDoppler(SelectMode(radio, 'B'), 1000);
  EXPECT_EQ(b.rxHz, 146);   // round(145.8)
  EXPECT_EQ(b.txHz, -435);  // round(-435.1)
  const DopplerShifts j = ComputeDoppler(SelectMode(radio, 'J'), 1000);
  EXPECT_EQ(j.rxHz, 0);
  EXPECT_EQ(j.txHz, 0);
  // A blank letter takes the current mode; a transmit frequency of 0 gives 0.
  const DopplerShifts u = ComputeDoppler(SelectMode(radio, ' '), -2000);
  EXPECT_EQ(u.rxHz, -875);
  EXPECT_EQ(u.txHz, 0);
  // Halves to even: 2500 Hz/GHz at 145.8 MHz is 364.5 Hz.
  EXPECT_EQ(ComputeDoppler(SelectMode(radio, 'B'), 2500).rxHz, 364);
  EXPECT_EQ(SelectMode(radio, 'Z'), nullptr);
  EXPECT_EQ(ComputeDoppler(nullptr, 5000).rxHz, 0);
}

TEST(Doppler, FrequencyLabelsAndModeBoxLetter) {
  const orbit::SatRadioData radio = Radio();
  EXPECT_EQ(RxFrequencyLabel(SelectMode(radio, 'B')).replace(QLatin1Char(','), QLatin1Char('.')),
            QStringLiteral("F.RX=145.8 MHz USB"));
  EXPECT_EQ(TxFrequencyLabel(SelectMode(radio, 'B')).replace(QLatin1Char(','), QLatin1Char('.')),
            QStringLiteral("F.TX=435.1 MHz LSB"));
  EXPECT_EQ(ModeBoxLetter(' ', radio), 'U');
  EXPECT_EQ(ModeBoxLetter('B', radio), 'B');
}

TEST(CurrentRow, WholeMinutesFromTheFirstRowWhileTheListLasts) {
  const std::string first = "21 JAN 2018  01:41";
  const orbit::Real start = orbit::EncodeDateTimeValue(2018, 1, 21, 1, 41);
  EXPECT_EQ(CurrentRowFor(true, first, 11, start), 0);
  EXPECT_EQ(CurrentRowFor(true, first, 11, start + 4.5L / 1440), 4);
  EXPECT_EQ(CurrentRowFor(true, first, 11, start + 11.0L / 1440), 11);
  EXPECT_EQ(CurrentRowFor(true, first, 11, start + 11.5L / 1440), -1);
  EXPECT_EQ(CurrentRowFor(false, first, 11, start + 4.5L / 1440), -1);
  EXPECT_EQ(CurrentRowFor(true, "garbage", 11, start), -1);
  // Seconds before the first row still fall in it; minutes before do not.
  EXPECT_EQ(CurrentRowFor(true, first, 11, start - 20.0L / 86400), 0);
  EXPECT_FALSE(NowAtOrAfterFirstRow(first, start - 20.0L / 86400));
  EXPECT_EQ(CurrentRowFor(true, first, 11, start - 3.0L / 1440), -1);
}

TEST(Angles, TenthsHalvesToEvenAndOverTheTop) {
  EXPECT_EQ(RoundTenth(12.25L), 12.2L);
  EXPECT_EQ(RoundTenth(12.75L), 12.8L);
  orbit::Real az = 190, el = 30;
  ApplyOverTheTop(az, el);
  EXPECT_EQ(az, 10);
  EXPECT_EQ(el, 150);
  az = 180;
  el = 0;
  ApplyOverTheTop(az, el);
  EXPECT_EQ(az, 360);  // only sums above 360 wrap
  EXPECT_EQ(el, 180);
}

// The tick over a real pass of the sample file.
struct TickFixture {
  TickFixture() { ok = pass.SearchFrom(0, 0); }
  TickInput Input(bool inView) {
    TickInput in;
    in.explorerVisible = true;
    in.slotInView = inView;
    in.search = &pass.ctx;
    in.slot = pass.slot.get();
    in.rowTexts = &pass.rows;
    in.nowLocal = pass.Local();
    return in;
  }
  SamplePass pass;
  ControllerFixture f;
  RecordingReportSink sink;
  bool ok = false;
};

// The expected values come from scripts/reference_passes.py's formulas run on their own for
// this set, station and time: ISS from Paris, first pass 00:41-00:51 UTC on 21 January 2018;
// at 00:44:15 the satellite stands at azimuth 297.463, elevation 24.194; the table's Doppler
// factors of rows 2, 3 and 4 are 22237, 21028 and 17322 ppb, whose parabola at minute 3.25
// gives -0.09375 * 22237 + 0.9375 * 21028 + 0.15625 * 17322 = 20335.6.
TEST(Tick, InViewComputesCommandsReportsAndShowsDoppler) {
  TickFixture t;
  ASSERT_TRUE(t.ok);
  ASSERT_EQ(prediction::RowDateText(t.pass.slot->passStart), "21 JAN 2018  00:41");
  t.pass.slot->radio = Radio();
  t.pass.SetUtc(t.pass.slot->passStart + 3.25L / 1440);
  t.sink.tcpConnected = true;
  t.f.controller->SpeedButtonTrackClick({&t.pass.slot->rows, true, 0, 3});
  const TickOutput out = t.f.controller->Tick(t.Input(true), t.sink);
  ASSERT_TRUE(out.positionComputed);
  EXPECT_TRUE(t.f.controller->SatelliteVisible);
  EXPECT_EQ(out.currentRow, 3);
  EXPECT_TRUE(out.highlightRow);
  EXPECT_EQ(out.azimuth, 2975 / 10.0L);  // tenths, as the tick rounds them
  EXPECT_EQ(out.elevation, 242 / 10.0L);
  ASSERT_EQ(t.f.Link(Interface::Gs232).writes.size(), 1u);
  EXPECT_EQ(t.f.Link(Interface::Gs232).writes[0], "W298 024\r");  // 297.5 to even
  EXPECT_EQ(out.dopplerFactor, 20336);
  // Mode U (row letters are blank without a schedule): 20336 ppb of 437.5 MHz is 8897 Hz.
  EXPECT_EQ(out.dopplerText, QStringLiteral("8897"));
  EXPECT_EQ(out.txDopplerText, QStringLiteral("0"));
  // The range rate is -20336e-9 times the speed of light, 299792.458 km/s.
  ASSERT_EQ(t.sink.tcpLines.size(), 1);
  EXPECT_EQ(t.sink.tcpLines[0],
            QStringLiteral("ISS (ZARYA) AZ:297.5 EL:24.2 RR:-6.096579425888 AH:Y"));
  EXPECT_EQ(out.modeLetter, 'U');
  EXPECT_EQ(QString(out.rxLabel).replace(QLatin1Char(','), QLatin1Char('.')),
            QStringLiteral("F.RX=437.5 MHz FM"));
}

TEST(Tick, BusyComputationSkipsTheSecond) {
  TickFixture t;
  ASSERT_TRUE(t.ok);
  t.pass.SetUtc(t.pass.slot->passStart + 3.5L / 1440);
  t.f.controller->SpeedButtonTrackClick({&t.pass.slot->rows, true, 0, 3});
  t.pass.ctx.busy = true;
  t.sink.tcpConnected = true;
  const TickOutput out = t.f.controller->Tick(t.Input(true), t.sink);
  EXPECT_FALSE(out.positionComputed);
  EXPECT_TRUE(out.visibilityText.contains(QStringLiteral("visible")));
  EXPECT_TRUE(t.f.Link(Interface::Gs232).writes.empty());
  EXPECT_TRUE(t.sink.tcpLines.isEmpty());
  EXPECT_TRUE(out.elevationText.isEmpty());  // the displays keep their values
}

TEST(Tick, NotInViewShowsHashesAndSendsTheAosLineOnce) {
  TickFixture t;
  ASSERT_TRUE(t.ok);
  t.pass.SetUtc(t.pass.slot->passStart - 10.0L / 1440);
  t.sink.tcpConnected = true;
  t.sink.ddeOpen = true;
  TickOutput out = t.f.controller->Tick(t.Input(false), t.sink);
  EXPECT_FALSE(t.f.controller->SatelliteVisible);
  EXPECT_EQ(out.visibilityText, QStringLiteral("Satellite is currently not visible"));
  EXPECT_EQ(out.elevationText, QStringLiteral("####"));
  EXPECT_EQ(out.dopplerText, QStringLiteral("####"));
  EXPECT_EQ(out.currentRow, -1);
  const auto& rows = t.pass.slot->rows;
  const QString expected = AosReportLine(QStringLiteral("ISS (ZARYA)"), rows.azimuth[0],
                                         rows.elevation[0], rows.doppler[0]);
  EXPECT_EQ(t.sink.tcpLines, QStringList{expected});
  EXPECT_TRUE(t.f.controller->AhnSent);
  t.f.controller->Tick(t.Input(false), t.sink);
  EXPECT_EQ(t.sink.tcpLines.size(), 1);
  EXPECT_EQ(t.sink.ddeItems.size(), 1);
  // A rebuilt explorer may send it again.
  t.f.controller->BeforeExplorerRebuild(false);
  t.f.controller->Tick(t.Input(false), t.sink);
  EXPECT_EQ(t.sink.tcpLines.size(), 2);
}

TEST(Tick, QuittingDoesNothing) {
  TickFixture t;
  ASSERT_TRUE(t.ok);
  t.pass.SetUtc(t.pass.slot->passStart + 2.0L / 1440);
  t.f.controller->Quitting = true;
  t.sink.tcpConnected = true;
  const TickOutput out = t.f.controller->Tick(t.Input(true), t.sink);
  EXPECT_FALSE(out.positionComputed);
  EXPECT_TRUE(out.visibilityText.isEmpty());
  EXPECT_TRUE(t.sink.tcpLines.isEmpty());
}

}  // namespace
}  // namespace tracking
