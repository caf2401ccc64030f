#pragma once

// The POURSAT and FODTrack cards on the printer port. Their byte encoder and port driver
// come later; until then the tabs exist and the senders are called through this seam,
// whose default does nothing.

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
  // Port range granted while tracking (systems that restrict port access).
  virtual void EnablePortRange(bool pourSat) = 0;
  virtual void DisablePortRange(bool pourSat) = 0;
};

// Not built yet: every call is accepted and does nothing (status SkippedSmall, no effect).
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
  void EnablePortRange(bool) override {}
  void DisablePortRange(bool) override {}
  int pourSatCalls = 0;  // what the tests look at
  int fodTrackCalls = 0;
};

}  // namespace tracking
