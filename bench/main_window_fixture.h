#pragma once

// The main window for the benchmarks, as the widget tests build it: offscreen platform,
// test clock, recording sounds, dialogs and rotator transports, a temporary program folder
// with the sample elements and a station in Paris.

#include <QApplication>
#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>
#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "base/ansi_text.h"
#include "base/clock.h"
#include "base/sounds.h"
#include "tracking/recording_links.h"
#include "tracking/rotator_sender.h"
#include "tracking/tick_steps.h"
#include "tracking/tracking_controller.h"

namespace bench {

// 2018-01-21 12:00 local (UTC + 1): near the epochs of the sample element file.
inline double SampleNow() { return base::DateTimeValue(2018, 1, 21, 12, 0, 0); }

// Catalogue numbers of the sets of the sample file, every `every`-th from `first`.
inline QStringList SampleNumbers(int count, int first = 0, int every = 1) {
  std::vector<std::string> lines;
  base::ReadRawLines(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"), &lines);
  QStringList numbers;
  int index = 0;
  for (const std::string& line : lines) {
    if (line.size() < 69 || line.rfind("1 ", 0) != 0) continue;
    if (index >= first && (index - first) % every == 0)
      numbers.append(QString::fromStdString(line.substr(2, 5)));
    ++index;
    if (numbers.size() == count) break;
  }
  return numbers;
}

// Writes the sample elements and a settings file (Paris, group 1 = `numbers`) into `folder`.
inline bool PrepareFolder(const QString& folder, const QStringList& numbers,
                          const QStringList& extra = {}) {
  const QString elements = folder + QStringLiteral("/amateur.txt");
  QFile::remove(elements);
  if (!QFile::copy(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"), elements)) return false;
  QStringList selection = numbers;
  while (selection.size() < 15) selection.append(QString());
  QStringList lines = {QStringLiteral("[ORVANE]"),
                       QStringLiteral("VERSION=3.8.4"),
                       QStringLiteral("QRA_LOCATOR=JN18DU"),
                       QStringLiteral("LATTITUDE=N48.854"),
                       QStringLiteral("LONGITUDE=E2.292"),
                       QStringLiteral("ALTITUDE=35"),
                       QStringLiteral("LOCAL-UTC=1"),
                       QStringLiteral("GROUP1=G1 - Amateur,") + selection.join(QLatin1Char(',')),
                       QStringLiteral("ACTIVE_GROUP=1"),
                       QStringLiteral("PATHNAME_G1=") + elements};
  lines.append(extra);
  return base::WriteAnsiLines(folder + QStringLiteral("/Orvane.ini"), lines);
}

struct MainWindow {
  MainWindow() { clock.Set(SampleNow()); }

  app::TForm1& Start() {
    app::Form1Environment environment;
    environment.clock = &clock;
    environment.sounds = &sounds;
    environment.dialogs = &dialogs;
    environment.programFolder = folder.path();
    environment.terminate = [] {};
    tracking::RotatorBank::Links links;
    for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
    links.arswin = &arswin;
    links.launcher = &launcher;
    bank = std::make_unique<tracking::RotatorBank>(links, [](int) {});
    environment.rotatorBank = bank.get();
    environment.serialPorts = QStringList{QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
    environment.reportSink = &reports;
    form = std::make_unique<app::TForm1>(std::move(environment));
    form->WindowsReady = true;
    if (!form->isVisible()) form->show();
    return *form;
  }

  // Fifteen satellites, ISS first and shown in the explorer, a GS-232 on ttyS0 tracking it
  // (resumed after each pass) and a TCP client listening; the clock a minute before AOS.
  app::TForm1& StartTracking() {
    QStringList numbers = {QStringLiteral("25544")};
    numbers.append(SampleNumbers(14, 3, 7));
    PrepareFolder(folder.path(), numbers,
                  {QStringLiteral("PREVIEW=OFF"), QStringLiteral("ANT=GS232"),
                   QStringLiteral("PORT_GS232=S0"), QStringLiteral("TRACK_NOSTOP=YES")});
    reports.tcpConnected = true;
    app::TForm1& f = Start();
    f.TimerFinCreateTimer();
    const double aos = static_cast<double>(f.Slots()[0].passStart);
    clock.Set(aos + 1.0 / 24 - 60.0 / 86400);
    f.MenuInitialisation->trigger();
    f.BitBtn_OK_Location->click();
    f.ShowSlot(1);
    f.SpeedButtonTrack->click();
    return f;
  }

  // One second of the main loop.
  void Tick() {
    clock.AdvanceSeconds(1);
    form->TimersecondeTimer();
  }

  // What the recording doubles kept (the real transports keep nothing).
  void ForgetRecords() {
    for (auto& s : serial) s.Clear();
    reports.tcpLines.clear();
    reports.ddeItems.clear();
    sounds.calls.clear();
  }

  bool TrackingOn() { return form->Tracking().TrackingActive; }

  QTemporaryDir folder;
  base::TestClock clock;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  std::array<tracking::RecordingSerialLink, 6> serial;
  tracking::RecordingArswin arswin;
  tracking::RecordingLauncher launcher;
  std::unique_ptr<tracking::RotatorBank> bank;
  tracking::RecordingReportSink reports;
  std::unique_ptr<app::TForm1> form;
};

// Resident memory of this process in MB (/proc/self/statm).
double ResidentMegabytes();

}  // namespace bench
