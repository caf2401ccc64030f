#include "tracking/rotator_sender.h"

#include <QCoreApplication>

#include "base/wait.h"
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

SendOutcome PortErrorOutcome(Interface dialect, const QString& portName) {
  SendOutcome outcome;
  outcome.status = SendStatus::PortError;
  outcome.beep = true;
  outcome.stopTracking = true;
  outcome.message = PortErrorMessage(dialect, portName);
  return outcome;
}

}  // namespace

QString PortErrorMessage(Interface dialect, const QString& portName) {
  return InterfaceWord(dialect) + portName + QCoreApplication::translate("Rotator", " error");
}

QString ArswinMissingMessage() {
  return QCoreApplication::translate("Rotator", "ARSWIN must be running !");
}

RotatorSender::RotatorSender(Interface dialect, SerialTransport& link, Waiter wait)
    : dialect_(dialect), link_(&link), wait_(std::move(wait)) {}

RotatorSender::RotatorSender(ArswinChannel& channel)
    : dialect_(Interface::Ea4tx), channel_(&channel) {}

RotatorSender::RotatorSender(ProcessLauncher& launcher)
    : dialect_(Interface::Kct), launcher_(&launcher) {}

SendOutcome RotatorSender::Send(CommandState& state, const RotatorConfig& config,
                                const RotatorOptions& options) {
  if (link_ != nullptr) return SendSerial(state, config, options);
  if (channel_ != nullptr) return SendEa4tx(state, config, options);
  return SendKct(state, config, options);
}

SendOutcome RotatorSender::SendSerial(CommandState& state, const RotatorConfig& config,
                                      const RotatorOptions& options) {
  // The encoder works on a copy: when the port cannot be opened nothing counts as sent,
  // so the next call tries again even at the same position.
  CommandState next = state;
  const EncodeResult encoded = Encode(dialect_, next, config, options);
  if (encoded.action == EncodeAction::SkipSmallStep) {
    state = next;
    return Outcome(SendStatus::SkippedSmall, encoded, options);
  }
  if (!EnsureOpen(config)) {
    state.TargetAzBeforeShift = next.TargetAzBeforeShift;
    state.SouthStopShifted = next.SouthStopShifted;
    return PortErrorOutcome(dialect_, config.portName);
  }
  state = next;
  Write(encoded.writes);  // ProSisTel's preamble goes out even before a 360° stop
  if (encoded.action == EncodeAction::Stop360) return Stop360Outcome();
  return Outcome(SendStatus::Sent, encoded, options);
}

SendOutcome RotatorSender::SendEa4tx(CommandState& state, const RotatorConfig& config,
                                     const RotatorOptions& options) {
  const EncodeResult encoded = Encode(dialect_, state, config, options);
  if (encoded.action == EncodeAction::SkipSmallStep) {
    return Outcome(SendStatus::SkippedSmall, encoded, options);
  }
  if (encoded.action == EncodeAction::Stop360) return Stop360Outcome();
  if (!channel_->WindowExists()) {
    state.Reset();
    SendOutcome outcome;
    outcome.status = SendStatus::TargetMissing;
    outcome.stopTracking = true;  // not while the settings view shows: the caller knows
    outcome.warningSound = true;
    outcome.message = ArswinMissingMessage();
    return outcome;
  }
  SendOutcome outcome = Outcome(SendStatus::Sent, encoded, options);
  for (const ArswinPost& post : encoded.posts) {
    if (!channel_->Post(post)) outcome.beep = true;
  }
  return outcome;
}

SendOutcome RotatorSender::SendKct(CommandState& state, const RotatorConfig& config,
                                   const RotatorOptions& options) {
  const EncodeResult encoded = Encode(dialect_, state, config, options);
  if (encoded.action == EncodeAction::SkipSmallStep) {
    return Outcome(SendStatus::SkippedSmall, encoded, options);
  }
  if (encoded.action == EncodeAction::Stop360) return Stop360Outcome();
  SendOutcome outcome = Outcome(SendStatus::Sent, encoded, options);
  const LaunchResult launched =
      launcher_->Launch(MovenowProgram(config.movenowFolder), SplitArguments(encoded.arguments));
  if (!launched.started) {
    outcome.status = SendStatus::LaunchError;
    outcome.message = MovenowErrorMessage(launched.code);
  }
  return outcome;
}

SendOutcome RotatorSender::Test(CommandState& state, const RotatorConfig& config,
                                const RotatorOptions& options) {
  const bool wasOpen = IsPortOpen();
  state.TargetAz = config.testAzimuth;
  state.TargetEl = config.testElevation;
  SendOutcome outcome = Send(state, config, options);
  if (!wasOpen) ClosePort();
  return outcome;
}

void RotatorSender::Stop(bool selected, bool trackingWasOn) {
  if (link_ != nullptr) {
    if (!link_->IsOpen()) return;
    if (selected) Write(StopCommands(dialect_));
    link_->Close();
    return;
  }
  if (channel_ != nullptr && selected && trackingWasOn && channel_->WindowExists()) {
    for (const ArswinPost& post : Ea4txStopPosts()) channel_->Post(post);
  }
}

SendOutcome RotatorSender::ChangePort(bool selected, const RotatorConfig& newConfig) {
  SendOutcome outcome;
  outcome.status = SendStatus::Sent;
  if (link_ == nullptr) return outcome;
  if (link_->IsOpen()) {
    if (selected) Write(PortChangeStopCommands(dialect_, newConfig.parking));
    link_->Close();
  }
  if (!link_->Open(newConfig.portName, BaudRate(newConfig))) {
    outcome = PortErrorOutcome(dialect_, newConfig.portName);
    outcome.stopTracking = false;  // the caller unselects the interface instead
    return outcome;
  }
  link_->Close();  // the senders reopen it on demand
  return outcome;
}

bool RotatorSender::SelectTrakBox(const RotatorConfig& config) {
  if (dialect_ != Interface::TrakBox || link_ == nullptr) return false;
  if (!EnsureOpen(config)) return false;
  Write(TrakBoxSelectCommands());
  link_->Close();
  return true;
}

void RotatorSender::Quit(bool selected, const RotatorConfig& config) {
  if (link_ != nullptr) {
    if (link_->IsOpen()) {
      if (selected) Write(QuitStopCommands(dialect_, config.parking));
      link_->Close();
    }
    if (selected && dialect_ == Interface::TrakBox && EnsureOpen(config)) {
      Write(TrakBoxQuitCommands(config.trakBoxHostOnQuit));
      link_->Close();
    }
    return;
  }
  if (channel_ != nullptr && selected && !config.parking && channel_->WindowExists()) {
    for (const ArswinPost& post : Ea4txStopPosts()) channel_->Post(post);
  }
}

void RotatorSender::SetBaudRate(int baudRate) {
  if (link_ != nullptr) link_->SetBaudRate(baudRate);
}

bool RotatorSender::IsPortOpen() const { return link_ != nullptr && link_->IsOpen(); }

void RotatorSender::ClosePort() {
  if (link_ != nullptr) link_->Close();
}

bool RotatorSender::EnsureOpen(const RotatorConfig& config) {
  if (link_->IsOpen()) return true;
  return link_->Open(config.portName, BaudRate(config));
}

// Only GS-232 and EasyComm let the operator choose a speed.
int RotatorSender::BaudRate(const RotatorConfig& config) const {
  if (dialect_ == Interface::Gs232 || dialect_ == Interface::EasyComm) return config.baudRate;
  return 9600;
}

void RotatorSender::Write(const WriteList& writes) { WriteWithPauses(*link_, writes, wait_); }

struct RotatorBank::Owned {
  std::array<SerialLink, 6> serial;
  ArswinSocket arswin;
  DetachedProcessLauncher launcher;
};

RotatorBank::RotatorBank() : owned_(std::make_unique<Owned>()) {
  Links links;
  for (std::size_t i = 0; i < links.serial.size(); ++i) links.serial[i] = &owned_->serial[i];
  links.arswin = &owned_->arswin;
  links.launcher = &owned_->launcher;
  Build(links, base::WaitMilliseconds);
}

RotatorBank::RotatorBank(const Links& links, Waiter wait) { Build(links, std::move(wait)); }

RotatorBank::~RotatorBank() = default;

void RotatorBank::Build(const Links& links, const Waiter& wait) {
  for (std::size_t i = 0; i < links.serial.size(); ++i) {
    const Interface dialect = kSerialInterfaces[i];
    senders_[static_cast<std::size_t>(dialect)] =
        std::make_unique<RotatorSender>(dialect, *links.serial[i], wait);
  }
  senders_[static_cast<std::size_t>(Interface::Ea4tx)] =
      std::make_unique<RotatorSender>(*links.arswin);
  senders_[static_cast<std::size_t>(Interface::Kct)] =
      std::make_unique<RotatorSender>(*links.launcher);
}

RotatorSender& RotatorBank::Sender(Interface dialect) {
  return *senders_[static_cast<std::size_t>(dialect)];
}

void RotatorBank::StopAllRotators(std::optional<Interface> selected, bool trackingWasOn) {
  for (Interface dialect : kSerialInterfaces) Sender(dialect).Stop(selected == dialect, trackingWasOn);
  Sender(Interface::Ea4tx).Stop(selected == Interface::Ea4tx, trackingWasOn);
}

void RotatorBank::Quit(std::optional<Interface> selected, const RotatorConfigs& configs) {
  for (Interface dialect : kSerialInterfaces) {
    Sender(dialect).Quit(selected == dialect, configs[dialect]);
  }
  Sender(Interface::Ea4tx).Quit(selected == Interface::Ea4tx, configs[Interface::Ea4tx]);
}

}  // namespace tracking
