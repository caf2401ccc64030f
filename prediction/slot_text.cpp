#include "prediction/slot_text.h"

#include <cstdio>

namespace prediction {

using orbit::Int;
using orbit::Round;

std::string SlotPrefix(std::string_view name) {
  std::string s(name.substr(0, kSlotNameLength));
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

Real SlotDelay(Real passStart, Real nowUtc) {
  const Real d = passStart - nowUtc;
  return d > 0 ? d : 0;
}

std::string FormatSlotText(std::string_view current, Real passStart, Real passEnd, Real nowUtc) {
  const Real d = SlotDelay(passStart, nowUtc);
  Real u = d > 0 ? passEnd - passStart : passEnd - nowUtc;
  if (u < 0) u = 0;
  std::string h, m, uu, v;
  if (passEnd + 1.0L / 1440 - nowUtc < 0) {
    h = "##";
    m = "##";
    uu = "00";
    v = "00";
  } else {
    long long hours = static_cast<long long>(Int(d * 24));
    long long minutes = d == 0 ? 0 : static_cast<long long>(Int((d - hours / 24.0L) * 1440)) + 1;
    if (minutes >= 60) {
      hours += 1;
      minutes = 0;
    }
    long long durH = static_cast<long long>(Int(u * 24));
    long long durM;
    if (d > 0) {
      durM = static_cast<long long>(Round((u - durH / 24.0L) * 1440)) + 1;
    } else {
      durM = static_cast<long long>(Int((u - durH / 24.0L) * 1440)) + 2;
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
