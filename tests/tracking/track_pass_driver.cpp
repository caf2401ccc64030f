// Plays one pass of the sample element file through the tracking controller to a GS-232
// on a serial port, on a simulated clock that steps a second per tick (paced at `speed`
// simulated seconds per real second). A reader thread plays the controller on the other
// end of the line and logs every command with the simulated and the wall time.
//
//   track_pass_driver <rotator-port> <controller-port> [speed] [satellite]
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "base/wait.h"
#include "orbit/calendar.h"
#include "pass_run.h"
#include "tracking/recording_links.h"

namespace {

std::atomic<double> simulatedUtc{0};

std::string UtcText(double value) {
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(value + 0.5 / 86400);
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UTC", static_cast<int>(d.year),
                static_cast<int>(d.month), static_cast<int>(d.day), static_cast<int>(d.hour),
                static_cast<int>(d.minute), static_cast<int>(d.second));
  return text;
}

// Reads the controller end; one log line per CR-terminated command.
void ReadCommands(int fd, std::atomic<bool>& stop, std::chrono::steady_clock::time_point start) {
  std::string pending;
  while (!stop) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 20) <= 0) continue;
    char buffer[256];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n <= 0) continue;
    pending.append(buffer, static_cast<std::size_t>(n));
    std::size_t cr;
    while ((cr = pending.find('\r')) != std::string::npos) {
      const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      std::printf("reader  %s  wall +%8.3f s  \"%s\\r\"\n", UtcText(simulatedUtc).c_str(), wall,
                  pending.substr(0, cr).c_str());
      std::fflush(stdout);
      pending.erase(0, cr + 1);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s <rotator-port> <controller-port> [speed] [satellite]\n", argv[0]);
    return 2;
  }
  const QString rotatorPort = QString::fromLocal8Bit(argv[1]);
  const double speed = argc > 3 ? std::atof(argv[3]) : 1.0;
  const std::string name = argc > 4 ? argv[4] : "ISS (ZARYA)";

  tracking::testing::SamplePass pass(name);
  if (!pass.SearchFrom(0, 0)) {
    std::fprintf(stderr, "no pass of %s found in the sample file\n", name.c_str());
    return 1;
  }
  std::printf("pass of %s: AOS %s, LOS %s, %d rows\n", name.c_str(),
              UtcText(static_cast<double>(pass.slot->passStart)).c_str(),
              UtcText(static_cast<double>(pass.slot->passEnd)).c_str(), pass.slot->rows.count);

  const int fd = ::open(argv[2], O_RDONLY | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    std::perror("controller port");
    return 1;
  }
  std::atomic<bool> stop{false};
  const auto start = std::chrono::steady_clock::now();
  std::thread reader(ReadCommands, fd, std::ref(stop), start);

  tracking::RotatorBank bank;  // real serial ports, real pauses
  tracking::CommandState state;
  tracking::AntennaSetup setup;
  setup.selected = tracking::Interface::Gs232;
  setup.configs[tracking::Interface::Gs232].portName = rotatorPort;
  setup.configs[tracking::Interface::Gs232].baudRate = 4800;
  tracking::NoPrinterPortSenders printer;
  tracking::TrackingController controller(bank, state, setup, printer, {});
  tracking::RecordingReportSink sink;
  sink.tcpConnected = true;

  tracking::testing::PassRunOptions options;
  int ticks = 0;
  qsizetype reported = 0;
  options.afterTick = [&](orbit::Real utc) {
    simulatedUtc = static_cast<double>(utc);
    ++ticks;
    for (; reported < sink.tcpLines.size(); ++reported) {
      const QString& line = sink.tcpLines[reported];
      if (line.endsWith(QLatin1String("AH:N")) || ticks % 60 == 0) {
        std::printf("report  %s  %s\n", UtcText(static_cast<double>(utc)).c_str(),
                    line.toStdString().c_str());
      }
    }
    std::fflush(stdout);
    base::WaitMilliseconds(static_cast<int>(1000 / speed));
  };
  simulatedUtc = static_cast<double>(pass.slot->passStart - options.leadSeconds / 86400.0L);
  tracking::testing::RunPass(pass, controller, sink, options);
  std::printf("driver  %s  tracking stopped after %d ticks\n",
              UtcText(static_cast<double>(pass.Utc())).c_str(), ticks);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  stop = true;
  reader.join();
  ::close(fd);
  return 0;
}
