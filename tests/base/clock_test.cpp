#include "base/clock.h"

#include <gtest/gtest.h>

namespace {

TEST(DateTimeValue, KnownDaysAndRoundTrip) {
  EXPECT_DOUBLE_EQ(base::DateTimeValue(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(base::DateTimeValue(2000, 1, 1), 36526.0);
  EXPECT_DOUBLE_EQ(base::DateTimeValue(2000, 1, 1, 12), 36526.5);
  const QDateTime dt = base::FromDateTimeValue(base::DateTimeValue(2018, 1, 10, 23, 59, 59));
  EXPECT_EQ(dt.date(), QDate(2018, 1, 10));
  EXPECT_EQ(dt.time(), QTime(23, 59, 59));
}

TEST(TestClock, AdvancesBySeconds) {
  base::TestClock clock(base::DateTimeValue(2018, 1, 10, 12, 0, 0));
  clock.AdvanceSeconds(90);
  const QDateTime dt = base::FromDateTimeValue(clock.Now());
  EXPECT_EQ(dt.time(), QTime(12, 1, 30));
}

}  // namespace
