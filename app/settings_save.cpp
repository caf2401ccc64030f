// The settings file replaced in one step at quit.
#include <QCoreApplication>

#include "app/settings.h"
#include "base/ansi_text.h"
#include "base/atomic_file.h"
#include "base/sounds.h"

namespace app {

bool save_configuration(const Settings& settings, const QString& folder, base::Dialogs* dialogs) {
  const QString target = folder + QLatin1Char('/') + QString::fromLatin1(kSettingsFileName);
  const QString temp = folder + QLatin1Char('/') + QString::fromLatin1(kSettingsTempFileName);
  const QByteArray bytes = base::EncodeAnsiLines(BuildSettingsLines(settings));
  // It holds passwords: owner read only, as the program leaves it between runs.
  if (!base::AtomicSave(target, bytes, QFileDevice::ReadOwner, temp)) {
    if (dialogs != nullptr)
      dialogs->Error(QCoreApplication::translate("Settings", "Can't create Orvane.ini"));
    return false;
  }
  return true;
}

}  // namespace app
