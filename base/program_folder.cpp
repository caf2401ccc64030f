#include "base/program_folder.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>

namespace base {

namespace {

QMutex& FolderMutex() {
  static QMutex mutex;
  return mutex;
}
QString& OverrideFolder() {
  static QString folder;
  return folder;
}
QString& CachedFolder() {
  static QString folder;
  return folder;
}

QString ExecutableDir() {
  if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
  // Before the application object exists (or without one, in tools and tests).
  return QFileInfo(QStringLiteral("/proc/self/exe"))
      .canonicalFilePath()
      .section(QLatin1Char('/'), 0, -2);
}

bool IsWritableDir(const QString& dir) {
  if (dir.isEmpty()) return false;
  const QFileInfo info(dir);
  // access() asks the kernel, which also knows read-only mounts.
  return info.isDir() && ::access(QFile::encodeName(dir).constData(), W_OK | X_OK) == 0;
}

}  // namespace

bool IsInstalledLayout(const QString& executableDir) {
  if (executableDir.isEmpty()) return false;
  return QFileInfo(executableDir + QStringLiteral("/../share/orvane")).isDir();
}

QString ChooseProgramFolder(const QString& executableDir, const QString& xdgDataHome,
                            const QString& home) {
  // An installed program (its shared files in ../share/orvane) never writes beside itself:
  // run as root, /usr/bin would pass the writable test and collect everyone's settings.
  if (IsWritableDir(executableDir) && !IsInstalledLayout(executableDir))
    return QDir::cleanPath(QDir(executableDir).absolutePath());
  // XDG says a relative $XDG_DATA_HOME is invalid and must be ignored.
  QString base = xdgDataHome;
  if (base.isEmpty() || QDir::isRelativePath(base)) {
    if (home.isEmpty()) return QString();
    base = home + QStringLiteral("/.local/share");
  }
  const QString folder = QDir::cleanPath(base + QStringLiteral("/Orvane"));
  if (!QDir().mkpath(folder)) return QString();
  return folder;
}

QString ProgramFolder() {
  QMutexLocker lock(&FolderMutex());
  if (!OverrideFolder().isEmpty()) return OverrideFolder();
  if (CachedFolder().isEmpty()) {
    const QString exeDir = ExecutableDir();
    CachedFolder() =
        ChooseProgramFolder(exeDir, qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    // Nowhere writable: keep the executable's directory; saving will then report its failure.
    if (CachedFolder().isEmpty()) CachedFolder() = exeDir.isEmpty() ? QDir::currentPath() : exeDir;
  }
  return CachedFolder();
}

QString ProgramFilePath(const QString& name) {
  return ProgramFolder() + QLatin1Char('/') + name;
}

void SetProgramFolderOverride(const QString& folder) {
  QMutexLocker lock(&FolderMutex());
  OverrideFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

}  // namespace base
