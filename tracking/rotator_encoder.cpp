#include "tracking/rotator_encoder.h"

#include <cmath>
#include <cstdlib>

namespace tracking {

namespace {

constexpr char kCr = '\r';
constexpr char kStx = '\x02';
constexpr int kSerialPauseMs = 25;  // GS-232, EasyComm, TrakBox, ProSisTel
constexpr int kPairPauseMs = 50;    // M2-ORION and EGIS send two commands per position

// Highest elevation each controller accepts, in its own unit.
long ElevationCap(Interface dialect) {
  switch (dialect) {
    case Interface::TrakBox: return 90;
    case Interface::M2Orion: return 1799;
    case Interface::Egis: return 17999;
    case Interface::Kct: return 180;
    case Interface::Rotctld: return 1800;
    default: return 179;
  }
}

// Neither axis moved by the step: the rotator is close enough.
bool BelowStep(const CommandState& state, long double step) {
  return step > std::fabs(state.TargetAz - state.LastSentAz) &&
         step > std::fabs(state.TargetEl - state.LastSentEl);
}

// The azimuth a rotator with its stop at South is told: 180° less, kept positive.
// Only the command changes; TargetAz keeps the satellite's azimuth.
long double StopShiftedAzimuth(CommandState& state, const RotatorConfig& config, bool shifts) {
  state.SouthStopShifted = false;
  long double az = state.TargetAz;
  if (shifts && config.stopSouth) {
    az -= 180;
    if (az < 0) az += 360;
    state.SouthStopShifted = true;
  }
  return az;
}

// Azimuth in units of 1/u degree, wrapped into 0..360, or into 360..450 for 0..90 when the
// overlap is used.
long AzimuthUnits(long double az, int offset, int u, bool overlap) {
  long a = RoundHalfEven((az - offset) * u);
  if (a < 0) a += 360L * u;
  if (a >= 360L * u && !overlap) a -= 360L * u;
  if (overlap && a >= 0 && a < 90L * u) a += 360L * u;
  return a;
}

long ElevationUnits(long double el, int offset, int u, long cap) {
  long e = RoundHalfEven((el - offset) * u);
  if (e < 0) e = 0;
  if (e > cap) e = cap;
  return e;
}

// A jump of more than 350° means the rotator would swing round through its stop.
bool Is360Step(const CommandState& state, const RotatorOptions& options, long a, int u) {
  if (!options.stopOn360 || state.LastSentAzInt == CommandState::kNothingSentInt) return false;
  return std::labs(a - static_cast<long>(state.LastSentAzInt) * u) > 350L * u;
}

bool RedAzimuth(const RotatorOptions& options, long a, int u) {
  return options.overlap && a >= 360L * u && a < 450L * u;
}

// "1234" -> "123.4", "4" -> "0.4".
std::string Tenths(long value) {
  std::string digits = std::to_string(value);
  if (digits.size() == 1) return "0." + digits;
  return digits.substr(0, digits.size() - 1) + "." + digits.back();
}

// 12340 -> "123.40", 0 -> "000.00".
std::string Hundredths(long value) {
  return ZeroPadded(value / 100, 3) + "." + ZeroPadded(value % 100, 2);
}

void AddCommand(EncodeResult& result, const std::string& text, int pauseMs) {
  result.writes.push_back({text + kCr, pauseMs});
  if (!result.displayText.empty()) result.displayText += ' ';
  result.displayText += text;
}

void Format(Interface dialect, long a, long e, EncodeResult& result) {
  switch (dialect) {
    case Interface::Gs232:
      AddCommand(result, "W" + ZeroPadded(a, 3) + " " + ZeroPadded(e, 3), kSerialPauseMs);
      break;
    case Interface::EasyComm:
      AddCommand(result, "AZ" + ZeroPadded(a, 3) + ".0 EL" + ZeroPadded(e, 3) + ".0",
                 kSerialPauseMs);
      break;
    case Interface::TrakBox:
      AddCommand(result, "AZ" + ZeroPadded(a, 3) + " EL" + ZeroPadded(e, 2), kSerialPauseMs);
      break;
    case Interface::M2Orion:
      AddCommand(result, "A" + Tenths(a), kPairPauseMs);
      AddCommand(result, "E" + Tenths(e), kPairPauseMs);
      break;
    case Interface::Egis:
      AddCommand(result, "&* AZ=" + Hundredths(a), kPairPauseMs);
      AddCommand(result, "&* EL=" + Hundredths(e), kPairPauseMs);
      break;
    case Interface::Rotctld:
      // The daemon's own line protocol: one command per line, its reply "RPRT n".
      result.writes.push_back({"P " + Tenths(a) + " " + Tenths(e) + "\n", 0});
      result.displayText = "P " + Tenths(a) + " " + Tenths(e);
      break;
    case Interface::Kct:
      result.arguments = "PA " + ZeroPadded(a, 3) + " PB " + ZeroPadded(e, 3);
      result.displayText = result.arguments;
      break;
    default:
      break;
  }
}

// GS-232, EasyComm, TrakBox, M2-ORION, EGIS and KCT.
EncodeResult EncodeCommon(Interface dialect, CommandState& state, const RotatorConfig& config,
                          const RotatorOptions& options) {
  EncodeResult result;
  state.TargetAzBeforeShift = state.TargetAz;
  if (BelowStep(state, config.StepDegrees(dialect))) return result;
  state.LastSentAz = state.TargetAz;
  state.LastSentEl = state.TargetEl;

  const bool shifts = dialect != Interface::TrakBox && dialect != Interface::Kct;
  const long double az = StopShiftedAzimuth(state, config, shifts);
  const int u = CommandUnitsPerDegree(dialect);
  const long a = AzimuthUnits(az, config.azimuthOffset, u, options.overlap);
  if (Is360Step(state, options, a, u)) {
    result.action = EncodeAction::Stop360;
    return result;
  }
  state.LastSentAzInt =
      static_cast<int>(u == 1 ? a : RoundHalfEven(static_cast<long double>(a) / u));
  result.redAzimuth = RedAzimuth(options, a, u);
  const long e = ElevationUnits(state.TargetEl, config.elevationOffset, u, ElevationCap(dialect));
  Format(dialect, a, e, result);
  result.action = EncodeAction::Send;
  return result;
}

// ProSisTel moves each axis on its own and only the axis that moved by the step.
EncodeResult EncodeProSisTel(CommandState& state, const RotatorConfig& config,
                             const RotatorOptions& options) {
  EncodeResult result;
  state.TargetAzBeforeShift = state.TargetAz;
  const long double step = config.StepDegrees(Interface::ProSisTel);
  if (BelowStep(state, step)) return result;

  result.action = EncodeAction::Send;
  result.writes.push_back({std::string{kStx} + "AS" + kCr, kSerialPauseMs});
  result.writes.push_back({std::string{kStx} + "ES" + kCr, kSerialPauseMs});

  if (std::fabs(state.TargetAz - state.LastSentAz) >= step) {
    state.LastSentAz = state.TargetAz;
    const long double az = StopShiftedAzimuth(state, config, true);
    const long a = AzimuthUnits(az, config.azimuthOffset, 1, options.overlap);
    if (Is360Step(state, options, a, 1)) {
      result.action = EncodeAction::Stop360;
      return result;
    }
    state.LastSentAzInt = static_cast<int>(a);
    result.redAzimuth = RedAzimuth(options, a, 1);
    AddCommand(result, std::string{kStx} + "AG" + ZeroPadded(a, 3), kSerialPauseMs);
  }
  if (std::fabs(state.TargetEl - state.LastSentEl) >= step) {
    state.LastSentEl = state.TargetEl;
    const long e = ElevationUnits(state.TargetEl, config.elevationOffset, 1,
                                  ElevationCap(Interface::ProSisTel));
    AddCommand(result, std::string{kStx} + "EG" + ZeroPadded(e, 3), kSerialPauseMs);
  }
  return result;
}

// EA4TX: whole degrees to the ARSWIN program, no stop shift, offsets or overlap.
EncodeResult EncodeEa4tx(CommandState& state, const RotatorConfig& config,
                         const RotatorOptions& options) {
  EncodeResult result;
  state.TargetAzBeforeShift = state.TargetAz;
  if (BelowStep(state, config.StepDegrees(Interface::Ea4tx))) return result;
  state.LastSentAz = state.TargetAz;
  state.LastSentEl = state.TargetEl;
  state.SouthStopShifted = false;

  long a = RoundHalfEven(state.TargetAz);
  if (a < 0) a = 0;
  long e = RoundHalfEven(state.TargetEl);
  if (e < 0) e = 0;
  if (e >= 180) e = 179;
  if (Is360Step(state, options, a, 1)) {
    result.action = EncodeAction::Stop360;
    return result;
  }
  state.LastSentAzInt = static_cast<int>(a);
  result.posts = {{a, 0}, {e, 1}};
  result.displayText = std::to_string(e) + "     " + std::to_string(a);
  result.action = EncodeAction::Send;
  return result;
}

}  // namespace

long RoundHalfEven(long double x) {
  // Keeps absurd inputs (NaN, huge values) from overflowing the conversion.
  if (!std::isfinite(x)) return 0;
  constexpr long double kLimit = 1e9L;
  if (x > kLimit) x = kLimit;
  if (x < -kLimit) x = -kLimit;
  return static_cast<long>(std::nearbyint(x));
}

std::string ZeroPadded(long value, int width) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (static_cast<int>(digits.size()) < width) {
    digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
  }
  return value < 0 ? "-" + digits : digits;
}

EncodeResult Encode(Interface dialect, CommandState& state, const RotatorConfig& config,
                    const RotatorOptions& options) {
  switch (dialect) {
    case Interface::ProSisTel: return EncodeProSisTel(state, config, options);
    case Interface::Ea4tx: return EncodeEa4tx(state, config, options);
    default: return EncodeCommon(dialect, state, config, options);
  }
}

}  // namespace tracking
