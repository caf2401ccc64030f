#include "tracking/station_automation.h"

namespace tracking {

StationAutomation::StationAutomation()
    : ownLink_(std::make_unique<HamlibLink>()),
      ownRunner_(std::make_unique<PassCommandRunner>()),
      tuner_(*ownLink_),
      runner_(*ownRunner_) {}

void StationAutomation::Tick(const AutomationTick& tick, const RigSettings& rig,
                             const PassCommandSettings& commands,
                             const QProcessEnvironment* base) {
  const PassEvent event = watcher_.Update(tick.tracking, tick.inView);
  if (event != PassEvent::None && tick.slot != nullptr) {
    const QString& line = event == PassEvent::Aos ? commands.aosCommand : commands.losCommand;
    if (!line.trimmed().isEmpty()) {
      const QProcessEnvironment inherited =
          base != nullptr ? *base : QProcessEnvironment::systemEnvironment();
      runner_.Run(line, PassEnvironment(EventInfoFor(event, *tick.slot, tick.nowUtc, tick.azimuth),
                                        inherited));
    }
  }
  runner_.Check();

  if (tick.tracking && tick.inView && rig.enabled) {
    tuner_.Update(rig, tick.radio);
    tuning_ = true;
  } else {
    Stop();
  }
}

void StationAutomation::Stop() {
  if (!tuning_) return;
  tuner_.Stop();
  tuning_ = false;
}

QString StationAutomation::Status() const {
  if (!tuner_.Status().isEmpty()) return tuner_.Status();
  return runner_.Status();
}

}  // namespace tracking
