#pragma once

// A socat pseudo-terminal pair and a reader thread playing the controller on one end.
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tracking::testing {

using Clock = std::chrono::steady_clock;

class SocatPair {
 public:
  explicit SocatPair(const QString& folder) {
    const QString tag = QString::number(QCoreApplication::applicationPid());
    a_ = folder + QStringLiteral("/rot%1a").arg(tag);
    b_ = folder + QStringLiteral("/rot%1b").arg(tag);
    process_.start(QStringLiteral("socat"),
                   {QStringLiteral("-d"), QStringLiteral("-d"),
                    QStringLiteral("pty,raw,echo=0,link=") + a_,
                    QStringLiteral("pty,raw,echo=0,link=") + b_});
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 5000 && !(QFileInfo::exists(a_) && QFileInfo::exists(b_))) {
      QThread::msleep(10);
    }
  }
  ~SocatPair() { Kill(); }
  bool ready() const { return QFileInfo::exists(a_) && QFileInfo::exists(b_); }
  void Kill() {
    if (process_.state() != QProcess::NotRunning) {
      process_.kill();
      process_.waitForFinished(3000);
    }
  }
  const QString& a() const { return a_; }
  const QString& b() const { return b_; }

 private:
  QProcess process_;
  QString a_;
  QString b_;
};

// The controller end: reads everything that arrives, with the time of each chunk.
class Reader {
 public:
  explicit Reader(const QString& path) {
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOCTTY | O_NONBLOCK);
    if (fd_ >= 0) thread_ = std::thread([this] { Run(); });
  }
  ~Reader() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (fd_ >= 0) ::close(fd_);
  }
  bool ok() const { return fd_ >= 0; }

  // Waits (at most two seconds) until `count` bytes have arrived; returns all of them.
  std::string WaitFor(std::size_t count) {
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (Clock::now() < deadline) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (bytes_.size() >= count) return bytes_;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
  }
  // Waits (at most `ms`) until the bytes received end with `tail`; returns all of them.
  std::string WaitForTail(const std::string& tail, int ms = 3000) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < deadline) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (bytes_.size() >= tail.size() &&
            bytes_.compare(bytes_.size() - tail.size(), tail.size(), tail) == 0)
          return bytes_;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::lock_guard<std::mutex> lock(mutex_);
    return bytes_;
  }
  // Arrival time of byte number `index`.
  Clock::time_point ArrivalOf(std::size_t index) {
    std::lock_guard<std::mutex> lock(mutex_);
    return index < arrivals_.size() ? arrivals_[index] : Clock::time_point{};
  }
  void Clear() {
    std::lock_guard<std::mutex> lock(mutex_);
    bytes_.clear();
    arrivals_.clear();
  }

 private:
  void Run() {
    while (!stop_) {
      pollfd p{fd_, POLLIN, 0};
      if (::poll(&p, 1, 10) <= 0) continue;
      char buffer[256];
      const ssize_t n = ::read(fd_, buffer, sizeof(buffer));
      if (n <= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        continue;
      }
      const auto now = Clock::now();
      std::lock_guard<std::mutex> lock(mutex_);
      bytes_.append(buffer, static_cast<std::size_t>(n));
      arrivals_.insert(arrivals_.end(), static_cast<std::size_t>(n), now);
    }
  }
  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  std::mutex mutex_;
  std::string bytes_;
  std::vector<Clock::time_point> arrivals_;
};


}  // namespace tracking::testing
