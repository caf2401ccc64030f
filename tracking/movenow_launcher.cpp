#include "tracking/movenow_launcher.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace tracking {

namespace {
bool EndsWithSeparator(const QString& text) {
  return text.endsWith(QLatin1Char('/')) || text.endsWith(QLatin1Char('\\'));
}
bool IsFile(const QString& path) { return !path.isEmpty() && QFileInfo(path).isFile(); }
}  // namespace

LaunchResult DetachedProcessLauncher::Launch(const QString& program,
                                             const QStringList& arguments) {
  const QFileInfo info(program);
  if (!info.exists()) return {false, info.dir().exists() ? 2 : 3};
  if (!info.isFile() || !info.isExecutable()) return {false, 5};
  if (!QProcess::startDetached(program, arguments, info.absolutePath())) return {false, 31};
  return {true, 33};
}

QString MovenowProgram(const QString& folder) {
  QString prefix = folder;
  if (!prefix.isEmpty() && !EndsWithSeparator(prefix) && QFileInfo(prefix).isDir()) {
    prefix += QLatin1Char('/');
  }
  const QString program = prefix + QStringLiteral("Movenow");
  const QString dosName = program + QStringLiteral(".com");
  if (!QFileInfo::exists(program) && IsFile(dosName)) return dosName;
  return program;
}

QStringList SplitArguments(const std::string& arguments) {
  return QString::fromStdString(arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool MovenowExists(const QString& folder) {
  return IsFile(folder + QStringLiteral("Movenow.com")) ||
         IsFile(folder + QStringLiteral("\\Movenow.com")) ||
         IsFile(folder + QStringLiteral("/Movenow.com")) || IsFile(folder);
}

QString MovenowErrorMessage(int code) {
  return QStringLiteral("movenow.com error #") + QString::number(code);
}

}  // namespace tracking
