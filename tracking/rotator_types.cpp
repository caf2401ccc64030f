#include "tracking/rotator_types.h"

namespace tracking {

bool HasSerialPort(Interface i) {
  return i != Interface::Ea4tx && i != Interface::Kct && i != Interface::Rotctld &&
         !IsPrinterPort(i);
}

bool HoldsConnection(Interface i) { return HasSerialPort(i) || i == Interface::Rotctld; }

bool IsPrinterPort(Interface i) { return i == Interface::PourSat || i == Interface::FodTrack; }

QString InterfaceWord(Interface i) {
  switch (i) {
    case Interface::Gs232: return QStringLiteral("GS232 ");
    case Interface::EasyComm: return QStringLiteral("EasyComm ");
    case Interface::TrakBox: return QStringLiteral("TrakBox ");
    case Interface::ProSisTel: return QStringLiteral("ProSisTel ");
    case Interface::M2Orion: return QStringLiteral("M2-ORION ");
    case Interface::Egis: return QStringLiteral("EGIS ");
    default: return {};
  }
}

int UnitsPerDegree(Interface i) {
  switch (i) {
    case Interface::M2Orion: return 10;
    case Interface::Egis: return 100;
    default: return 1;
  }
}

bool PrepareOverlapResend(CommandState& state) {
  const long double az = state.TargetAzBeforeShift;
  const bool affected = state.SouthStopShifted ? (az >= 180 && az < 270) : (az >= 0 && az < 90);
  if (!affected) return false;
  state.TargetAz = az;
  state.LastSentAz = CommandState::kNothingSent;
  return true;
}

int CommandUnitsPerDegree(Interface i) {
  return i == Interface::Rotctld ? 10 : UnitsPerDegree(i);
}

long double RotatorConfig::StepDegrees(Interface i) const {
  return static_cast<long double>(minimumStep) / UnitsPerDegree(i);
}

}  // namespace tracking
