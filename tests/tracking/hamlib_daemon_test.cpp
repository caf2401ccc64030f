// The Hamlib daemons for real: a pass tracked on rotctld's dummy rotator, read back with
// "p"; the daemon killed mid-pass; a server that never answers; rigctld's dummy radio
// tuned for Doppler and read back with "f" and "i".
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTcpServer>

#include <cmath>

#include "hamlib_fixture.h"
#include "pass_run.h"
#include "tracking/rigctld_tuner.h"

namespace tracking {
namespace {

using testing::Daemon;
using testing::RotctldController;
using testing::SamplePass;
using testing::SpinUntil;

TickInput InputFor(SamplePass& pass) {
  TickInput in;
  in.explorerVisible = true;
  in.slotInView = testing::SlotInView(pass, pass.Utc());
  in.search = &pass.ctx;
  in.slot = pass.slot.get();
  in.rowTexts = &pass.rows;
  in.nowLocal = pass.Local();
  return in;
}

double Tenth(long double x) { return std::nearbyint(static_cast<double>(x) * 10) / 10; }

TEST(RotctldDaemon, FollowsThePassInTenthsThenStopsTrackingWhenTheDaemonDies) {
  Daemon rotctld(QStringLiteral("rotctld"));
  ASSERT_TRUE(rotctld.ready()) << "rotctld (libhamlib-utils) did not start";
  SamplePass pass;
  ASSERT_TRUE(pass.SearchFrom(0, 0));
  RotctldController r(rotctld.port());
  RecordingReportSink sink;

  const orbit::Real aos = pass.slot->passStart;
  pass.SetUtc(aos - 60 / 86400.0L);
  r.controller->SpeedButtonTrackClick({&pass.slot->rows, false, 0, -1});
  ASSERT_TRUE(r.controller->TrackingActive);
  int s = -60;
  for (; s <= 150; ++s) {
    pass.SetUtc(aos + s / 86400.0L);
    r.controller->Tick(InputFor(pass), sink);
    QCoreApplication::processEvents();
  }
  ASSERT_TRUE(r.controller->SatelliteVisible);
  // Every command answered "RPRT 0".
  ASSERT_TRUE(SpinUntil([&] { return r.link.Pending() == 0; })) << r.link.Pending();
  EXPECT_FALSE(r.link.Fault().has_value());
  EXPECT_TRUE(r.dialogs.warnings.isEmpty());

  // The dummy slews a few degrees a second: poll until it reaches the last target.
  const double wantAz = Tenth(r.state.LastSentAz);
  const double wantEl = Tenth(r.state.LastSentEl);
  double az = -1, el = -1;
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 90000) {
    const QStringList p = rotctld.Ask(QStringLiteral("p"), 2);
    ASSERT_EQ(p.size(), 2);
    az = p[0].toDouble();
    el = p[1].toDouble();
    if (std::fabs(az - wantAz) < 0.05 && std::fabs(el - wantEl) < 0.05) break;
    QThread::msleep(250);
  }
  EXPECT_NEAR(az, wantAz, 0.05);
  EXPECT_NEAR(el, wantEl, 0.05);
  EXPECT_GT(wantEl, 0.0);  // a real position of the pass, not the parked 0/0

  rotctld.Kill();
  const QString expected = QStringLiteral("rotctld 127.0.0.1:%1 error (").arg(rotctld.port());
  bool stopped = false;
  for (int k = 0; k < 10 && !stopped; ++k, ++s) {
    pass.SetUtc(aos + s / 86400.0L);
    SpinUntil([] { return false; }, 50);
    const TickOutput out = r.controller->Tick(InputFor(pass), sink);
    EXPECT_TRUE(out.positionComputed);
    stopped = !r.controller->TrackingActive;
  }
  EXPECT_TRUE(stopped);
  ASSERT_EQ(r.dialogs.warnings.size(), 1);
  EXPECT_TRUE(r.dialogs.warnings[0].startsWith(expected)) << r.dialogs.warnings[0].toStdString();
  EXPECT_TRUE(r.dialogs.warnings[0].endsWith(QLatin1Char(')')));
  // The tick goes on without the daemon and without more boxes.
  pass.SetUtc(aos + (s + 1) / 86400.0L);
  EXPECT_TRUE(r.controller->Tick(InputFor(pass), sink).positionComputed);
  EXPECT_EQ(r.dialogs.warnings.size(), 1);
}

// A counterpart that takes the connection and never says a word.
struct SilentServer {
  SilentServer() {
    listening = server.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
      while (QTcpSocket* c = server.nextPendingConnection()) {
        c->setParent(&server);
        if (!reply.isEmpty())
          QObject::connect(c, &QTcpSocket::readyRead, c, [this, c] {
            c->readAll();
            c->write(reply);
          });
      }
    });
  }
  QTcpServer server;
  QByteArray reply;  // empty: never answers
  bool listening = false;
};

TEST(RotctldDaemon, SilentServerNeverSlowsTheTickAndFaultsAfterTheReplyLimit) {
  SilentServer silent;
  ASSERT_TRUE(silent.listening);
  qint64 fakeMs = 1000;
  RotctldController r(silent.server.serverPort(), [&] { return fakeMs; });
  SamplePass pass;
  ASSERT_TRUE(pass.SearchFrom(0, 0));
  RecordingReportSink sink;
  const orbit::Real aos = pass.slot->passStart;
  pass.SetUtc(aos + 30 / 86400.0L);
  r.controller->SpeedButtonTrackClick({&pass.slot->rows, true, 0, 0});
  ASSERT_TRUE(r.controller->TrackingActive);
  QElapsedTimer slowest;
  qint64 worst = 0;
  for (int s = 31; s < 60 && r.controller->TrackingActive; ++s) {
    pass.SetUtc(aos + s / 86400.0L);
    fakeMs += 100;  // 0.1 s between ticks: under the 3 s limit for a while
    slowest.start();
    r.controller->Tick(InputFor(pass), sink);
    worst = std::max(worst, slowest.elapsed());
    SpinUntil([] { return false; }, 5);
  }
  EXPECT_LE(worst, 10);
  EXPECT_TRUE(r.dialogs.warnings.isEmpty());  // 2.9 s without a reply is still fine
  EXPECT_TRUE(r.controller->TrackingActive);
  EXPECT_GT(r.link.Pending(), 0);
  fakeMs += 3000;
  pass.SetUtc(aos + 61 / 86400.0L);
  slowest.start();
  r.controller->Tick(InputFor(pass), sink);
  EXPECT_LE(slowest.elapsed(), 10);
  EXPECT_FALSE(r.controller->TrackingActive);
  ASSERT_EQ(r.dialogs.warnings.size(), 1);
  EXPECT_EQ(r.dialogs.warnings[0],
            QStringLiteral("rotctld 127.0.0.1:%1 error (no reply within 3 s)")
                .arg(silent.server.serverPort()));
}

TEST(RotctldDaemon, ErrorReplyAndRefusedConnectionStopTracking) {
  SilentServer grumpy;
  grumpy.reply = "RPRT -1\n";
  ASSERT_TRUE(grumpy.listening);
  SamplePass pass;
  ASSERT_TRUE(pass.SearchFrom(0, 0));
  RecordingReportSink sink;
  const orbit::Real aos = pass.slot->passStart;

  RotctldController r(grumpy.server.serverPort());
  pass.SetUtc(aos + 30 / 86400.0L);
  r.controller->SpeedButtonTrackClick({&pass.slot->rows, true, 0, 0});
  r.controller->Tick(InputFor(pass), sink);  // the first position goes out
  ASSERT_TRUE(SpinUntil([&] { return r.link.Fault().has_value(); }));
  r.controller->Tick(InputFor(pass), sink);
  EXPECT_FALSE(r.controller->TrackingActive);
  ASSERT_EQ(r.dialogs.warnings.size(), 1);
  EXPECT_TRUE(r.dialogs.warnings[0].endsWith(QStringLiteral("error (RPRT -1)")));
  EXPECT_EQ(r.sounds.Count(QStringLiteral("beep")), 1);
  // Tracking again starts afresh: the old fault is gone with the closed connection.
  EXPECT_FALSE(r.link.Fault().has_value());

  const int nobody = testing::FreeLoopbackPort();
  RotctldController refused(nobody);
  refused.controller->SpeedButtonTrackClick({&pass.slot->rows, true, 0, 0});
  refused.controller->Tick(InputFor(pass), sink);
  // Refused at once or on a later tick: either way tracking stops with the message.
  for (int k = 0; k < 20 && refused.controller->TrackingActive; ++k) {
    SpinUntil([] { return false; }, 20);
    refused.controller->Tick(InputFor(pass), sink);
  }
  EXPECT_FALSE(refused.controller->TrackingActive);
  ASSERT_EQ(refused.dialogs.warnings.size(), 1);
  EXPECT_TRUE(refused.dialogs.warnings[0].startsWith(
      QStringLiteral("rotctld 127.0.0.1:%1 error (").arg(nobody)));
}

TEST(RigctldDaemon, TunesReceiveAndTransmitByTheStepAndReportsALostDaemon) {
  auto rigctld = std::make_unique<Daemon>(QStringLiteral("rigctld"));
  ASSERT_TRUE(rigctld->ready()) << "rigctld (libhamlib-utils) did not start";
  HamlibLink link;
  RigctldTuner tuner(link);
  RigSettings rig;
  rig.enabled = true;
  rig.port = rigctld->port();
  rig.stepHz = 10;

  tuner.Update(rig, {145800146, 434999565});
  ASSERT_TRUE(SpinUntil([&] { return link.Pending() == 0 && link.IsOpen(); }));
  EXPECT_EQ(rigctld->Ask(QStringLiteral("f"), 1), QStringList{QStringLiteral("145800146")});
  EXPECT_EQ(rigctld->Ask(QStringLiteral("i"), 1), QStringList{QStringLiteral("434999565")});

  // 8 Hz on receive is inside the step; 25 Hz on transmit is not.
  tuner.Update(rig, {145800154, 434999540});
  ASSERT_TRUE(SpinUntil([&] { return link.Pending() == 0; }));
  EXPECT_EQ(rigctld->Ask(QStringLiteral("f"), 1), QStringList{QStringLiteral("145800146")});
  EXPECT_EQ(rigctld->Ask(QStringLiteral("i"), 1), QStringList{QStringLiteral("434999540")});
  EXPECT_EQ(tuner.Sent().rxHz, 145800146);
  EXPECT_TRUE(tuner.Status().isEmpty());

  // LOS: the connection ends; the next pass sends both frequencies again.
  tuner.Stop();
  EXPECT_FALSE(link.IsOpen());
  tuner.Update(rig, {145800150, 0});
  ASSERT_TRUE(SpinUntil([&] { return link.Pending() == 0 && link.IsOpen(); }));
  EXPECT_EQ(rigctld->Ask(QStringLiteral("f"), 1), QStringList{QStringLiteral("145800150")});

  rigctld.reset();  // the daemon goes away
  ASSERT_TRUE(SpinUntil([&] { return link.Fault().has_value(); }));
  tuner.Update(rig, {145800500, 0});
  EXPECT_TRUE(tuner.Status().startsWith(QStringLiteral("rigctld 127.0.0.1:%1 error (").arg(rig.port)))
      << tuner.Status().toStdString();
}

}  // namespace
}  // namespace tracking
