#pragma once

// The serial ports offered in the six port groups of the antenna settings panel.

#include <QString>
#include <QStringList>

namespace tracking {

// Ports present: the names QSerialPortInfo reports (e.g. "ttyUSB0") and every /dev/tty*
// symbolic link to a pseudo-terminal (virtual ports such as socat pairs), sorted as text.
QStringList DetectSerialPorts();

// The same merge with the detected names and the folder to scan given (for tests).
QStringList MergeSerialPorts(const QStringList& detected, const QString& deviceFolder);

// Settings form of a port name: without its first three letters ("ttyUSB0" -> "USB0",
// "COM3" -> "3").
QString PortSettingFromName(const QString& name);

// Back from the settings form: the listed port whose settings form matches, otherwise
// "tty" + the text. Empty stays empty.
QString PortNameFromSetting(const QString& setting, const QStringList& available);

}  // namespace tracking
