#include "tracking/printer_port_sender.h"

#include <algorithm>

#include "tracking/printer_port_encoder.h"

namespace tracking {

namespace {

constexpr int kLptx = 3;

// The port said no somewhere in the sequence (or there is no port): beep, tracking stops.
SendOutcome WriteErrorOutcome() {
  SendOutcome outcome;
  outcome.status = SendStatus::PortError;
  outcome.beep = true;
  outcome.stopTracking = true;
  return outcome;
}

}  // namespace

Delivery PrinterPortTransport::Deliver(const RotatorCommand& command, const RotatorConfig&) {
  for (const PortWrite& write : command.portWrites) {
    io_.Outport(static_cast<std::uint16_t>(write.address), static_cast<std::uint16_t>(write.value));
    if (write.delayAfterMs > 0) io_.Pause(write.delayAfterMs);
  }
  Delivery delivery;
  if (!command.portWrites.empty()) delivery.complete = io_.GetLastState() == 0;
  return delivery;
}

PrinterPortBank::PrinterPortBank(PortIo& io, const AntennaSetup& setup)
    : io_(io), setup_(setup), transport_(io) {}

void PrinterPortBank::StartUp() {
  driverInstalled_ = io_.CheckPortDriver();
  detected_ = DetectPrinterPorts(io_);
}

int PrinterPortBank::BaseAddress(const PrinterPortConfig& config) const {
  if (config.lptEntry >= 0 && config.lptEntry < kLptx) {
    return detected_.addresses[static_cast<std::size_t>(config.lptEntry)];
  }
  if (config.lptEntry == kLptx) return ParseLptxAddress(config.lptAddressText).value_or(0);
  return 0;
}

SendOutcome PrinterPortBank::SendPourSat(CommandState& state, const PrinterPortConfig& config,
                                         const RotatorOptions& options) {
  return Send(Interface::PourSat, state, config, options);
}

SendOutcome PrinterPortBank::SendFODTrack(CommandState& state, const PrinterPortConfig& config,
                                          const RotatorOptions& options) {
  return Send(Interface::FodTrack, state, config, options);
}

SendOutcome PrinterPortBank::Send(Interface card, CommandState& state,
                                  const PrinterPortConfig& config, const RotatorOptions& options) {
  // A call from an event that ran during the pauses: the running sequence goes on alone
  // and the state stays as it is, so the next call sends this position.
  if (busy_) return {};
  const int base = BaseAddress(config);
  CommandState next = state;
  EncodeResult encoded = EncodePrinterPort(card, next, config, options, base);
  if (encoded.action == EncodeAction::SkipSmallStep) {
    state = next;
    return {};
  }
  if (encoded.action == EncodeAction::Stop360) {
    state = next;
    SendOutcome outcome;
    outcome.status = SendStatus::Stopped360;
    outcome.stopTracking = true;
    outcome.warningSound = true;
    outcome.show360Alarm = true;
    return outcome;
  }
  // A command that did not reach the card does not count as sent: the next call tries
  // again even at the same position.
  const auto notSent = [&] {
    state.TargetAzBeforeShift = next.TargetAzBeforeShift;
    state.SouthStopShifted = next.SouthStopShifted;
    return WriteErrorOutcome();
  };
  // No address (LPTx text emptied after the choice): nothing goes to port 0.
  if (base == 0) return notSent();

  busy_ = true;
  const Delivery delivery = transport_.Deliver(encoded, config.rotator);
  busy_ = false;
  std::vector<int> pending;
  pending.swap(disableAfterSequence_);
  for (int address : pending) Disable(address);
  if (!delivery.complete) return notSent();

  state = next;
  SendOutcome outcome;
  outcome.status = SendStatus::Sent;
  if (options.showCommands) outcome.displayText = QString::fromStdString(encoded.displayText);
  outcome.redAzimuth = encoded.redAzimuth;
  return outcome;
}

void PrinterPortBank::Enable(int base) {
  if (base == 0) return;
  disableAfterSequence_.erase(
      std::remove(disableAfterSequence_.begin(), disableAfterSequence_.end(), base),
      disableAfterSequence_.end());
  io_.EnablePorts(static_cast<std::uint16_t>(base), static_cast<std::uint16_t>(base));
  // The check after a sequence is about its writes; an opening that failed shows there as
  // writes that failed. Inside a running sequence its own errors must stay.
  if (!busy_) io_.GetLastState();
}

void PrinterPortBank::Disable(int base) {
  if (base == 0) return;
  if (busy_) {
    disableAfterSequence_.push_back(base);
    return;
  }
  io_.DisablePorts(static_cast<std::uint16_t>(base), static_cast<std::uint16_t>(base));
  io_.GetLastState();
}

void PrinterPortBank::EnablePortRange(bool pourSat) {
  if (!kRestrictedPortAccess) return;
  int& open = openFor_[pourSat ? 0 : 1];
  const int base = BaseAddress(setup_.Printer(pourSat ? Interface::PourSat : Interface::FodTrack));
  // A port chosen anew since the last opening: the old one is not left open behind it.
  if (open != 0 && open != base) Disable(open);
  Enable(base);
  open = base;
}

void PrinterPortBank::DisablePortRange(bool pourSat) {
  if (!kRestrictedPortAccess) return;
  int& open = openFor_[pourSat ? 0 : 1];
  // What was opened is closed, even when the choice changed in between.
  const int base =
      open != 0 ? open
                : BaseAddress(setup_.Printer(pourSat ? Interface::PourSat : Interface::FodTrack));
  Disable(base);
  open = 0;
}

PortChoice PrinterPortBank::ChoosePort(int entry, const QString& lptxText) {
  PortChoice choice;
  if (entry < 0) return choice;
  // 1. Without port access no port can be chosen.
  if (kModernWindows && !driverInstalled_) {
    choice.keep = false;
    choice.unselect = true;
    choice.beep = true;
    choice.error = DriverMissingMessage();
    return choice;
  }
  // 2. LPTx: the typed address, checked.
  if (entry == kLptx) {
    const std::optional<std::uint16_t> address = ParseLptxAddress(lptxText);
    if (!address) {
      choice.keep = false;
      choice.unselect = true;
      choice.beep = true;
      choice.warning = InvalidLptxMessage(detected_);
      return choice;
    }
    if (kModernWindows && driverInstalled_ && enabledLptx_ != *address) {
      if (enabledLptx_ != 0) Disable(enabledLptx_);
      enabledLptx_ = *address;
      Enable(enabledLptx_);
    }
    return choice;
  }
  // 3. A port that was not found.
  if (entry < kLptx && detected_.addresses[static_cast<std::size_t>(entry)] == 0) {
    choice.keep = false;
    choice.unselect = true;
    choice.beep = true;
  }
  return choice;
}

void PrinterPortBank::Release() {
  if (!kRestrictedPortAccess) return;
  const std::optional<Interface> selected = setup_.selected;
  const int chosen =
      selected && IsPrinterPort(*selected) ? BaseAddress(setup_.Printer(*selected)) : 0;
  std::vector<int> closed;
  for (int base : {chosen, openFor_[0], openFor_[1], enabledLptx_}) {
    if (base == 0 || std::find(closed.begin(), closed.end(), base) != closed.end()) continue;
    Disable(base);
    closed.push_back(base);
  }
  openFor_ = {0, 0};
  enabledLptx_ = 0;
}

}  // namespace tracking
