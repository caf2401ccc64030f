#include "tracking/port_io.h"

#include "base/wait.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include <fcntl.h>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define ORVANE_HAVE_IOPERM 1
#endif

namespace tracking {

namespace {

QString ReadSmallFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.read(64 * 1024));
}

int RawAccess(int base, bool on) {
#ifdef ORVANE_HAVE_IOPERM
  return ioperm(static_cast<unsigned long>(base), kPrinterPortRegisters, on ? 1 : 0) == 0 ? 0
                                                                                          : errno;
#else
  (void)base;
  (void)on;
  return ENOSYS;
#endif
}

// A claim shared with another driver waits while that driver is in the middle of a job on
// the port; the window must not. It runs on a helper thread and is given up after this
// long; the helper then releases and closes the device when its claim ends.
constexpr auto kSharedClaimWait = std::chrono::milliseconds(20);

struct PendingClaim {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  bool abandoned = false;
  int fd = -1;
  int error = 0;
};

int ClaimShared(const QByteArray& path) {
  auto pending = std::make_shared<PendingClaim>();
  try {
    std::thread([pending, path] {
      int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
      int error = fd < 0 ? errno : 0;
      if (fd >= 0 && ::ioctl(fd, PPCLAIM) != 0) {
        error = errno;
        ::close(fd);
        fd = -1;
      }
      std::lock_guard<std::mutex> lock(pending->mutex);
      if (pending->abandoned) {
        if (fd >= 0) {
          ::ioctl(fd, PPRELEASE);
          ::close(fd);
        }
        return;
      }
      pending->fd = fd;
      pending->error = error;
      pending->finished = true;
      pending->done.notify_one();
    }).detach();
  } catch (const std::system_error& e) {
    errno = e.code().value();
    return -1;
  }
  std::unique_lock<std::mutex> lock(pending->mutex);
  if (!pending->done.wait_for(lock, kSharedClaimWait, [&] { return pending->finished; })) {
    pending->abandoned = true;
    errno = EBUSY;
    return -1;
  }
  errno = pending->error;
  return pending->fd;
}

// Opens and claims a ppdev device, exclusively when no other driver shares the port (then
// the claim cannot wait on anybody), else shared with it. -1 and errno on failure.
int ClaimDevice(const QString& device) {
  const QByteArray path = QFile::encodeName(device);
  int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
  if (fd < 0) return -1;
  if (::ioctl(fd, PPEXCL) == 0 && ::ioctl(fd, PPCLAIM) == 0) return fd;
  ::close(fd);
  return ClaimShared(path);
}

}  // namespace

int ParseBaseAddr(const QString& text) {
  const QStringList fields = text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (fields.isEmpty()) return 0;
  bool ok = false;
  const uint value = fields.front().toUInt(&ok, 0);  // decimal, or 0x... should it come so
  if (!ok || value == 0 || value > 0xFFFF) return 0;
  return static_cast<int>(value);
}

int IoportsBase(const QString& listing, int number) {
  static const QRegularExpression line(
      QStringLiteral("^\\s*([0-9a-fA-F]+)-[0-9a-fA-F]+\\s*:\\s*parport(\\d+)\\s*$"),
      QRegularExpression::MultilineOption);
  auto it = line.globalMatch(listing);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    if (m.captured(2).toInt() != number) continue;
    bool ok = false;
    const uint value = m.captured(1).toUInt(&ok, 16);
    // Without root the listing shows zeros.
    if (ok && value > 0 && value <= 0xFFFF) return static_cast<int>(value);
  }
  return 0;
}

LinuxPortIo::LinuxPortIo(LinuxPortPaths paths) : paths_(std::move(paths)) {}

LinuxPortIo::~LinuxPortIo() {
  while (!open_.empty()) Disable(open_.begin()->first);
}

std::vector<PrinterPortDevice> LinuxPortIo::ListPrinterPorts() {
  static const QRegularExpression name(QStringLiteral("^parport(\\d+)$"));
  std::vector<PrinterPortDevice> devices;
  const QStringList entries =
      QDir(paths_.parportFolder).entryList({QStringLiteral("parport*")}, QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    const QRegularExpressionMatch m = name.match(entry);
    if (!m.hasMatch()) continue;
    PrinterPortDevice d;
    d.number = m.captured(1).toInt();
    d.baseAddress = ParseBaseAddr(ReadSmallFile(paths_.parportFolder + QLatin1Char('/') + entry +
                                                QStringLiteral("/base-addr")));
    d.device = paths_.deviceFolder + QLatin1Char('/') + entry;
    if (d.baseAddress != 0) devices.push_back(d);
  }
  std::sort(devices.begin(), devices.end(),
            [](const PrinterPortDevice& a, const PrinterPortDevice& b) { return a.number < b.number; });
  devices_ = devices;
  listed_ = true;
  return devices;
}

const PrinterPortDevice* LinuxPortIo::DeviceAt(int base) {
  if (!listed_) ListPrinterPorts();
  for (const PrinterPortDevice& d : devices_) {
    if (d.baseAddress == base) return &d;
  }
  return nullptr;
}

std::uint16_t LinuxPortIo::GetLPTPortAddress(int number) {
  if (number < 1) return 0;
  return static_cast<std::uint16_t>(IoportsBase(ReadSmallFile(paths_.ioportsFile), number - 1));
}

bool LinuxPortIo::CheckPortDriver() {
  static const QRegularExpression name(QStringLiteral("^parport\\d+$"));
  const QStringList entries =
      QDir(paths_.deviceFolder).entryList({QStringLiteral("parport*")}, QDir::System | QDir::Files);
  for (const QString& entry : entries) {
    if (!name.match(entry).hasMatch()) continue;
    const QByteArray path = QFile::encodeName(paths_.deviceFolder + QLatin1Char('/') + entry);
    const int fd = ::open(path.constData(), O_RDWR | O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
      return true;
    }
  }
  // Raw access: granting it writes nothing, and it is taken back at once.
  if (!listed_) ListPrinterPorts();
  const int probe = devices_.empty() ? 0x378 : devices_.front().baseAddress;
  if (RawAccess(probe, true) != 0) return false;
  RawAccess(probe, false);
  return true;
}

void LinuxPortIo::Fail(int error, const char* what) {
  lastError_ = error != 0 ? error : EIO;
  lastText_ = std::string(what) + ": " + std::strerror(lastError_);
}

void LinuxPortIo::Enable(int base) {
  if (base < kLowestPortAddress || base > 0xFFFF - (kPrinterPortRegisters - 1)) {
    Fail(EINVAL, "printer port address");
    return;
  }
  if (open_.count(base) != 0) return;
  int error = 0;
  if (const PrinterPortDevice* d = DeviceAt(base)) {
    const int fd = ClaimDevice(d->device);
    if (fd >= 0) {
      open_[base] = Access{fd};
      return;
    }
    error = errno;
  }
  const int raw = RawAccess(base, true);
  if (raw == 0) {
    open_[base] = Access{-1};
    return;
  }
  Fail(error != 0 ? error : raw, "printer port access");
}

void LinuxPortIo::Disable(int base) {
  const auto it = open_.find(base);
  if (it == open_.end()) return;
  if (it->second.fd >= 0) {
    ::ioctl(it->second.fd, PPRELEASE);
    ::close(it->second.fd);
  } else {
    RawAccess(base, false);
  }
  open_.erase(it);
}

void LinuxPortIo::EnablePorts(std::uint16_t first, std::uint16_t last) {
  Enable(first);
  if (last <= first) return;
  if (!listed_) ListPrinterPorts();
  for (const PrinterPortDevice& d : devices_) {
    if (d.baseAddress > first && d.baseAddress <= last) Enable(d.baseAddress);
  }
}

void LinuxPortIo::DisablePorts(std::uint16_t first, std::uint16_t last) {
  std::vector<int> bases;
  for (const auto& [base, access] : open_) {
    if (base >= first && base <= std::max(first, last)) bases.push_back(base);
  }
  for (int base : bases) Disable(base);
}

void LinuxPortIo::Outport(std::uint16_t address, std::uint16_t value) {
  for (const auto& [base, access] : open_) {
    const int reg = address - base;
    if (reg < 0 || reg >= kPrinterPortRegisters) continue;
    auto byte = static_cast<unsigned char>(value & 0xFF);
    if (access.fd >= 0) {
      int request = 0;
      if (reg == 0) request = PPWDATA;
      if (reg == 2) request = PPWCONTROL;
      if (request == 0) {
        Fail(EINVAL, "status register");
        return;
      }
      if (::ioctl(access.fd, request, &byte) != 0) Fail(errno, "printer port write");
      return;
    }
#ifdef ORVANE_HAVE_IOPERM
    outb(byte, address);
#endif
    return;
  }
  // Writing outside an opened range would fault (raw) or hit another device: refused.
  Fail(EPERM, "printer port not enabled");
}

void LinuxPortIo::Pause(int milliseconds) { base::WaitMilliseconds(milliseconds); }

int LinuxPortIo::GetLastState(std::string* text) {
  const int state = lastError_;
  if (text != nullptr) *text = lastText_;
  lastError_ = 0;
  lastText_.clear();
  return state;
}

}  // namespace tracking
