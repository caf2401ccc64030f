#pragma once

// A DDE client of its own on the session bus (its own connection, so its own unique
// name): calls that keep the event loop turning, since the server answers on this same
// thread, and the signals addressed to it.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QObject>
#include <QVariant>
#include <optional>

#include "net_fixture.h"

namespace sharing::test {

class DdeClient : public QObject {
  Q_OBJECT
 public:
  DdeClient(const QString& connectionName, QString busName)
      : connectionName_(connectionName),
        bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName)),
        busName_(std::move(busName)) {
    for (const char* name : {"HotData", "WarmNotice"})
      bus_->connect(QString(), QStringLiteral("/"), QStringLiteral("org.orvane.dde"),
                    QLatin1String(name), this, SLOT(Received(QDBusMessage)));
  }
  ~DdeClient() override { Leave(); }

  bool Connected() const { return bus_ && bus_->isConnected(); }
  QString UniqueName() const { return bus_ ? bus_->baseService() : QString(); }

  // The reply's arguments; an error reply gives the error's name as its one argument.
  QVariantList Call(const QString& method, const QVariantList& arguments = {}) {
    QDBusMessage call = QDBusMessage::createMethodCall(busName_, QStringLiteral("/"),
                                                       QStringLiteral("org.orvane.dde"), method);
    call.setArguments(arguments);
    QDBusPendingCall pending = bus_->asyncCall(call, 3000);
    WaitUntil([&] { return pending.isFinished(); });
    const QDBusMessage reply = pending.reply();
    if (reply.type() == QDBusMessage::ErrorMessage) return {reply.errorName()};
    return reply.arguments();
  }

  // Closes this client's bus connection, as a client program that ends.
  void Leave() {
    if (left_) return;
    left_ = true;
    bus_.reset();
    QDBusConnection::disconnectFromBus(connectionName_);
  }

  QList<QDBusMessage> signals_;

 private slots:
  void Received(const QDBusMessage& message) { signals_.append(message); }

 private:
  QString connectionName_;
  std::optional<QDBusConnection> bus_;
  QString busName_;
  bool left_ = false;
};

}  // namespace sharing::test
