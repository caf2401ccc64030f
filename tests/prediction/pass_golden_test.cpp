// The pass search and its rows against a golden file made by an independent computation of
// the same formulas (scripts/reference_passes.py, Python floats, no code shared): a LEO seen
// from both hemispheres, a Molniya from Paris and from the Arctic, a geostationary satellite
// that never sets and one that never rises, and a December epoch read in January. Passes
// follow one another as the "next pass" button chains them; the text is compared byte for byte.
#include <gtest/gtest.h>

#include <QString>
#include <QRegularExpression>
#include <QStringList>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "base/clock.h"
#include "orbit/calendar.h"
#include "orbit/elements.h"
#include "prediction/ephemeris_row.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace prediction {
namespace {

using orbit::Real;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// One case line: name|line 1|line 2|lat N|lon W|alt m|min el|YYYY-MM-DD HH:MM|passes.
std::string RunCase(const std::string& line, Precision precision) {
  const QStringList f = QString::fromStdString(line.substr(5)).split(QLatin1Char('|'));
  if (f.size() != 9) return "bad case line: " + line + "\n";
  auto slot = std::make_unique<PassSlot>();
  slot->name = f[0].toStdString();
  slot->text = SlotPrefix(slot->name);
  if (!orbit::ParseElementLines(f[1].toStdString(), f[2].toStdString(), &slot->set))
    return "bad element lines: " + line + "\n";
  const QStringList date = f[7].split(QRegularExpression(QStringLiteral("[- :]")));
  const Real start = orbit::EncodeDateTimeValue(date[0].toInt(), date[1].toInt(),
                                                date[2].toInt(), date[3].toInt(),
                                                date[4].toInt(), 0);
  base::TestClock clock(start);
  SearchContext ctx;
  ctx.clock = &clock;
  ctx.station = {static_cast<Real>(f[3].toDouble()), static_cast<Real>(f[4].toDouble()),
                 static_cast<Real>(f[5].toDouble())};
  ctx.minimumElevation = f[6].toInt();
  ctx.precision = precision;
  ctx.navigating = true;
  ctx.navigationDate = start;
  std::string out = line + "\n";
  const int count = f[8].toInt();
  for (int n = 1; n <= count; ++n) {
    SearchPass(ctx, *slot);
    if (!slot->HasPass()) {
      out += slot->name + "  pass " + std::to_string(n) + ": none within 48 hours\n";
      break;
    }
    out += slot->name + "  pass " + std::to_string(n) + ": " + RowDateText(slot->passStart) +
           " -> " + RowDateText(slot->passEnd) + " UTC (" + std::to_string(slot->rows.count) +
           " rows)\n";
    for (const std::string& row : BuildRowTexts(*slot, true, 0)) out += row + "\n";
    ctx.navigationDate = slot->passStart + (slot->rows.count + 1) / 1440.0L;
  }
  return out;
}

std::string RunGolden(const std::string& golden, Precision precision) {
  std::istringstream in(golden);
  std::string line, out;
  while (std::getline(in, line))
    if (line.rfind("case ", 0) == 0) out += RunCase(line, precision);
  return out;
}

const std::string kGolden = std::string(ORVANE_SOURCE_DIR) + "/tests/prediction/golden/passes.txt";

TEST(PassGolden, RowsMatchTheIndependentComputationByteForByte) {
  const std::string golden = ReadAll(kGolden);
  ASSERT_GT(golden.size(), 100000u) << kGolden;
  for (Precision p : {Precision::Fast, Precision::Wide}) {
    const std::string ours = RunGolden(golden, p);
    if (ours == golden) continue;
    // Name the first line that differs rather than dumping 300 kB.
    std::istringstream a(golden), b(ours);
    std::string la, lb;
    int n = 0;
    while (std::getline(a, la)) {
      ++n;
      if (!std::getline(b, lb) || la != lb) break;
    }
    ADD_FAILURE() << (p == Precision::Fast ? "fast" : "wide") << " path, line " << n
                  << "\n golden: " << la << "\n   ours: " << lb;
  }
}

// The golden file is what the script writes from the case list (kept beside it).
TEST(PassGolden, GoldenFileIsTheScriptsOutput) {
  const std::string cases =
      std::string(ORVANE_SOURCE_DIR) + "/tests/prediction/golden/pass_cases.txt";
  const std::string out = testing::TempDir() + "/reference_passes.txt";
  const std::string cmd = "/usr/bin/python3 " + std::string(ORVANE_SOURCE_DIR) +
                          "/scripts/reference_passes.py < " + cases + " > " + out;
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  EXPECT_TRUE(ReadAll(out) == ReadAll(kGolden)) << "regenerate " << kGolden;
}

}  // namespace
}  // namespace prediction
