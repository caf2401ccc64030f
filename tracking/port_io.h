#pragma once

// Direct I/O on the PC printer port, where the POURSAT and FODTrack cards sit. The calls
// are the ones the cards' senders need: write a byte to a register, open and close access
// to a port, the base address of LPT1..LPT3 and the state of the last operation.
//
// On Linux two roads lead to the registers: the ppdev driver (/dev/parportN, claimed, data
// and control written by ioctl) for a port the kernel knows, which needs no root when the
// user may open the device; and ioperm/outb for a raw base address (root or CAP_SYS_RAWIO).

#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tracking {

// The ports a printer port's base address opens: data (base), status, control (base + 2).
inline constexpr int kPrinterPortRegisters = 3;
// Addresses below this one belong to the PC's own chips (interrupt and DMA controllers,
// timer, keyboard): never opened, never written.
inline constexpr int kLowestPortAddress = 0x100;

// A printer port the system lists: parportN with its base address and device file.
struct PrinterPortDevice {
  int number = 0;        // N of parportN: 0 is LPT1
  int baseAddress = 0;   // I/O address of the data register
  QString device;        // "/dev/parportN"
  bool operator==(const PrinterPortDevice&) const = default;
};

class PortIo {
 public:
  virtual ~PortIo() = default;
  // Writes `value` to the I/O port `address`. Failures are kept for GetLastState().
  virtual void Outport(std::uint16_t address, std::uint16_t value) = 0;
  // Opens access to the printer ports whose base addresses lie in first..last (the cards
  // always give one address twice); Outport fails on ports not opened.
  virtual void EnablePorts(std::uint16_t first, std::uint16_t last) = 0;
  virtual void DisablePorts(std::uint16_t first, std::uint16_t last) = 0;
  // Base address of printer port `number` (1..3), 0 when absent.
  virtual std::uint16_t GetLPTPortAddress(int number) = 0;
  // 0 when every operation since the previous call succeeded, else the error number of the
  // last one that failed; `text` (optional) gets its description. Reading clears it.
  virtual int GetLastState(std::string* text = nullptr) = 0;
  // The pause between two writes of a card's sequence, in milliseconds; the window stays
  // responsive meanwhile (base::WaitMilliseconds).
  virtual void Pause(int milliseconds) = 0;

  // The printer ports the system lists, by number.
  virtual std::vector<PrinterPortDevice> ListPrinterPorts() = 0;
  // "The driver is installed": some port access can be granted now.
  virtual bool CheckPortDriver() = 0;
};

// Where the Linux backend looks; tests point it at folders of their own.
struct LinuxPortPaths {
  QString parportFolder = QStringLiteral("/proc/sys/dev/parport");  // parportN/base-addr
  QString ioportsFile = QStringLiteral("/proc/ioports");            // "0378-037a : parport0"
  QString deviceFolder = QStringLiteral("/dev");                     // parportN devices
};

// Parses a base-addr file ("888\t1912\n": decimal base, then the extended registers);
// 0 when unreadable or outside 1..0xFFFF.
int ParseBaseAddr(const QString& text);
// The base address of parportN in an /proc/ioports listing, 0 when absent.
int IoportsBase(const QString& listing, int number);

// ppdev for the listed ports, ioperm/outb for any other address.
class LinuxPortIo final : public PortIo {
 public:
  explicit LinuxPortIo(LinuxPortPaths paths = {});
  ~LinuxPortIo() override;
  LinuxPortIo(const LinuxPortIo&) = delete;
  LinuxPortIo& operator=(const LinuxPortIo&) = delete;

  void Outport(std::uint16_t address, std::uint16_t value) override;
  void EnablePorts(std::uint16_t first, std::uint16_t last) override;
  void DisablePorts(std::uint16_t first, std::uint16_t last) override;
  std::uint16_t GetLPTPortAddress(int number) override;
  int GetLastState(std::string* text = nullptr) override;
  void Pause(int milliseconds) override;
  std::vector<PrinterPortDevice> ListPrinterPorts() override;
  bool CheckPortDriver() override;

 private:
  struct Access {
    int fd = -1;          // claimed ppdev device, or -1 for ioperm
  };
  void Enable(int base);
  void Disable(int base);
  void Fail(int error, const char* what);
  const PrinterPortDevice* DeviceAt(int base);

  LinuxPortPaths paths_;
  std::vector<PrinterPortDevice> devices_;
  bool listed_ = false;
  std::map<int, Access> open_;  // by base address
  int lastError_ = 0;
  std::string lastText_;
};

}  // namespace tracking
