#include "tracking/serial_link.h"

#include <QElapsedTimer>

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
  QElapsedTimer timer;
  timer.start();
  const auto size = static_cast<qint64>(bytes.size());
  if (port_.write(bytes.data(), size) != size) {
    DropBrokenPort();
    return false;
  }
  while (port_.isOpen() && port_.bytesToWrite() > 0) {
    const qint64 left = kWriteTimeoutMs - timer.elapsed();
    if (left <= 0 || !port_.waitForBytesWritten(static_cast<int>(left))) break;
  }
  const bool complete = port_.isOpen() && port_.bytesToWrite() == 0;
  // What did not leave in time is given up, so it cannot go out late after a newer command.
  if (!complete && port_.isOpen()) port_.clear(QSerialPort::Output);
  DropBrokenPort();
  return complete;
}

void SerialLink::SetBaudRate(int baudRate) { port_.setBaudRate(baudRate); }

// A port whose device went away (adapter unplugged, peer closed) stays useless; closing it
// lets the next command reopen it, or report that it cannot.
void SerialLink::DropBrokenPort() {
  if (port_.error() == QSerialPort::ResourceError && port_.isOpen()) port_.close();
  port_.clearError();
}

}  // namespace tracking
