#include "app/help/help_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "base/atomic_file.h"

namespace app::help {

QStringList HelpDocumentNames() {
  return {QStringLiteral("orvane_en.chm"),     QStringLiteral("orvane_es.chm"),
          QStringLiteral("orvane_fr.chm"),     QStringLiteral("orvane_de.chm"),
          QStringLiteral("getting_started.pdf"), QStringLiteral("comment_demarrer.pdf")};
}

QStringList InstallHelpFiles(const QString& folder) {
  QStringList failed;
  QDir().mkpath(folder);
  for (const QString& name : HelpDocumentNames()) {
    const QString target = folder + QLatin1Char('/') + name;
    if (QFileInfo::exists(target)) continue;
    QFile source(QStringLiteral(":/help/") + name);
    if (!source.open(QIODevice::ReadOnly) || !base::AtomicSave(target, source.readAll()))
      failed.append(name);
  }
  return failed;
}

QString GettingStartedFileName(bool french) {
  return french ? QStringLiteral("comment_demarrer.pdf") : QStringLiteral("getting_started.pdf");
}

}  // namespace app::help
