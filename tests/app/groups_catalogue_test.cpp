// Groups over today's catalogue: six-digit numbers in keys, selections, renames and data
// files, from Alpha-5 lines and from OMM files.
#include <gtest/gtest.h>

#include <QFile>

#include "app/groups.h"
#include "orbit/data_sections.h"
#include "prediction/element_content.h"

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace app {
namespace {

using Lines = std::vector<std::string>;

prediction::ElementRead Sample(const char* name) {
  return prediction::ReadElementContentFile(QStringLiteral(ORVANE_TEST_DATA "/omm/") +
                                                QLatin1String(name),
                                            true);
}

TEST(CatalogueKeys, SixDigitNumbersBesideTheFiveCharacterOnes) {
  // Five characters as always, whatever the name ends with.
  EXPECT_EQ(KeyNumber(SatelliteKey("AO-7", true, "07530")), "07530");
  EXPECT_EQ(KeyNumber(SatelliteKey("SAT 12", false, "12345")), "12345");
  EXPECT_EQ(KeyNumber(SatelliteKey("X-", true, "12345")), "12345");
  EXPECT_EQ(KeyNumber(SatelliteKey("OLD", true, " 7530")), " 7530");
  EXPECT_EQ(KeyStatusSign(SatelliteKey("SAT 12", false, "12345")), '-');
  // Six digits and more.
  for (const QString& number : {QStringLiteral("100000"), QStringLiteral("339999"),
                               QStringLiteral("412345"), QStringLiteral("999999999")}) {
    for (const QString& name : {QStringLiteral("NEW-1"), QStringLiteral("A+B"), QStringLiteral("X-")}) {
      EXPECT_EQ(KeyNumber(SatelliteKey(name, true, number)), number) << name.toStdString();
      EXPECT_EQ(KeyStatusSign(SatelliteKey(name, true, number)), '+');
      EXPECT_EQ(KeyStatusSign(SatelliteKey(name, false, number)), '-');
    }
  }
  EXPECT_EQ(KeyNumber("1234"), "1234");
  EXPECT_EQ(KeyStatusSign("1234"), '+');
}

TEST(CatalogueGroups, AnOmmFileFillsTheListAndKeepsTheSelectionByNumber) {
  Group group;
  RenameTable renames;
  Lines dat = {"[IRIDIUM 921]", "F_MODE_A=145.8/435.1/", "[SL-16 R/B][412345]", "ALAT=10"};
  Lines nfo;
  group.SelectedNumbers[0] = "412345";
  group.SelectedNumbers[1] = "99999";  // not in the file: the slot is dropped
  group.SelectedNumbers[2] = "100000";
  renames[0] = {QStringLiteral("339999"), QStringLiteral("FUNCUBE")};
  renames[1] = {QStringLiteral("JAS-2 (FO-29)"), QStringLiteral("FO-29")};
  const GroupFileResult r = ScanGroupFile(group, Sample("big_numbers.json"), renames, dat, nfo,
                                          SelectionFormat::Numbers);
  ASSERT_FALSE(r.tooManyLines);
  ASSERT_EQ(r.list.size(), 7u);
  EXPECT_TRUE(r.outOfWork);
  EXPECT_EQ(group.SelectedNames[0], "SL-16 R/B");
  EXPECT_EQ(group.SelectedNumbers[0], "412345");
  EXPECT_EQ(group.SelectedNames[1], "ISS (ZARYA)");
  EXPECT_EQ(group.SelectedNumbers[1], "100000");
  EXPECT_TRUE(group.SelectedNames[2].isEmpty());
  // Renames by number and by name; the pair found by name now holds the number.
  QStringList names;
  for (const SatelliteListEntry& e : r.list) names.append(e.name);
  EXPECT_TRUE(names.contains("FUNCUBE"));
  EXPECT_TRUE(names.contains("FO-29"));
  EXPECT_EQ(renames[1].oldSide, "235000");
  orbit::ElementContent content = r.elementContent;
  orbit::ParsedSet p;
  EXPECT_EQ(orbit::LoadElementsByName(content, "FUNCUBE", &p), orbit::LoadStatus::Found);
  EXPECT_EQ(p.catalogueNumber, "339999");
  EXPECT_EQ(orbit::LoadElementsByName(content, "JAS-2 (FO-29)", &p), orbit::LoadStatus::NotFound);
  // Keys carry the six digits; the radio data header of a listed satellite gets its number.
  for (std::size_t i = 0; i < r.list.size(); ++i)
    EXPECT_EQ(KeyNumber(r.keys[static_cast<qsizetype>(i)]), r.list[i].number);
  EXPECT_TRUE(r.radioDataChanged);
  EXPECT_EQ(dat[0], "[IRIDIUM 921][220001]");
  // A selection in the list takes the six-digit number of its key.
  const SelectionResult chosen = SelectionFromList({0, 1}, names, r.keys);
  ASSERT_TRUE(chosen.accepted);
  EXPECT_EQ(chosen.numbers[0], r.list[0].number);
  EXPECT_EQ(chosen.numbers[1], r.list[1].number);
  EXPECT_EQ(chosen.numbers[0].size(), 6);
}

TEST(CatalogueGroups, Alpha5LinesAndDamagedOmmRecords) {
  Group group;
  RenameTable renames;
  Lines dat, nfo;
  group.SelectedNumbers[0] = "181234";
  const GroupFileResult alpha =
      ScanGroupFile(group, Sample("alpha5.tle"), renames, dat, nfo, SelectionFormat::Numbers);
  ASSERT_EQ(alpha.list.size(), 6u);
  EXPECT_EQ(group.SelectedNames[0], "SAUDISAT 1C (SO-50)");
  EXPECT_FALSE(alpha.elementContent.lines.empty());

  prediction::ElementRead damaged = prediction::ReadElementContent(
      "[{\"OBJECT_NAME\":\"BROKEN\",\"NORAD_CAT_ID\":1}]", true);
  const GroupFileResult r =
      ScanGroupFile(group, std::move(damaged), renames, dat, nfo, SelectionFormat::Numbers);
  EXPECT_TRUE(r.list.empty());
  EXPECT_EQ(r.damaged, std::vector<std::string>{"BROKEN"});
  // An empty list leaves the selection alone, as for a three-line file without sets.
  EXPECT_EQ(group.SelectedNumbers[0], "181234");

  prediction::ElementRead refused;
  refused.status = orbit::ElementFileStatus::TooManyLines;
  EXPECT_TRUE(ScanGroupFile(group, std::move(refused), renames, dat, nfo, SelectionFormat::Numbers)
                  .tooManyLines);
}

TEST(CatalogueGroups, NumbersTypedInTheirAlpha5FormStandForTheirDigits) {
  Group group;
  RenameTable renames;
  renames[0] = {QStringLiteral("A0000"), QStringLiteral("ISS")};   // 100000
  renames[1] = {QStringLiteral("a0000"), QStringLiteral("WRONG")};  // lower case: no number
  Lines dat = {"[FUNCUBE-1 (AO-73)][Z9999]", "ALAT=5"};
  Lines nfo;
  group.SelectedNumbers[0] = "Z9999";   // 339999
  group.SelectedNumbers[1] = " A0000";  // blanks around as the settings file may hold them
  group.SelectedNumbers[2] = "O1234";   // no Alpha-5 number: dropped
  const GroupFileResult r = ScanGroupFile(group, Sample("big_numbers.json"), renames, dat, nfo,
                                          SelectionFormat::Numbers);
  ASSERT_EQ(r.list.size(), 7u);
  EXPECT_EQ(group.SelectedNames[0], "FUNCUBE-1 (AO-73)");
  EXPECT_EQ(group.SelectedNumbers[0], "339999");
  EXPECT_EQ(group.SelectedNames[1], "ISS");
  EXPECT_EQ(group.SelectedNumbers[1], "100000");
  EXPECT_TRUE(group.SelectedNames[2].isEmpty());
  QStringList names;
  for (const SatelliteListEntry& e : r.list) names.append(e.name);
  EXPECT_TRUE(names.contains("ISS"));
  EXPECT_FALSE(names.contains("WRONG"));
  // The table and the data file now hold the digits.
  EXPECT_EQ(renames[0].oldSide, "100000");
  EXPECT_EQ(renames[1].oldSide, "a0000");
  EXPECT_EQ(dat[0], "[FUNCUBE-1 (AO-73)][339999]");
}

}  // namespace
}  // namespace app
