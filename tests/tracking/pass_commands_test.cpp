// The AOS and LOS commands of a pass tracked on the test clock: a small shell script run
// without a shell of ours writes its environment to a file; one that never ends is killed
// when the (injected) time limit passes, while the ticks go on.
#include <gtest/gtest.h>

#include <QTimeZone>

#include <QFile>
#include <QTemporaryDir>

#include "hamlib_fixture.h"
#include "pass_run.h"
#include "tracking/station_automation.h"

namespace tracking {
namespace {

using testing::SamplePass;
using testing::SpinUntil;

QString Script(const QTemporaryDir& dir, const QString& name, const QByteArray& body) {
  const QString path = dir.filePath(name);
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return {};
  f.write("#!/bin/sh\n" + body);
  f.close();
  f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return path;
}

QHash<QString, QString> ReadEnv(const QString& path) {
  QHash<QString, QString> env;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return env;
  for (const QByteArray& line : f.readAll().split('\n')) {
    const qsizetype eq = line.indexOf('=');
    if (eq > 0) env.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
  }
  return env;
}

struct PassWithCommands {
  PassWithCommands() : controller(testing::FreeLoopbackPort()) {
    controller.setup.selected = Interface::Kct;  // a rotator that needs no counterpart
  }
  // Tracking on before AOS, one tick a second to after LOS, automation after each tick.
  void Run(StationAutomation& automation, const PassCommandSettings& commands, int leadSeconds,
           const std::function<void()>& afterTick = {}) {
    const orbit::Real aos = pass.slot->passStart;
    const orbit::Real end = pass.slot->passEnd + 2.0L / 1440;
    pass.SetUtc(aos - leadSeconds / 86400.0L);
    controller.controller->SpeedButtonTrackClick(
        {&pass.slot->rows, testing::SlotInView(pass, pass.Utc()), 0, -1});
    for (int s = -leadSeconds; pass.Utc() < end; ++s) {
      pass.SetUtc(aos + s / 86400.0L);
      TickInput in;
      in.explorerVisible = true;
      in.slotInView = testing::SlotInView(pass, pass.Utc());
      in.search = &pass.ctx;
      in.slot = pass.slot.get();
      in.rowTexts = &pass.rows;
      in.nowLocal = pass.Local();
      const TickOutput out = controller.controller->Tick(in, sink);
      AutomationTick tick;
      tick.tracking = controller.controller->TrackingActive;
      tick.inView = out.satelliteVisible;
      tick.slot = pass.slot.get();
      tick.nowUtc = base::FromDateTimeValue(static_cast<double>(pass.Utc()));
      tick.nowUtc.setTimeZone(QTimeZone::utc());
      tick.azimuth = static_cast<double>(out.displayedAzimuth);
      automation.Tick(tick, {}, commands);
      if (afterTick) afterTick();
      ++ticks;
    }
  }
  SamplePass pass;
  testing::RotctldController controller;
  RecordingReportSink sink;
  int ticks = 0;
};

TEST(PassCommands, ScriptsAtAosAndLosSeeThePassInTheirEnvironment) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString script = Script(dir, QStringLiteral("env.sh"), "env > \"$1\"\n");
  PassWithCommands run;
  ASSERT_TRUE(run.pass.SearchFrom(0, 0));
  HamlibLink rigLink;
  PassCommandRunner runner;
  StationAutomation automation(rigLink, runner);
  PassCommandSettings commands;
  // Quoted argument with a blank: split like a command line, no shell in between.
  commands.aosCommand = script + QStringLiteral(" \"") + dir.filePath(QStringLiteral("a o s.txt")) + "\"";
  commands.losCommand = script + QLatin1Char(' ') + dir.filePath(QStringLiteral("los.txt"));
  run.Run(automation, commands, 60);
  ASSERT_TRUE(SpinUntil([&] { runner.Check(); return runner.Running() == 0; }, 5000));

  const prediction::PassSlot& slot = *run.pass.slot;
  const auto aos = ReadEnv(dir.filePath(QStringLiteral("a o s.txt")));
  const auto los = ReadEnv(dir.filePath(QStringLiteral("los.txt")));
  ASSERT_FALSE(aos.isEmpty());
  ASSERT_FALSE(los.isEmpty());
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_EVENT")), QStringLiteral("AOS"));
  EXPECT_EQ(los.value(QStringLiteral("ORVANE_EVENT")), QStringLiteral("LOS"));
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_SAT")), QStringLiteral("ISS (ZARYA)"));
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_NORAD")), QStringLiteral("25544"));
  const QDateTime aosTime = base::FromDateTimeValue(static_cast<double>(slot.passStart));
  const QDateTime losTime = base::FromDateTimeValue(static_cast<double>(slot.passEnd));
  const QString iso = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'");
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_AOS")), aosTime.toString(iso));
  EXPECT_EQ(los.value(QStringLiteral("ORVANE_LOS")), losTime.toString(iso));
  EXPECT_TRUE(aos.value(QStringLiteral("ORVANE_AOS")).endsWith(QLatin1Char('Z')));
  // The AOS command runs in the AOS second; LOS in the minute after the last row.
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_TIME")), aos.value(QStringLiteral("ORVANE_AOS")));
  EXPECT_EQ(los.value(QStringLiteral("ORVANE_TIME")),
            losTime.addSecs(60).toString(iso));
  int maxEl = 0;
  for (int k = 0; k < slot.rows.count; ++k) maxEl = std::max(maxEl, slot.rows.elevation[k]);
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_MAX_EL")), QString::number(maxEl) + QStringLiteral(".0"));
  EXPECT_EQ(aos.value(QStringLiteral("ORVANE_AOS_AZ")),
            QString::number(slot.rows.azimuth[0]) + QStringLiteral(".0"));
  EXPECT_EQ(los.value(QStringLiteral("ORVANE_LOS_AZ")),
            QString::number(slot.rows.azimuth[slot.rows.count - 1]) + QStringLiteral(".0"));
  EXPECT_FALSE(aos.value(QStringLiteral("ORVANE_AZ")).isEmpty());
  EXPECT_TRUE(aos.contains(QStringLiteral("PATH")));  // the program's own environment is kept
  EXPECT_TRUE(automation.Status().isEmpty());
}

TEST(PassCommands, NoAosWhenInViewAtStartAndAMissingProgramIsReportedOnce) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString script = Script(dir, QStringLiteral("mark.sh"), "echo \"$ORVANE_EVENT\" >> \"$1\"\n");
  PassWithCommands run;
  ASSERT_TRUE(run.pass.SearchFrom(0, 0));
  HamlibLink rigLink;
  PassCommandRunner runner;
  StationAutomation automation(rigLink, runner);
  PassCommandSettings commands;
  const QString marks = dir.filePath(QStringLiteral("marks.txt"));
  commands.aosCommand = script + QLatin1Char(' ') + marks;
  commands.losCommand = dir.filePath(QStringLiteral("no-such-program"));
  run.Run(automation, commands, -30);  // tracking starts 30 s into the pass
  SpinUntil([&] { runner.Check(); return runner.Running() == 0; }, 3000);
  QFile f(marks);
  EXPECT_FALSE(f.exists());  // no AOS command
  EXPECT_TRUE(automation.Status().contains(QStringLiteral("no-such-program")))
      << automation.Status().toStdString();
}

TEST(PassCommands, ACommandStillRunningAfterTheLimitIsKilledAndTheTickGoesOn) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString script = Script(dir, QStringLiteral("sleep.sh"), "exec sleep 1000\n");
  PassWithCommands run;
  ASSERT_TRUE(run.pass.SearchFrom(0, 0));
  qint64 fakeMs = 0;
  HamlibLink rigLink;
  PassCommandRunner runner([&] { return fakeMs; });
  StationAutomation automation(rigLink, runner);
  PassCommandSettings commands;
  commands.aosCommand = script;
  int runningAfterAos = 0;
  int maxRunning = 0;
  run.Run(automation, commands, 10, [&] {
    fakeMs += 1000;  // each tick one second of the runner's clock
    SpinUntil([] { return false; }, 2);
    maxRunning = std::max(maxRunning, runner.Running());
    if (runner.Running() > 0) ++runningAfterAos;
  });
  ASSERT_TRUE(SpinUntil([&] { runner.Check(); return runner.Running() == 0; }, 5000));
  EXPECT_EQ(maxRunning, 1);
  // Killed at the limit, not left to end the pass: 60 ticks, give or take the reaping.
  EXPECT_GE(runningAfterAos, 59);
  EXPECT_LE(runningAfterAos, 62);
  EXPECT_GT(run.ticks, 300);  // the pass went on to its end
}

}  // namespace
}  // namespace tracking
