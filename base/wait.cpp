#include "base/wait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace base {

void WaitMilliseconds(int n) {
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
