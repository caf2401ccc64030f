#include "sharing/dde_server.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QFileInfo>

#include "base/ansi_text.h"

namespace sharing {

namespace {

bool SameName(const QString& a, const char* b) {
  return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

}  // namespace

QString DdeServiceName(const QString& programFile) {
  const QString name = QFileInfo(programFile).fileName();
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  return dot < 0 ? name : name.left(dot);
}

QString DdeBusName(const QString& serviceName) {
  QString element;
  for (const QChar c : serviceName) {
    const bool allowed = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                         (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                         (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                         c == QLatin1Char('_') || c == QLatin1Char('-');
    element += allowed ? c : QLatin1Char('_');
  }
  if (element.isEmpty() || element.front().isDigit()) element.prepend(QLatin1Char('_'));
  return QLatin1String(kDdeInterface) + QLatin1Char('.') + element;
}

QByteArray DdeItemValue(const QString& text) {
  QByteArray value;
  if (!text.isEmpty()) value = base::EncodeWindows1252(text) + QByteArrayLiteral("\r\n");
  value.append('\0');
  return value;
}

DdeServer::DdeServer(const QString& serviceName, QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)), busName_(DdeBusName(serviceName)) {
  if (!bus_.isConnected()) {
    off_ = Off::NoBus;
    return;
  }
  if (!bus_.registerObject(
          QStringLiteral("/"), this,
          QDBusConnection::ExportScriptableSlots | QDBusConnection::ExportScriptableSignals)) {
    off_ = Off::ObjectRefused;
    offDetail_ = bus_.lastError().message();
    return;
  }
  registered_ = true;
  if (!bus_.registerService(busName_)) {
    off_ = Off::NameTaken;
    return;
  }
  watcher_ = new QDBusServiceWatcher(this);
  watcher_->setConnection(bus_);
  watcher_->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
  connect(watcher_, &QDBusServiceWatcher::serviceUnregistered, this, &DdeServer::Close);
  available_ = true;
}

DdeServer::~DdeServer() {
  if (available_) bus_.unregisterService(busName_);
  if (registered_) bus_.unregisterObject(QStringLiteral("/"));
}

QString DdeServer::Status() const {
  switch (off_) {
    case Off::NoBus:
      return QCoreApplication::translate("sharing::DdeServer",
                                         "DDE server off: no D-Bus session bus");
    case Off::ObjectRefused:
      return QCoreApplication::translate("sharing::DdeServer", "DDE server off: %1")
          .arg(offDetail_);
    case Off::NameTaken:
      return QCoreApplication::translate("sharing::DdeServer",
                                         "DDE server off: the name %1 is held by another program")
          .arg(busName_);
    case Off::No:
      break;
  }
  return QString();
}

QString DdeServer::Caller() const {
  return calledFromDBus() ? message().service() : QString();
}

void DdeServer::SetItemText(const QString& line) {
  itemText_ = line;
  if (!available_) return;
  const QString item = QLatin1String(kDdeItem);
  const QByteArray value = DdeItemValue(itemText_);
  for (const auto& [client, conversation] : conversations_) {
    if (!conversation.advising) continue;
    QDBusMessage signal = QDBusMessage::createTargetedSignal(
        client, QStringLiteral("/"), QLatin1String(kDdeInterface),
        conversation.hot ? QStringLiteral("HotData") : QStringLiteral("WarmNotice"));
    if (conversation.hot) {
      signal << item << value;
    } else {
      signal << item;
    }
    bus_.send(signal);
  }
}

bool DdeServer::Connect(const QString& topic) {
  if (!SameName(topic, kDdeTopic)) return false;
  const QString client = Caller();
  if (client.isEmpty()) return false;
  if (conversations_.emplace(client, Conversation{}).second) watcher_->addWatchedService(client);
  conversationOpen_ = true;  // the open event, each time
  emit ConversationChanged();
  return true;
}

void DdeServer::Disconnect() {
  Close(Caller());
}

void DdeServer::Close(const QString& client) {
  const auto found = conversations_.find(client);
  if (found == conversations_.end()) return;
  conversations_.erase(found);
  watcher_->removeWatchedService(client);
  conversationOpen_ = false;  // the close event: a flag, not a count
  emit ConversationChanged();
}

QByteArray DdeServer::Request(const QString& item, const QString& format) {
  if (!SameName(item, kDdeItem) || !SameName(format, kDdeTextFormat)) return {};
  return DdeItemValue(itemText_);
}

void DdeServer::Advise(const QString& item, const QString& format, bool hot) {
  const auto found = conversations_.find(Caller());
  if (found == conversations_.end()) {
    sendErrorReply(QDBusError::AccessDenied, QStringLiteral("No conversation: call Connect first"));
    return;
  }
  if (!SameName(item, kDdeItem) || !SameName(format, kDdeTextFormat)) {
    sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("Only ORVANE_SERVER in CF_TEXT"));
    return;
  }
  found->second.advising = true;
  found->second.hot = hot;
}

void DdeServer::Unadvise(const QString& item) {
  const auto found = conversations_.find(Caller());
  if (found != conversations_.end() && SameName(item, kDdeItem)) found->second.advising = false;
}

// Pokes and commands carry no meaning here.
void DdeServer::Poke(const QString&, const QString&, const QByteArray&) {}
void DdeServer::Execute(const QString&) {}

}  // namespace sharing
