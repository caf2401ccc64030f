#include "app/download/background_job.h"

namespace app::download {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
  if (stop_) stop_->store(true);
  for (const QPointer<QThread>& thread : threads_) {
    if (thread.isNull()) continue;
    thread->wait();
    delete thread.data();
  }
}

void BackgroundJob::Track() {
  QThread* thread = thread_;
  connect(thread, &QThread::finished, thread, &QObject::deleteLater);
  std::erase_if(threads_, [](const QPointer<QThread>& t) { return t.isNull(); });
  threads_.emplace_back(thread);
}

void BackgroundJob::Cancel() {
  if (!Busy()) return;
  stop_->store(true);
  ++generation_;  // its result, when it comes, is dropped
  thread_ = nullptr;
}

bool BackgroundJob::Finish(quint64 generation) {
  if (generation != generation_ || thread_ == nullptr) return false;
  thread_ = nullptr;
  return true;
}

}  // namespace app::download
