#pragma once

// Hamlib's dummy daemons (rotctld -m 1, rigctld -m 1) on a free loopback port, a blocking
// client to read them back, and a tracking controller whose rotator is the daemon.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <array>
#include <memory>

#include "base/sounds.h"
#include "tracking/hamlib_link.h"
#include "tracking/recording_links.h"
#include "tracking/tracking_controller.h"

namespace tracking::testing {

inline int FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

// Runs the event loop for up to `ms` or until `done` holds.
template <typename Done>
bool SpinUntil(Done done, int ms = 3000) {
  QElapsedTimer t;
  t.start();
  while (!done()) {
    if (t.elapsed() > ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(2);
  }
  return true;
}

class Daemon {
 public:
  explicit Daemon(const QString& program) : port_(FreeLoopbackPort()) {
    process_.setProgram(program);
    process_.setArguments({QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                           QStringLiteral("127.0.0.1"), QStringLiteral("-t"),
                           QString::number(port_)});
    process_.start();
    if (!process_.waitForStarted(3000)) return;
    // Ready once it accepts a connection.
    for (int k = 0; k < 100 && !ready_; ++k) {
      QTcpSocket probe;
      probe.connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port_));
      ready_ = probe.waitForConnected(200);
      if (!ready_) QThread::msleep(50);
    }
  }
  ~Daemon() { Kill(); }
  bool ready() const { return ready_; }
  int port() const { return port_; }
  void Kill() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(3000);
  }
  // One command and the `lines` lines of its reply (the test may wait; the program never).
  QStringList Ask(const QString& command, int lines) {
    if (!client_) {
      client_ = std::make_unique<QTcpSocket>();
      client_->connectToHost(QStringLiteral("127.0.0.1"), static_cast<quint16>(port_));
      if (!client_->waitForConnected(2000)) return {};
    }
    client_->write((command + QLatin1Char('\n')).toLatin1());
    QStringList reply;
    while (reply.size() < lines) {
      if (!client_->canReadLine() && !client_->waitForReadyRead(2000)) break;
      while (client_->canReadLine() && reply.size() < lines)
        reply.append(QString::fromLatin1(client_->readLine()).trimmed());
    }
    return reply;
  }

 private:
  int port_;
  QProcess process_;
  bool ready_ = false;
  std::unique_ptr<QTcpSocket> client_;
};

// Tracking with the rotator daemon selected, everything else recorded.
struct RotctldController {
  RotctldController(int port, HamlibLink::MsClock clock = {}) : link(std::move(clock)) {
    RotatorBank::Links links;
    for (std::size_t i = 0; i < serial.size(); ++i) links.serial[i] = &serial[i];
    links.arswin = &arswin;
    links.launcher = &launcher;
    links.hamlib = &link;
    bank = std::make_unique<RotatorBank>(links, [](int) {});
    setup.selected = Interface::Rotctld;
    setup.configs[Interface::Rotctld].daemonHost = QStringLiteral("127.0.0.1");
    setup.configs[Interface::Rotctld].daemonPort = port;
    TrackingHost host;
    host.sounds = &sounds;
    host.dialogs = &dialogs;
    controller = std::make_unique<TrackingController>(*bank, state, setup, printer, host);
  }
  HamlibLink link;
  std::array<RecordingSerialLink, 6> serial;
  RecordingArswin arswin;
  RecordingLauncher launcher;
  std::unique_ptr<RotatorBank> bank;
  CommandState state;
  AntennaSetup setup;
  NoPrinterPortSenders printer;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  std::unique_ptr<TrackingController> controller;
};

}  // namespace tracking::testing
