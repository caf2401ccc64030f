#include "tracking/arswin_channel.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include <cstring>

namespace tracking {

QString DefaultArswinPath() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QDir(runtime).exists()) return runtime + QStringLiteral("/ARSWIN");
  return QStringLiteral("/tmp/ARSWIN-%1").arg(getuid());
}

std::string ArswinLine(const ArswinPost& post) {
  return "AZIMUTH " + std::to_string(post.wParam) + " " + std::to_string(post.lParam) + "\n";
}

ArswinSocket::ArswinSocket(QString path) : path_(std::move(path)) {
  socket_ = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

ArswinSocket::~ArswinSocket() {
  if (socket_ >= 0) ::close(socket_);
}

bool ArswinSocket::FillAddress(void* address) const {
  auto* un = static_cast<sockaddr_un*>(address);
  std::memset(un, 0, sizeof(*un));
  un->sun_family = AF_UNIX;
  const QByteArray encoded = QFile::encodeName(path_);
  if (encoded.isEmpty() || encoded.size() >= static_cast<qsizetype>(sizeof(un->sun_path))) {
    return false;
  }
  std::memcpy(un->sun_path, encoded.constData(), static_cast<std::size_t>(encoded.size()));
  return true;
}

// A datagram socket can only be connected to an address somebody has bound.
bool ArswinSocket::WindowExists() {
  sockaddr_un address;
  if (!FillAddress(&address)) return false;
  const int probe = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  if (probe < 0) return false;
  const bool bound =
      ::connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
  ::close(probe);
  return bound;
}

bool ArswinSocket::Post(const ArswinPost& post) {
  sockaddr_un address;
  if (socket_ < 0 || !FillAddress(&address)) return false;
  const std::string line = ArswinLine(post);
  const ssize_t sent = ::sendto(socket_, line.data(), line.size(), MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr*>(&address), sizeof(address));
  return sent == static_cast<ssize_t>(line.size());
}

}  // namespace tracking
