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

}  // namespace

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
