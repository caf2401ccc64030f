#include "base/ansi_text.h"

#include "base/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <array>

namespace base {

namespace {

// Unicode of the bytes 0x80..0x9F; the undefined ones keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

char EncodeCodePoint(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return '?';
}

template <typename Line, typename Emit>
void SplitLinesOf(std::size_t size, const Line& at, const Emit& emitLine) {
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < size) {
    const auto c = at(i);
    if (c == '\n' || c == '\r') {
      emitLine(start, i - start);
      if (c == '\r' && i + 1 < size && at(i + 1) == '\n') ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < size) emitLine(start, size - start);
}

}  // namespace

QString DecodeWindows1252(QByteArrayView bytes) {
  QString out;
  out.resize(bytes.size());
  QChar* dst = out.data();
  for (qsizetype i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    dst[i] = (b >= 0x80 && b <= 0x9F) ? QChar(kHighControls[b - 0x80]) : QChar(b);
  }
  return out;
}

QByteArray EncodeWindows1252(QStringView text) {
  QByteArray out;
  out.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    char32_t cp = c.unicode();
    // A surrogate pair is one character and so gives one '?'.
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      cp = QChar::surrogateToUcs4(c, text[i + 1]);
      ++i;
    }
    out.append(EncodeCodePoint(cp));
  }
  return out;
}

QStringList SplitTextLines(QStringView text) {
  QStringList lines;
  SplitLinesOf(
      static_cast<std::size_t>(text.size()), [&](std::size_t i) { return text[i].unicode(); },
      [&](std::size_t from, std::size_t n) { lines.append(text.mid(from, n).toString()); });
  return lines;
}

std::vector<std::string> SplitRawLines(std::string_view bytes) {
  std::vector<std::string> lines;
  SplitLinesOf(
      bytes.size(), [&](std::size_t i) { return bytes[i]; },
      [&](std::size_t from, std::size_t n) { lines.emplace_back(bytes.substr(from, n)); });
  return lines;
}

QByteArray EncodeAnsiLines(const QStringList& lines) {
  QByteArray out;
  qsizetype total = 0;
  for (const QString& line : lines) total += line.size() + 2;
  out.reserve(total);
  for (const QString& line : lines) {
    out.append(EncodeWindows1252(line));
    out.append("\r\n", 2);
  }
  return out;
}

TextFileStatus ReadFileBytes(const QString& path, QByteArray* bytes) {
  bytes->clear();
  QFile file(path);
  if (!file.exists()) return TextFileStatus::Missing;
  if (!file.open(QIODevice::ReadOnly)) return TextFileStatus::Unreadable;
  if (file.size() > kMaxTextFileBytes) return TextFileStatus::TooLarge;
  // The size may be unknown (pipes, /proc) or grow while reading: read up to the cap.
  QByteArray data = file.read(kMaxTextFileBytes + 1);
  if (data.size() > kMaxTextFileBytes) return TextFileStatus::TooLarge;
  if (file.error() != QFileDevice::NoError) return TextFileStatus::Unreadable;
  *bytes = std::move(data);
  return TextFileStatus::Ok;
}

TextFileStatus ReadAnsiLines(const QString& path, QStringList* lines) {
  lines->clear();
  QByteArray bytes;
  const TextFileStatus status = ReadFileBytes(path, &bytes);
  if (status == TextFileStatus::Ok) *lines = SplitTextLines(DecodeWindows1252(bytes));
  return status;
}

TextFileStatus ReadRawLines(const QString& path, std::vector<std::string>* lines) {
  lines->clear();
  QByteArray bytes;
  const TextFileStatus status = ReadFileBytes(path, &bytes);
  if (status == TextFileStatus::Ok) {
    *lines =
        SplitRawLines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  return status;
}

bool WriteAnsiLines(const QString& path, const QStringList& lines,
                    QFileDevice::Permissions mode, QString* error) {
  return AtomicSave(path, EncodeAnsiLines(lines), mode, QString(), error);
}

bool WriteRawLines(const QString& path, const std::vector<std::string>& lines,
                   QFileDevice::Permissions mode, QString* error) {
  QByteArray bytes;
  for (const std::string& line : lines) {
    bytes.append(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append("\r\n", 2);
  }
  return AtomicSave(path, bytes, mode, QString(), error);
}

}  // namespace base
