#include "tracking/antenna_interfaces.h"

#include <QCoreApplication>

#include "base/locale_number.h"

namespace tracking {

QString SettingsName(Interface i) {
  static const char* const names[kInterfaceCount] = {"POURSAT", "FODTRACK", "EA4TX",   "GS232",
                                                     "PROSISTEL", "EASYCOMM", "M2ORION", "EGIS",
                                                     "TRAKBOX", "KCT", "ROTCTLD"};
  return QString::fromLatin1(names[IndexOf(i)]);
}

std::optional<Interface> InterfaceFromSettingsName(const QString& name) {
  for (Interface i : kSendOrder) {
    if (SettingsName(i) == name.trimmed()) return i;
  }
  return std::nullopt;
}

namespace {

QString StopText(bool south) { return south ? QStringLiteral("Stop:S/") : QStringLiteral("Stop:N/"); }

QString ElevationText(int range) {
  return range == 180 ? QStringLiteral("El max:180/") : QStringLiteral("El max:90/");
}

QString Tail(const HintInputs& in) {
  return StopText(in.stopSouth) + ElevationText(in.elevationRange) + QStringLiteral("El min:") +
         QString::number(in.minimumElevation) + QLatin1Char(']');
}

}  // namespace

QString InterfaceText(Interface i, const HintInputs& in) {
  const QString lpt = QString::number(in.lptNumber) + QLatin1Char('/');
  switch (i) {
    case Interface::PourSat: return QStringLiteral(" [Ant=POURSAT/LPT") + lpt + Tail(in);
    case Interface::FodTrack: return QStringLiteral(" [Ant=FODTRACK/LPT") + lpt + Tail(in);
    case Interface::Ea4tx: return QStringLiteral(" [Ant=EA4TX/") + Tail(in);
    case Interface::Gs232:
      return QStringLiteral(" [Ant=GS232/") + in.port + QLatin1Char('/') + in.speed +
             QLatin1Char('/') + Tail(in);
    case Interface::EasyComm:
      return QStringLiteral(" [Ant=EASYCOMM/") + in.port + QLatin1Char('/') + in.speed +
             QLatin1Char('/') + Tail(in);
    case Interface::ProSisTel:
      return QStringLiteral(" [Ant=PROSISTEL/") + in.port + QStringLiteral("/9600/") + Tail(in);
    case Interface::M2Orion:
      return (in.atStartUp ? QStringLiteral(" [Ant=M2ORION/") : QStringLiteral(" [Ant=M2-ORION/")) +
             in.port + QStringLiteral("/9600/") + Tail(in);
    case Interface::Egis:
      return QStringLiteral(" [Ant=EGIS/") + in.port + QStringLiteral("/9600/") + Tail(in);
    case Interface::TrakBox:
      return QStringLiteral(" [Ant=TRAKBOX/") + in.port + QStringLiteral("/9600/El max:90/El min:") +
             QString::number(in.minimumElevation) + QLatin1Char(']');
    case Interface::Kct: return QStringLiteral(" [Ant=KCT/") + Tail(in);
    case Interface::Rotctld: return QStringLiteral(" [Ant=ROTCTLD/") + in.port + QLatin1Char('/') + Tail(in);
  }
  return NoInterfaceText();
}

QString NoInterfaceText() { return QStringLiteral(" [NO Ant]"); }

QString TrackButtonHint(const QString& interfaceText) {
  return QCoreApplication::translate("Tracking", "Start tracking") + interfaceText;
}

QString OverlapCaption(bool stopSouth, bool spaced) {
  if (spaced) {
    return stopSouth ? QCoreApplication::translate("Tracking", "Overlap 180 - 270°")
                     : QCoreApplication::translate("Tracking", "Overlap 360 - 450°");
  }
  return stopSouth ? QCoreApplication::translate("Tracking", "Overlap 180-270°")
                   : QCoreApplication::translate("Tracking", "Overlap 360-450°");
}

CalibrationInput ParseCalibration(const QString& text, bool isZero) {
  CalibrationInput in;
  // Either separator is taken, as long as only one kind appears.
  QString t = text;
  if (!(t.contains(QLatin1Char(',')) && t.contains(QLatin1Char('.')))) {
    const QChar sep = QLatin1Char(base::UserDecimalSeparator());
    t.replace(QLatin1Char(','), sep).replace(QLatin1Char('.'), sep);
  }
  long double v = 0;
  if (!base::ParseUserDecimal(t, &v)) return in;
  if (isZero && (v > 90 || v < -90)) {
    in.beep = true;
    in.clearEdit = true;
    return in;
  }
  in.value = v;
  return in;
}

}  // namespace tracking
