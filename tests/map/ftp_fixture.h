#pragma once

// A real FTP server for the upload tests: Debian's pyftpdlib on 127.0.0.1 at a free port,
// serving a temporary folder, logging each command it receives.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>

namespace map::testing {

class FtpServer {
 public:
  // `readLimit` > 0 throttles what the server reads from its clients (bytes a second).
  explicit FtpServer(int readLimit = 0, QString user = QStringLiteral("orvane"),
                     QString password = QStringLiteral("s3cret=pw"))
      : user(std::move(user)), password(std::move(password)) {
    QDir(root.path()).mkpath(QStringLiteral("pub"));
    process_.setProgram(QStringLiteral("/usr/bin/python3"));
    process_.setArguments({QStringLiteral(ORVANE_SOURCE_DIR "/tests/map/ftp_server.py"), root.path(),
                           this->user, this->password, LogPath(), QString::number(readLimit)});
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(5000)) return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    port = QString::fromLatin1(process_.readLine()).trimmed().toInt();
  }
  ~FtpServer() {
    process_.kill();
    process_.waitForFinished(3000);
  }
  FtpServer(const FtpServer&) = delete;
  FtpServer& operator=(const FtpServer&) = delete;

  bool Running() const { return port > 0; }
  QString Host() const { return QStringLiteral("127.0.0.1:%1").arg(port); }
  QString LogPath() const { return logDir_.filePath(QStringLiteral("commands.log")); }
  // Every command received so far, in order.
  QStringList Commands() const {
    QFile f(LogPath());
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }
  int Count(const QString& prefix) const {
    int n = 0;
    for (const QString& c : Commands()) n += c.startsWith(prefix);
    return n;
  }
  QByteArray Remote(const QString& path) const {
    QFile f(QDir(root.path()).filePath(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  QTemporaryDir root;
  QString user;
  QString password;
  int port = 0;

 private:
  QTemporaryDir logDir_;
  QProcess process_;
};

// A loopback port nothing listens on.
inline int ClosedPort() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const int port = probe.serverPort();
  probe.close();
  return port;
}

}  // namespace map::testing
