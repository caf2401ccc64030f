#include "tools/covisibility.h"

#include <cstdio>

#include "orbit/calendar.h"
#include "prediction/minute_scan.h"

namespace tools {

namespace {

constexpr Real kMinute = 1.0L / 1440;

int RoundToInt(Real x) { return static_cast<int>(orbit::Round(x)); }

// Whole minutes from a to b (b >= a), rounded: the values are whole minutes already.
long MinutesBetween(Real a, Real b) { return static_cast<long>(orbit::Round((b - a) * 1440)); }

}  // namespace

Covisibility ComputeCovisibility(const prediction::PassSlot& slot, Real fromUtc,
                                 Real passEndUtc, const DxPosition& dx) {
  Covisibility out;
  if (!slot.HasPass() || passEndUtc < fromUtc) return out;
  const long minutes = MinutesBetween(fromUtc, passEndUtc);
  prediction::MinuteScan scan(prediction::Precision::Wide);
  scan.propagator().SetUp(slot.set.elements, prediction::UtcFields(fromUtc, false));
  scan.observer().SetStation(dx.latitude, dx.westLongitude, dx.altitude);
  scan.observer().SetAttitude(slot.radio.hasAttitude, slot.radio.alat, slot.radio.alon);
  scan.Start(0, kMinute);
  for (long k = 0; k <= minutes; ++k) {
    const bool above = scan.Step(static_cast<Real>(k) * kMinute);
    if (above) {
      const orbit::ObserverView& v = scan.Wide();
      if (out.entries.empty()) out.start = fromUtc + static_cast<Real>(k) * kMinute;
      out.entries.push_back({RoundToInt(v.elevation), RoundToInt(v.azimuth),
                             RoundToInt(v.range), RoundToInt(v.squint)});
      if (out.entries.size() >= static_cast<std::size_t>(prediction::kMaxRows)) break;
    } else if (!out.entries.empty()) {
      break;  // the first run only
    }
  }
  return out;
}

std::string CovisibilityRow(Real time, const CovisibilityEntry& e) {
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(time);
  char range[16];
  if (e.range > 9999999 || e.range < -999999)
    std::snprintf(range, sizeof range, "#######");
  else
    std::snprintf(range, sizeof range, "%7d", e.range);
  char buf[96];
  std::snprintf(buf, sizeof buf, "%2d %s %d  %02d:%02d %3d %4d %s %4d", d.day,
                orbit::kMonthNames[static_cast<std::size_t>(d.month - 1)], d.year, d.hour,
                d.minute, e.elevation, e.azimuth, range, e.squint);
  return buf;
}

bool CovisibilityStack::NextStart(const Covisibility& listed, Real passEndUtc,
                                  Real* next) const {
  if (!listed.Found() || Size() >= kDepth) return false;
  const Real start = listed.start + static_cast<Real>(listed.entries.size() + 1) * kMinute;
  if (MinutesBetween(start, passEndUtc) < 0) return false;
  *next = start;
  return true;
}

bool CovisibilityStack::Pop(Real passStartUtc, Real* from) {
  if (starts_.empty()) return false;
  starts_.pop_back();
  *from = From(passStartUtc);
  return true;
}

}  // namespace tools
