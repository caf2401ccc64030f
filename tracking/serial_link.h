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
  // Hands all of `bytes` to the device without waiting. False when they did not all go:
  // the port is gone, or the device has stopped taking bytes (its system buffer is full
  // after earlier commands that never drained). What could not go is dropped, so it cannot
  // go out late after a newer command.
  virtual bool Write(const std::string& bytes) = 0;
  // Applied at once to an open port, and at the next opening.
  virtual void SetBaudRate(int baudRate) = 0;
};

// QSerialPort behind the transport. It never waits on the device: the window thread and
// the one-second tick must not stall on a hung adapter or a port nobody reads.
class SerialLink : public SerialTransport {
 public:
  bool Open(const QString& portName, int baudRate) override;
  void Close() override;
  bool IsOpen() const override;
  bool Write(const std::string& bytes) override;
  void SetBaudRate(int baudRate) override;
  // The port itself, for a look at its settings.
  const QSerialPort& Port() const { return port_; }

 private:
  QSerialPort port_;
};

}  // namespace tracking
