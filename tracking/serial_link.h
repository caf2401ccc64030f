#pragma once

// Serial transport of the rotator commands. The program only writes; it never reads.

#include <QSerialPort>
#include <QString>

#include <functional>
#include <string>

#include "tracking/rotator_types.h"

namespace tracking {

// Pause after a write; the real one is base::WaitMilliseconds (keeps the window alive).
using Waiter = std::function<void(int milliseconds)>;

class SerialTransport {
 public:
  virtual ~SerialTransport() = default;
  // Opens `portName` (a listed name such as "ttyUSB0", or a path) at `baudRate`, 8 data
  // bits, no parity, one stop bit, no flow control, DTR on, RTS off, buffers discarded.
  // False when the port cannot be opened; an open port is closed first.
  virtual bool Open(const QString& portName, int baudRate) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  // Writes all of `bytes`, giving up after the write time-out. Never throws or blocks
  // longer; false when not everything left (the callers ignore it).
  virtual bool Write(const std::string& bytes) = 0;
  // Applied at once to an open port, and at the next opening.
  virtual void SetBaudRate(int baudRate) = 0;
};

// QSerialPort behind the transport.
class SerialLink : public SerialTransport {
 public:
  static constexpr int kWriteTimeoutMs = 5000;  // total, no per-character part

  bool Open(const QString& portName, int baudRate) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const std::string& bytes) override;
  void SetBaudRate(int baudRate) override;

 private:
  void DropBrokenPort();
  QSerialPort port_;
};

}  // namespace tracking
