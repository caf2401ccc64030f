// OMM files written by scripts/make_omm_samples.py from sets of the sample files give the
// same element records, and so the same pass rows, as the three-line sets they came from.
#include <gtest/gtest.h>

#include <QString>
#include <memory>

#include "base/clock.h"
#include "orbit/element_content.h"
#include "prediction/element_content.h"
#include "prediction/ephemeris_row.h"
#include "prediction/pass_search.h"
#include "prediction/slot_text.h"

namespace prediction {
namespace {

const QString kFolder = QStringLiteral(ORVANE_TEST_DATA "/omm/");

ElementRead Read(const char* name) {
  return ReadElementContentFile(kFolder + QLatin1String(name), true);
}

void ExpectSameRecord(const orbit::ParsedSet& omm, const orbit::ParsedSet& tle,
                      const std::string& what) {
  const orbit::SatelliteElements& a = omm.elements;
  const orbit::SatelliteElements& b = tle.elements;
  // Exact equality: the record must be the one the three-line conversion gives.
  EXPECT_EQ(a.epochYear, b.epochYear) << what;
  EXPECT_EQ(a.epochDay, b.epochDay) << what;
  EXPECT_EQ(a.inclination, b.inclination) << what;
  EXPECT_EQ(a.raan, b.raan) << what;
  EXPECT_EQ(a.eccentricity, b.eccentricity) << what;
  EXPECT_EQ(a.argPerigee, b.argPerigee) << what;
  EXPECT_EQ(a.meanAnomaly, b.meanAnomaly) << what;
  EXPECT_EQ(a.meanMotion, b.meanMotion) << what;
  EXPECT_EQ(a.meanMotionDrift, b.meanMotionDrift) << what;
  EXPECT_EQ(a.revolutionNumber, b.revolutionNumber) << what;
  EXPECT_EQ(omm.epochText, tle.epochText) << what;
}

// Three successive passes over Paris from 2018-01-21 00:00 UTC: headers and every row.
std::vector<std::string> PassRowsOf(orbit::ElementContent& content, const std::string& name) {
  base::TestClock clock(static_cast<double>(orbit::EncodeDateTimeValue(2018, 1, 21, 1, 0)));
  SearchContext ctx;
  ctx.clock = &clock;
  ctx.station = {48.854L, -2.292L, 35};
  ctx.localOffsetHours = 1;
  ctx.navigating = true;
  ctx.navigationDate = orbit::EncodeDateTimeValue(2018, 1, 21, 0, 0);
  auto slot = std::make_unique<PassSlot>();
  slot->name = name;
  slot->text = SlotPrefix(name);
  std::vector<std::string> out;
  if (orbit::LoadElementsByName(content, name, &slot->set) != orbit::LoadStatus::Found) return out;
  for (int pass = 0; pass < 3; ++pass) {
    SearchPass(ctx, *slot);
    if (!slot->HasPass()) break;
    out.push_back(slot->text);
    for (const std::string& row : BuildRowTexts(*slot, true, 1)) out.push_back(row);
    ctx.navigationDate = slot->passStart + (slot->rows.count + 1) / 1440.0L;
  }
  return out;
}

TEST(OmmEquivalence, EachFormatGivesTheThreeLineRecordsAndPassRows) {
  ElementRead tle = Read("sample.tle");
  ASSERT_EQ(tle.format, ElementFormat::ThreeLine);
  ASSERT_EQ(tle.sets.size(), 7u);
  for (const char* file : {"sample.csv", "sample.xml", "sample.json"}) {
    SCOPED_TRACE(file);
    ElementRead omm = Read(file);
    ASSERT_EQ(omm.status, orbit::ElementFileStatus::Ok);
    EXPECT_NE(omm.format, ElementFormat::ThreeLine);
    EXPECT_TRUE(omm.damaged.empty());
    EXPECT_EQ(omm.damagedLine, 0);
    ASSERT_EQ(omm.sets.size(), tle.sets.size());
    std::size_t rows = 0;
    for (std::size_t i = 0; i < tle.sets.size(); ++i) {
      const orbit::ElementSetEntry& t = tle.sets[i];
      const orbit::ElementSetEntry& o = omm.sets[i];
      EXPECT_EQ(o.name, t.name);
      EXPECT_EQ(o.catalogueNumber, t.catalogueNumber);
      EXPECT_EQ(o.inService, t.inService) << t.name;
      orbit::ParsedSet a, b;
      ASSERT_EQ(orbit::LoadElementsByName(omm.content, t.name, &a), orbit::LoadStatus::Found);
      ASSERT_EQ(orbit::LoadElementsByName(tle.content, t.name, &b), orbit::LoadStatus::Found);
      EXPECT_EQ(a.catalogueNumber, b.catalogueNumber);
      ExpectSameRecord(a, b, t.name);
      const std::vector<std::string> fromOmm = PassRowsOf(omm.content, t.name);
      const std::vector<std::string> fromTle = PassRowsOf(tle.content, t.name);
      EXPECT_EQ(fromOmm, fromTle) << t.name;
      rows += fromTle.size();
    }
    // The comparison covers real passes, not empty lists.
    EXPECT_GT(rows, 100u);
  }
}

TEST(OmmEquivalence, SixDigitNumbersInAlpha5AndInOmm) {
  ElementRead alpha = Read("alpha5.tle");
  ElementRead big = Read("big_numbers.json");
  ASSERT_EQ(alpha.sets.size(), 6u);
  ASSERT_EQ(big.sets.size(), 7u);
  const std::vector<std::string> numbers = {"100000", "339999", "181234", "235000",
                                            "148493", "220001", "412345"};
  for (std::size_t i = 0; i < big.sets.size(); ++i) {
    EXPECT_EQ(big.sets[i].catalogueNumber, numbers[i]);
    if (i < alpha.sets.size()) {
      EXPECT_EQ(alpha.sets[i].catalogueNumber, numbers[i]);
      EXPECT_EQ(alpha.sets[i].name, big.sets[i].name);
      orbit::ParsedSet a, b;
      ASSERT_EQ(orbit::LoadElementsByName(alpha.content, alpha.sets[i].name, &a),
                orbit::LoadStatus::Found);
      ASSERT_EQ(orbit::LoadElementsByName(big.content, big.sets[i].name, &b),
                orbit::LoadStatus::Found);
      EXPECT_EQ(a.catalogueNumber, numbers[i]);
      ExpectSameRecord(b, a, alpha.sets[i].name);
    }
  }
}

}  // namespace
}  // namespace prediction
