#pragma once

// A small HTTP/1.1 server on 127.0.0.1 (free port) for the download tests: routes by
// path, keeps every request (line, headers, body, cookies), answers with raw bytes so
// that a test can send a cut body or stall. The same server speaks TLS when given a
// certificate made with openssl at test time.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <vector>

#include "app/download/http_client.h"

// Readable failures.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
  *os << '"' << b.toStdString() << '"';
}

namespace app::download::test {

struct RecordedRequest {
  QByteArray line;  // "GET /path?query HTTP/1.1"
  QByteArray method;
  QByteArray target;  // path with query
  QByteArray path;    // without query
  QMap<QByteArray, QByteArray> headers;  // names in lower case
  QByteArray body;
  QByteArray Header(const char* name) const { return headers.value(QByteArray(name).toLower()); }
  QByteArray Cookies() const { return Header("cookie"); }
};

// Raw answer bytes; `stall` keeps the connection open after them without a word more.
struct Reply {
  QByteArray bytes;
  bool stall = false;
};

inline Reply Response(int status, const QByteArray& body, const QByteArray& extraHeaders = {},
                      const QByteArray& reason = "OK") {
  QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\n";
  head += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
  head += "Connection: close\r\n";
  head += extraHeaders;
  return Reply{head + "\r\n" + body};
}

inline Reply Redirect(int status, const QByteArray& location, const QByteArray& extra = {}) {
  return Response(status, QByteArray(), "Location: " + location + "\r\n" + extra, "Moved");
}

class TestHttpServer : public QObject {
 public:
  using Handler = std::function<Reply(const RecordedRequest&)>;

  // Plain HTTP; with `tls`, HTTPS with that configuration.
  explicit TestHttpServer(const QSslConfiguration* tls = nullptr) {
    if (tls != nullptr) {
      auto* server = new QSslServer(this);
      server->setSslConfiguration(*tls);
      server_ = server;
      scheme_ = "https";
    } else {
      server_ = new QTcpServer(this);
    }
    QObject::connect(server_, &QTcpServer::pendingConnectionAvailable, this, [this] {
      while (QTcpSocket* socket = server_->nextPendingConnection()) Serve(socket);
    });
    listening_ = server_->listen(QHostAddress::LocalHost, 0);
  }

  bool Listening() const { return listening_; }
  quint16 Port() const { return server_->serverPort(); }
  QString Url(const QString& path, const QString& host = QStringLiteral("127.0.0.1")) const {
    return QString::fromLatin1(scheme_) + QStringLiteral("://") + host + QLatin1Char(':') +
           QString::number(Port()) + path;
  }
  void Route(const QByteArray& path, Handler handler) { routes_[path] = std::move(handler); }
  void Route(const QByteArray& path, const Reply& reply) {
    routes_[path] = [reply](const RecordedRequest&) { return reply; };
  }
  int Count(const QByteArray& path) const {
    int n = 0;
    for (const RecordedRequest& r : requests)
      if (r.path == path) ++n;
    return n;
  }

  std::vector<RecordedRequest> requests;

 private:
  void Serve(QTcpSocket* socket) {
    auto buffer = std::make_shared<QByteArray>();
    socket->setParent(this);
    auto process = [this, socket, buffer] {
      buffer->append(socket->readAll());
      const qsizetype end = buffer->indexOf("\r\n\r\n");
      if (end < 0) return;
      RecordedRequest request;
      const QList<QByteArray> lines = buffer->left(end).split('\n');
      request.line = lines.value(0).trimmed();
      const QList<QByteArray> parts = request.line.split(' ');
      request.method = parts.value(0);
      request.target = parts.value(1);
      request.path = request.target.split('?').value(0);
      for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
          request.headers[line.left(colon).trimmed().toLower()] = line.mid(colon + 1).trimmed();
      }
      const qsizetype length = request.Header("content-length").toLongLong();
      if (buffer->size() < end + 4 + length) return;  // the body is still coming
      request.body = buffer->mid(end + 4, length);
      buffer->clear();
      requests.push_back(request);
      const auto route = routes_.find(request.path);
      const Reply reply = route != routes_.end() ? route->second(request)
                                                 : Response(404, "<html>Not found</html>", {},
                                                            "Not Found");
      socket->write(reply.bytes);
      if (!reply.stall) socket->disconnectFromHost();
    };
    QObject::connect(socket, &QTcpSocket::readyRead, this, process);
    // Bytes that came with the handshake are already waiting.
    if (socket->bytesAvailable() > 0) process();
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
  }

  QTcpServer* server_ = nullptr;
  const char* scheme_ = "http";
  bool listening_ = false;
  std::map<QByteArray, Handler> routes_;
};

// Runs a blocking call on another thread while this one serves the test servers.
template <typename F>
auto WhileServing(F call, int timeoutMs = 15000) -> decltype(call()) {
  auto future = std::async(std::launch::async, std::move(call));
  QElapsedTimer timer;
  timer.start();
  while (future.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (timer.elapsed() > timeoutMs) ADD_FAILURE() << "the call did not end in time";
  }
  return future.get();
}

// A test CA and a server certificate for 127.0.0.1 and localhost, made by openssl.
struct TestCertificates {
  QTemporaryDir dir;
  QString caFile;
  QSslConfiguration server;
  bool ok = false;

  TestCertificates() {
    const QString d = dir.path() + QLatin1Char('/');
    QFile ext(d + QStringLiteral("ext.cnf"));
    if (!ext.open(QIODevice::WriteOnly)) return;
    ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\nbasicConstraints=CA:FALSE\n");
    ext.close();
    const QStringList ec = {QStringLiteral("-newkey"), QStringLiteral("ec"),
                            QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1")};
    if (!Run(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ec +
             QStringList{QStringLiteral("-nodes"), QStringLiteral("-keyout"), d + "ca.key",
                         QStringLiteral("-out"), d + "ca.pem", QStringLiteral("-days"),
                         QStringLiteral("2"), QStringLiteral("-subj"),
                         QStringLiteral("/CN=Orvane test CA"), QStringLiteral("-addext"),
                         QStringLiteral("basicConstraints=critical,CA:TRUE"),
                         QStringLiteral("-addext"), QStringLiteral("keyUsage=keyCertSign,cRLSign")}))
      return;
    if (!Run(QStringList{QStringLiteral("req")} + ec +
             QStringList{QStringLiteral("-nodes"), QStringLiteral("-keyout"), d + "server.key",
                         QStringLiteral("-out"), d + "server.csr", QStringLiteral("-subj"),
                         QStringLiteral("/CN=127.0.0.1")}))
      return;
    if (!Run({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
              d + "server.csr", QStringLiteral("-CA"), d + "ca.pem", QStringLiteral("-CAkey"),
              d + "ca.key", QStringLiteral("-CAcreateserial"), QStringLiteral("-out"),
              d + "server.pem", QStringLiteral("-days"), QStringLiteral("2"),
              QStringLiteral("-extfile"), d + "ext.cnf"}))
      return;
    QFile certFile(d + "server.pem");
    QFile keyFile(d + "server.key");
    if (!certFile.open(QIODevice::ReadOnly) || !keyFile.open(QIODevice::ReadOnly)) return;
    server = QSslConfiguration::defaultConfiguration();
    server.setLocalCertificate(QSslCertificate(&certFile, QSsl::Pem));
    server.setPrivateKey(QSslKey(&keyFile, QSsl::Ec, QSsl::Pem));
    server.setPeerVerifyMode(QSslSocket::VerifyNone);
    caFile = d + "ca.pem";
    ok = !server.localCertificate().isNull() && !server.privateKey().isNull();
  }

 private:
  static bool Run(const QStringList& arguments) {
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), arguments);
    return openssl.waitForFinished(30000) && openssl.exitStatus() == QProcess::NormalExit &&
           openssl.exitCode() == 0;
  }
};

// Bytes of the sample element file.
inline QByteArray SampleElements() {
  QFile file(QStringLiteral(ORVANE_TEST_DATA "/amateur.txt"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace app::download::test
