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

// An inclined geostationary satellite over the Indian Ocean (72.8 E, 6.7 degrees), whose
// sub-point swings north and south each day: from Paris it rises around noon and stays up
// some seventeen hours.
inline constexpr const char* kKalpana1 =
    "1 27525U 02043A   18020.61402963 -.00000071  00000-0  00000+0 0  9990";
inline constexpr const char* kKalpana2 =
    "2 27525   6.7054  53.8712 0016295 239.4247 120.4825  1.00271528 56262";

struct GeoOverParis {
  GeoOverParis() {
    EXPECT_TRUE(orbit::ParseElementLines(kKalpana1, kKalpana2, &slot.set));
    slot.name = "KALPANA-1";
    clock.Set(static_cast<double>(orbit::EncodeDateTimeValue(2018, 1, 21, 7, 0)));
    ctx.clock = &clock;
    ctx.station = {48.85L, -2.35L, 35};
    ctx.minimumElevation = 0;
    EXPECT_TRUE(prediction::SearchPass(ctx, slot));
    EXPECT_TRUE(slot.HasPass());
  }
  base::TestClock clock;
  prediction::SearchContext ctx;
  prediction::PassSlot slot;
};

}  // namespace tools::testing
