#include "tracking/rotator_transport.h"

namespace tracking {

int BaudRateFor(Interface i, const RotatorConfig& config) {
  if (i == Interface::Gs232 || i == Interface::EasyComm) return config.baudRate;
  return 9600;
}

SerialRotatorTransport::SerialRotatorTransport(Interface i, SerialTransport& link, Waiter wait)
    : interface_(i), link_(link), wait_(std::move(wait)) {}

bool SerialRotatorTransport::Open(const RotatorConfig& config) {
  if (link_.IsOpen()) return true;
  return link_.Open(config.portName, BaudRateFor(interface_, config));
}

bool SerialRotatorTransport::IsOpen() const { return link_.IsOpen(); }

void SerialRotatorTransport::Close() { link_.Close(); }

Delivery SerialRotatorTransport::Deliver(const RotatorCommand& command, const RotatorConfig&) {
  Delivery delivery;
  for (const TimedWrite& write : command.writes) {
    if (!link_.Write(write.bytes)) delivery.complete = false;
    if (write.delayAfterMs > 0 && wait_) wait_(write.delayAfterMs);
  }
  return delivery;
}

void SerialRotatorTransport::SetBaudRate(int baudRate) { link_.SetBaudRate(baudRate); }

bool ArswinTransport::Open(const RotatorConfig&) { return channel_.WindowExists(); }

Delivery ArswinTransport::Deliver(const RotatorCommand& command, const RotatorConfig&) {
  Delivery delivery;
  for (const ArswinPost& post : command.posts) {
    if (!channel_.Post(post)) delivery.complete = false;
  }
  return delivery;
}

bool MovenowTransport::Open(const RotatorConfig&) { return true; }

Delivery MovenowTransport::Deliver(const RotatorCommand& command, const RotatorConfig& config) {
  Delivery delivery;
  if (command.arguments.empty()) return delivery;
  const LaunchResult launched =
      launcher_.Launch(MovenowProgram(config.movenowFolder), SplitArguments(command.arguments));
  delivery.complete = launched.started;
  delivery.code = launched.code;
  return delivery;
}

}  // namespace tracking
