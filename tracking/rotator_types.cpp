#include "tracking/rotator_types.h"

namespace tracking {

bool IsSerial(Dialect dialect) { return dialect != Dialect::EA4TX && dialect != Dialect::KCT; }

QString InterfaceWord(Dialect dialect) {
  switch (dialect) {
    case Dialect::GS232: return QStringLiteral("GS232 ");
    case Dialect::EasyComm: return QStringLiteral("EasyComm ");
    case Dialect::TrakBox: return QStringLiteral("TrakBox ");
    case Dialect::ProSisTel: return QStringLiteral("ProSisTel ");
    case Dialect::M2Orion: return QStringLiteral("M2-ORION ");
    case Dialect::Egis: return QStringLiteral("EGIS ");
    default: return {};
  }
}

int UnitsPerDegree(Dialect dialect) {
  switch (dialect) {
    case Dialect::M2Orion: return 10;
    case Dialect::Egis: return 100;
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

long double RotatorConfig::StepDegrees(Dialect dialect) const {
  return static_cast<long double>(minimumStep) / UnitsPerDegree(dialect);
}

}  // namespace tracking
