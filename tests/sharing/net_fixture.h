#pragma once

// Real clients on 127.0.0.1 for the server tests: a QTcpSocket client that collects
// lines, a raw socket that never reads, and an event-loop wait with a deadline.

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QThread>
#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>

#include "sharing/tcp_server.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace sharing::test {

// Runs the event loop until `done` holds or `ms` pass; the result of `done`.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 3000) {
  QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::usleep(200);
  }
  return true;
}

// Lets queued work of both threads settle for a moment (a negative test: nothing comes).
inline void Settle(int ms = 150) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::usleep(500);
  }
}

class LineClient {
 public:
  explicit LineClient(quint16 port) {
    socket_.connectToHost(QStringLiteral("127.0.0.1"), port);
    QObject::connect(&socket_, &QTcpSocket::readyRead, [this] {
      buffer_ += socket_.readAll();
      qsizetype start = 0;
      qsizetype at;
      while ((at = buffer_.indexOf('\n', start)) >= 0) {
        lines_.append(buffer_.mid(start, at + 1 - start));
        start = at + 1;
      }
      buffer_.remove(0, start);
    });
  }
  bool WaitConnected() {
    return WaitUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
  }
  void Send(const QByteArray& bytes) { socket_.write(bytes); }
  bool WaitLines(int count, int ms = 3000) {
    return WaitUntil([this, count] { return lines_.size() >= count; }, ms);
  }
  void Close() { socket_.abort(); }
  // Whole lines with their CR LF, in the order received.
  QList<QByteArray> lines_;
  QByteArray buffer_;
  QTcpSocket socket_;
};

// A blocking socket with a small receive buffer that the test never reads.
class SilentClient {
 public:
  explicit SilentClient(quint16 port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    int small = 4096;
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  }
  ~SilentClient() {
    if (fd_ >= 0) ::close(fd_);
  }
  bool Connected() const { return connected_; }
  // Reads what has arrived so far without waiting.
  QByteArray Drain() {
    QByteArray all;
    char chunk[65536];
    for (;;) {
      const ssize_t n = ::recv(fd_, chunk, sizeof chunk, MSG_DONTWAIT);
      if (n <= 0) break;
      all.append(chunk, n);
    }
    return all;
  }
  int fd_ = -1;
  bool connected_ = false;
};

// Fills the pipe of every client that never reads, so that the server's queue for it
// stands at its bound: 8 MB of lines. `reader` reads along and has caught up (its lines
// cleared) when this returns true.
inline bool Saturate(TcpServer& server, LineClient& reader) {
  for (int i = 0; i < 2000; ++i)
    server.PublishLine(QStringLiteral("FLOOD %1 ").arg(i).leftJustified(4094, QLatin1Char('x')));
  // The reader may lose older flood lines too, never the newest.
  const bool caughtUp = WaitUntil(
      [&] {
        return std::any_of(reader.lines_.rbegin(), reader.lines_.rend(),
                           [](const QByteArray& line) { return line.startsWith("FLOOD 1999 "); });
      },
      20000);
  reader.lines_.clear();
  return caughtUp && server.DroppedLines() > 0;
}

}  // namespace sharing::test
