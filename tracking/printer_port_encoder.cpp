#include "tracking/printer_port_encoder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tracking {

namespace {

constexpr long kByteMax = 255;

// Rounded as every command value is, held in 16 bits the way the card's values always
// were; beyond that range it saturates instead of wrapping round.
long Round16(long double x) {
  return std::clamp<long>(RoundHalfEven(x), -32768, 32767);
}

bool BelowStep(const CommandState& state, long double step) {
  return step > std::fabs(state.TargetAz - state.LastSentAz) &&
         step > std::fabs(state.TargetEl - state.LastSentEl);
}

}  // namespace

long AzimuthBits(long double az, long double bitsPerDegree, long double zero) {
  long a = Round16((az - zero) * bitsPerDegree);
  if (a < 0) a = zero > 0 ? Round16((az + 360 - zero) * bitsPerDegree) : 0;
  if (a > kByteMax) {
    a = zero < 0 ? Round16((az - 360 - zero) * bitsPerDegree) : kByteMax;
    // A turn back below 0 means the azimuth lies past the card's top end, beyond reach
    // either way: the top end is nearer (a negative byte would reach the port as 2xx).
    if (a < 0) a = kByteMax;
  }
  return std::clamp<long>(a, 0, kByteMax);
}

long ElevationBits(long double el, long double bitsPerDegree) {
  return std::clamp<long>(Round16(el * bitsPerDegree), 1, kByteMax);
}

long OverlapBits(long a, long double bitsPerDegree, bool overlap) {
  const long turn = Round16(360 * bitsPerDegree);
  const long quarter = Round16(90 * bitsPerDegree);
  if (a >= turn && !overlap) a = std::max<long>(a - turn, 0);
  if (overlap && a >= 0 && a < quarter) a = std::min<long>(a + turn, kByteMax);
  return a;
}

long StepLimitBits(long double bitsPerDegree) { return Round16(350 * bitsPerDegree); }

bool RedAzimuthBits(long a, long double bitsPerDegree, bool overlap, bool azimuth450) {
  return azimuth450 && overlap && a >= Round16(360 * bitsPerDegree) &&
         a < Round16(450 * bitsPerDegree);
}

std::string PrinterPortDisplay(long a, long e) {
  return "   " + std::to_string(e) + "             / " + std::to_string(a);
}

std::vector<PortWrite> PourSatSequence(int base, int a, int e) {
  const int b = base;
  const int c = base + 2;
  return {{c, 0, 0}, {c, 8, 0}, {b, a, 0}, {c, 10, 0},
          {c, 1, 0}, {b, e, 0}, {c, 3, 0}, {c, 0, 0}};
}

std::vector<PortWrite> FodTrackSequence(int base, int a, int e) {
  const int b = base;
  const int c = base + 2;
  return {{c, 2, 10}, {b, a, 10}, {c, 2, 5},  {c, 3, 10}, {c, 2, 10},
          {c, 0, 10}, {b, e, 10}, {c, 0, 5},  {c, 1, 10}, {c, 0, 0}};
}

EncodeResult EncodePrinterPort(Interface card, CommandState& state, const PrinterPortConfig& config,
                               const RotatorOptions& options, int base) {
  EncodeResult result;
  // 1. Minimum step, whole degrees.
  state.TargetAzBeforeShift = state.TargetAz;
  if (BelowStep(state, config.rotator.StepDegrees(card))) return result;
  state.LastSentAz = state.TargetAz;
  state.LastSentEl = state.TargetEl;

  // 2. South stop: only the command turns by 180°.
  long double az = state.TargetAz;
  state.SouthStopShifted = false;
  if (config.rotator.stopSouth) {
    az -= 180;
    if (az < 0) az += 360;
    state.SouthStopShifted = true;
  }

  // 3-7. Bits.
  long a = AzimuthBits(az, config.bitsPerDegreeAz, config.zeroAzimuth);
  const long e = ElevationBits(state.TargetEl, config.bitsPerDegreeEl);
  if (config.azimuth450) a = OverlapBits(a, config.bitsPerDegreeAz, options.overlap);

  // 8. A jump of more than 350° would swing the rotator round through its stop.
  if (options.stopOn360 && state.LastSentAzInt != CommandState::kNothingSentInt &&
      std::labs(a - state.LastSentAzInt) > StepLimitBits(config.bitsPerDegreeAz)) {
    result.action = EncodeAction::Stop360;
    return result;
  }
  state.LastSentAzInt = static_cast<int>(a);

  // 9-10. Displays.
  result.redAzimuth = RedAzimuthBits(a, config.bitsPerDegreeAz, options.overlap, config.azimuth450);
  result.displayText = PrinterPortDisplay(a, e);
  result.portWrites = card == Interface::FodTrack ? FodTrackSequence(base, static_cast<int>(a), static_cast<int>(e))
                                                  : PourSatSequence(base, static_cast<int>(a), static_cast<int>(e));
  result.action = EncodeAction::Send;
  return result;
}

}  // namespace tracking
