#pragma once

// A real pass of the ISS over Paris, found by the program's pass search.

#include <gtest/gtest.h>

#include "base/clock.h"
#include "orbit/calendar.h"
#include "orbit/elements.h"
#include "prediction/pass_search.h"

namespace tools::testing {

inline constexpr const char* kIss1 =
    "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
inline constexpr const char* kIss2 =
    "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

struct IssOverParis {
  IssOverParis() {
    EXPECT_TRUE(orbit::ParseElementLines(kIss1, kIss2, &slot.set));
    slot.name = "ISS";
    clock.Set(static_cast<double>(orbit::EncodeDateTimeValue(2018, 1, 21, 0, 0)));
    ctx.clock = &clock;
    ctx.station = {48.85L, -2.35L, 35};  // Paris, west-positive longitude
    ctx.minimumElevation = 0;
    EXPECT_TRUE(prediction::SearchPass(ctx, slot));
    EXPECT_TRUE(slot.HasPass());
  }
  base::TestClock clock;
  prediction::SearchContext ctx;
  prediction::PassSlot slot;
};

}  // namespace tools::testing
