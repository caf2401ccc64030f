// A serial port whose device takes nothing more: a pseudo-terminal whose other end never
// reads, its buffer filled. Commands to it must fail at once instead of stalling the tick.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QSerialPort>

#include <cerrno>

#include "base/sounds.h"
#include "pass_run.h"
#include "tracking/recording_links.h"
#include "tracking/rotator_sender.h"
#include "tracking/serial_link.h"
#include "tracking/tracking_controller.h"

namespace tracking {
namespace {

// A pty pair; nobody ever reads the controller's end.
class StuckPty {
 public:
  StuckPty() {
    char name[128] = {};
    ok_ = ::openpty(&master_, &slave_, name, nullptr, nullptr) == 0;
    path_ = QString::fromLocal8Bit(name);
  }
  ~StuckPty() {
    if (ok_) {
      ::close(master_);
      ::close(slave_);
    }
  }
  bool ok() const { return ok_; }
  const QString& path() const { return path_; }
  // Writes on the program's side until the system buffer refuses more.
  std::size_t Fill() {
    const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) return 0;
    const std::string chunk(64, 'x');
    std::size_t total = 0;
    // The system moves bytes on between its buffers a moment later: full means it still
    // takes nothing after a pause.
    for (int refused = 0; refused < 3;) {
      const ssize_t n = ::write(fd, chunk.data(), chunk.size());
      if (n > 0) {
        total += static_cast<std::size_t>(n);
        refused = 0;
        continue;
      }
      ++refused;
      ::usleep(20000);
    }
    ::close(fd);
    return total;
  }
  termios Attributes() const {
    termios t{};
    ::tcgetattr(slave_, &t);
    return t;
  }

 private:
  bool ok_ = false;
  int master_ = -1;
  int slave_ = -1;
  QString path_;
};

TEST(StuckPort, AWriteTheDeviceDoesNotTakeFailsAtOnceAndIsDropped) {
  StuckPty pty;
  ASSERT_TRUE(pty.ok());
  SerialLink link;
  ASSERT_TRUE(link.Open(pty.path(), 9600));
  EXPECT_TRUE(link.Write("W100 010\r"));  // room left: it goes
  ASSERT_GT(pty.Fill(), 1000u);
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(link.Write("W101 010\r"));
  EXPECT_FALSE(link.Write("W102 010\r"));
  EXPECT_LT(timer.elapsed(), 500);  // a wait for the device took 5 s per write
  EXPECT_EQ(link.Port().bytesToWrite(), 0);  // nothing left to go out late

  // The sender reports the port, and counts nothing as sent.
  RotatorSender sender(Interface::Gs232, link, [](int) {});
  CommandState state;
  state.TargetAz = 200;
  state.TargetEl = 20;
  RotatorOptions shown;
  shown.showCommands = true;
  RotatorConfig config;
  config.portName = pty.path();
  const SendOutcome outcome = sender.Send(state, config, shown);
  EXPECT_EQ(outcome.status, SendStatus::PortError);
  EXPECT_TRUE(outcome.stopTracking);
  EXPECT_EQ(outcome.message, QStringLiteral("GS232 ") + pty.path() + QStringLiteral(" error"));
  EXPECT_TRUE(outcome.displayText.isEmpty());
  EXPECT_EQ(state.LastSentAz, CommandState::kNothingSent);
  EXPECT_LT(timer.elapsed(), 1000);
}

TEST(StuckPort, AMinuteOfTrackingNeverStallsATickAndStopsWithTheMessage) {
  StuckPty pty;
  ASSERT_TRUE(pty.ok());
  testing::SamplePass pass;
  ASSERT_TRUE(pass.SearchFrom(0, 0));

  std::array<SerialLink, 6> links;
  RotatorBank::Links l;
  for (std::size_t i = 0; i < links.size(); ++i) l.serial[i] = &links[i];
  RecordingArswin arswin;
  RecordingLauncher launcher;
  l.arswin = &arswin;
  l.launcher = &launcher;
  RotatorBank bank(l, [](int) {});
  CommandState state;
  AntennaSetup setup;
  setup.selected = Interface::Gs232;
  setup.configs[Interface::Gs232].portName = pty.path();
  NoPrinterPortSenders printer;
  base::RecordingSounds sounds;
  base::RecordingDialogs dialogs;
  TrackingHost host;
  host.sounds = &sounds;
  host.dialogs = &dialogs;
  TrackingController controller(bank, state, setup, printer, host);
  RecordingReportSink sink;

  const orbit::Real aos = pass.slot->passStart;
  pass.SetUtc(aos - 60 / 86400.0L);
  controller.SpeedButtonTrackClick({&pass.slot->rows, false, 0, -1});  // pre-positions
  ASSERT_TRUE(controller.TrackingActive);
  ASSERT_TRUE(links[0].IsOpen());
  ASSERT_GT(pty.Fill(), 1000u);  // from now on the device takes nothing

  qint64 slowest = 0;
  int slowTicks = 0;
  for (int s = 0; s < 60; ++s) {
    pass.SetUtc(aos + s / 86400.0L);
    TickInput in;
    in.explorerVisible = true;
    in.slotInView = true;
    in.search = &pass.ctx;
    in.slot = pass.slot.get();
    in.rowTexts = &pass.rows;
    in.nowLocal = pass.Local();
    QElapsedTimer tick;
    tick.start();
    const TickOutput out = controller.Tick(in, sink);
    slowest = std::max(slowest, tick.elapsed());
    if (tick.elapsed() >= 10) ++slowTicks;
    EXPECT_TRUE(out.positionComputed) << s;  // the tick goes on
  }
  // Each tick takes well under 10 ms; the bound is generous for a busy machine, and a wait
  // on the device (5 s a write before) cannot hide in it.
  EXPECT_LE(slowTicks, 3);
  EXPECT_LT(slowest, 100);
  EXPECT_FALSE(controller.TrackingActive);
  EXPECT_EQ(dialogs.warnings, QStringList{QStringLiteral("GS232 ") + pty.path() + QStringLiteral(" error")});
  EXPECT_EQ(sounds.Count(QStringLiteral("beep")), 1);
  EXPECT_FALSE(links[0].IsOpen());  // the stop closed it, without waiting either
}

TEST(SerialPortSettings, EightNoneOneNoFlowControlAtTheChosenSpeed) {
  StuckPty pty;
  ASSERT_TRUE(pty.ok());
  SerialLink link;
  ASSERT_TRUE(link.Open(pty.path(), 4800));
  const QSerialPort& port = link.Port();
  EXPECT_EQ(port.baudRate(), 4800);
  EXPECT_EQ(port.dataBits(), QSerialPort::Data8);
  EXPECT_EQ(port.parity(), QSerialPort::NoParity);
  EXPECT_EQ(port.stopBits(), QSerialPort::OneStop);
  EXPECT_EQ(port.flowControl(), QSerialPort::NoFlowControl);
  // What the system holds for the line, read back on our own descriptor.
  const termios t = pty.Attributes();
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(t.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
  EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
  EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B4800));
  link.SetBaudRate(9600);
  const termios after = pty.Attributes();
  EXPECT_EQ(cfgetospeed(&after), static_cast<speed_t>(B9600));
}

}  // namespace
}  // namespace tracking
