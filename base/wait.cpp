#include "base/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace base {

namespace {

thread_local int waitDepth = 0;

struct DepthScope {
  DepthScope() { ++waitDepth; }
  ~DepthScope() { --waitDepth; }
  DepthScope(const DepthScope&) = delete;
  DepthScope& operator=(const DepthScope&) = delete;
};

}  // namespace

int WaitDepth() { return waitDepth; }

void WaitMilliseconds(int n) {
  const DepthScope inside;
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < n) {
    if (QCoreApplication::instance() != nullptr) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    if (timer.elapsed() < n) QThread::msleep(1);
  }
}

}  // namespace base
