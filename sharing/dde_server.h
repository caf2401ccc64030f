#pragma once

// The DDE server on the D-Bus session bus. Service `org.orvane.dde.<service>`, object
// "/", interface `org.orvane.dde`; one topic (ORVANE_DATA) with one text item
// (ORVANE_SERVER) that holds the latest report line.
//
// A conversation belongs to the calling bus connection: `Connect` opens it, `Disconnect`
// or the client's leaving the bus closes it, and with it its advise links. Every update
// of the item sends each advising client a signal addressed to it alone: `HotData` with
// the new bytes for a hot link, `WarmNotice` for a warm one. Everything runs on the
// window thread through its event loop.

#include <QByteArray>
#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QSet>
#include <QString>
#include <map>

class QDBusServiceWatcher;

namespace sharing {

inline constexpr const char* kDdeInterface = "org.orvane.dde";
inline constexpr const char* kDdeTopic = "ORVANE_DATA";
inline constexpr const char* kDdeItem = "ORVANE_SERVER";
inline constexpr const char* kDdeTextFormat = "CF_TEXT";

// The program file's name cut at its first "." (the DDE service name).
QString DdeServiceName(const QString& programFile);
// "org.orvane.dde." + the service name, with every character a bus name cannot hold
// turned into "_" (and a leading digit guarded).
QString DdeBusName(const QString& serviceName);
// The item's value as a client receives it: the text's Windows-1252 bytes, CR LF and a
// zero byte; only the zero byte while the text is empty.
QByteArray DdeItemValue(const QString& text);

class DdeServer : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.orvane.dde")
 public:
  // Registers on `bus` under the name of `serviceName`. Without a bus (or with the name
  // held by another program) the server stays unavailable and says why in Status().
  DdeServer(const QString& serviceName, QDBusConnection bus, QObject* parent = nullptr);
  ~DdeServer() override;

  bool Available() const { return available_; }
  // Empty while available; else one line for the user, in the current language.
  QString Status() const;
  QString BusName() const { return busName_; }

  // `DdeConversationOpen`: set by each open, cleared by each close.
  bool ConversationOpen() const { return conversationOpen_; }
  int Conversations() const { return static_cast<int>(conversations_.size()); }
  QString ItemText() const { return itemText_; }
  // The item takes the line and every advise link is told at once.
  void SetItemText(const QString& line);

  // ----- The bus interface.
 public slots:
  Q_SCRIPTABLE bool Connect(const QString& topic);
  Q_SCRIPTABLE void Disconnect();
  Q_SCRIPTABLE QByteArray Request(const QString& item, const QString& format);
  Q_SCRIPTABLE void Advise(const QString& item, const QString& format, bool hot);
  Q_SCRIPTABLE void Unadvise(const QString& item);
  Q_SCRIPTABLE void Poke(const QString& item, const QString& format, const QByteArray& data);
  Q_SCRIPTABLE void Execute(const QString& command);

 signals:
  // Declared for the introspection data; they go out as targeted messages, never as
  // broadcasts (see SetItemText).
  Q_SCRIPTABLE void HotData(const QString& item, const QByteArray& data);
  Q_SCRIPTABLE void WarmNotice(const QString& item);
  // Window thread: a conversation opened or closed.
  void ConversationChanged();

 private:
  struct Conversation {
    bool advising = false;
    bool hot = false;
  };
  void Close(const QString& client);
  QString Caller() const;

  QDBusConnection bus_;
  QString busName_;
  enum class Off { No, NoBus, ObjectRefused, NameTaken };
  Off off_ = Off::No;
  QString offDetail_;
  bool available_ = false;
  bool registered_ = false;
  bool conversationOpen_ = false;
  QString itemText_;
  std::map<QString, Conversation> conversations_;  // by the client's unique bus name
  QDBusServiceWatcher* watcher_ = nullptr;
};

}  // namespace sharing
