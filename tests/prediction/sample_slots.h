#pragma once

// Pass slots filled from the sample element file, for the explorer, chart and print tests.
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "orbit/elements.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace prediction::testing {

inline std::vector<std::string>& SampleContent() {
  static std::vector<std::string> content = [] {
    orbit::ElementFile f = orbit::ReadElementFile(ORVANE_TEST_DATA "/amateur.txt", false);
    return f.content;
  }();
  return content;
}

// Loads `name` into the slot; false when the sample file does not hold it.
inline bool LoadSample(PassSlot& slot, const std::string& name) {
  slot = PassSlot{};
  slot.name = name;
  slot.text = SlotPrefix(name);
  return orbit::LoadElementsByName(SampleContent(), name, &slot.set) == orbit::LoadStatus::Found;
}

inline Real Utc(int day, int h, int m) { return orbit::EncodeDateTimeValue(2018, 1, day, h, m); }

// A station in Paris one hour ahead of UTC, clock at 2018-01-21 00:00 UTC.
struct Station {
  Station() {
    ctx.clock = &clock;
    ctx.station = {48.854L, -2.292L, 35};
    ctx.localOffsetHours = 1;
    SetUtc(21, 0, 0);
  }
  void SetUtc(int day, int h, int m, int s = 0) {
    clock.Set(static_cast<double>(orbit::EncodeDateTimeValue(2018, 1, day, h, m, s) + 1.0L / 24));
  }
  base::TestClock clock;
  SearchContext ctx;
};

// Elevation at a UTC minute, evaluated on its own.
inline orbit::ObserverView ViewAt(const PassSlot& slot, const StationPosition& st, Real utc) {
  orbit::Propagator p;
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(utc);
  orbit::CalendarFields c;
  c.year = d.year;
  c.month = d.month;
  c.day = d.day;
  c.hour = d.hour;
  c.minute = d.minute;
  p.SetUp(slot.set.elements, c);
  p.Propagate(0);
  orbit::Observer o;
  o.SetStation(st.latitude, st.westLongitude, st.altitude);
  o.StartRun();
  return o.Observe(p, 0, kStepDays);
}

}  // namespace prediction::testing
