#pragma once

// One piece of blocking work (a transfer, an unzip, a file save) at a time on a thread
// of its own; its result comes back to the owner's thread through the event loop, so
// the window thread never waits on the network or the disk.

#include <QObject>
#include <QPointer>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace app::download {

class BackgroundJob : public QObject {
  Q_OBJECT
 public:
  explicit BackgroundJob(QObject* parent = nullptr);
  // Asks a running job to stop and waits for its thread: the job's transfers look at the
  // stop flag several times a second, so this is short.
  ~BackgroundJob() override;

  bool Busy() const { return thread_ != nullptr; }

  // Runs `work` on a new thread; `done` runs afterwards on this object's thread with
  // the result, unless Cancel() came first. False (nothing started) while busy.
  template <typename Result>
  bool Start(std::function<Result(const std::atomic<bool>& stop)> work,
             std::function<void(Result)> done) {
    if (Busy()) return false;
    auto stop = std::make_shared<std::atomic<bool>>(false);
    stop_ = stop;
    const quint64 generation = ++generation_;
    QPointer<BackgroundJob> self(this);
    thread_ = QThread::create([self, stop, generation, work = std::move(work),
                               done = std::move(done)]() mutable {
      auto result = std::make_shared<Result>(work(*stop));
      // Queued to the owner; dropped when the owner is gone or the job was cancelled.
      if (self.isNull()) return;
      QMetaObject::invokeMethod(
          self.data(),
          [self, generation, result, done = std::move(done)]() {
            if (self.isNull()) return;
            const bool current = self->Finish(generation);
            if (current) done(std::move(*result));
          },
          Qt::QueuedConnection);
    });
    Track();
    thread_->start();
    return true;
  }

  // The running job stops as soon as it can and its result is dropped; Busy() turns
  // false at once, so a new job may start.
  void Cancel();

 private:
  bool Finish(quint64 generation);
  void Track();

  QThread* thread_ = nullptr;  // the current job's thread; deletes itself when done
  std::shared_ptr<std::atomic<bool>> stop_;
  quint64 generation_ = 0;
  std::vector<QPointer<QThread>> threads_;  // every thread not yet deleted
};

}  // namespace app::download
