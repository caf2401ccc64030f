#pragma once

// The POURSAT and FODTrack cards on the printer port, as the tracking controller calls
// them. PrinterPortBank (printer_port_sender.h) is the real one.

#include "tracking/rotator_sender.h"
#include "tracking/rotator_types.h"

namespace tracking {

// Printer-port settings of one card, as the panel holds them.
struct PrinterPortConfig {
  RotatorConfig rotator;            // stop, elevation range, step, test position, parking
  int lptEntry = -1;                // 0..3 = LPT1, LPT2, LPT3, LPTx; -1 none
  QString lptAddressText;           // LPTx base address, up to 4 hex digits
  long double bitsPerDegreeAz = 0;  // calibration
  long double bitsPerDegreeEl = 0;
  long double zeroAzimuth = 0;      // degrees that map to bit value 0, -90..90
  bool azimuth450 = false;          // 450° range: the overlap may be used
};

class PrinterPortSenders {
 public:
  virtual ~PrinterPortSenders() = default;
  virtual SendOutcome SendPourSat(CommandState& state, const PrinterPortConfig& config,
                                  const RotatorOptions& options) = 0;
  virtual SendOutcome SendFODTrack(CommandState& state, const PrinterPortConfig& config,
                                   const RotatorOptions& options) = 0;
  // Access to the chosen port of POURSAT (`pourSat`) or FODTrack, granted while tracking
  // and around a Test command (systems that restrict port access).
  virtual void EnablePortRange(bool pourSat) = 0;
  virtual void DisablePortRange(bool pourSat) = 0;
};

// For tests of the controller that leave the cards alone: every call is counted and does
// nothing else (status SkippedSmall).
class NoPrinterPortSenders : public PrinterPortSenders {
 public:
  SendOutcome SendPourSat(CommandState&, const PrinterPortConfig&, const RotatorOptions&) override {
    ++pourSatCalls;
    return {};
  }
  SendOutcome SendFODTrack(CommandState&, const PrinterPortConfig&,
                           const RotatorOptions&) override {
    ++fodTrackCalls;
    return {};
  }
  void EnablePortRange(bool) override { ++enables; }
  void DisablePortRange(bool) override { ++disables; }
  int pourSatCalls = 0;  // what the tests look at
  int fodTrackCalls = 0;
  int enables = 0;
  int disables = 0;
};

}  // namespace tracking
