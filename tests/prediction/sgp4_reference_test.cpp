// The pass rows of the (double-precision) search against an independent model: PyEphem's
// SGP4, run by /usr/bin/python3 on the same element sets. The program's ellipse with secular
// terms and SGP4 part by some kilometres (short-period terms, drag), so the rows agree to a
// degree or two and a few kilometres, and a pass edge to the minute; a row off by a minute,
// a turned azimuth, a wrong station sign or a lost revolution are far outside that.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "orbit/calendar.h"
#include "orbit/elements.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace prediction {
namespace {

using orbit::Real;

struct Station {
  const char* name;
  StationPosition position;  // west longitudes positive
  int minimumElevation;
};

const Station kStations[] = {
    {"Paris", {48.854L, -2.292L, 35}, 0},
    {"Cape Town", {-33.92L, -18.42L, 10}, 0},
    {"Alert", {82.50L, 62.35L, 30}, 5},
};

// One minute to look up, and what the search made of it.
struct Query {
  std::string set;
  std::string line1, line2;
  const Station* station;
  std::string when;  // YYYY/MM/DD HH:MM:SS, UTC
  bool row = false;  // a stored row (else the minute before or after a pass)
  int elevation = 0, azimuth = 0, range = 0;
  double latitude = 0, westLongitude = 0;
};

std::string EphemDate(Real utc) {
  const orbit::DecodedDateTime d = orbit::DecodeDateTimeValue(utc + 0.5L / 86400);
  char text[32];
  std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:00", static_cast<int>(d.year),
                static_cast<int>(d.month), static_cast<int>(d.day), static_cast<int>(d.hour),
                static_cast<int>(d.minute));
  return text;
}

// Every pass of 24 hours of a set from a station, as the explorer's ">" steps through them.
void CollectPasses(orbit::ElementFile& file, const orbit::ElementSetEntry& entry,
                   const Station& station, std::vector<Query>* queries, int* passes) {
  const Real start = orbit::EncodeDateTimeValue(2018, 1, 21, 0, 0);
  base::TestClock clock(static_cast<double>(start));
  SearchContext ctx;
  ctx.clock = &clock;
  ctx.station = station.position;
  ctx.minimumElevation = station.minimumElevation;
  ctx.navigating = true;
  auto slot = std::make_unique<PassSlot>();
  slot->name = entry.name;
  slot->text = SlotPrefix(entry.name);
  ASSERT_EQ(orbit::LoadElementsByName(file.content, entry.name, &slot->set),
            orbit::LoadStatus::Found);
  const std::string line1 = file.content[entry.nameLine + 1];
  const std::string line2 = file.content[entry.nameLine + 2];
  ASSERT_EQ(line1.rfind("1 ", 0), 0u);
  ASSERT_EQ(line2.rfind("2 ", 0), 0u);
  Real date = start;
  while (date < start + 1) {
    ctx.navigationDate = date;
    ASSERT_TRUE(SearchPass(ctx, *slot));
    if (!slot->HasPass()) return;
    const PassRows& rows = slot->rows;
    // A pass already under way at the start has no rise to compare.
    if (slot->passStart > start) {
      Query before{entry.name, line1, line2, &station, EphemDate(slot->passStart - kStepDays)};
      queries->push_back(before);
    }
    for (int k = 0; k < rows.count; ++k) {
      Query q{entry.name, line1, line2, &station, EphemDate(slot->passStart + k * kStepDays), true};
      q.elevation = rows.elevation[static_cast<std::size_t>(k)];
      q.azimuth = rows.azimuth[static_cast<std::size_t>(k)];
      q.range = rows.range[static_cast<std::size_t>(k)];
      q.latitude = static_cast<double>(rows.latitude[static_cast<std::size_t>(k)]);
      q.westLongitude = static_cast<double>(rows.westLongitude[static_cast<std::size_t>(k)]);
      queries->push_back(q);
    }
    if (rows.count < kMaxRows) {
      Query after{entry.name, line1, line2, &station, EphemDate(slot->passStart + rows.count * kStepDays)};
      queries->push_back(after);
    }
    ++*passes;
    date = slot->passStart + (rows.count + 1) * kStepDays;
  }
}

// The views of PyEphem for the queries, one line of five numbers each.
std::vector<std::vector<double>> Sgp4Views(const std::vector<Query>& queries) {
  QByteArray input;
  for (const Query& q : queries) {
    char line[256];
    std::snprintf(line, sizeof line, "%s|%s|%.6f|%.6f|%.1f|%s\n", q.line1.c_str(), q.line2.c_str(),
                  static_cast<double>(q.station->position.latitude),
                  -static_cast<double>(q.station->position.westLongitude),
                  static_cast<double>(q.station->position.altitude), q.when.c_str());
    input.append(line);
  }
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral(ORVANE_SOURCE_DIR "/tests/prediction/sgp4_views.py")});
  std::vector<std::vector<double>> views;
  if (!python.waitForStarted(10000)) return views;
  python.write(input);
  python.closeWriteChannel();
  python.waitForFinished(120000);
  const QList<QByteArray> lines = python.readAllStandardOutput().split('\n');
  for (const QByteArray& line : lines) {
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() != 5) continue;
    std::vector<double> v;
    for (const QByteArray& f : fields) v.push_back(f.toDouble());
    views.push_back(v);
  }
  return views;
}

constexpr double kRad = 3.14159265358979323846 / 180;

// Angle (degrees) between two directions given as elevation and azimuth, or between two
// points given as latitude and east longitude.
double Separation(double lat1, double lon1, double lat2, double lon2) {
  const double c = std::sin(lat1 * kRad) * std::sin(lat2 * kRad) +
                   std::cos(lat1 * kRad) * std::cos(lat2 * kRad) * std::cos((lon1 - lon2) * kRad);
  return std::acos(std::clamp(c, -1.0, 1.0)) / kRad;
}

// Gaps of every compared row, sorted for their percentiles.
struct Gaps {
  std::vector<double> sky;     // degrees between the two look directions
  std::vector<double> range;   // km
  std::vector<double> ground;  // km between the two sub-satellite points
  int edges = 0;
  void Sort() {
    for (auto* v : {&sky, &range, &ground}) std::sort(v->begin(), v->end());
  }
  static double At(const std::vector<double>& v, double fraction) {
    return v.empty() ? 1e9 : v[static_cast<std::size_t>(fraction * static_cast<double>(v.size() - 1))];
  }
};

// The passes of one day from the three stations, of the sets of a file whose epoch lies
// within two days of that day (SGP4 and the program's model drift apart with the distance
// from the epoch) on low near-circular orbits (SGP4's deep-space terms have no counterpart
// here).
Gaps CompareFile(const std::string& path, int every) {
  Gaps gaps;
  orbit::ElementFile file = orbit::ReadElementFile(path, true);
  EXPECT_GT(file.sets.size(), 100u);
  std::vector<Query> queries;
  int passes = 0;
  for (std::size_t i = 0; i < file.sets.size(); i += static_cast<std::size_t>(every)) {
    const orbit::ElementSetEntry& e = file.sets[i];
    orbit::ParsedSet set;
    if (orbit::LoadElementsByName(file.content, e.name, &set) != orbit::LoadStatus::Found) continue;
    const Real day = set.elements.epochDay;
    if (set.elements.epochYear != 18 || day < 19 || day > 23) continue;
    if (set.elements.meanMotion < 11 || set.elements.eccentricity > 0.05L) continue;
    for (const Station& s : kStations) CollectPasses(file, e, s, &queries, &passes);
  }
  EXPECT_GT(passes, 50);
  const std::vector<std::vector<double>> views = Sgp4Views(queries);
  EXPECT_EQ(views.size(), queries.size()) << "python3-ephem did not answer";
  if (views.size() != queries.size()) return gaps;
  for (std::size_t i = 0; i < queries.size(); ++i) {
    const Query& q = queries[i];
    const std::vector<double>& v = views[i];
    SCOPED_TRACE(q.set + " from " + q.station->name + " at " + q.when);
    const double threshold = q.station->minimumElevation;
    if (!q.row) {
      // The minute before the rise and after the set: below the threshold, or at most a
      // hair above where the two models' edges fall in different minutes.
      EXPECT_LT(v[0], threshold + 1.0);
      ++gaps.edges;
      continue;
    }
    EXPECT_GT(v[0], threshold - 1.0);
    gaps.sky.push_back(Separation(q.elevation, q.azimuth, v[0], v[1]));
    gaps.range.push_back(std::fabs(q.range - v[2]));
    gaps.ground.push_back(Separation(q.latitude, -q.westLongitude, v[3], v[4]) * kRad * 6371);
  }
  gaps.Sort();
  return gaps;
}

TEST(Sgp4Reference, PassRowsOfTheSampleFileAgreeWithPyEphem) {
  const Gaps g = CompareFile(ORVANE_TEST_DATA "/amateur.txt", 1);
  std::printf("%zu rows, %d pass edges; gaps median / 95 %% / largest: sky %.2f / %.2f / %.2f deg, "
              "range %.1f / %.1f / %.1f km, ground %.1f / %.1f / %.1f km\n",
              g.sky.size(), g.edges, Gaps::At(g.sky, 0.5), Gaps::At(g.sky, 0.95),
              Gaps::At(g.sky, 1), Gaps::At(g.range, 0.5), Gaps::At(g.range, 0.95),
              Gaps::At(g.range, 1), Gaps::At(g.ground, 0.5), Gaps::At(g.ground, 0.95),
              Gaps::At(g.ground, 1));
  EXPECT_GT(g.sky.size(), 2000u);
  // The models part by some 10 km along the track (a second and a half); rows round to whole
  // degrees and km. A row a minute late would sit some 450 km off on the ground.
  EXPECT_LT(Gaps::At(g.sky, 0.5), 1.0);
  EXPECT_LT(Gaps::At(g.sky, 0.95), 2.5);
  EXPECT_LT(Gaps::At(g.sky, 1), 8.0);
  EXPECT_LT(Gaps::At(g.range, 0.5), 15.0);
  EXPECT_LT(Gaps::At(g.range, 0.95), 45.0);
  EXPECT_LT(Gaps::At(g.range, 1), 90.0);
  EXPECT_LT(Gaps::At(g.ground, 0.5), 20.0);
  EXPECT_LT(Gaps::At(g.ground, 0.95), 45.0);
  EXPECT_LT(Gaps::At(g.ground, 1), 70.0);
}

}  // namespace
}  // namespace prediction
