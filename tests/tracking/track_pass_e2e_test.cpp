// A whole pass end to end: the tracking controller drives a GS-232 over a real serial port
// (one end of a socat pty pair); the test plays the controller on the other end and
// compares every byte with the commands worked out here from the satellite's positions.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cmath>
#include <algorithm>
#include <cstdio>

#include "pass_run.h"
#include "pty_fixture.h"
#include "tracking/recording_links.h"
#include "tracking/rotator_sender.h"
#include "tracking/serial_link.h"

namespace tracking {
namespace {

using testing::Reader;
using testing::SamplePass;
using testing::SocatPair;

std::string Gs232(long double az, long double el) {
  long a = std::lround(std::nearbyint(static_cast<double>(az)));
  if (a < 0) a += 360;
  if (a >= 360) a -= 360;
  long e = std::lround(std::nearbyint(static_cast<double>(el)));
  if (e < 0) e = 0;
  if (e > 179) e = 179;
  char text[32];
  std::snprintf(text, sizeof text, "W%03ld %03ld\r", a, e);
  return text;
}

TEST(TrackPassEndToEnd, Gs232GetsPrePositionMovesByTheStepAndStop) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  SocatPair pair(dir.path());
  ASSERT_TRUE(pair.ready()) << "socat did not create the pseudo-terminal pair";
  Reader reader(pair.b());
  ASSERT_TRUE(reader.ok());

  SamplePass pass;
  ASSERT_TRUE(pass.SearchFrom(0, 0));
  ASSERT_GE(pass.slot->rows.count, 5);

  std::array<SerialLink, 6> links;
  RotatorBank::Links l;
  for (std::size_t i = 0; i < links.size(); ++i) l.serial[i] = &links[i];
  RecordingArswin arswin;
  RecordingLauncher launcher;
  l.arswin = &arswin;
  l.launcher = &launcher;
  RotatorBank bank(l, [](int) {});  // no pauses: the simulated clock runs ahead of the wall
  CommandState state;
  AntennaSetup setup;
  setup.selected = Interface::Gs232;
  setup.configs[Interface::Gs232].portName = pair.a();
  setup.configs[Interface::Gs232].baudRate = 4800;
  NoPrinterPortSenders printer;
  TrackingController controller(bank, state, setup, printer, {});
  RecordingReportSink sink;
  sink.tcpConnected = true;

  // The expected stream: the AOS row, then every second's position that moved by at
  // least 1° on one axis since the last command, then the stop.
  const auto& rows = pass.slot->rows;
  std::string expected = Gs232(rows.azimuth[0], rows.elevation[0]);
  long double lastAz = rows.azimuth[0], lastEl = rows.elevation[0];
  int inViewTicks = 0;
  testing::PassRunOptions options;
  options.afterTick = [&](orbit::Real utc) {
    if (!testing::SlotInView(pass, utc)) return;
    ++inViewTicks;
    prediction::SearchContext own = pass.ctx;
    prediction::LiveView live;
    ASSERT_TRUE(prediction::SearchPass(own, *pass.slot, prediction::SearchMode::RealTime, &live));
    const long double az = std::nearbyint(live.view.azimuth * 10) / 10;
    const long double el = std::nearbyint(live.view.elevation * 10) / 10;
    if (std::fabs(az - lastAz) >= 1 || std::fabs(el - lastEl) >= 1) {
      expected += Gs232(az, el);
      lastAz = az;
      lastEl = el;
    }
  };
  testing::RunPass(pass, controller, sink, options);
  expected += "S\r";

  EXPECT_EQ(reader.WaitForTail("S\r"), expected);
  EXPECT_FALSE(links[0].IsOpen());
  EXPECT_FALSE(controller.TrackingActive);
  EXPECT_EQ(inViewTicks, rows.count * 60);
  // One report a second in view, between the single AOS lines before and after it.
  ASSERT_EQ(sink.tcpLines.size(), static_cast<qsizetype>(inViewTicks) + 2);
  EXPECT_TRUE(sink.tcpLines.front().endsWith(QStringLiteral(" AH:N")));
  EXPECT_TRUE(sink.tcpLines[1].endsWith(QStringLiteral(" AH:Y")));
  EXPECT_TRUE(sink.tcpLines.back().endsWith(QStringLiteral(" AH:N")));
  // The commands really follow the pass: more than a handful, and the azimuth moved.
  EXPECT_GT(std::count(expected.begin(), expected.end(), '\r'), 10);
}

}  // namespace
}  // namespace tracking
