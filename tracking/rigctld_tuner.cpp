#include "tracking/rigctld_tuner.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>

#include "tracking/tick_steps.h"

namespace tracking {

RigFrequencies CorrectedFrequencies(const orbit::RadioMode* mode, long long factor) {
  RigFrequencies f;
  if (mode == nullptr) return f;
  const DopplerShifts shifts = ComputeDoppler(mode, factor);
  if (mode->rxMHz > 0) f.rxHz = std::llround(static_cast<double>(mode->rxMHz) * 1e6) + shifts.rxHz;
  if (mode->txMHz > 0) f.txHz = std::llround(static_cast<double>(mode->txMHz) * 1e6) + shifts.txHz;
  return f;
}

bool NeedsRetune(long long last, long long next, int stepHz) {
  if (next <= 0) return false;
  return last == 0 || std::llabs(next - last) > stepHz;
}

void RigctldTuner::Update(const RigSettings& settings, const RigFrequencies& target) {
  if (!settings.enabled) {
    Stop();
    return;
  }
  if (const std::optional<QString> fault = link_.Check()) {
    status_ = QCoreApplication::translate("Rotator", "rigctld %1 error (%2)")
                  .arg(link_.Endpoint(), *fault);
    link_.Close();  // tried again on the next second
    sent_ = {};
    return;
  }
  if (!link_.Open(settings.host, settings.port)) return;
  const auto clearStatus = [this](const QStringList&) { status_.clear(); };
  if (NeedsRetune(sent_.rxHz, target.rxHz, settings.stepHz)) {
    link_.Send("F " + std::to_string(target.rxHz) + "\n", 0, clearStatus);
    sent_.rxHz = target.rxHz;
  }
  if (NeedsRetune(sent_.txHz, target.txHz, settings.stepHz)) {
    link_.Send("I " + std::to_string(target.txHz) + "\n", 0, clearStatus);
    sent_.txHz = target.txHz;
  }
}

void RigctldTuner::Stop() {
  link_.Close();
  sent_ = {};
}

}  // namespace tracking
