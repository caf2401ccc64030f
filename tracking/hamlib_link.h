#pragma once

// The line protocol of Hamlib's network daemons (rotctld, rigctld) over TCP. Nothing here
// waits: a command is written when the connection is up (kept until then), its reply is
// read as it arrives, and a reply that has not come within the limit is found by Check()
// on a later tick. A fault (error reply, lost connection, no reply) closes the connection
// and stays until Close() or a new Open().

#include <QString>
#include <QStringList>
#include <QTcpSocket>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "tracking/rotator_transport.h"

namespace tracking {

class HamlibLink {
 public:
  // Milliseconds of a steady clock; tests pass their own.
  using MsClock = std::function<qint64()>;
  // The reply's lines (without "RPRT 0"): the values a query returns.
  using ReplyHandler = std::function<void(const QStringList& lines)>;
  static constexpr int kDefaultReplyLimitMs = 3000;

  explicit HamlibLink(MsClock clock = {});
  ~HamlibLink();
  HamlibLink(const HamlibLink&) = delete;
  HamlibLink& operator=(const HamlibLink&) = delete;

  // Starts connecting to host:port unless already connected or connecting there. False
  // while a fault is pending (the caller reports it and calls Close()).
  bool Open(const QString& host, int port);
  // Connected or connecting.
  bool IsOpen() const;
  // Ends the connection after what is written has gone out; clears a pending fault.
  void Close();

  // Queues one command line (with its line feed). `valueLines` = how many lines a good
  // reply holds (0: only "RPRT 0"). A command of the same first word still waiting for the
  // connection is replaced: only the newest target matters.
  void Send(const std::string& line, int valueLines = 0, ReplyHandler onReply = {});
  // Finds replies that are overdue. Returns the fault, if any.
  std::optional<QString> Check();
  std::optional<QString> Fault() const { return fault_; }
  // Replies still awaited.
  int Pending() const { return static_cast<int>(waiting_.size() + unsent_.size()); }
  void SetReplyLimitMs(int ms) { replyLimitMs_ = ms; }
  // "host:port" of the last Open().
  QString Endpoint() const;

 private:
  struct Command {
    std::string line;
    int valueLines = 0;
    ReplyHandler onReply;
    qint64 deadline = 0;
  };
  void Connected();
  void ReadReplies();
  void Failed(const QString& reason);
  void Flush();
  qint64 Now() const;

  MsClock clock_;
  std::unique_ptr<QTcpSocket> socket_;
  QString host_;
  int port_ = 0;
  int replyLimitMs_ = kDefaultReplyLimitMs;
  std::deque<Command> unsent_;   // waiting for the connection
  std::deque<Command> waiting_;  // written, reply not yet complete
  QStringList replyLines_;       // lines of the reply being read
  std::optional<QString> fault_;
  bool open_ = false;  // between Open() and Close()
};

// "rotctld 127.0.0.1:4533 error (Connection refused)" (language text).
QString RotctldErrorMessage(const QString& endpoint, const QString& reason);

// The rotator daemon as a rotator transport: each serial-style write is one command line.
class HamlibRotatorTransport final : public RotatorTransport {
 public:
  explicit HamlibRotatorTransport(HamlibLink& link) : link_(link) {}
  bool Open(const RotatorConfig& config) override;
  bool IsOpen() const override { return link_.IsOpen(); }
  void Close() override { link_.Close(); }
  Delivery Deliver(const RotatorCommand& command, const RotatorConfig& config) override;
  void SetBaudRate(int) override {}
  std::optional<QString> Check() override;
  QString FaultMessage() const override;

 private:
  HamlibLink& link_;
};

}  // namespace tracking
