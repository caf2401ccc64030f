#include "sharing/protocol.h"

#include <QHostAddress>

#include "base/ansi_text.h"

namespace sharing {

QByteArray Greeting(const QString& version) {
  return WireLine(QStringLiteral("Connected to ORVANE V") + version);
}

QByteArray WireLine(const QString& text) {
  return base::EncodeWindows1252(text) + QByteArrayLiteral("\r\n");
}

QByteArray UpperAsciiLetters(QByteArrayView line) {
  QByteArray upper(line.data(), line.size());
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

Command ParseCommand(QByteArrayView line) {
  const QByteArray upper = UpperAsciiLetters(line);
  Command command;
  if (upper == "LIST") {
    command.kind = Command::Kind::List;
  } else if (upper.startsWith("SHOW \"")) {
    // The six characters go, then the last one (normally the closing quote).
    command.kind = Command::Kind::Show;
    QByteArray rest = upper.mid(6);
    rest.chop(1);
    command.showName = base::DecodeWindows1252(rest);
  }
  return command;
}

QByteArray ListReply(const QStringList& names) {
  QString reply = QStringLiteral("LIST");
  for (int i = 0; i < names.size() && i < kClientSlotCount; ++i) {
    if (names[i].isEmpty()) continue;
    reply += QStringLiteral(" \"") + names[i] + QLatin1Char('"');
  }
  return WireLine(reply);
}

int ShowTarget(const QString& name, const QStringList& names) {
  if (name.isEmpty()) return 0;
  for (int i = 0; i < names.size() && i < 15; ++i) {
    if (names[i] == name) return i + 1;
  }
  return 0;
}

std::optional<quint16> PortFromText(const QString& text) {
  bool ok = false;
  const int value = text.toInt(&ok, 10);
  if (!ok || value < 0 || value > 65535) return std::nullopt;
  return static_cast<quint16>(value);
}

QStringList AddressListEntries(const QStringList& hostAddresses) {
  const QString loopback = QStringLiteral("127.0.0.1");
  QStringList entries;
  for (const QString& text : hostAddresses) {
    const QHostAddress address(text);
    if (address.protocol() != QAbstractSocket::IPv4Protocol) continue;
    const QString canonical = address.toString();
    if (!entries.contains(canonical)) entries.append(canonical);
  }
  if (!entries.contains(loopback)) entries.prepend(loopback);
  if (entries.size() > kMaxAddressEntries) {
    // Keep the loopback entry wherever it stood.
    const qsizetype at = entries.indexOf(loopback);
    if (at >= kMaxAddressEntries) {
      entries.remove(at);
      entries.insert(kMaxAddressEntries - 1, loopback);
    }
    entries = entries.mid(0, kMaxAddressEntries);
  }
  return entries;
}

QList<QByteArray> LineSplitter::Feed(QByteArrayView bytes) {
  QList<QByteArray> lines;
  qsizetype start = 0;
  while (start < bytes.size()) {
    const qsizetype lf = bytes.indexOf('\n', start);
    const qsizetype end = lf < 0 ? bytes.size() : lf;
    if (!discarding_) {
      partial_.append(bytes.data() + start, end - start);
      if (partial_.size() > maxLine_) {
        partial_.clear();
        partial_.squeeze();
        discarding_ = true;
        ++discarded_;
      }
    }
    if (lf < 0) break;
    if (!discarding_) {
      if (partial_.endsWith('\r')) partial_.chop(1);
      lines.append(partial_);
    }
    partial_.clear();
    discarding_ = false;
    start = lf + 1;
  }
  return lines;
}

void OutgoingQueue::Push(QByteArray line) {
  bytes_ += line.size();
  lines_.push_back(std::move(line));
  while (bytes_ > maxBytes_ && lines_.size() > 1) {
    bytes_ -= lines_.front().size();
    lines_.pop_front();
    ++dropped_;
  }
}

QByteArray OutgoingQueue::Pop() {
  if (lines_.empty()) return {};
  QByteArray line = std::move(lines_.front());
  lines_.pop_front();
  bytes_ -= line.size();
  return line;
}

}  // namespace sharing
