// The program's entry with the benchmark's doubles (test clock at the sample elements'
// dates, recording sounds and dialogs so that no box waits for a click), reading and
// writing the program folder given as its argument. Prints "ready <peak resident kB>" and
// ends as soon as the compact pass list is filled and the one-second timer runs (or, with
// a second argument, that many milliseconds later: time for a screenshot).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/form1.h"
#include "base/clock.h"
#include "base/sounds.h"
#include "bench/main_window_fixture.h"

namespace {

long PeakResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: startup_probe <program folder>\n");
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("ORVANE"));
  base::TestClock clock(bench::SampleNow());
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  app::Form1Environment environment;
  environment.clock = &clock;
  environment.sounds = &sounds;
  environment.dialogs = &dialogs;
  environment.programFolder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
  environment.terminate = [] { QCoreApplication::exit(0); };
  app::TForm1 form(std::move(environment));
  form.WindowsReady = true;
  if (!form.isVisible()) form.show();

  QTimer watch;
  watch.setInterval(1);
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (form.CompactListShowing() && form.Timerseconde->isActive()) {
      std::printf("ready %ld\n", PeakResidentKilobytes());
      std::fflush(stdout);
      watch.stop();
      QTimer::singleShot(argc > 2 ? std::atoi(argv[2]) : 0, [] { QCoreApplication::exit(0); });
    }
  });
  watch.start();
  return QApplication::exec();
}
