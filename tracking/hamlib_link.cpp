#include "tracking/hamlib_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalBlocker>

namespace tracking {

namespace {

qint64 SteadyMs() {
  static QElapsedTimer timer = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }();
  return timer.elapsed();
}

QString FirstWord(const std::string& line) {
  const std::string::size_type end = line.find_first_of(" \n");
  return QString::fromStdString(line.substr(0, end));
}

}  // namespace

QString RotctldErrorMessage(const QString& endpoint, const QString& reason) {
  return QCoreApplication::translate("Rotator", "rotctld %1 error (%2)").arg(endpoint, reason);
}

HamlibLink::HamlibLink(MsClock clock)
    : clock_(std::move(clock)), socket_(std::make_unique<QTcpSocket>()) {
  QObject::connect(socket_.get(), &QTcpSocket::connected, socket_.get(), [this] { Connected(); });
  QObject::connect(socket_.get(), &QTcpSocket::readyRead, socket_.get(), [this] { ReadReplies(); });
  QObject::connect(socket_.get(), &QAbstractSocket::errorOccurred, socket_.get(),
                   [this](QAbstractSocket::SocketError) { Failed(socket_->errorString()); });
  QObject::connect(socket_.get(), &QTcpSocket::disconnected, socket_.get(), [this] {
    Failed(QCoreApplication::translate("Rotator", "connection closed"));
  });
}

HamlibLink::~HamlibLink() {
  // No fault reports from a socket that is being taken down.
  socket_->disconnect();
  socket_->abort();
}

qint64 HamlibLink::Now() const { return clock_ ? clock_() : SteadyMs(); }

QString HamlibLink::Endpoint() const { return host_ + QLatin1Char(':') + QString::number(port_); }

bool HamlibLink::Open(const QString& host, int port) {
  if (fault_) return false;
  const auto state = socket_->state();
  const bool up = state == QAbstractSocket::ConnectedState ||
                  state == QAbstractSocket::ConnectingState ||
                  state == QAbstractSocket::HostLookupState;
  if (up && host == host_ && port == port_) return true;
  Close();
  host_ = host;
  port_ = port;
  open_ = true;
  if (port < 1 || port > 65535) {
    Failed(QCoreApplication::translate("Rotator", "bad port"));
    return false;
  }
  open_ = true;
  socket_->connectToHost(host, static_cast<quint16>(port));
  return true;
}

bool HamlibLink::IsOpen() const {
  const auto state = socket_->state();
  return state == QAbstractSocket::ConnectedState || state == QAbstractSocket::ConnectingState ||
         state == QAbstractSocket::HostLookupState;
}

void HamlibLink::Close() {
  unsent_.clear();
  waiting_.clear();
  replyLines_.clear();
  fault_.reset();
  open_ = false;
  const QSignalBlocker quiet(socket_.get());
  if (socket_->state() == QAbstractSocket::ConnectedState) {
    socket_->disconnectFromHost();  // what was written still goes out
  } else {
    socket_->abort();
  }
}

void HamlibLink::Send(const std::string& line, int valueLines, ReplyHandler onReply) {
  if (fault_) return;
  Command command{line, valueLines, std::move(onReply), Now() + replyLimitMs_};
  if (socket_->state() != QAbstractSocket::ConnectedState) {
    const QString word = FirstWord(line);
    for (Command& queued : unsent_) {
      if (FirstWord(queued.line) == word) {
        queued = std::move(command);
        return;
      }
    }
    unsent_.push_back(std::move(command));
    return;
  }
  socket_->write(line.data(), static_cast<qint64>(line.size()));
  waiting_.push_back(std::move(command));
}

void HamlibLink::Connected() {
  // Commands are a few bytes each: send them now, not after Nagle's pause.
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  Flush();
}

void HamlibLink::Flush() {
  while (!unsent_.empty()) {
    Command command = std::move(unsent_.front());
    unsent_.pop_front();
    socket_->write(command.line.data(), static_cast<qint64>(command.line.size()));
    waiting_.push_back(std::move(command));
  }
}

void HamlibLink::ReadReplies() {
  while (open_ && socket_->canReadLine() && !fault_) {
    const QString line = QString::fromLatin1(socket_->readLine()).trimmed();
    if (waiting_.empty()) continue;  // nothing asked: a stray line
    Command& command = waiting_.front();
    if (line.startsWith(QLatin1String("RPRT"))) {
      bool ok = false;
      const int code = line.mid(4).trimmed().toInt(&ok);
      if (!ok || code != 0) {
        Failed(line);
        return;
      }
    } else {
      replyLines_.append(line);
      if (replyLines_.size() < command.valueLines) continue;
    }
    const Command done = std::move(command);
    waiting_.pop_front();
    const QStringList values = replyLines_;
    replyLines_.clear();
    if (done.onReply) done.onReply(values);
  }
}

std::optional<QString> HamlibLink::Check() {
  if (fault_) return fault_;
  const qint64 now = Now();
  for (const std::deque<Command>* queue : {&unsent_, &waiting_}) {
    if (!queue->empty() && queue->front().deadline <= now) {
      Failed(QCoreApplication::translate("Rotator", "no reply within %1 s")
                 .arg(replyLimitMs_ / 1000.0));
      return fault_;
    }
  }
  return std::nullopt;
}

void HamlibLink::Failed(const QString& reason) {
  if (fault_ || !open_) return;  // a connection we ended ourselves is no fault
  fault_ = reason;
  unsent_.clear();
  waiting_.clear();
  replyLines_.clear();
  const QSignalBlocker quiet(socket_.get());
  socket_->abort();
}

bool HamlibRotatorTransport::Open(const RotatorConfig& config) {
  return link_.Open(config.daemonHost, config.daemonPort);
}

Delivery HamlibRotatorTransport::Deliver(const RotatorCommand& command, const RotatorConfig&) {
  Delivery delivery;
  for (const TimedWrite& write : command.writes) link_.Send(write.bytes);
  delivery.complete = !link_.Fault().has_value();
  return delivery;
}

std::optional<QString> HamlibRotatorTransport::Check() { return link_.Check(); }

QString HamlibRotatorTransport::FaultMessage() const {
  return RotctldErrorMessage(link_.Endpoint(), link_.Fault().value_or(QString()));
}

}  // namespace tracking
