#pragma once

// What the station does around the tracking loop besides the rotator: the radio tuned for
// Doppler through rigctld and the commands at AOS and LOS. Called once a second after
// the tracking tick; never waits.

#include <QDateTime>
#include <QProcessEnvironment>
#include <QString>

#include <memory>

#include "prediction/pass_slot.h"
#include "tracking/hamlib_link.h"
#include "tracking/pass_commands.h"
#include "tracking/rigctld_tuner.h"

namespace tracking {

struct AutomationTick {
  bool tracking = false;  // TrackingActive after the tick
  bool inView = false;    // the shown satellite above the minimum elevation
  const prediction::PassSlot* slot = nullptr;  // the shown pass
  QDateTime nowUtc;
  double azimuth = 0;     // degrees, the satellite's azimuth now
  RigFrequencies radio;   // Doppler-corrected frequencies of the current mode
};

class StationAutomation {
 public:
  // `rigLink` carries the radio's commands; `runner` starts the pass commands.
  StationAutomation(HamlibLink& rigLink, PassCommandRunner& runner)
      : tuner_(rigLink), runner_(runner) {}
  // With a link and a runner of its own (the program).
  StationAutomation();

  // `base` is the environment a command inherits; none means the program's own, read
  // only when a command starts rather than every second.
  void Tick(const AutomationTick& tick, const RigSettings& rig,
            const PassCommandSettings& commands, const QProcessEnvironment* base = nullptr);
  // Tracking off (button, settings panel): the radio is left alone from now on.
  void Stop();
  // LabelHamlibStatus: the radio's fault, else a command that could not start; empty when
  // all is well.
  QString Status() const;
  const RigctldTuner& Tuner() const { return tuner_; }

 private:
  std::unique_ptr<HamlibLink> ownLink_;  // before tuner_, which holds it
  std::unique_ptr<PassCommandRunner> ownRunner_;
  PassEdgeWatcher watcher_;
  RigctldTuner tuner_;
  PassCommandRunner& runner_;
  bool tuning_ = false;
};

}  // namespace tracking
