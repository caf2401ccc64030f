#pragma once

// Element sets, stations and a slot searcher shared by the benchmarks.
#include <memory>
#include <string>

#include "base/clock.h"
#include "orbit/elements.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace bench {

using orbit::Real;

inline const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
inline const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

// Paris: latitude north, longitude west positive, metres.
inline const prediction::StationPosition kParis{48.854L, -2.292L, 35};

inline std::string SampleFile() { return std::string(ORVANE_TEST_DATA) + "/amateur.txt"; }
inline std::string MixedFile() { return std::string(ORVANE_TEST_DATA) + "/mixed200.txt"; }

// Searches the next pass of named sets of a file from 2018-01-21 12:00 local (UTC + 1).
struct Searcher {
  explicit Searcher(const std::string& file)
      : clock(orbit::EncodeDateTimeValue(2018, 1, 21, 12, 0)) {
    elements = orbit::ReadElementFile(file, true);
    ctx.clock = &clock;
    ctx.station = kParis;
    ctx.localOffsetHours = 1;
    slot = std::make_unique<prediction::PassSlot>();
  }
  void Load(const orbit::ElementSetEntry& e) {
    slot->name = e.name;
    slot->text = prediction::SlotPrefix(e.name);
    orbit::LoadElementsByName(elements.content, e.name, &slot->set);
  }
  void Search(const orbit::ElementSetEntry& e) {
    Load(e);
    prediction::SearchPass(ctx, *slot);
  }
  base::TestClock clock;
  orbit::ElementFile elements;
  prediction::SearchContext ctx;
  std::unique_ptr<prediction::PassSlot> slot;
};

}  // namespace bench
