#include "tracking/arswin_channel.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>

#include <cstring>

#include "tracking/rotator_sender.h"

namespace tracking {
namespace {

// Plays ARSWIN: a datagram socket bound at the channel's path.
class FakeArswin {
 public:
  explicit FakeArswin(const QString& path) {
    fd_ = ::socket(AF_UNIX, SOCK_DGRAM, 0);
    sockaddr_un address;
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    const QByteArray encoded = QFile::encodeName(path);
    std::memcpy(address.sun_path, encoded.constData(), static_cast<std::size_t>(encoded.size()));
    bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
  }
  ~FakeArswin() { ::close(fd_); }
  bool bound() const { return bound_; }
  // The next datagram, or empty when none arrives within a second.
  std::string Receive() {
    timeval timeout{1, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof(timeout));
    char buffer[256];
    const ssize_t n = ::recv(fd_, buffer, sizeof(buffer), 0);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
  }

 private:
  int fd_ = -1;
  bool bound_ = false;
};

class ArswinChannelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    saved_ = qgetenv("XDG_RUNTIME_DIR");
    hadRuntime_ = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir_.path()));
  }
  void TearDown() override {
    if (hadRuntime_) {
      qputenv("XDG_RUNTIME_DIR", saved_);
    } else {
      qunsetenv("XDG_RUNTIME_DIR");
    }
  }
  QTemporaryDir dir_;
  QByteArray saved_;
  bool hadRuntime_ = false;
};

TEST_F(ArswinChannelTest, SocketLivesInTheRuntimeFolderOrInTmp) {
  EXPECT_EQ(DefaultArswinPath(), dir_.path() + QStringLiteral("/ARSWIN"));
  qunsetenv("XDG_RUNTIME_DIR");
  EXPECT_EQ(DefaultArswinPath(), QStringLiteral("/tmp/ARSWIN-%1").arg(getuid()));
}

TEST_F(ArswinChannelTest, WindowExistsOnlyWhileAPeerIsBound) {
  ArswinSocket channel;
  EXPECT_FALSE(channel.WindowExists());
  EXPECT_FALSE(channel.Post({1, 0}));
  {
    FakeArswin arswin(channel.path());
    ASSERT_TRUE(arswin.bound());
    EXPECT_TRUE(channel.WindowExists());
  }
  // The peer closed; its socket file is left behind but nobody listens.
  EXPECT_FALSE(channel.WindowExists());
}

TEST_F(ArswinChannelTest, SenderPostsAzimuthThenElevationAndTheStopPair) {
  ArswinSocket channel;
  FakeArswin arswin(channel.path());
  ASSERT_TRUE(arswin.bound());
  RotatorSender sender(channel);
  CommandState state;
  state.TargetAz = 123.4L;
  state.TargetEl = 5.6L;
  EXPECT_EQ(sender.Send(state, {}, {}).status, SendStatus::Sent);
  EXPECT_EQ(arswin.Receive(), "AZIMUTH 123 0\n");
  EXPECT_EQ(arswin.Receive(), "AZIMUTH 6 1\n");

  sender.Stop(true, true);
  EXPECT_EQ(arswin.Receive(), "AZIMUTH -1 0\n");
  EXPECT_EQ(arswin.Receive(), "AZIMUTH -1 1\n");
}

TEST_F(ArswinChannelTest, UnusablePathsFailQuietly) {
  ArswinSocket tooLong(QString(200, QLatin1Char('x')));
  EXPECT_FALSE(tooLong.WindowExists());
  EXPECT_FALSE(tooLong.Post({1, 0}));
  ArswinSocket empty{QString()};
  EXPECT_FALSE(empty.WindowExists());
}

}  // namespace
}  // namespace tracking
