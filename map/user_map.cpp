#include "map/user_map.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/atomic_file.h"

namespace map {

namespace {

bool ReadWhole(const QString& path, QByteArray* bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  if (file.size() > kMaxUserMapBytes) return false;
  *bytes = file.read(kMaxUserMapBytes + 1);
  return bytes->size() <= kMaxUserMapBytes && file.error() == QFileDevice::NoError;
}

quint32 Le32(const QByteArray& b, int at) {
  return static_cast<quint32>(static_cast<unsigned char>(b[at])) |
         static_cast<quint32>(static_cast<unsigned char>(b[at + 1])) << 8 |
         static_cast<quint32>(static_cast<unsigned char>(b[at + 2])) << 16 |
         static_cast<quint32>(static_cast<unsigned char>(b[at + 3])) << 24;
}

}  // namespace

bool BitmapComplete(const QByteArray& bytes) {
  if (bytes.size() < 30 || !bytes.startsWith("BM")) return false;
  const qint64 size = bytes.size();
  const quint32 declared = Le32(bytes, 2);
  if (declared > static_cast<quint64>(size)) return false;
  const quint32 offset = Le32(bytes, 10);
  const quint32 header = Le32(bytes, 14);
  if (header < 40 || bytes.size() < 34) return declared != 0 && offset < size;
  const qint64 width = static_cast<qint32>(Le32(bytes, 18));
  const qint64 height = static_cast<qint32>(Le32(bytes, 22));
  const int bits = static_cast<unsigned char>(bytes[28]) | static_cast<unsigned char>(bytes[29]) << 8;
  const quint32 compression = Le32(bytes, 30);
  if (width <= 0 || height == 0 || bits == 0) return false;
  if (compression != 0 && compression != 3) return declared != 0 && offset < size;  // RLE
  const qint64 stride = (width * bits + 31) / 32 * 4;
  return offset + stride * (height < 0 ? -height : height) <= size;
}

bool IsOriginalMapName(const QString& path) {
  return path.endsWith(QStringLiteral("original.bmp"), Qt::CaseInsensitive);
}

bool HasBmpExtension(const QString& path) {
  return path.endsWith(QStringLiteral(".bmp")) || path.endsWith(QStringLiteral(".BMP"));
}

QString CopyUserMapIntoFolder(const QString& sourcePath, const QString& folder) {
  const QFileInfo source(sourcePath);
  QByteArray bytes;
  if (!ReadWhole(sourcePath, &bytes)) return QString();
  const QDir dir(folder);
  if (source.absoluteDir().canonicalPath() == dir.canonicalPath()) return source.fileName();

  const QString base = source.completeBaseName();
  const QString suffix = source.suffix();
  for (int n = 1; n < 1000; ++n) {
    const QString name =
        n == 1 ? source.fileName() : QStringLiteral("%1_%2.%3").arg(base).arg(n).arg(suffix);
    const QString target = dir.filePath(name);
    if (QFileInfo::exists(target)) {
      QByteArray existing;
      if (ReadWhole(target, &existing) && existing == bytes) return name;
      continue;  // never over a different file
    }
    return base::AtomicSave(target, bytes) ? name : QString();
  }
  return QString();
}

}  // namespace map
