#pragma once

// Commands the operator wants run when the shown satellite rises (AOS) and sets (LOS)
// while tracking: one command line each, started without a shell, never waited for.

#include <QDateTime>
#include <QProcessEnvironment>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "prediction/pass_slot.h"
#include "tracking/antenna_values.h"

class QProcess;

namespace tracking {

enum class PassEvent { None, Aos, Los };

// Turns the tick's "tracking on" and "in view" into AOS and LOS. AOS only when the
// satellite rises during tracking (not when it is in view as tracking starts); LOS when
// a pass seen during tracking ends, even if tracking stopped at the same second.
class PassEdgeWatcher {
 public:
  PassEvent Update(bool tracking, bool inView);

 private:
  bool wasTracking_ = false;
  bool wasInView_ = false;
};

// What a command learns through its environment. Times UTC, angles degrees.
struct PassEventInfo {
  PassEvent event = PassEvent::None;
  QString satellite;
  QString norad;
  QDateTime time, aos, los;  // UTC
  double maxElevation = 0;
  double azimuth = 0;        // the satellite's azimuth now
  double aosAzimuth = 0;
  double losAzimuth = 0;
};

// The record filled from the pass's per-minute rows: AOS and LOS times (passStart,
// passEnd), highest elevation, first and last azimuth.
PassEventInfo EventInfoFor(PassEvent event, const prediction::PassSlot& slot,
                           const QDateTime& nowUtc, double azimuth);

// `base` plus ORVANE_EVENT, ORVANE_SAT, ORVANE_NORAD, ORVANE_TIME, ORVANE_AOS, ORVANE_LOS
// (ISO 8601 with "Z"), ORVANE_MAX_EL, ORVANE_AZ, ORVANE_AOS_AZ, ORVANE_LOS_AZ.
QProcessEnvironment PassEnvironment(const PassEventInfo& info, QProcessEnvironment base);

// Starts commands and kills the ones that run too long. Check() on every tick.
class PassCommandRunner {
 public:
  using MsClock = std::function<qint64()>;
  static constexpr int kDefaultTimeLimitMs = 60000;

  explicit PassCommandRunner(MsClock clock = {});
  ~PassCommandRunner();
  PassCommandRunner(const PassCommandRunner&) = delete;
  PassCommandRunner& operator=(const PassCommandRunner&) = delete;

  // Splits the line into program and arguments (QProcess::splitCommand) and starts it.
  // False for an empty line or one that names no program.
  bool Run(const QString& commandLine, const QProcessEnvironment& environment);
  // Kills what has run beyond the limit, forgets what has ended.
  void Check();
  int Running() const;
  void SetTimeLimitMs(int ms) { limitMs_ = ms; }
  // "Command could not be started: prog (reason)" (language text) of the last failure;
  // empty when none. Each failure is reported once.
  QString Status() const { return status_; }
  void ClearStatus() { status_.clear(); }

 private:
  struct Job;
  qint64 Now() const;
  MsClock clock_;
  int limitMs_ = kDefaultTimeLimitMs;
  std::vector<std::unique_ptr<Job>> jobs_;
  QString status_;
};

}  // namespace tracking
