#include "tracking/serial_ports.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace tracking {

QStringList DetectSerialPorts() {
  QStringList names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    names.append(info.portName());
  }
  return MergeSerialPorts(names, QStringLiteral("/dev"));
}

QStringList MergeSerialPorts(const QStringList& detected, const QString& deviceFolder) {
  static const QRegularExpression pseudoTerminal(QStringLiteral("^/dev/pts/\\d+$"));
  QStringList names = detected;
  const QFileInfoList entries = QDir(deviceFolder).entryInfoList(
      {QStringLiteral("tty*")}, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
  for (const QFileInfo& entry : entries) {
    if (entry.isSymLink() && pseudoTerminal.match(entry.symLinkTarget()).hasMatch()) {
      names.append(entry.fileName());
    }
  }
  names.removeAll(QString());
  names.removeDuplicates();
  names.sort(Qt::CaseSensitive);
  return names;
}

QString PortSettingFromName(const QString& name) { return name.mid(3); }

QString PortNameFromSetting(const QString& setting, const QStringList& available) {
  if (setting.isEmpty()) return {};
  for (const QString& name : available) {
    if (PortSettingFromName(name) == setting) return name;
  }
  return QStringLiteral("tty") + setting;
}

}  // namespace tracking
