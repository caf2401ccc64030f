#pragma once

// Drives the tracking controller through one pass of a SamplePass, a second at a time on
// the test clock: tracking switched on two minutes before AOS (pre-positioning), one tick
// per second while the slot is in view, the explorer rebuilt (tracking stops) at the end.
#include <functional>

#include "pass_fixture.h"
#include "tracking/tracking_controller.h"

namespace tracking::testing {

struct PassRunOptions {
  int leadSeconds = 120;                          // tracking on this long before AOS
  std::function<void(orbit::Real utc)> afterTick;  // e.g. pacing or logging
};

// In view the way the slot list shows it: from the AOS minute to the minute after the last row.
inline bool SlotInView(const SamplePass& pass, orbit::Real utc) {
  return utc >= pass.slot->passStart - 1e-9L && utc < pass.slot->passEnd + 1.0L / 1440 - 1e-9L;
}

inline void RunPass(SamplePass& pass, TrackingController& controller, ReportSink& sink,
                    const PassRunOptions& options = {}) {
  const orbit::Real aos = pass.slot->passStart;
  const orbit::Real end = pass.slot->passEnd + 1.0L / 1440;
  pass.SetUtc(aos - options.leadSeconds / 86400.0L);
  controller.SpeedButtonTrackClick({&pass.slot->rows, false, 0, -1});
  for (int s = -options.leadSeconds; pass.Utc() < end + 0.5L / 86400; ++s) {
    pass.SetUtc(aos + s / 86400.0L);
    TickInput in;
    in.explorerVisible = true;
    in.slotInView = SlotInView(pass, pass.Utc());
    in.search = &pass.ctx;
    in.slot = pass.slot.get();
    in.rowTexts = &pass.rows;
    in.nowLocal = pass.Local();
    controller.Tick(in, sink);
    if (options.afterTick) options.afterTick(pass.Utc());
  }
  controller.BeforeExplorerRebuild(false);  // pass over: the explorer moves to the next one
}

}  // namespace tracking::testing
