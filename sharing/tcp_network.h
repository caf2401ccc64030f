#pragma once

// The network thread of the TCP/IP server: every accepted connection, its line reader
// and its bounded outgoing queue. Only TcpServer uses this.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <atomic>
#include <map>

#include "sharing/client_slots.h"
#include "sharing/protocol.h"

class QTcpSocket;

namespace sharing {

// Bytes handed to a socket before it reports them written; beyond them lines wait in
// the connection's own queue.
inline constexpr qint64 kSocketChunk = 16 * 1024;
// Lines waiting per client beyond the socket; older lines are dropped past this.
inline constexpr qsizetype kMaxQueuedPerClient = 64 * 1024;

class Connection;

class NetworkWorker : public QObject {
  Q_OBJECT
 public:
  NetworkWorker(ClientSlots& clientSlots, QByteArray greeting, std::atomic<qint64>& queuedBytes,
                std::atomic<quint64>& droppedLines);
  ~NetworkWorker() override;

  // Each of these runs on the network thread (queued from the window thread).
  void Adopt(qintptr descriptor, quint64 generation);
  void Publish(const QByteArray& line);
  void SendTo(quint64 connection, const QByteArray& line);
  void CloseAll();

  // Called by the connections.
  void LineReceived(quint64 connection, const QByteArray& line);
  void Closed(quint64 connection);
  void Accounting();

 signals:
  void SlotsChanged();
  void ListRequested(quint64 connection);
  void ShowRequested(const QString& name);

 private:
  ClientSlots& clientSlots_;
  QByteArray greeting_;
  std::atomic<qint64>& queuedBytes_;
  std::atomic<quint64>& droppedLines_;
  std::map<quint64, Connection*> connections_;
  quint64 nextId_ = 0;
  quint64 closedDropped_ = 0;
};

class Connection : public QObject {
  Q_OBJECT
 public:
  Connection(NetworkWorker& worker, quint64 id, QTcpSocket* socket);
  void Send(QByteArray line);
  void Abort();
  qint64 Waiting() const;
  quint64 Dropped() const { return queue_.Dropped(); }

 private:
  void Read();
  void Flush();

  NetworkWorker& worker_;
  quint64 id_;
  QTcpSocket* socket_;
  LineSplitter splitter_;
  OutgoingQueue queue_{kMaxQueuedPerClient};
  bool closed_ = false;
};

}  // namespace sharing
