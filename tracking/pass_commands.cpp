#include "tracking/pass_commands.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>

#include "base/clock.h"

namespace tracking {

PassEvent PassEdgeWatcher::Update(bool tracking, bool inView) {
  PassEvent event = PassEvent::None;
  if (inView && !wasInView_ && tracking && wasTracking_) event = PassEvent::Aos;
  if (!inView && wasInView_ && wasTracking_) event = PassEvent::Los;
  wasTracking_ = tracking;
  wasInView_ = inView;
  return event;
}

namespace {

// The date-time's own fields, which are UTC, with the "Z" that says so.
QString Iso(const QDateTime& utc) {
  return utc.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + QLatin1Char('Z');
}

QString Degrees(double value) { return QString::number(value, 'f', 1); }

}  // namespace

PassEventInfo EventInfoFor(PassEvent event, const prediction::PassSlot& slot,
                           const QDateTime& nowUtc, double azimuth) {
  PassEventInfo info;
  info.event = event;
  info.satellite = QString::fromStdString(slot.name).trimmed();
  info.norad = QString::fromStdString(slot.set.catalogueNumber).trimmed();
  info.time = nowUtc;
  info.aos = base::FromDateTimeValue(static_cast<double>(slot.passStart));
  info.los = base::FromDateTimeValue(static_cast<double>(slot.passEnd));
  info.azimuth = azimuth;
  const prediction::PassRows& rows = slot.rows;
  int maxEl = 0;
  int last = -1;
  for (std::size_t k = 0; k < rows.elevation.size() && rows.elevation[k] != prediction::kEndMark;
       ++k) {
    maxEl = std::max(maxEl, rows.elevation[k]);
    last = static_cast<int>(k);
  }
  if (last >= 0) {
    info.maxElevation = maxEl;
    info.aosAzimuth = rows.azimuth[0];
    info.losAzimuth = rows.azimuth[static_cast<std::size_t>(last)];
  }
  return info;
}

QProcessEnvironment PassEnvironment(const PassEventInfo& info, QProcessEnvironment env) {
  env.insert(QStringLiteral("ORVANE_EVENT"),
             info.event == PassEvent::Aos ? QStringLiteral("AOS") : QStringLiteral("LOS"));
  env.insert(QStringLiteral("ORVANE_SAT"), info.satellite);
  env.insert(QStringLiteral("ORVANE_NORAD"), info.norad);
  env.insert(QStringLiteral("ORVANE_TIME"), Iso(info.time));
  env.insert(QStringLiteral("ORVANE_AOS"), Iso(info.aos));
  env.insert(QStringLiteral("ORVANE_LOS"), Iso(info.los));
  env.insert(QStringLiteral("ORVANE_MAX_EL"), Degrees(info.maxElevation));
  env.insert(QStringLiteral("ORVANE_AZ"), Degrees(info.azimuth));
  env.insert(QStringLiteral("ORVANE_AOS_AZ"), Degrees(info.aosAzimuth));
  env.insert(QStringLiteral("ORVANE_LOS_AZ"), Degrees(info.losAzimuth));
  return env;
}

struct PassCommandRunner::Job {
  std::unique_ptr<QProcess> process;
  qint64 started = 0;
  bool ended = false;
};

PassCommandRunner::PassCommandRunner(MsClock clock) : clock_(std::move(clock)) {}

PassCommandRunner::~PassCommandRunner() {
  for (const auto& job : jobs_) {
    job->process->disconnect();
    if (job->process->state() != QProcess::NotRunning) job->process->kill();
  }
}

qint64 PassCommandRunner::Now() const {
  if (clock_) return clock_();
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer.elapsed();
}

bool PassCommandRunner::Run(const QString& commandLine, const QProcessEnvironment& environment) {
  QStringList words = QProcess::splitCommand(commandLine);
  if (words.isEmpty()) return false;
  const QString program = words.takeFirst();
  auto job = std::make_unique<Job>();
  job->process = std::make_unique<QProcess>();
  QProcess* p = job->process.get();
  Job* raw = job.get();
  p->setProcessEnvironment(environment);
  // Output nobody reads must not fill a pipe and stall the command.
  p->setStandardOutputFile(QProcess::nullDevice());
  p->setStandardErrorFile(QProcess::nullDevice());
  QObject::connect(p, &QProcess::errorOccurred, p, [this, raw, program](QProcess::ProcessError e) {
    if (e == QProcess::FailedToStart) {
      status_ = QCoreApplication::translate("Rotator", "Command could not be started: %1 (%2)")
                    .arg(program, raw->process->errorString());
      raw->ended = true;
    }
  });
  QObject::connect(p, &QProcess::finished, p, [raw] { raw->ended = true; });
  job->started = Now();
  p->start(program, words);
  jobs_.push_back(std::move(job));
  return true;
}

void PassCommandRunner::Check() {
  const qint64 now = Now();
  for (const auto& job : jobs_) {
    if (!job->ended && job->process->state() != QProcess::NotRunning &&
        now - job->started >= limitMs_) {
      job->process->kill();  // reaped without waiting: finished() follows
    }
  }
  // A killed or ended process goes once Qt has reaped it.
  std::erase_if(jobs_, [](const std::unique_ptr<Job>& job) {
    return job->process->state() == QProcess::NotRunning;
  });
}

int PassCommandRunner::Running() const {
  return static_cast<int>(std::count_if(jobs_.begin(), jobs_.end(), [](const auto& job) {
    return job->process->state() != QProcess::NotRunning;
  }));
}

}  // namespace tracking
