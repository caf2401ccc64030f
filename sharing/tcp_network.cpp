#include "sharing/tcp_network.h"

#include <unistd.h>

#include <QTcpSocket>

namespace sharing {

namespace {
constexpr qint64 kReadChunk = 64 * 1024;
}

NetworkWorker::NetworkWorker(ClientSlots& clientSlots, QByteArray greeting,
                             std::atomic<qint64>& queuedBytes, std::atomic<quint64>& droppedLines)
    : clientSlots_(clientSlots),
      greeting_(std::move(greeting)),
      queuedBytes_(queuedBytes),
      droppedLines_(droppedLines) {}

NetworkWorker::~NetworkWorker() = default;

void NetworkWorker::Adopt(qintptr descriptor, quint64 generation) {
  auto* socket = new QTcpSocket;
  if (!socket->setSocketDescriptor(descriptor)) {
    delete socket;
    ::close(static_cast<int>(descriptor));
    return;
  }
  // A client that vanished without a word is found out by the system in time.
  socket->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
  socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  const quint64 id = ++nextId_;
  auto* connection = new Connection(*this, id, socket);
  connection->setParent(this);
  connections_[id] = connection;
  // No free slot (or a server stopped meanwhile): served without greeting or reports.
  if (clientSlots_.Take(id, generation) > 0) {
    connection->Send(greeting_);
    emit SlotsChanged();
  }
  if (generation != clientSlots_.Generation()) connection->Abort();
}

void NetworkWorker::Publish(const QByteArray& line) {
  for (const ConnectionId id : clientSlots_.Holders()) {
    if (id == 0) continue;
    const auto found = connections_.find(id);
    if (found != connections_.end()) found->second->Send(line);
  }
  Accounting();
}

void NetworkWorker::SendTo(quint64 connection, const QByteArray& line) {
  const auto found = connections_.find(connection);
  if (found != connections_.end()) found->second->Send(line);
}

void NetworkWorker::CloseAll() {
  const auto open = connections_;
  for (const auto& [id, connection] : open) connection->Abort();
}

void NetworkWorker::LineReceived(quint64 connection, const QByteArray& line) {
  const Command command = ParseCommand(line);
  switch (command.kind) {
    case Command::Kind::List:
      emit ListRequested(connection);
      break;
    case Command::Kind::Show:
      emit ShowRequested(command.showName);
      break;
    case Command::Kind::None:
      break;
  }
}

void NetworkWorker::Closed(quint64 connection) {
  const auto found = connections_.find(connection);
  if (found == connections_.end()) return;
  Connection* gone = found->second;
  connections_.erase(found);
  closedDropped_ += gone->Dropped();
  gone->deleteLater();
  if (clientSlots_.Release(connection)) emit SlotsChanged();
  Accounting();
}

void NetworkWorker::Accounting() {
  qint64 waiting = 0;
  quint64 dropped = closedDropped_;
  for (const auto& [id, connection] : connections_) {
    waiting += connection->Waiting();
    dropped += connection->Dropped();
  }
  queuedBytes_ = waiting;
  droppedLines_ = dropped;
}

Connection::Connection(NetworkWorker& worker, quint64 id, QTcpSocket* socket)
    : worker_(worker), id_(id), socket_(socket) {
  socket_->setParent(this);
  connect(socket_, &QTcpSocket::readyRead, this, &Connection::Read);
  connect(socket_, &QTcpSocket::bytesWritten, this, &Connection::Flush);
  connect(socket_, &QTcpSocket::disconnected, this, [this] {
    closed_ = true;
    worker_.Closed(id_);
  });
}

void Connection::Send(QByteArray line) {
  if (closed_) return;
  queue_.Push(std::move(line));
  Flush();
}

void Connection::Abort() {
  if (closed_) return;
  closed_ = true;
  socket_->abort();
  worker_.Closed(id_);
}

qint64 Connection::Waiting() const {
  return queue_.Bytes() + socket_->bytesToWrite();
}

void Connection::Read() {
  while (!closed_ && socket_->bytesAvailable() > 0) {
    const QByteArray chunk = socket_->read(kReadChunk);
    if (chunk.isEmpty()) break;
    for (const QByteArray& line : splitter_.Feed(chunk)) worker_.LineReceived(id_, line);
  }
}

void Connection::Flush() {
  while (!closed_ && !queue_.Empty() && socket_->bytesToWrite() < kSocketChunk)
    socket_->write(queue_.Pop());
}

}  // namespace sharing
