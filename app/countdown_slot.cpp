#include "app/countdown_slot.h"

#include <cstdio>

namespace app {

namespace {

using prediction::kAqua;
using prediction::kGreen;
using prediction::kSilver;
using prediction::kWhite;
using prediction::kYellow;

bool TwoDigits(const std::string& s, std::size_t at, int* value) {
  if (s.size() < at + 2) return false;
  const char a = s[at];
  const char b = s[at + 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return false;
  *value = (a - '0') * 10 + (b - '0');
  return true;
}

// Hours and minutes of a "HHhMM" field.
bool ReadField(const std::string& field, int* hours, int* minutes) {
  return field.size() == 5 && field[2] == 'h' && TwoDigits(field, 0, hours) &&
         TwoDigits(field, 3, minutes);
}

std::string WriteField(int hours, int minutes) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02dh%02d", hours, minutes);
  return buffer;
}

// Columns 13-17 (delay) and 19-23 (duration) of a slot text.
std::string Delay(const std::string& text) {
  return text.size() >= 17 ? text.substr(12, 5) : "";
}
std::string Duration(const std::string& text) {
  return text.size() >= 23 ? text.substr(18, 5) : "";
}

// Minutes to the rise, or -1 when the delay is not a number.
int MinutesToRise(const std::string& text) {
  int h = 0;
  int m = 0;
  return ReadField(Delay(text), &h, &m) ? h * 60 + m : -1;
}

}  // namespace

std::string CountDownField(const std::string& field, bool* reachedZero) {
  *reachedZero = false;
  int h = 0;
  int m = 0;
  if (!ReadField(field, &h, &m)) return field;
  if (h == 0 && m <= 1) {
    *reachedZero = true;
    return "00h00";
  }
  if (--m < 0) {
    --h;
    m = 59;
  }
  return WriteField(h, m);
}

CountdownResult CountDownSlots(std::array<CountdownSlot, prediction::kSlotCount>& slots,
                               const CountdownOptions& options) {
  CountdownResult result;
  int nextToRise = -1;
  int nextMinutes = 0;
  for (int i = 0; i < prediction::kSlotCount; ++i) {
    CountdownSlot& slot = slots[static_cast<std::size_t>(i)];
    if (!slot.used || slot.text.size() < prediction::kSlotTextLength) continue;
    if (slot.text.compare(12, 2, "##") == 0) {
      // No pass known: silver once the search window is exhausted, white for a
      // satellite that never rises at all.
      if (Duration(slot.text) == "00h00") slot.colour = slot.neverRises ? kWhite : kSilver;
      continue;
    }
    const bool inView = Delay(slot.text) == "00h00";
    if (options.minuteTick && !inView) {
      bool rose = false;
      const std::string delay = CountDownField(Delay(slot.text), &rose);
      slot.text = slot.text.substr(0, 12) + delay + slot.text.substr(17);
      if (rose) {
        slot.colour = kGreen;
        result.alarms.push_back(i);
      } else if (options.warning) {
        if (MinutesToRise(slot.text) == options.warnMinutes) {
          slot.colour = kYellow;
          result.alarms.push_back(i);
        }
      } else {
        slot.colour = kWhite;
      }
    } else if (options.minuteTick && inView) {
      if (Duration(slot.text) != "##h##") {
        bool ended = false;
        const std::string duration = CountDownField(Duration(slot.text), &ended);
        if (ended) result.passEnded = true;
        slot.text = slot.text.substr(0, 18) + duration;
      }
      slot.colour = kGreen;
    } else if (inView) {
      slot.colour = kGreen;
    } else if (options.warning) {
      slot.colour = MinutesToRise(slot.text) <= options.warnMinutes ? kYellow : kWhite;
    } else {
      slot.colour = kWhite;
    }
    if (options.minuteTick || options.warning) {
      const int minutes = MinutesToRise(slot.text);
      if (minutes > options.warnMinutes && (nextToRise < 0 || minutes < nextMinutes)) {
        nextToRise = i;
        nextMinutes = minutes;
      }
    }
  }
  if (nextToRise >= 0) slots[static_cast<std::size_t>(nextToRise)].colour = kAqua;
  return result;
}

}  // namespace app
