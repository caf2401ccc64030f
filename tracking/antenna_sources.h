#pragma once

// The four sources that steer the rotator: the tracking loop, the sun window, the moon
// window and the HF beam window. One at a time: starting one releases the others, and a
// source that stops sends the stop commands and forgets what was sent, so that the next
// source starts with a fresh position.

#include <array>
#include <functional>
#include <optional>

#include "tracking/rotator_sender.h"
#include "tracking/rotator_types.h"

namespace tracking {

class PrinterPortSenders;
class RotatorBank;
class TrackingController;
struct AntennaSetup;

enum class AntennaSource { TrackingLoop, Sun, Moon, HfBeam };
inline constexpr int kAntennaSourceCount = 4;

class AntennaSources {
 public:
  // What the sources' windows tell about themselves; an empty hook counts as "off" / no-op.
  struct Hooks {
    std::function<bool()> tracking;  // this source's tracking is on
    std::function<void()> release;   // switch it off through its own stop (button up, Stop())
    std::function<void()> resume;    // the 360° step window's Yes: switch it on again
  };

  AntennaSources(TrackingController& controller, RotatorBank& bank, CommandState& state,
                 AntennaSetup& setup, PrinterPortSenders& printer);

  void Register(AntennaSource source, Hooks hooks);

  // An interface is selected: without one no source can track.
  bool InterfaceSelected() const;

  // `source` takes the rotator: every other source whose tracking is on is released first.
  // A tool window (sun, moon, HF beam) also gets the printer-port range when a card is
  // selected; the tracking loop opens it itself.
  void Start(AntennaSource source);

  // A tool window's tracking ends: the selected interface's stop commands, every port
  // closed, the printer-port range given back and the command state reset. The tracking
  // loop does the same in its own switch-off.
  void Stop(AntennaSource source);

  // Commands `azimuth`/`elevation` (degrees) for a tool window through the selected
  // interface's sender and carries out the outcome (beep, message, 360° window). A port
  // that does not open, a missing ARSWIN or a 360° step release the source: false then.
  bool Send(AntennaSource source, long double azimuth, long double elevation);

  // The 360° step window's Yes: the tool source that the step stopped resumes; after a
  // step of the tracking loop (or none) the loop's own resume runs.
  void AlarmYes();

  // The source whose 360° step is waiting for an answer, if a tool window's.
  std::optional<AntennaSource> SteppedSource() const { return stepped_; }

 private:
  const Hooks& HooksOf(AntennaSource source) const {
    return hooks_[static_cast<std::size_t>(source)];
  }
  void Release(AntennaSource source);

  TrackingController& controller_;
  RotatorBank& bank_;
  CommandState& state_;
  AntennaSetup& setup_;
  PrinterPortSenders& printer_;
  std::array<Hooks, kAntennaSourceCount> hooks_;
  std::optional<AntennaSource> stepped_;
};

}  // namespace tracking
