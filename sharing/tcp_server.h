#pragma once

// The TCP/IP server: report lines to up to ten clients, "LIST" and "SHOW" from any client.
//
// Threads. The listening sockets live on the window thread, so that starting and stopping
// give their result at once; accepting there never blocks. Every accepted connection is
// handed to one network thread that reads, parses and writes all connections without
// blocking, each independently of the others: the same behaviour as a thread per
// connection, without a blocked thread per silent client. The two threads talk only
// through queued calls and the locked slot table; neither ever waits for the other.

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "sharing/client_slots.h"

class QTcpServer;

namespace sharing {

class NetworkWorker;

// What the server asks of the main window; every call comes on the window thread.
struct TcpServerHooks {
  std::function<QStringList()> selectedNames;  // slots 1..15 of the active group
  std::function<bool()> explorerShown;         // the explorer panel is shown
  std::function<void(int)> showSlot;           // `ShowSlot`(n), n = 1..15
};

enum class ServerState { Stopped, Listening, Connected };

class TcpServer : public QObject {
  Q_OBJECT
 public:
  // `version` follows "Connected to ORVANE V" in the greeting.
  TcpServer(QString version, TcpServerHooks hooks, QObject* parent = nullptr);
  ~TcpServer() override;

  // `StartServer`: `StopServer` first, then one binding per address on the port. On
  // failure the reasons are appended to `errors` and nothing listens.
  bool StartServer(const QStringList& addresses, const QString& portText, QStringList* errors);
  // `StopServer`: listeners closed, every connection dropped, all slots free.
  bool StopServer();

  bool Running() const { return running_; }                          // `TcpServerRunning`
  bool ClientConnected() const { return clientSlots_.AnyActive(); }  // `TcpClientConnected`
  ServerState State() const;
  int ActiveClients() const { return clientSlots_.ActiveCount(); }

  // `PublishLine`: the text with CR LF to every active slot, 1 to 10. Never blocks: the
  // line is queued for the network thread.
  void PublishLine(const QString& line);

  // Ports actually bound (a port text of "0" lets the system choose).
  QList<quint16> ListeningPorts() const;
  // Bytes waiting for all clients together, and lines dropped because a client did not
  // read: the queue bound at work.
  qint64 QueuedBytes() const { return queuedBytes_.load(); }
  quint64 DroppedLines() const { return droppedLines_.load(); }

 signals:
  // Running state or slot occupation changed (window thread).
  void StateChanged();

 private:
  void CloseListeners();
  void OnListRequested(quint64 connection);
  void OnShowRequested(const QString& name);

  QString version_;
  TcpServerHooks hooks_;
  ClientSlots clientSlots_;
  std::atomic<qint64> queuedBytes_{0};
  std::atomic<quint64> droppedLines_{0};
  std::vector<std::unique_ptr<QTcpServer>> listeners_;
  bool running_ = false;
  QThread thread_;
  NetworkWorker* worker_ = nullptr;  // lives on thread_
};

}  // namespace sharing
