#include "app/download/release_check.h"

#include <QStringList>

namespace app::download {

QString LatestVersionFromList(const QByteArray& list, const QString& name) {
  if (list.left(3).contains('<')) return {};
  const QString text = QString::fromLatin1(list);
  const QString wanted = name + QLatin1Char('=');
  for (QString line : text.split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 1) continue;  // no key before it
    if (line.left(equals + 1) == wanted) return line.mid(equals + 1).trimmed();
  }
  return {};
}

int VersionNumber(const QString& version) {
  if (version.isEmpty()) return 0;
  const QStringList parts = version.split(QLatin1Char('.'));
  static const int weights[] = {100, 10, 1};
  int value = 0;
  for (int i = 0; i < 3; ++i) {
    if (i >= parts.size()) break;  // an absent part adds nothing
    const QString& part = parts[i];
    const char16_t first = part.isEmpty() ? u' ' : part[0].unicode();
    if (first < u'0' || first > u'9') break;
    value += weights[i] * (first - u'0');
  }
  return value;
}

bool IsNewerRelease(const QString& running, const QString& latest) {
  return VersionNumber(running) < VersionNumber(latest);
}

}  // namespace app::download
