#pragma once

// SendPourSat and SendFODTrack over the printer port, the choice of the port in the
// cards' "Printer" groups and the access to it around tracking, Test and quit.

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

#include "tracking/antenna_setup.h"
#include "tracking/port_io.h"
#include "tracking/printer_port_seam.h"
#include "tracking/printer_ports.h"
#include "tracking/rotator_transport.h"

namespace tracking {

// The register writes of a command, each followed by its pause, then the port's state:
// a write that failed anywhere in the sequence makes the delivery incomplete.
class PrinterPortTransport final : public RotatorTransport {
 public:
  explicit PrinterPortTransport(PortIo& io) : io_(io) {}
  bool Open(const RotatorConfig&) override { return true; }  // access is granted around tracking
  bool IsOpen() const override { return false; }
  void Close() override {}
  Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config) override;
  void SetBaudRate(int) override {}

 private:
  PortIo& io_;
};

// What a click in a card's "Printer" group leads to; the panel carries it out.
struct PortChoice {
  bool keep = true;       // false: the choice is cleared
  bool unselect = false;  // the card's selection box is unchecked
  bool beep = false;
  QString error;          // error box (no port access)
  QString warning;        // warning box (LPTx address unusable)
};

class PrinterPortBank final : public PrinterPortSenders {
 public:
  // Writes and the pauses of the sequences go through `io`; the cards' chosen ports are
  // read from `setup` (the panel's record).
  PrinterPortBank(PortIo& io, const AntennaSetup& setup);

  // Start-up: the access check, then the discovery of LPT1..LPT3.
  void StartUp();
  bool DriverInstalled() const { return driverInstalled_; }
  // Printer ports can be chosen at all.
  bool Usable() const { return !(kModernWindows && !driverInstalled_); }
  const DetectedPrinterPorts& Detected() const { return detected_; }
  // "LPT1 [0378h]" and the two others, for the cards' "Printer" groups.
  QStringList PortItems() const { return PrinterPortItems(detected_); }
  // Base address of the card's chosen port (LPT1..LPT3 as detected, LPTx as typed);
  // 0 when none is chosen or the port was not found.
  int BaseAddress(const PrinterPortConfig& config) const;
  // The LPTx address whose access a choice opened, 0 = none.
  int EnabledLptx() const { return enabledLptx_; }

  SendOutcome SendPourSat(CommandState& state, const PrinterPortConfig& config,
                          const RotatorOptions& options) override;
  SendOutcome SendFODTrack(CommandState& state, const PrinterPortConfig& config,
                           const RotatorOptions& options) override;
  void EnablePortRange(bool pourSat) override;
  void DisablePortRange(bool pourSat) override;

  // RadioGroupHNVLPTClick / RadioGroupFODLPTClick: `entry` 0..3 (LPT1, LPT2, LPT3, LPTx),
  // -1 none; `lptxText` the card's LPTx edit.
  PortChoice ChoosePort(int entry, const QString& lptxText);

  // Quit: access to the selected card's port, and to an LPTx a choice opened, is revoked.
  void Release();

 private:
  SendOutcome Send(Interface card, CommandState& state, const PrinterPortConfig& config,
                   const RotatorOptions& options);
  void Enable(int base);
  void Disable(int base);

  PortIo& io_;
  const AntennaSetup& setup_;
  PrinterPortTransport transport_;
  DetectedPrinterPorts detected_;
  bool driverInstalled_ = false;
  int enabledLptx_ = 0;
  // The address EnablePortRange opened for POURSAT [0] and FODTrack [1], 0 = none.
  std::array<int, 2> openFor_{};
  // A sequence is being clocked out; its pauses let window events run, which must neither
  // start a second sequence on the same wires nor take the port away under it.
  bool busy_ = false;
  std::vector<int> disableAfterSequence_;
};

}  // namespace tracking
