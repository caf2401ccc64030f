#include "app/help/chm_file.h"

#include <chm_lib.h>

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QtEndian>

#include "base/ansi_text.h"

namespace app::help {

namespace {

// No page of ours comes near this; a larger object is damage, not content.
constexpr LONGINT64 kMaxObjectBytes = 32LL * 1024 * 1024;

// The ITSF header: signature, version, length, ... and at 0x38 the offset of header
// section 0, whose bytes 8..15 hold the size of the whole file.
constexpr int kSectionTableOffset = 0x38;
constexpr int kHeaderBytes = 0x60;

quint32 Dword(const QByteArray& data, qsizetype at) {
  return qFromLittleEndian<quint32>(data.constData() + at);
}

QString FromCodePoint(uint code) {
  const char32_t c = static_cast<char32_t>(code);
  return QString::fromUcs4(&c, 1);
}

QString DecodeEntities(const QString& text) {
  static const QRegularExpression entity(QStringLiteral("&(#x[0-9A-Fa-f]+|#[0-9]+|[A-Za-z]+);"));
  QString out;
  qsizetype last = 0;
  auto it = entity.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    out += QStringView(text).mid(last, m.capturedStart() - last);
    const QString name = m.captured(1);
    QString replacement = m.captured(0);
    bool ok = false;
    if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive)) {
      const uint code = name.mid(2).toUInt(&ok, 16);
      if (ok && code > 0 && code <= 0x10FFFF) replacement = FromCodePoint(code);
    } else if (name.startsWith(QLatin1Char('#'))) {
      const uint code = name.mid(1).toUInt(&ok, 10);
      if (ok && code > 0 && code <= 0x10FFFF) replacement = FromCodePoint(code);
    } else if (name == QLatin1String("amp")) {
      replacement = QStringLiteral("&");
    } else if (name == QLatin1String("lt")) {
      replacement = QStringLiteral("<");
    } else if (name == QLatin1String("gt")) {
      replacement = QStringLiteral(">");
    } else if (name == QLatin1String("quot")) {
      replacement = QStringLiteral("\"");
    } else if (name == QLatin1String("apos")) {
      replacement = QStringLiteral("'");
    } else if (name == QLatin1String("nbsp")) {
      replacement = QString(QChar(0xA0));
    }
    out += replacement;
    last = m.capturedEnd();
  }
  out += QStringView(text).mid(last);
  return out;
}

// Attributes of one tag: lower-case name -> decoded value.
std::map<QString, QString> Attributes(const QString& text) {
  static const QRegularExpression attribute(
      QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
  std::map<QString, QString> out;
  auto it = attribute.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    QString value = m.captured(2);
    if (m.capturedStart(3) >= 0) value = m.captured(3);
    if (m.capturedStart(4) >= 0) value = m.captured(4);
    out[m.captured(1).toLower()] = DecodeEntities(value);
  }
  return out;
}

}  // namespace

QString DecodeHelpText(const QByteArray& bytes) {
  bool ascii = true;
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      ascii = false;
      break;
    }
  }
  if (!ascii) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) return text;
  }
  return base::DecodeWindows1252(bytes);
}

QString LongestExistingTail(const QString& storedPath,
                            const std::function<bool(const QString&)>& exists) {
  QString path = storedPath;
  path.replace(QLatin1Char('\\'), QLatin1Char('/'));
  const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (qsizetype first = 0; first < parts.size(); ++first) {
    const QString candidate = QLatin1Char('/') + parts.mid(first).join(QLatin1Char('/'));
    if (exists(candidate)) return candidate;
  }
  return {};
}

bool HeaderMatchesSize(const QByteArray& head, qint64 fileSize) {
  if (head.size() < kHeaderBytes || !head.startsWith("ITSF")) return false;
  const quint64 section0 = qFromLittleEndian<quint64>(head.constData() + kSectionTableOffset);
  if (section0 + 16 > static_cast<quint64>(head.size())) return false;
  const quint64 recorded =
      qFromLittleEndian<quint64>(head.constData() + static_cast<qsizetype>(section0) + 8);
  return recorded == static_cast<quint64>(fileSize);
}

std::vector<SitemapEntry> ParseSitemap(const QByteArray& hhc) {
  static const QRegularExpression tag(QStringLiteral("<\\s*(/?)\\s*([A-Za-z]+)([^>]*)>"));
  const QString text = DecodeHelpText(hhc);
  std::vector<SitemapEntry> entries;
  int depth = 0;
  bool inItem = false;
  SitemapEntry current;
  auto it = tag.globalMatch(text);
  while (it.hasNext()) {
    const QRegularExpressionMatch m = it.next();
    const bool closing = !m.captured(1).isEmpty();
    const QString name = m.captured(2).toLower();
    if (name == QLatin1String("ul")) {
      depth += closing ? -1 : 1;
      if (depth < 0) depth = 0;
    } else if (name == QLatin1String("object")) {
      if (!closing) {
        const auto attributes = Attributes(m.captured(3));
        const auto type = attributes.find(QStringLiteral("type"));
        inItem = type != attributes.end() &&
                 type->second.compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0;
        current = SitemapEntry{};
        current.level = std::max(0, depth - 1);
      } else if (inItem) {
        // The properties object at the head of a sitemap has no name: not an entry.
        if (!current.name.isEmpty()) entries.push_back(current);
        inItem = false;
      }
    } else if (name == QLatin1String("param") && inItem) {
      const auto attributes = Attributes(m.captured(3));
      const auto key = attributes.find(QStringLiteral("name"));
      const auto value = attributes.find(QStringLiteral("value"));
      if (key == attributes.end() || value == attributes.end()) continue;
      const QString k = key->second.toLower();
      if (k == QLatin1String("name") && current.name.isEmpty()) current.name = value->second;
      if (k == QLatin1String("local") && current.local.isEmpty()) current.local = value->second;
    }
  }
  return entries;
}

ChmFile::~ChmFile() {
  Close();
}

void ChmFile::Close() {
  if (handle_) chm_close(handle_);
  handle_ = nullptr;
  path_.clear();
  contexts_.clear();
  defaultTopic_.clear();
  contentsObject_.clear();
  title_.clear();
}

bool ChmFile::Open(const QString& path) {
  Close();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  // chmlib trusts the directory it finds; a short or padded file is refused before.
  const QByteArray head = file.read(4096);
  if (!HeaderMatchesSize(head, file.size())) return false;
  file.close();
  handle_ = chm_open(QFile::encodeName(path).constData());
  if (!handle_) return false;
  path_ = path;
  QByteArray system;
  if (!Read(QStringLiteral("/#SYSTEM"), &system)) {
    Close();
    return false;
  }
  ReadSystem();
  ReadContexts();
  return true;
}

QStringList ChmFile::Objects() const {
  QStringList out;
  if (!handle_) return out;
  auto collect = [](chmFile*, chmUnitInfo* ui, void* context) -> int {
    static_cast<QStringList*>(context)->append(QString::fromUtf8(ui->path));
    return CHM_ENUMERATOR_CONTINUE;
  };
  chm_enumerate(handle_, CHM_ENUMERATE_ALL, collect, &out);
  return out;
}

bool ChmFile::Exists(const QString& object) const {
  if (!handle_ || object.isEmpty()) return false;
  chmUnitInfo ui;
  const QByteArray name = object.toUtf8();
  if (name.size() >= CHM_MAX_PATHLEN) return false;
  return chm_resolve_object(handle_, name.constData(), &ui) == CHM_RESOLVE_SUCCESS;
}

bool ChmFile::Read(const QString& object, QByteArray* data) const {
  data->clear();
  if (!handle_) return false;
  const QByteArray name = object.toUtf8();
  if (name.isEmpty() || name.size() >= CHM_MAX_PATHLEN) return false;
  chmUnitInfo ui;
  if (chm_resolve_object(handle_, name.constData(), &ui) != CHM_RESOLVE_SUCCESS) return false;
  if (ui.length > static_cast<LONGUINT64>(kMaxObjectBytes)) return false;
  QByteArray buffer(static_cast<qsizetype>(ui.length), Qt::Uninitialized);
  if (ui.length > 0) {
    const LONGINT64 got = chm_retrieve_object(
        handle_, &ui, reinterpret_cast<unsigned char*>(buffer.data()), 0,
        static_cast<LONGINT64>(ui.length));
    if (got != static_cast<LONGINT64>(ui.length)) return false;
  }
  *data = std::move(buffer);
  return true;
}

void ChmFile::ReadSystem() {
  QByteArray system;
  if (!Read(QStringLiteral("/#SYSTEM"), &system)) return;
  // A version dword, then entries: code (word), length (word), data.
  qsizetype at = 4;
  while (at + 4 <= system.size()) {
    const quint16 code = qFromLittleEndian<quint16>(system.constData() + at);
    const quint16 length = qFromLittleEndian<quint16>(system.constData() + at + 2);
    at += 4;
    if (at + length > system.size()) break;
    QByteArray value = system.mid(at, length);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0) value.truncate(nul);
    const QString text = DecodeHelpText(value);
    if (code == 0) contentsObject_ = ObjectFor(text);
    if (code == 2) defaultTopic_ = ObjectFor(text);
    if (code == 3) title_ = text;
    at += length;
  }
  if (contentsObject_.isEmpty()) {
    for (const QString& object : Objects()) {
      if (object.endsWith(QLatin1String(".hhc"), Qt::CaseInsensitive)) {
        contentsObject_ = object;
        break;
      }
    }
  }
}

void ChmFile::ReadContexts() {
  QByteArray ivb;
  QByteArray strings;
  if (!Read(QStringLiteral("/#IVB"), &ivb) || !Read(QStringLiteral("/#STRINGS"), &strings)) return;
  if (ivb.size() < 4) return;
  // A byte count, then pairs of (context number, offset of the page's path in #STRINGS).
  const qsizetype end = std::min<qsizetype>(ivb.size(), 4 + static_cast<qsizetype>(Dword(ivb, 0)));
  for (qsizetype at = 4; at + 8 <= end; at += 8) {
    const quint32 context = Dword(ivb, at);
    const quint32 offset = Dword(ivb, at + 4);
    if (offset >= static_cast<quint32>(strings.size())) continue;
    const qsizetype nul = strings.indexOf('\0', offset);
    const QByteArray stored = strings.mid(offset, (nul < 0 ? strings.size() : nul) - offset);
    // The compiler keeps the path it read the page from; the object sits under a tail of it.
    const QString object = ObjectFor(DecodeHelpText(stored));
    if (!object.isEmpty()) contexts_[static_cast<int>(context)] = object;
  }
}

QString ChmFile::TopicObject(int context) const {
  const auto it = contexts_.find(context);
  return it == contexts_.end() ? QString() : it->second;
}

QString ChmFile::ObjectFor(const QString& storedPath) const {
  QString path = storedPath.trimmed();
  // "page.htm#anchor" names the page.
  const qsizetype hash = path.indexOf(QLatin1Char('#'));
  if (hash > 0) path.truncate(hash);
  return LongestExistingTail(path, [this](const QString& object) { return Exists(object); });
}

std::vector<ContentsEntry> ChmFile::Contents() const {
  std::vector<ContentsEntry> out;
  QByteArray hhc;
  if (contentsObject_.isEmpty() || !Read(contentsObject_, &hhc)) return out;
  for (const SitemapEntry& e : ParseSitemap(hhc))
    out.push_back(ContentsEntry{e.name, e.local.isEmpty() ? QString() : ObjectFor(e.local), e.level});
  return out;
}

}  // namespace app::help
