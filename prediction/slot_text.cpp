#include "prediction/slot_text.h"

#include <cstdio>

#include "base/ansi_text.h"

namespace prediction {

using orbit::Round;

std::string SlotPrefix(std::string_view name) {
  std::string s(name.substr(0, base::CutLength(name, kSlotNameLength)));
  s.resize(kSlotNameLength, ' ');
  s += ':';
  return s;
}

namespace {
std::string Prefix12(std::string_view current) {
  std::string s(current.substr(0, 12));
  s.resize(12, ' ');
  return s;
}

std::string TwoDigits(long long v) {
  char buf[24];
  std::snprintf(buf, sizeof buf, "%02lld", v);
  return buf;
}
}  // namespace

// Differences of date-time values carry rounding noise of the day fractions; the clock has
// millisecond resolution, so the arithmetic runs on whole milliseconds, as exact arithmetic
// on the values would.
long long Ms(Real days) { return static_cast<long long>(Round(days * 86400000)); }
constexpr long long kMsHour = 3600000;
constexpr long long kMsMinute = 60000;

Real SlotDelay(Real passStart, Real nowUtc) {
  const long long d = Ms(passStart - nowUtc);
  return d > 0 ? static_cast<Real>(d) / 86400000 : 0;
}

std::string FormatSlotText(std::string_view current, Real passStart, Real passEnd, Real nowUtc) {
  long long d = Ms(passStart - nowUtc);
  if (d < 0) d = 0;
  long long u = d > 0 ? Ms(passEnd - passStart) : Ms(passEnd - nowUtc);
  if (u < 0) u = 0;
  std::string h, m, uu, v;
  if (Ms(passEnd - nowUtc) + kMsMinute < 0) {
    h = "##";
    m = "##";
    uu = "00";
    v = "00";
  } else {
    long long hours = d / kMsHour;
    long long minutes = d == 0 ? 0 : (d - hours * kMsHour) / kMsMinute + 1;
    if (minutes >= 60) {
      hours += 1;
      minutes = 0;
    }
    long long durH = u / kMsHour;
    const long long rest = u - durH * kMsHour;
    long long durM;
    if (d > 0) {
      durM = static_cast<long long>(Round(static_cast<Real>(rest) / kMsMinute)) + 1;
    } else {
      durM = rest / kMsMinute + 2;
      if (u == 0) durM -= 1;
    }
    // Carry the way the delay does: 59.5 minutes left must read 01h00, never 00h61.
    if (durM >= 60) {
      durH += 1;
      durM -= 60;
    }
    h = TwoDigits(hours);
    m = TwoDigits(minutes);
    uu = TwoDigits(durH);
    v = TwoDigits(durM);
    if (hours >= 100) h = m = "##";
    if (durH >= 48) uu = v = "##";
  }
  return Prefix12(current) + h + "h" + m + " " + uu + "h" + v;
}

std::string NoPassText(std::string_view current) { return Prefix12(current) + "##h## 00h00"; }

std::uint32_t SlotColour(std::string_view text, bool delayIsZero, int warnMinutes) {
  if (text.size() < kSlotTextLength) return kWhite;
  const std::string_view delayH = text.substr(12, 2);
  const std::string_view delayM = text.substr(15, 2);
  if (delayH == "##") {
    return (text.substr(18, 2) == "00" && text.substr(21, 2) == "00") ? kSilver : kWhite;
  }
  if (delayIsZero) return kGreen;
  auto num = [](std::string_view s) { return (s[0] - '0') * 10 + (s[1] - '0'); };
  if (delayM == "##") return kWhite;
  const int minutes = num(delayH) * 60 + num(delayM);
  return minutes <= warnMinutes ? kYellow : kWhite;
}

}  // namespace prediction
