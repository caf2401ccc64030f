// The line settings a rotator controller expects, read back from the device: speed, 8 data
// bits, no parity, one stop bit, no flow control (from the terminal attributes of the
// pseudo-terminal), DTR on and RTS off (from the modem-line requests the port makes, which a
// pseudo-terminal cannot hold: this program answers them like a serial card would).
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <QSerialPort>

#include <atomic>
#include <cstdarg>

#include "tracking/serial_link.h"

namespace {

// Modem lines of the emulated card while `gEmulating` is on; the kernel raises DTR and RTS
// when a serial device is opened.
std::atomic<bool> gEmulating{false};
std::atomic<int> gLines{TIOCM_DTR | TIOCM_RTS};

}  // namespace

// Every ioctl of the process passes here; the modem-line ones are answered while emulating.
extern "C" int ioctl(int fd, unsigned long request, ...) __THROW {
  va_list args;
  va_start(args, request);
  void* arg = va_arg(args, void*);
  va_end(args);
  if (gEmulating) {
    int* bits = static_cast<int*>(arg);
    switch (request) {
      case TIOCMGET:
        *bits = gLines;
        return 0;
      case TIOCMSET:
        gLines = *bits;
        return 0;
      case TIOCMBIS:
        gLines |= *bits;
        return 0;
      case TIOCMBIC:
        gLines &= ~*bits;
        return 0;
      default:
        break;
    }
  }
  using Real = int (*)(int, unsigned long, void*);
  static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "ioctl"));
  return real(fd, request, arg);
}

namespace tracking {
namespace {

class Pty {
 public:
  Pty() {
    char name[128] = {};
    ok_ = ::openpty(&master_, &slave_, name, nullptr, nullptr) == 0;
    path_ = QString::fromLocal8Bit(name);
    // Settings a previous user might have left: 7E2, hardware and software flow control.
    termios t{};
    if (ok_ && ::tcgetattr(slave_, &t) == 0) {
      t.c_cflag = (t.c_cflag & ~CSIZE) | CS7 | PARENB | CSTOPB | CRTSCTS;
      t.c_iflag |= IXON | IXOFF;
      cfsetspeed(&t, B1200);
      ::tcsetattr(slave_, TCSANOW, &t);
    }
  }
  ~Pty() {
    if (ok_) {
      ::close(master_);
      ::close(slave_);
    }
  }
  bool ok() const { return ok_; }
  const QString& path() const { return path_; }
  termios Attributes() const {
    termios t{};
    ::tcgetattr(slave_, &t);
    return t;
  }

 private:
  bool ok_ = false;
  int master_ = -1, slave_ = -1;
  QString path_;
};

void ExpectEightNoneOneWithoutFlowControl(const termios& t) {
  EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_EQ(t.c_cflag & PARENB, 0u);
  EXPECT_EQ(t.c_cflag & CSTOPB, 0u);
  EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
  EXPECT_EQ(t.c_iflag & (IXON | IXOFF), 0u);
}

TEST(SerialSettings, TheDeviceIsSetToTheSpeedAnd8N1WithoutFlowControl) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  SerialLink link;
  ASSERT_TRUE(link.Open(pty.path(), 4800));
  const termios t = pty.Attributes();
  EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B4800));
  EXPECT_EQ(cfgetispeed(&t), static_cast<speed_t>(B4800));
  ExpectEightNoneOneWithoutFlowControl(t);
  // The port object says the same.
  const QSerialPort& port = link.Port();
  EXPECT_EQ(port.baudRate(), 4800);
  EXPECT_EQ(port.dataBits(), QSerialPort::Data8);
  EXPECT_EQ(port.parity(), QSerialPort::NoParity);
  EXPECT_EQ(port.stopBits(), QSerialPort::OneStop);
  EXPECT_EQ(port.flowControl(), QSerialPort::NoFlowControl);

  // A new speed from the settings panel reaches the open device, the rest unchanged.
  link.SetBaudRate(9600);
  const termios u = pty.Attributes();
  EXPECT_EQ(cfgetospeed(&u), static_cast<speed_t>(B9600));
  ExpectEightNoneOneWithoutFlowControl(u);
  link.Close();
}

TEST(SerialSettings, DtrIsRaisedAndRtsDropped) {
  Pty pty;
  ASSERT_TRUE(pty.ok());
  SerialLink link;
  gLines = TIOCM_DTR | TIOCM_RTS;
  gEmulating = true;
  const bool opened = link.Open(pty.path(), 4800);
  const int lines = gLines;
  gEmulating = false;
  ASSERT_TRUE(opened);
  EXPECT_EQ(lines & TIOCM_DTR, TIOCM_DTR);
  EXPECT_EQ(lines & TIOCM_RTS, 0);

  // From both lines down (a card that does not raise them at open) the same.
  link.Close();
  gLines = 0;
  gEmulating = true;
  const bool again = link.Open(pty.path(), 4800);
  const int after = gLines;
  gEmulating = false;
  ASSERT_TRUE(again);
  EXPECT_EQ(after & (TIOCM_DTR | TIOCM_RTS), TIOCM_DTR);
  link.Close();
}

}  // namespace
}  // namespace tracking
