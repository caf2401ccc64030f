#include "sharing/tcp_server.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTcpServer>

#include "sharing/protocol.h"
#include "sharing/tcp_network.h"

namespace sharing {

namespace {

// Accepts on the window thread and hands the new socket to the network thread at once.
class Listener : public QTcpServer {
 public:
  explicit Listener(std::function<void(qintptr)> adopt) : adopt_(std::move(adopt)) {}

 protected:
  void incomingConnection(qintptr descriptor) override { adopt_(descriptor); }

 private:
  std::function<void(qintptr)> adopt_;
};

}  // namespace

TcpServer::TcpServer(QString version, TcpServerHooks hooks, QObject* parent)
    : QObject(parent), version_(std::move(version)), hooks_(std::move(hooks)) {
  worker_ = new NetworkWorker(clientSlots_, Greeting(version_), queuedBytes_, droppedLines_);
  worker_->moveToThread(&thread_);
  connect(worker_, &NetworkWorker::SlotsChanged, this, &TcpServer::StateChanged,
          Qt::QueuedConnection);
  connect(worker_, &NetworkWorker::ListRequested, this, &TcpServer::OnListRequested,
          Qt::QueuedConnection);
  connect(worker_, &NetworkWorker::ShowRequested, this, &TcpServer::OnShowRequested,
          Qt::QueuedConnection);
  thread_.setObjectName(QStringLiteral("tcp-server"));
  thread_.start();
}

TcpServer::~TcpServer() {
  CloseListeners();
  // The network thread never waits for this one, so its end comes after the work
  // already queued: the connections are closed and the loop leaves.
  QMetaObject::invokeMethod(
      worker_,
      [worker = worker_] {
        worker->CloseAll();
        QThread::currentThread()->quit();
      },
      Qt::QueuedConnection);
  thread_.wait();
  delete worker_;
}

ServerState TcpServer::State() const {
  if (!running_) return ServerState::Stopped;
  return clientSlots_.AnyActive() ? ServerState::Connected : ServerState::Listening;
}

void TcpServer::CloseListeners() {
  for (auto& listener : listeners_) listener->close();
  listeners_.clear();
}

bool TcpServer::StartServer(const QStringList& addresses, const QString& portText,
                            QStringList* errors) {
  QStringList scratch;
  QStringList& out = errors != nullptr ? *errors : scratch;
  if (!StopServer()) {
    out.append(QCoreApplication::translate("sharing::TcpServer", "Error stopping server"));
    return false;
  }
  const auto fail = [&](const QString& reason) {
    out.append(reason);
    CloseListeners();
    running_ = false;
    emit StateChanged();
    return false;
  };
  const std::optional<quint16> port = PortFromText(portText);
  if (!port)
    return fail(
        QCoreApplication::translate("sharing::TcpServer", "\"%1\" is not a valid port number")
            .arg(portText));
  if (addresses.isEmpty())
    return fail(QCoreApplication::translate("sharing::TcpServer", "No address to bind"));
  for (const QString& text : addresses) {
    const QHostAddress address(text);
    if (address.isNull())
      return fail(
          QCoreApplication::translate("sharing::TcpServer", "\"%1\" is not a valid IP address")
              .arg(text));
    auto listener = std::make_unique<Listener>([this](qintptr descriptor) {
      const quint64 generation = clientSlots_.Generation();
      QMetaObject::invokeMethod(
          worker_,
          [worker = worker_, descriptor, generation] { worker->Adopt(descriptor, generation); },
          Qt::QueuedConnection);
    });
    if (!listener->listen(address, *port)) {
      return fail(QCoreApplication::translate("sharing::TcpServer", "Could not bind %1:%2: %3")
                      .arg(text, QString::number(*port), listener->errorString()));
    }
    listeners_.push_back(std::move(listener));
  }
  running_ = true;
  emit StateChanged();
  return true;
}

bool TcpServer::StopServer() {
  CloseListeners();
  clientSlots_.Clear();
  QMetaObject::invokeMethod(
      worker_, [worker = worker_] { worker->CloseAll(); }, Qt::QueuedConnection);
  const bool wasRunning = running_;
  running_ = false;
  if (wasRunning) emit StateChanged();
  return true;
}

void TcpServer::PublishLine(const QString& line) {
  if (!running_ || !clientSlots_.AnyActive()) return;
  QMetaObject::invokeMethod(
      worker_, [worker = worker_, bytes = WireLine(line)] { worker->Publish(bytes); },
      Qt::QueuedConnection);
}

QList<quint16> TcpServer::ListeningPorts() const {
  QList<quint16> ports;
  for (const auto& listener : listeners_) {
    if (listener->isListening()) ports.append(listener->serverPort());
  }
  return ports;
}

void TcpServer::OnListRequested(quint64 connection) {
  const QStringList names = hooks_.selectedNames ? hooks_.selectedNames() : QStringList();
  QMetaObject::invokeMethod(
      worker_,
      [worker = worker_, connection, reply = ListReply(names)] {
        worker->SendTo(connection, reply);
      },
      Qt::QueuedConnection);
}

void TcpServer::OnShowRequested(const QString& name) {
  if (!hooks_.explorerShown || !hooks_.explorerShown() || !hooks_.showSlot) return;
  const QStringList names = hooks_.selectedNames ? hooks_.selectedNames() : QStringList();
  if (const int slot = ShowTarget(name, names); slot > 0) hooks_.showSlot(slot);
}

}  // namespace sharing
