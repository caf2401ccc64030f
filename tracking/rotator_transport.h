#pragma once

// The road from a sender to its controller: a serial port, the socket of the ARSWIN
// program, the Movenow launcher or the Hamlib rotator daemon. A sender holds one and
// never asks which it is.

#include <optional>
#include <string>
#include <vector>

#include "tracking/arswin_channel.h"
#include "tracking/movenow_launcher.h"
#include "tracking/rotator_types.h"
#include "tracking/serial_link.h"

namespace tracking {

struct Delivery {
  bool complete = true;  // every part went out
  int code = 0;          // the launcher's code when the program could not be started
};

class RotatorTransport {
 public:
  virtual ~RotatorTransport() = default;
  // Readies the road for `config`: opens a closed serial port, finds the ARSWIN program.
  // False when no command can go out now.
  virtual bool Open(const RotatorConfig& config) = 0;
  // A serial port held open between commands; the other roads hold nothing open.
  virtual bool IsOpen() const = 0;
  virtual void Close() = 0;
  // Carries the command out; `config` is the interface's settings (the Movenow folder).
  virtual Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config) = 0;
  // Serial speed, applied at once to an open port; the other roads have none.
  virtual void SetBaudRate(int baudRate) = 0;
  // A road that answers (the rotator daemon) looks at its replies here, on every tick;
  // the reason of a fault found now or earlier. The others never fail later.
  virtual std::optional<QString> Check() { return std::nullopt; }
  // The warning text of the pending fault, or of a road that would not open.
  virtual QString FaultMessage() const { return {}; }
};

// The port speed of an interface: GS-232 and EasyComm let the operator choose it, the
// others run at 9600.
int BaudRateFor(Interface i, const RotatorConfig& config);

class SerialRotatorTransport final : public RotatorTransport {
 public:
  // The pauses after each write go through `wait`.
  SerialRotatorTransport(Interface i, SerialTransport& link, Waiter wait);
  bool Open(const RotatorConfig& config) override;
  bool IsOpen() const override;
  void Close() override;
  Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config) override;
  void SetBaudRate(int baudRate) override;

 private:
  Interface interface_;
  SerialTransport& link_;
  Waiter wait_;
};

class ArswinTransport final : public RotatorTransport {
 public:
  explicit ArswinTransport(ArswinChannel& channel) : channel_(channel) {}
  bool Open(const RotatorConfig& config) override;  // the program is there
  bool IsOpen() const override { return false; }
  void Close() override {}
  Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config) override;
  void SetBaudRate(int) override {}

 private:
  ArswinChannel& channel_;
};

class MovenowTransport final : public RotatorTransport {
 public:
  explicit MovenowTransport(ProcessLauncher& launcher) : launcher_(launcher) {}
  bool Open(const RotatorConfig& config) override;  // always: the program starts per command
  bool IsOpen() const override { return false; }
  void Close() override {}
  Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config) override;
  void SetBaudRate(int) override {}

 private:
  ProcessLauncher& launcher_;
};

}  // namespace tracking
