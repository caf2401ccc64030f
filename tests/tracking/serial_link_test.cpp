// End to end over a pseudo-terminal pair made by socat: the sender writes to one end, a
// reader thread plays the controller on the other and timestamps what arrives.
#include "tracking/serial_link.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>

#include "base/wait.h"
#include "tracking/rotator_sender.h"

namespace tracking {
namespace {

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

class SerialLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    pair_ = std::make_unique<SocatPair>(dir_.path());
    ASSERT_TRUE(pair_->ready()) << "socat did not create the pseudo-terminal pair";
    config_.portName = pair_->a();
    config_.baudRate = 4800;
  }
  QTemporaryDir dir_;
  std::unique_ptr<SocatPair> pair_;
  RotatorConfig config_;
};

TEST_F(SerialLinkTest, Gs232CommandsArriveByteExactAndSpaced) {
  Reader reader(pair_->b());
  ASSERT_TRUE(reader.ok());
  SerialLink link;
  RotatorSender sender(Interface::Gs232, link, base::WaitMilliseconds);
  CommandState state;
  state.TargetAz = 123.4L;
  state.TargetEl = 5.6L;
  ASSERT_EQ(sender.Send(state, config_, {}).status, SendStatus::Sent);
  EXPECT_TRUE(link.IsOpen());
  state.TargetAz = 180;
  state.TargetEl = 45;
  ASSERT_EQ(sender.Send(state, config_, {}).status, SendStatus::Sent);

  const std::string first = "W123 006\r";
  const std::string both = first + "W180 045\r";
  EXPECT_EQ(reader.WaitFor(both.size()), both);
  const auto gap = reader.ArrivalOf(first.size()) - reader.ArrivalOf(first.size() - 1);
  EXPECT_GE(std::chrono::duration_cast<std::chrono::milliseconds>(gap).count(), 20);

  reader.Clear();
  sender.Stop(true, true);
  EXPECT_EQ(reader.WaitFor(2), "S\r");
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(SerialLinkTest, EasyCommCommandAndStop) {
  Reader reader(pair_->b());
  ASSERT_TRUE(reader.ok());
  SerialLink link;
  RotatorSender sender(Interface::EasyComm, link, base::WaitMilliseconds);
  CommandState state;
  state.TargetAz = 123.4L;
  state.TargetEl = 5.6L;
  ASSERT_EQ(sender.Send(state, config_, {}).status, SendStatus::Sent);
  EXPECT_EQ(reader.WaitFor(16), "AZ123.0 EL006.0\r");
  reader.Clear();
  sender.Stop(true, true);
  EXPECT_EQ(reader.WaitFor(6), "SA SE\r");
}

TEST_F(SerialLinkTest, MissingPortIsReportedNotFatal) {
  SerialLink link;
  EXPECT_FALSE(link.Open(dir_.path() + QStringLiteral("/nothing"), 9600));
  EXPECT_FALSE(link.IsOpen());
  EXPECT_FALSE(link.Write("W000 000\r"));
  EXPECT_FALSE(link.Open(QString(), 9600));

  RotatorSender sender(Interface::Gs232, link, base::WaitMilliseconds);
  RotatorConfig config;
  config.portName = QStringLiteral("ttyNoSuchPort9");
  CommandState state;
  state.TargetAz = 10;
  SendOutcome outcome = sender.Send(state, config, {});
  EXPECT_EQ(outcome.status, SendStatus::PortError);
  EXPECT_EQ(outcome.message, QStringLiteral("GS232 ttyNoSuchPort9 error"));
}

TEST_F(SerialLinkTest, VanishedPeerReturnsWithinTheTimeOut) {
  SerialLink link;
  ASSERT_TRUE(link.Open(pair_->a(), 9600));
  pair_->Kill();
  QElapsedTimer timer;
  timer.start();
  link.Write("W100 010\r");
  link.Write("W101 010\r");
  EXPECT_LT(timer.elapsed(), 2 * SerialLink::kWriteTimeoutMs + 2000);

  // The dead port is closed, and the next command reports it instead of writing into nothing.
  EXPECT_FALSE(link.IsOpen());
  RotatorSender sender(Interface::Gs232, link, base::WaitMilliseconds);
  CommandState state;
  state.TargetAz = 200;
  const SendOutcome outcome = sender.Send(state, config_, {});
  EXPECT_EQ(outcome.status, SendStatus::PortError);
  EXPECT_TRUE(outcome.stopTracking);
  sender.Stop(true, true);
  EXPECT_FALSE(link.IsOpen());
}

}  // namespace
}  // namespace tracking
