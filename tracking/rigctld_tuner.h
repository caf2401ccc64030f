#pragma once

// Doppler tuning of a radio through Hamlib's rigctld: the receive ("F") and transmit ("I")
// frequencies of the current mode, corrected for Doppler, once a second while tracking.
// Frequencies in Hz. Nothing here waits on the daemon.

#include <QString>

#include "orbit/radio_data.h"
#include "tracking/antenna_values.h"
#include "tracking/hamlib_link.h"

namespace tracking {

// What the radio is told, Hz; 0 = the mode has no such frequency.
struct RigFrequencies {
  long long rxHz = 0;
  long long txHz = 0;
  bool operator==(const RigFrequencies&) const = default;
};

// The mode's downlink and uplink plus their Doppler shifts (`factor` in Hz per GHz, as
// DopplerNow gives it). A missing mode gives nothing.
RigFrequencies CorrectedFrequencies(const orbit::RadioMode* mode, long long factor);

// True when `next` should be sent: nothing sent yet (`last` 0) or it moved by more than
// `stepHz`. A frequency of 0 is never sent.
bool NeedsRetune(long long last, long long next, int stepHz);

class RigctldTuner {
 public:
  explicit RigctldTuner(HamlibLink& link) : link_(link) {}
  // Once a second while tracking with the satellite in view.
  void Update(const RigSettings& settings, const RigFrequencies& target);
  // LOS or tracking off: the connection closes and the next pass starts afresh.
  void Stop();
  // Empty, or "rigctld host:port error (reason)" (language text) until a reply comes.
  QString Status() const { return status_; }
  RigFrequencies Sent() const { return sent_; }

 private:
  HamlibLink& link_;
  RigFrequencies sent_;
  QString status_;
};

}  // namespace tracking
