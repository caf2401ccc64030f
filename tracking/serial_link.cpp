#include "tracking/serial_link.h"

#include <unistd.h>

#include <cerrno>

namespace tracking {

bool SerialLink::Open(const QString& portName, int baudRate) {
  if (port_.isOpen()) port_.close();
  port_.clearError();
  if (portName.trimmed().isEmpty()) return false;
  port_.setPortName(portName);
  port_.setBaudRate(baudRate);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  // Write-only: replies of the controller are never read, so none pile up in memory.
  if (!port_.open(QIODevice::WriteOnly)) {
    port_.clearError();
    return false;
  }
  // Pseudo-terminals and some adapters refuse the modem lines; that is not an error here.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(false);
  port_.clear(QSerialPort::AllDirections);
  port_.clearError();
  return true;
}

void SerialLink::Close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

bool SerialLink::IsOpen() const { return port_.isOpen(); }

bool SerialLink::Write(const std::string& bytes) {
  if (!port_.isOpen()) return false;
  // Straight to the descriptor, which the port keeps non-blocking: what the system does
  // not take now is not queued to go out late, and the caller learns it at once.
  const int fd = static_cast<int>(port_.handle());
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      // EAGAIN: the device stopped taking bytes. Anything else: the device is gone.
      if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) port_.close();
      return false;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  return true;
}

void SerialLink::SetBaudRate(int baudRate) { port_.setBaudRate(baudRate); }

}  // namespace tracking
