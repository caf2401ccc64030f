#pragma once

// The TCP/IP server's line protocol as plain functions and two small buffers: no sockets,
// no threads. Lines on the wire are single-byte Windows-1252 text.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <deque>
#include <optional>

namespace sharing {

inline constexpr int kClientSlotCount = 10;              // clients that receive report lines
inline constexpr int kMaxAddressEntries = 100;           // entries of the address list
inline constexpr qsizetype kMaxCommandLine = 64 * 1024;  // longer lines are thrown away
inline constexpr const char* kDefaultPort = "10987";

// "Connected to ORVANE V" + version + CR LF.
QByteArray Greeting(const QString& version);

// A text line as it goes to a client: Windows-1252 bytes followed by CR LF.
QByteArray WireLine(const QString& text);

// Only the letters a to z become capitals; every other byte stays as it is.
QByteArray UpperAsciiLetters(QByteArrayView line);

// What one command line asks for. The line comes without its LF (and without the CR
// before it).
struct Command {
  enum class Kind { None, List, Show };
  Kind kind = Kind::None;
  QString showName;  // Show: the name to look for (may be empty: nothing to show)
};
Command ParseCommand(QByteArrayView line);

// The reply to "LIST": "LIST", then for each of the first ten slots that holds a name a
// blank and the name in double quotes; CR LF. `names` are the active group's slots in
// order (empty text = empty slot); only the first ten count.
QByteArray ListReply(const QStringList& names);

// Slot 1..15 whose name equals `name` exactly (case included), 0 when none does or the
// name is empty.
int ShowTarget(const QString& name, const QStringList& names);

// The integer value of the port text; nothing when it is not a whole number from 0 to
// 65535 (0 lets the system choose a free port).
std::optional<quint16> PortFromText(const QString& text);

// Entries of the address list: the IPv4 addresses in the order given, each once,
// "127.0.0.1" put first when it is missing, at most 100 entries.
QStringList AddressListEntries(const QStringList& hostAddresses);

// Splits a client's byte stream into LF-terminated lines. A CR just before the LF is
// dropped. A line that grows beyond `maxLine` bytes without an LF is thrown away up to
// and including its LF, so that a flood of bytes costs no memory.
class LineSplitter {
 public:
  explicit LineSplitter(qsizetype maxLine = kMaxCommandLine) : maxLine_(maxLine) {}
  // Appends bytes; returns the lines they complete, in order.
  QList<QByteArray> Feed(QByteArrayView bytes);
  qsizetype Buffered() const { return partial_.size(); }
  std::uint64_t DiscardedLines() const { return discarded_; }

 private:
  qsizetype maxLine_;
  QByteArray partial_;
  bool discarding_ = false;
  std::uint64_t discarded_ = 0;
};

// Lines waiting for a client's socket. When more than `maxBytes` wait, the oldest whole
// lines are dropped: a client that reads slowly still gets the newest report when it
// catches up, and a client that never reads costs a bounded amount of memory.
class OutgoingQueue {
 public:
  explicit OutgoingQueue(qsizetype maxBytes) : maxBytes_(maxBytes) {}
  void Push(QByteArray line);
  bool Empty() const { return lines_.empty(); }
  QByteArray Pop();
  qsizetype Bytes() const { return bytes_; }
  std::uint64_t Dropped() const { return dropped_; }

 private:
  qsizetype maxBytes_;
  std::deque<QByteArray> lines_;
  qsizetype bytes_ = 0;
  std::uint64_t dropped_ = 0;
};

}  // namespace sharing
