#include "tracking/rotator_sender.h"

#include <QCoreApplication>

#include <cmath>

#include "base/wait.h"
#include "tracking/hamlib_link.h"
#include "tracking/rotator_sequences.h"

namespace tracking {

namespace {

SendOutcome Outcome(SendStatus status, const EncodeResult& encoded,
                    const RotatorOptions& options) {
  SendOutcome outcome;
  outcome.status = status;
  if (options.showCommands) outcome.displayText = QString::fromStdString(encoded.displayText);
  outcome.redAzimuth = encoded.redAzimuth;
  return outcome;
}

// Tracking is switched off, the warning sound plays and TFormAlarm asks whether to resume.
SendOutcome Stop360Outcome() {
  SendOutcome outcome;
  outcome.status = SendStatus::Stopped360;
  outcome.stopTracking = true;
  outcome.warningSound = true;
  outcome.show360Alarm = true;
  return outcome;
}

SendOutcome PortErrorOutcome(const QString& message) {
  SendOutcome outcome;
  outcome.status = SendStatus::PortError;
  outcome.beep = true;
  outcome.stopTracking = true;
  outcome.message = message;
  return outcome;
}

SendOutcome PortErrorOutcome(Interface i, const QString& portName) {
  return PortErrorOutcome(PortErrorMessage(i, portName));
}

}  // namespace

QString PortErrorMessage(Interface i, const QString& portName) {
  return InterfaceWord(i) + portName + QCoreApplication::translate("Rotator", " error");
}

QString BadTargetText() {
  return QCoreApplication::translate("Rotator", "Target out of range: nothing sent");
}

bool TargetIsSane(long double azimuth, long double elevation) {
  return std::isfinite(azimuth) && std::isfinite(elevation) && azimuth >= -360 &&
         azimuth <= 720 && elevation >= -90 && elevation <= 180;
}

QString ArswinMissingMessage() {
  return QCoreApplication::translate("Rotator", "ARSWIN must be running !");
}

RotatorSender::RotatorSender(Interface i, RotatorTransport& transport)
    : interface_(i), transport_(transport) {}

RotatorSender::RotatorSender(Interface i, SerialTransport& link, Waiter wait)
    : interface_(i),
      own_(std::make_unique<SerialRotatorTransport>(i, link, std::move(wait))),
      transport_(*own_) {}

RotatorSender::RotatorSender(ArswinChannel& channel)
    : interface_(Interface::Ea4tx),
      own_(std::make_unique<ArswinTransport>(channel)),
      transport_(*own_) {}

RotatorSender::RotatorSender(ProcessLauncher& launcher)
    : interface_(Interface::Kct),
      own_(std::make_unique<MovenowTransport>(launcher)),
      transport_(*own_) {}

SendOutcome RotatorSender::Send(CommandState& state, const RotatorConfig& config,
                                const RotatorOptions& options) {
  // A broken computation must not turn into a command ("W000 000" for NaN, nine digits for
  // a huge value): nothing goes, and the display says why.
  if (!TargetIsSane(state.TargetAz, state.TargetEl)) {
    SendOutcome outcome;
    outcome.status = SendStatus::BadTarget;
    outcome.displayText = BadTargetText();
    return outcome;
  }
  // The encoder works on a copy: a command that cannot go out does not count as sent, so
  // the next call tries again even at the same position.
  CommandState next = state;
  const EncodeResult encoded = Encode(interface_, next, config, options);
  if (encoded.action == EncodeAction::SkipSmallStep) {
    state = next;
    return Outcome(SendStatus::SkippedSmall, encoded, options);
  }
  // A serial port is opened even for a 360° stop: ProSisTel writes its preamble first.
  if (encoded.action == EncodeAction::Stop360 && !HasSerialPort(interface_)) {
    state = next;
    return Stop360Outcome();
  }
  if (!transport_.Open(config)) return NotReady(state, next, config);
  const Delivery delivery = Deliver(encoded, config);
  // Only bytes that went out count as sent: the minimum-step and 360° tests must not run
  // against a command that never left.
  if (!delivery.complete && HoldsConnection(interface_)) return NotReady(state, next, config);
  state = next;
  if (encoded.action == EncodeAction::Stop360) return Stop360Outcome();
  SendOutcome outcome = Outcome(SendStatus::Sent, encoded, options);
  if (!delivery.complete) {
    if (interface_ == Interface::Ea4tx) outcome.beep = true;
    if (interface_ == Interface::Kct) {
      outcome.status = SendStatus::LaunchError;
      outcome.message = MovenowErrorMessage(delivery.code);
    }
  }
  return outcome;
}

// The transport could not take the command: a serial port that does not open or does not
// take the bytes, or ARSWIN that is not running.
SendOutcome RotatorSender::NotReady(CommandState& state, const CommandState& next,
                                    const RotatorConfig& config) const {
  if (interface_ == Interface::Ea4tx) {
    state = next;
    state.Reset();
    SendOutcome outcome;
    outcome.status = SendStatus::TargetMissing;
    outcome.stopTracking = true;  // not while the settings view shows: the caller knows
    outcome.warningSound = true;
    outcome.message = ArswinMissingMessage();
    return outcome;
  }
  state.TargetAzBeforeShift = next.TargetAzBeforeShift;
  state.SouthStopShifted = next.SouthStopShifted;
  if (interface_ == Interface::Rotctld) return PortErrorOutcome(transport_.FaultMessage());
  return PortErrorOutcome(interface_, config.portName);
}

std::optional<SendOutcome> RotatorSender::Poll() {
  if (!transport_.Check()) return std::nullopt;
  return PortErrorOutcome(transport_.FaultMessage());
}

SendOutcome RotatorSender::Test(CommandState& state, const RotatorConfig& config,
                                const RotatorOptions& options) {
  const bool wasOpen = IsPortOpen();
  state.TargetAz = config.testAzimuth;
  state.TargetEl = config.testElevation;
  SendOutcome outcome = Send(state, config, options);
  // The daemon's connection stays: closing it now would drop the command before it left.
  if (!wasOpen && HasSerialPort(interface_)) ClosePort();
  return outcome;
}

void RotatorSender::Stop(bool selected, bool trackingWasOn) {
  if (HoldsConnection(interface_)) {
    if (!transport_.IsOpen()) {
      transport_.Close();  // a connection lost to a fault: the fault goes with it
      return;
    }
    if (selected) Write(StopCommands(interface_));
    transport_.Close();
    return;
  }
  if (interface_ == Interface::Ea4tx && selected && trackingWasOn && transport_.Open({})) {
    RotatorCommand stop;
    stop.posts = Ea4txStopPosts();
    Deliver(stop);
  }
}

SendOutcome RotatorSender::ChangePort(bool selected, const RotatorConfig& newConfig) {
  SendOutcome outcome;
  outcome.status = SendStatus::Sent;
  if (!HasSerialPort(interface_)) return outcome;
  if (transport_.IsOpen()) {
    if (selected) Write(PortChangeStopCommands(interface_, newConfig.parking));
    transport_.Close();
  }
  if (!transport_.Open(newConfig)) {
    outcome = PortErrorOutcome(interface_, newConfig.portName);
    outcome.stopTracking = false;  // the caller unselects the interface instead
    return outcome;
  }
  transport_.Close();  // the senders reopen it on demand
  return outcome;
}

bool RotatorSender::SelectTrakBox(const RotatorConfig& config) {
  if (interface_ != Interface::TrakBox) return false;
  if (!transport_.Open(config)) return false;
  Write(TrakBoxSelectCommands());
  transport_.Close();
  return true;
}

void RotatorSender::Quit(bool selected, const RotatorConfig& config) {
  if (HoldsConnection(interface_)) {
    if (transport_.IsOpen()) {
      if (selected) Write(QuitStopCommands(interface_, config.parking));
      transport_.Close();
    }
    if (selected && interface_ == Interface::TrakBox && transport_.Open(config)) {
      Write(TrakBoxQuitCommands(config.trakBoxHostOnQuit));
      transport_.Close();
    }
    return;
  }
  if (interface_ == Interface::Ea4tx && selected && !config.parking && transport_.Open(config)) {
    RotatorCommand stop;
    stop.posts = Ea4txStopPosts();
    Deliver(stop);
  }
}

void RotatorSender::SetBaudRate(int baudRate) { transport_.SetBaudRate(baudRate); }

bool RotatorSender::IsPortOpen() const { return transport_.IsOpen(); }

void RotatorSender::ClosePort() { transport_.Close(); }

Delivery RotatorSender::Deliver(const RotatorCommand& command, const RotatorConfig& config) {
  return transport_.Deliver(command, config);
}

Delivery RotatorSender::Write(const WriteList& writes) {
  RotatorCommand command;
  command.writes = writes;
  return Deliver(command);
}

struct RotatorBank::Owned {
  std::array<SerialLink, 6> serial;
  ArswinSocket arswin;
  DetachedProcessLauncher launcher;
  HamlibLink hamlib;
};

RotatorBank::RotatorBank() : owned_(std::make_unique<Owned>()) {
  Links links;
  for (std::size_t i = 0; i < links.serial.size(); ++i) links.serial[i] = &owned_->serial[i];
  links.arswin = &owned_->arswin;
  links.launcher = &owned_->launcher;
  links.hamlib = &owned_->hamlib;
  Build(links, base::WaitMilliseconds);
}

RotatorBank::RotatorBank(const Links& links, Waiter wait) { Build(links, std::move(wait)); }

RotatorBank::~RotatorBank() = default;

void RotatorBank::Build(const Links& links, const Waiter& wait) {
  const auto add = [this](Interface i, std::unique_ptr<RotatorTransport> transport) {
    senders_[static_cast<std::size_t>(IndexOf(i))] = std::make_unique<RotatorSender>(i, *transport);
    transports_.push_back(std::move(transport));
  };
  for (std::size_t k = 0; k < links.serial.size(); ++k) {
    const Interface i = kSerialInterfaces[k];
    add(i, std::make_unique<SerialRotatorTransport>(i, *links.serial[k], wait));
  }
  add(Interface::Ea4tx, std::make_unique<ArswinTransport>(*links.arswin));
  add(Interface::Kct, std::make_unique<MovenowTransport>(*links.launcher));
  HamlibLink* hamlib = links.hamlib;
  if (hamlib == nullptr) {
    ownHamlib_ = std::make_unique<HamlibLink>();
    hamlib = ownHamlib_.get();
  }
  add(Interface::Rotctld, std::make_unique<HamlibRotatorTransport>(*hamlib));
}

RotatorSender& RotatorBank::Sender(Interface i) {
  return *senders_[static_cast<std::size_t>(IndexOf(i))];
}

void RotatorBank::StopAllRotators(std::optional<Interface> selected, bool trackingWasOn) {
  for (Interface i : kSerialInterfaces) Sender(i).Stop(selected == i, trackingWasOn);
  Sender(Interface::Rotctld).Stop(selected == Interface::Rotctld, trackingWasOn);
  Sender(Interface::Ea4tx).Stop(selected == Interface::Ea4tx, trackingWasOn);
}

void RotatorBank::Quit(std::optional<Interface> selected, const RotatorConfigs& configs) {
  for (Interface i : kSerialInterfaces) Sender(i).Quit(selected == i, configs[i]);
  Sender(Interface::Rotctld).Quit(selected == Interface::Rotctld, configs[Interface::Rotctld]);
  Sender(Interface::Ea4tx).Quit(selected == Interface::Ea4tx, configs[Interface::Ea4tx]);
}

}  // namespace tracking
