// The fast pass search against the extended one: every pass of 48 hours of every set of
// the two sample files, seen from three stations (Paris, Cape Town in the southern
// hemisphere, Alert near the north pole), must give the same rows to the bit, the same
// row texts in local time and UTC, the same slot texts, colours and pass times.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "orbit/elements.h"
#include "prediction/ephemeris_row.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace prediction {
namespace {

using orbit::Real;

struct StationCase {
  const char* name;
  StationPosition position;  // west longitudes positive
  int minimumElevation;
  Real localOffset;
};

const StationCase kStations[] = {
    {"Paris", {48.854L, -2.292L, 35}, 0, 1},
    {"Cape Town", {-33.92L, -18.42L, 10}, -5, 2},
    {"Alert", {82.50L, 62.35L, 30}, 10, -5},
};

// The slot of a set, with radio data on every other one so that the squint, the mode
// letters and the receive Doppler columns are filled.
void LoadSlot(orbit::ElementFile& file, std::size_t index, PassSlot* slot) {
  const orbit::ElementSetEntry& e = file.sets[index];
  *slot = PassSlot{};
  slot->name = e.name;
  slot->text = SlotPrefix(e.name);
  ASSERT_EQ(orbit::LoadElementsByName(file.content, e.name, &slot->set), orbit::LoadStatus::Found);
  if (index % 2 == 0) {
    slot->radio.hasAttitude = true;
    slot->radio.alat = 15 + static_cast<Real>(index % 7);
    slot->radio.alon = -30 + static_cast<Real>(index % 11) * 10;
    slot->radio.modes[0].letter = "B";
    slot->radio.modes[0].rxMHz = 435.3L;
    slot->radio.modes[1].letter = "J";
    slot->radio.modes[1].rxMHz = 145.975L;
    slot->radio.maSchedule = "0:B/128:J/";
    slot->radio.currentMode = "B";
  }
}

bool SameColumn(const std::vector<int>& a, const std::vector<int>& b, int n) {
  return std::memcmp(a.data(), b.data(), sizeof(int) * static_cast<std::size_t>(n)) == 0;
}
bool SameColumn(const std::vector<Real>& a, const std::vector<Real>& b, int n) {
  for (int i = 0; i < n; ++i) {
    // The ten bytes of the extended value (the rest is padding).
    if (std::memcmp(&a[static_cast<std::size_t>(i)], &b[static_cast<std::size_t>(i)], 10) != 0)
      return false;
  }
  return true;
}

struct Totals {
  int passes = 0;
  int rows = 0;
};

// Steps through the passes of 48 hours as the explorer's ">" does, with both precisions.
void CheckSet(orbit::ElementFile& file, std::size_t index, const StationCase& station,
              double guard, Totals* totals) {
  const Real start = orbit::EncodeDateTimeValue(2018, 1, 21, 0, 0);
  base::TestClock clock(static_cast<double>(start + station.localOffset / 24));
  SearchContext wide, fast;
  for (SearchContext* ctx : {&wide, &fast}) {
    ctx->clock = &clock;
    ctx->station = station.position;
    ctx->localOffsetHours = station.localOffset;
    ctx->minimumElevation = station.minimumElevation;
    ctx->navigating = true;
  }
  wide.precision = Precision::Wide;
  fast.precision = Precision::Fast;
  fast.sightGuard = guard;
  auto a = std::make_unique<PassSlot>();
  auto b = std::make_unique<PassSlot>();
  LoadSlot(file, index, a.get());
  LoadSlot(file, index, b.get());
  Real date = start;
  for (int pass = 1; pass <= 100; ++pass) {
    SCOPED_TRACE(a->name + " from " + station.name + ", pass " + std::to_string(pass));
    wide.navigationDate = fast.navigationDate = date;
    ASSERT_TRUE(SearchPass(wide, *a));
    ASSERT_TRUE(SearchPass(fast, *b));
    ASSERT_EQ(a->HasPass(), b->HasPass());
    ASSERT_EQ(a->text, b->text);
    ASSERT_EQ(a->colour, b->colour);
    if (!a->HasPass()) return;
    ASSERT_EQ(a->passStart, b->passStart);
    ASSERT_EQ(a->passEnd, b->passEnd);
    const PassRows& x = a->rows;
    const PassRows& y = b->rows;
    ASSERT_EQ(x.count, y.count);
    const int n = x.count + 1;  // with the end mark
    ASSERT_TRUE(SameColumn(x.elevation, y.elevation, n));
    ASSERT_TRUE(SameColumn(x.azimuth, y.azimuth, n));
    ASSERT_TRUE(SameColumn(x.range, y.range, n));
    ASSERT_TRUE(SameColumn(x.altitude10, y.altitude10, x.count));
    ASSERT_TRUE(SameColumn(x.latitude, y.latitude, x.count));
    ASSERT_TRUE(SameColumn(x.westLongitude, y.westLongitude, x.count));
    ASSERT_TRUE(SameColumn(x.phase, y.phase, x.count));
    ASSERT_TRUE(SameColumn(x.doppler, y.doppler, x.count));
    ASSERT_TRUE(SameColumn(x.squint, y.squint, x.count));
    ASSERT_EQ(BuildRowTexts(*a, false, station.localOffset),
              BuildRowTexts(*b, false, station.localOffset));
    ASSERT_EQ(BuildRowTexts(*a, true, station.localOffset),
              BuildRowTexts(*b, true, station.localOffset));
    ++totals->passes;
    totals->rows += x.count;
    date = a->passStart + (x.count + 1) / 1440.0L;
    if (date >= start + kSpanDays) return;
  }
}

void CheckFile(const std::string& path, double guard, std::size_t every, Totals* totals) {
  orbit::ElementFile file = orbit::ReadElementFile(path, true);
  ASSERT_GT(file.sets.size(), 100u);
  for (std::size_t i = 0; i < file.sets.size(); i += every) {
    for (const StationCase& station : kStations) {
      CheckSet(file, i, station, guard, totals);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(FastSearch, EveryRowOfTheMixedFileAsTheExtendedSearch) {
  Totals totals;
  CheckFile(ORVANE_TEST_DATA "/mixed200.txt", kSightGuard, 1, &totals);
  EXPECT_GT(totals.passes, 4000);
  std::printf("mixed200: %d passes, %d rows compared\n", totals.passes, totals.rows);
}

TEST(FastSearch, EveryRowOfTheSampleFileAsTheExtendedSearch) {
  Totals totals;
  CheckFile(ORVANE_TEST_DATA "/amateur.txt", kSightGuard, 1, &totals);
  EXPECT_GT(totals.passes, 2000);
  std::printf("amateur: %d passes, %d rows compared\n", totals.passes, totals.rows);
}

// A band wide enough to send many minutes near the threshold to the extended evaluation,
// fast and extended minutes mixed at every pass edge: the look-back of the range rate and
// the refreshes crossed there still give the same rows.
TEST(FastSearch, AWideDoubtBandChangesNothing) {
  Totals totals;
  CheckFile(ORVANE_TEST_DATA "/amateur.txt", 0.05, 5, &totals);
  EXPECT_GT(totals.passes, 300);
}

// Skipping the minutes that cannot reach the threshold changes no decision of the scan and
// leaves most minutes of two days unpositioned.
TEST(FastSearch, SkippedMinutesDecideAsEvaluatedOnes) {
  orbit::ElementFile file = orbit::ReadElementFile(ORVANE_TEST_DATA "/mixed200.txt", true);
  int skipped = 0, minutes = 0;
  for (std::size_t i = 0; i < file.sets.size(); i += 4) {
    PassSlot slot;
    LoadSlot(file, i, &slot);
    for (const StationCase& station : kStations) {
      MinuteScan plain(Precision::Fast, kSightGuard, false), skipping(Precision::Fast, kSightGuard, true);
      for (MinuteScan* scan : {&plain, &skipping}) {
        orbit::CalendarFields start;
        start.year = 2018;
        start.month = 1;
        start.day = 21;
        scan->propagator().SetUp(slot.set.elements, start);
        scan->observer().SetStation(station.position.latitude, station.position.westLongitude,
                                    station.position.altitude);
        scan->Start(station.minimumElevation, kStepDays);
      }
      Real x = 0;
      for (int k = 0; k < 2880; ++k, x += kStepDays) {
        ASSERT_EQ(plain.Step(x), skipping.Step(x)) << slot.name << " " << station.name << " " << k;
      }
      skipped += skipping.skipCount();
      minutes += 2880;
    }
  }
  EXPECT_GT(skipped, minutes / 2);
  std::printf("skipped %d of %d minutes\n", skipped, minutes);
}

TEST(FastSearch, GroundTrackEndsAtTheSameMinuteWithTheSamePoints) {
  orbit::ElementFile file = orbit::ReadElementFile(ORVANE_TEST_DATA "/amateur.txt", true);
  const Real start = orbit::EncodeDateTimeValue(2018, 1, 21, 6, 30);
  for (std::size_t i = 0; i < file.sets.size(); i += 9) {
    PassSlot slot;
    LoadSlot(file, i, &slot);
    for (const StationCase& station : kStations) {
      SCOPED_TRACE(slot.name + " from " + station.name);
      const auto wide =
          GroundTrack(slot, station.position, station.minimumElevation, start, Precision::Wide);
      const auto fast = GroundTrack(slot, station.position, station.minimumElevation, start);
      ASSERT_EQ(wide.size(), fast.size());
      ASSERT_EQ(fast.back().latitude, 999);
      for (std::size_t k = 0; k + 1 < wide.size(); ++k) {
        ASSERT_NEAR(static_cast<double>(fast[k].latitude), static_cast<double>(wide[k].latitude),
                    1e-9);
        // The same side of the date line except within a hair of it.
        const double dl = static_cast<double>(fast[k].westLongitude - wide[k].westLongitude);
        ASSERT_TRUE(std::fabs(dl) < 1e-8 || std::fabs(std::fabs(dl) - 360) < 1e-8) << k;
        ASSERT_NEAR(static_cast<double>(fast[k].distance10),
                    static_cast<double>(wide[k].distance10), 1e-8);
      }
    }
  }
}

}  // namespace
}  // namespace prediction
