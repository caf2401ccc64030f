#pragma once

// Pure command encoders: a target and the interface settings in, bytes out.
// They know nothing of ports, sockets or processes; the senders carry the results.

#include <optional>
#include <string>

#include "tracking/rotator_types.h"

namespace tracking {

enum class EncodeAction {
  Send,           // write/post/launch what the result holds
  SkipSmallStep,  // both axes moved less than the minimum step: nothing to do
  Stop360,        // azimuth jumped by more than 350°: stop tracking and ask the operator
};

// The command itself: serial writes, each followed by its pause (carried whatever the
// action: ProSisTel's preamble goes out before its 360° test), EA4TX posts or KCT's
// Movenow arguments.
struct EncodeResult : RotatorCommand {
  EncodeAction action = EncodeAction::SkipSmallStep;
  std::string displayText;        // what LabelTrack shows when ShowCommands is on
  // Colour of the azimuth display when this call decided it: red while the overlap range
  // 360..450° is commanded. Empty when the display is left alone.
  std::optional<bool> redAzimuth;
};

// Runs the sender steps of `dialect` on `state` (TargetAz/TargetEl in, the last-sent
// fields updated as a real send would update them).
EncodeResult Encode(Interface dialect, CommandState& state, const RotatorConfig& config,
                    const RotatorOptions& options);

// Round to nearest with halves to even, as every command value is rounded.
long RoundHalfEven(long double x);

// Decimal without sign, left-padded with zeros to `width` digits (longer values kept).
std::string ZeroPadded(long value, int width);

}  // namespace tracking
