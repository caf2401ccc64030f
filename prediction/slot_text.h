#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "prediction/pass_slot.h"

namespace prediction {

// Name cut to 11 characters, padded with blanks, then ":" (12 characters).
std::string SlotPrefix(std::string_view name);

// The 23-character slot text of a found pass: the first 12 characters of `current`,
// the delay and the duration as hours "h" minutes. Times are UTC date-time values.
std::string FormatSlotText(std::string_view current, Real passStart, Real passEnd, Real nowUtc);

// The text of a slot for which no pass was found.
std::string NoPassText(std::string_view current);

// Background colour from the text; `delayIsZero` tells whether the computed delay was 0
// (a pass in progress); warnMinutes is the warning lead time.
std::uint32_t SlotColour(std::string_view text, bool delayIsZero, int warnMinutes);

// Delay of a pass start from now (UTC), 0 when not positive.
Real SlotDelay(Real passStart, Real nowUtc);

}  // namespace prediction
