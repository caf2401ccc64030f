#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "prediction/pass_slot.h"

namespace app {

// One pass slot as the one-second tick sees it.
struct CountdownSlot {
  bool used = false;        // holds a satellite of the active group
  bool neverRises = false;  // its first per-minute elevation is the end mark
  std::string text;         // 23 characters: name, ":", delay, blank, duration
  std::uint32_t colour = prediction::kWhite;
};

struct CountdownOptions {
  bool minuteTick = false;
  bool warning = false;  // CheckBoxPreVisu
  int warnMinutes = 5;   // SpinEditPreVisu
};

struct CountdownResult {
  bool passEnded = false;
  std::vector<int> alarms;  // 0-based slots that rose or reached the warning lead now
};

// Steps the slot texts and colours of one tick: the minute countdown of delays and
// durations, the rise and warning alarms, the in-view, warning, next-to-rise (aqua) and
// no-pass colours.
CountdownResult CountDownSlots(std::array<CountdownSlot, prediction::kSlotCount>& slots,
                               const CountdownOptions& options);

// Counts "HHhMM" down by one minute; *reachedZero when it read 00h01 or less.
std::string CountDownField(const std::string& field, bool* reachedZero);

}  // namespace app
