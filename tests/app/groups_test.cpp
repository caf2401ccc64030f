#include "app/groups.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "orbit/data_sections.h"
#include "orbit/elements.h"

// Failure messages show the text rather than its bytes.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace app {
namespace {

using Lines = std::vector<std::string>;

// Puts the checksum digit after 68 characters of an element line.
std::string WithChecksum(std::string line68) {
  int sum = 0;
  for (char c : line68) {
    if (c >= '0' && c <= '9') sum += c - '0';
    if (c == '-') sum += 1;
    if (c == '+' && line68[0] == '2') sum += 2;
  }
  return line68 + static_cast<char>('0' + sum % 10);
}

std::string Line1(const std::string& number) {
  return WithChecksum("1 " + number + "U 74089B   18021.51466935 -.00000035  00000-0  10297-3 0  999");
}
std::string Line2(const std::string& number) {
  return WithChecksum("2 " + number + " 101.7117  22.1307 0012307 111.4587 329.7463 12.5363811398245");
}

void AddSet(Lines& lines, const std::string& nameLine, const std::string& number) {
  lines.push_back(nameLine);
  lines.push_back(Line1(number));
  lines.push_back(Line2(number));
}

struct Fixture {
  Group group;
  RenameTable renames;
  Lines dat;
  Lines nfo;
  GroupFileResult Load(const Lines& raw, SelectionFormat format = SelectionFormat::Numbers,
                       bool checksums = true) {
    return ScanGroupFile(group, raw, renames, checksums, dat, nfo, format);
  }
};

QStringList Names(const GroupFileResult& r) {
  QStringList out;
  for (const auto& e : r.list) out.append(e.name);
  return out;
}

TEST(GroupFileTest, NamesStatusSignsAndCaseInsensitiveOrder) {
  Lines raw;
  AddSet(raw, "0 beta", "11111");
  AddSet(raw, "  GAMMA [-]  ", "22222");
  AddSet(raw, "Alpha [+]", "33333");
  raw.insert(raw.begin() + 3, "");  // empty lines are dropped
  Fixture f;
  const GroupFileResult r = f.Load(raw);
  ASSERT_FALSE(r.tooManyLines);
  EXPECT_EQ(Names(r), (QStringList{"Alpha", "beta", "GAMMA"}));
  EXPECT_EQ(r.keys, (QStringList{"Alpha+33333", "beta+11111", "GAMMA-22222"}));
  EXPECT_TRUE(r.list[0].inService);
  EXPECT_FALSE(r.list[2].inService);
  EXPECT_TRUE(r.outOfWork);
  EXPECT_EQ(KeyStatusSign(r.keys[2]), '-');
  EXPECT_EQ(KeyStatusSign(r.keys[0]), '+');
  // The cleaned text lost the empty line and the "0 " prefix.
  EXPECT_EQ(r.elementContent.lines.size(), 9u);
  EXPECT_EQ(r.elementContent.lines[0], "beta");
}

TEST(GroupFileTest, KeysStayAlignedWithNamesThatArePrefixes) {
  // Sorting the keys on their own would put "AB C+..." before "AB+..." (blank < "+").
  Lines raw;
  AddSet(raw, "AB C", "11111");
  AddSet(raw, "AB", "22222");
  AddSet(raw, "ab", "33333");
  Fixture f;
  const GroupFileResult r = f.Load(raw);
  ASSERT_EQ(r.list.size(), 3u);
  ASSERT_EQ(r.keys.size(), 3u);
  for (std::size_t i = 0; i < r.list.size(); ++i) {
    EXPECT_EQ(r.keys[i], SatelliteKey(r.list[i].name, r.list[i].inService, r.list[i].number));
  }
  EXPECT_EQ(Names(r), (QStringList{"AB", "ab", "AB C"}));
}

TEST(GroupFileTest, OutOfWorkFlagOnlyWithMinusMark) {
  Lines raw;
  AddSet(raw, "ONE [+]", "11111");
  AddSet(raw, "TWO [x]", "22222");
  Fixture f;
  EXPECT_FALSE(f.Load(raw).outOfWork);
}

TEST(GroupFileTest, ChecksumSwitch) {
  Lines raw;
  AddSet(raw, "GOOD", "11111");
  raw.push_back("BAD");
  raw.push_back(Line1("22222"));
  std::string bad = Line2("22222");
  bad[68] = bad[68] == '9' ? '0' : static_cast<char>(bad[68] + 1);
  raw.push_back(bad);
  Fixture f;
  EXPECT_EQ(Names(f.Load(raw, SelectionFormat::Numbers, true)),
            (QStringList{"GOOD"}));
  EXPECT_EQ(Names(f.Load(raw, SelectionFormat::Numbers, false)),
            (QStringList{"BAD", "GOOD"}));
}

TEST(GroupFileTest, LineLimitIsThreeThousandRawLines) {
  Lines raw;
  for (int i = 0; i < 1000; ++i) AddSet(raw, "SAT " + std::to_string(i), std::to_string(10000 + i));
  ASSERT_EQ(raw.size(), 3000u);
  Fixture f;
  f.group.SelectedNumbers[0] = "10005";
  GroupFileResult r = f.Load(raw);
  EXPECT_FALSE(r.tooManyLines);
  EXPECT_EQ(r.list.size(), 1000u);
  EXPECT_EQ(f.group.SelectedNames[0], "SAT 5");

  raw.push_back("");  // even an empty line counts
  f.group.SelectedNames[0] = "kept";
  f.renames[0] = {"SAT 5", "RENAMED"};
  r = f.Load(raw);
  EXPECT_TRUE(r.tooManyLines);
  EXPECT_TRUE(r.list.empty());
  EXPECT_EQ(f.group.SelectedNames[0], "kept");
  EXPECT_EQ(f.renames[0].oldSide, "SAT 5");
  EXPECT_FALSE(std::string(orbit::kTooManyLinesMessage).empty());
}

TEST(GroupFileTest, RenameByNameBecomesRenameByNumber) {
  Lines raw;
  AddSet(raw, "AO-7 [+]", "07530");
  AddSet(raw, "FO-29", "24278");
  Fixture f;
  f.renames[3] = {"AO-7", "OSCAR 7"};
  GroupFileResult r = f.Load(raw);
  EXPECT_EQ(Names(r), (QStringList{"FO-29", "OSCAR 7"}));
  EXPECT_EQ(f.renames[3].oldSide, "07530");
  EXPECT_EQ(f.renames[3].newSide, "OSCAR 7");
  EXPECT_EQ(r.keys[1], "OSCAR 7+07530");
  // The element text carries the display name, so the slot loader finds it.
  orbit::ParsedSet parsed;
  EXPECT_EQ(orbit::LoadElementsByName(r.elementContent, "OSCAR 7", &parsed), orbit::LoadStatus::Found);
  EXPECT_EQ(parsed.catalogueNumber, "07530");
  // A second read matches by number.
  r = f.Load(raw);
  EXPECT_EQ(Names(r), (QStringList{"FO-29", "OSCAR 7"}));
}

TEST(GroupFileTest, LastMatchingPairDecidesAndEmptyNewNameCancels) {
  Lines raw;
  AddSet(raw, "AO-7", "07530");
  Fixture f;
  f.renames[0] = {"07530", "FIRST"};
  f.renames[1] = {"AO-7", "SECOND"};
  EXPECT_EQ(Names(f.Load(raw)), (QStringList{"SECOND"}));

  Fixture g;
  g.renames[0] = {"07530", "OSCAR 7"};
  g.renames[1] = {"AO-7", ""};
  EXPECT_EQ(Names(g.Load(raw)), (QStringList{"AO-7"}));
  EXPECT_EQ(g.renames[1].oldSide, "AO-7");  // no new name: not turned into a number

  // A new name with brackets is cut so that it can still be found and headed.
  Fixture h;
  h.renames[0] = {"07530", "OSCAR [7]"};
  const GroupFileResult r = h.Load(raw);
  EXPECT_EQ(Names(r), (QStringList{"OSCAR"}));
  // Empty old sides never match.
  Fixture k;
  k.renames[0] = {"", "NOTHING"};
  EXPECT_EQ(Names(k.Load(raw)), (QStringList{"AO-7"}));
}

TEST(GroupFileTest, DataFileHeadersFollowNamesAndNumbers) {
  Lines raw;
  AddSet(raw, "AO-7", "07530");
  AddSet(raw, "FO-29", "24278");
  Fixture f;
  f.renames[0] = {"07530", "OSCAR 7"};
  f.renames[1] = {"FOO", "BAR"};  // a satellite of another file
  f.dat = {"[AO-7 [+]]", "LAST_MODE=B", "[FO-29][24278]", "LAST_MODE=U", "[FOO][99999]", "x"};
  f.nfo = {"[OSCAR 7]", "my note"};
  GroupFileResult r = f.Load(raw);
  EXPECT_TRUE(r.radioDataChanged);
  EXPECT_TRUE(r.notesChanged);
  EXPECT_EQ(f.dat, (Lines{"[OSCAR 7][07530]", "LAST_MODE=B", "[FO-29][24278]", "LAST_MODE=U",
                          "[BAR][99999]", "x"}));
  EXPECT_EQ(f.nfo, (Lines{"[OSCAR 7][07530]", "my note"}));
  // Nothing left to change on the next read.
  r = f.Load(raw);
  EXPECT_FALSE(r.radioDataChanged);
  EXPECT_FALSE(r.notesChanged);
}

TEST(GroupFileTest, ChangedDataFileIsReindexed) {
  Lines raw;
  AddSet(raw, "AO-7", "07530");
  Fixture f;
  f.dat = {"[AO-7]", "LAST_MODE=A", "[AO-7][07530]", "LAST_MODE=B"};
  const GroupFileResult r = f.Load(raw);
  EXPECT_TRUE(r.radioDataChanged);
  EXPECT_EQ(f.dat, (Lines{"[AO-7][07530]", "LAST_MODE=B"}));
}

TEST(GroupFileTest, SetsSharingANameDoNotTradeSections) {
  Lines raw;
  AddSet(raw, "OBJECT A", "11111");
  AddSet(raw, "OBJECT A", "22222");
  Fixture f;
  f.dat = {"[OBJECT A][11111]", "LAST_MODE=A", "[OBJECT A][22222]", "LAST_MODE=B"};
  const Lines before = f.dat;
  const GroupFileResult r = f.Load(raw);
  EXPECT_FALSE(r.radioDataChanged);
  EXPECT_EQ(f.dat, before);
}

TEST(GroupFileTest, SelectionByNumbersDropsMissingAndCompacts) {
  Lines raw;
  AddSet(raw, "AO-7", "07530");
  AddSet(raw, "FO-29", "24278");
  AddSet(raw, "ISS", "25544");
  Fixture f;
  f.renames[0] = {"25544", "ZARYA"};
  f.group.SelectedNumbers = {"24278", "99999", "", "25544"};
  f.group.SelectedNames = {"old", "old", "old", "old"};
  const GroupFileResult r = f.Load(raw);
  EXPECT_EQ(f.group.SelectedNames[0], "FO-29");
  EXPECT_EQ(f.group.SelectedNumbers[0], "24278");
  EXPECT_EQ(f.group.SelectedNames[1], "ZARYA");
  EXPECT_EQ(f.group.SelectedNumbers[1], "25544");
  for (std::size_t s = 2; s < static_cast<std::size_t>(kGroupSelectionSize); ++s) {
    EXPECT_TRUE(f.group.SelectedNames[s].isEmpty()) << s;
    EXPECT_TRUE(f.group.SelectedNumbers[s].isEmpty()) << s;
  }
  ASSERT_EQ(r.list.size(), 3u);
  EXPECT_FALSE(r.list[0].selected);  // AO-7
  EXPECT_TRUE(r.list[1].selected);   // FO-29
  EXPECT_TRUE(r.list[2].selected);   // ZARYA
}

TEST(GroupFileTest, SelectionByNamesKeepsKnownNamesAndLearnsNumbers) {
  Lines raw;
  AddSet(raw, "AO-7", "07530");
  AddSet(raw, "FO-29", "24278");
  Fixture f;
  f.group.SelectedNames = {"", "GONE", "FO-29", "ao-7", "AO-7"};
  f.Load(raw, SelectionFormat::Names);
  EXPECT_EQ(f.group.SelectedNames[0], "FO-29");
  EXPECT_EQ(f.group.SelectedNumbers[0], "24278");
  EXPECT_EQ(f.group.SelectedNames[1], "AO-7");  // exact, case-sensitive
  EXPECT_EQ(f.group.SelectedNumbers[1], "07530");
  EXPECT_TRUE(f.group.SelectedNames[2].isEmpty());
}

TEST(GroupFileTest, FileWithoutSetsLeavesSelectionAlone) {
  Lines raw = {Line1("11111"), Line2("11111"), Line1("22222"), Line2("22222"), "junk"};
  Fixture f;
  f.group.SelectedNames[4] = "AO-7";
  f.group.SelectedNumbers[4] = "07530";
  const GroupFileResult r = f.Load(raw);
  EXPECT_TRUE(r.list.empty());
  EXPECT_TRUE(r.keys.empty());
  EXPECT_EQ(f.group.SelectedNames[4], "AO-7");
  EXPECT_EQ(f.Load({}).list.size(), 0u);
}

TEST(GroupFileTest, BrokenSetsAreSkipped) {
  Lines raw;
  raw.push_back("SHORT");
  raw.push_back(Line1("11111").substr(0, 68));  // 68 characters
  raw.push_back(Line2("11111"));
  raw.push_back("LONG");
  raw.push_back(Line1("22222") + "0");  // 70 characters
  raw.push_back(Line2("22222"));
  raw.push_back("SWAPPED");
  raw.push_back(Line2("33333"));
  raw.push_back(Line1("33333"));
  AddSet(raw, "FINE", "44444");
  raw.push_back("TRUNCATED");
  raw.push_back(Line1("55555"));  // file ends before line 2
  Fixture f;
  EXPECT_EQ(Names(f.Load(raw)), (QStringList{"FINE"}));
}

TEST(GroupFileTest, RandomBytesNeverCrashAndKeepKeysAligned) {
  std::mt19937 rng(424242);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> len(0, 80);
  std::uniform_int_distribution<int> pick(0, 9);
  for (int round = 0; round < 50; ++round) {
    Lines raw;
    for (int i = 0; i < 120; ++i) {
      if (pick(rng) == 0) {
        AddSet(raw, "SAT" + std::to_string(i) + (pick(rng) < 3 ? " [-]" : ""),
               std::to_string(10000 + i));
        continue;
      }
      std::string line;
      const int n = len(rng);
      for (int k = 0; k < n; ++k) line += static_cast<char>(byte(rng));
      raw.push_back(line);
    }
    Fixture f;
    f.renames[0] = {"SAT3", "THREE"};
    f.dat = {"[SAT3]", "x", "[", "[]]", "junk"};
    const GroupFileResult r = f.Load(raw, SelectionFormat::Numbers, pick(rng) < 5);
    ASSERT_EQ(r.list.size(), r.keys.size());
    for (std::size_t i = 0; i < r.list.size(); ++i) {
      EXPECT_EQ(KeyNumber(r.keys[i]), r.list[i].number);
      if (i > 0) {
        EXPECT_FALSE(LessIgnoringCase(r.list[i].name, r.list[i - 1].name));
      }
    }
  }
}

TEST(GroupFileTest, SampleFileWithServiceMarks) {
  std::ifstream in(std::string(ORVANE_TEST_DATA) + "/mixed200.txt", std::ios::binary);
  ASSERT_TRUE(in.good());
  std::stringstream text;
  text << in.rdbuf();
  Fixture f;
  const GroupFileResult r = f.Load(orbit::SplitLines(text.str()));
  EXPECT_EQ(r.list.size(), 200u);
  EXPECT_TRUE(r.outOfWork);
  for (const auto& e : r.list) EXPECT_FALSE(e.name.contains(QLatin1Char('['))) << e.name.toStdString();
}

TEST(SelectionTest, FifteenAcceptedSixteenthRefused) {
  QStringList names;
  QStringList keys;
  for (int i = 0; i < 20; ++i) {
    names.append("S" + QString::number(i));
    keys.append(SatelliteKey(names.back(), i % 2 == 0, QString::number(40000 + i)));
  }
  std::vector<std::size_t> rows;
  for (std::size_t i = 0; i < 15; ++i) rows.push_back(i + 2);
  SelectionResult s = SelectionFromList(rows, names, keys);
  ASSERT_TRUE(s.accepted);
  EXPECT_EQ(s.names[0], "S2");
  EXPECT_EQ(s.numbers[0], "40002");
  EXPECT_EQ(s.names[14], "S16");
  EXPECT_EQ(s.numbers[14], "40016");
  rows.push_back(19);
  s = SelectionFromList(rows, names, keys);
  EXPECT_FALSE(s.accepted);
  EXPECT_EQ(s.warning, "15 satellites maximum please ...");

  s = SelectionFromList({5, 1}, names, keys);
  ASSERT_TRUE(s.accepted);
  EXPECT_EQ(s.names[0], "S5");
  EXPECT_EQ(s.numbers[1], "40001");
  EXPECT_TRUE(s.names[2].isEmpty());
  EXPECT_TRUE(s.numbers[2].isEmpty());
  // Rows beyond the list are ignored.
  s = SelectionFromList({99}, names, keys);
  EXPECT_TRUE(s.accepted);
  EXPECT_TRUE(s.names[0].isEmpty());
}

TEST(RenameTableTest, SortKeepsFirstPairOfEachOldSideEmptiesLast) {
  RenameTable t;
  t[0] = {"b", "first b"};
  t[2] = {"A", "upper a"};
  t[5] = {"b", "second b"};
  t[7] = {"a", "lower a"};
  t[9] = {"25544", "ISS"};
  t[11] = {"B", "upper b"};
  t[12] = {"", "orphan"};
  SortRenameTable(t);
  EXPECT_EQ(t[0], (RenamePair{"25544", "ISS"}));
  EXPECT_EQ(t[1], (RenamePair{"A", "upper a"}));
  EXPECT_EQ(t[2], (RenamePair{"a", "lower a"}));
  EXPECT_EQ(t[3], (RenamePair{"B", "upper b"}));
  EXPECT_EQ(t[4], (RenamePair{"b", "first b"}));
  for (std::size_t i = 5; i < kRenamePairCount; ++i) EXPECT_EQ(t[i], RenamePair{}) << i;
}

TEST(RenameTableTest, OkRenamesSlotsInEveryGroup) {
  GroupTable groups = DefaultGroupTable("/x/");
  groups[0].SelectedNames[0] = "AO-7";
  groups[0].SelectedNumbers[0] = "07530";
  groups[4].SelectedNames[3] = "ISS";
  groups[4].SelectedNumbers[3] = "25544";
  groups[9].SelectedNames[0] = "FO-29";
  groups[9].SelectedNumbers[0] = "24278";
  RenameTable rows;
  rows[0] = {"AO-7", "OSCAR 7"};
  rows[1] = {"25544", "ZARYA"};
  rows[2] = {"24278", ""};       // empty new side renames nothing
  rows[3] = {"OSCAR 7", "NOPE"};  // no chain through a just-given name
  RenameTable table;
  ApplyRenameRows(rows, table, groups);
  EXPECT_EQ(groups[0].SelectedNames[0], "OSCAR 7");
  EXPECT_EQ(groups[4].SelectedNames[3], "ZARYA");
  EXPECT_EQ(groups[9].SelectedNames[0], "FO-29");
  EXPECT_EQ(table[0], (RenamePair{"24278", ""}));
  EXPECT_EQ(table[1], (RenamePair{"25544", "ZARYA"}));
  EXPECT_EQ(table[2], (RenamePair{"AO-7", "OSCAR 7"}));
  EXPECT_EQ(table[3], (RenamePair{"OSCAR 7", "NOPE"}));
  EXPECT_EQ(table[4], RenamePair{});
}

TEST(RenameTableTest, PendingRenameRowChoice) {
  RenameTable rows;
  rows[0] = {"11111", "X"};
  rows[1] = {"25544", "OLD"};
  auto row = PreparePendingRename(rows, "ISS", "25544");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(*row, 1u);
  EXPECT_EQ(rows[1], (RenamePair{"25544", "ISS"}));
  row = PreparePendingRename(rows, "AO-7", "07530");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(*row, 2u);
  EXPECT_EQ(rows[2], (RenamePair{"07530", "AO-7"}));

  RenameTable full;
  for (std::size_t i = 0; i < kRenamePairCount; ++i) full[i] = {QString::number(i), "n"};
  const RenameTable before = full;
  EXPECT_FALSE(PreparePendingRename(full, "AO-7", "07530").has_value());
  EXPECT_EQ(full, before);
  // A full table still finds the satellite's own row.
  row = PreparePendingRename(full, "FORTY", "40");
  ASSERT_TRUE(row.has_value());
  EXPECT_EQ(*row, 40u);
}

TEST(GroupTableTest, DefaultsResetAndSelectionFlag) {
  GroupTable t = DefaultGroupTable("/opt/orvane/");
  EXPECT_EQ(t[0].name, "G1 - Amateur");
  EXPECT_EQ(t[1].name, "G2");
  EXPECT_EQ(t[9].name, "G10");
  EXPECT_EQ(t[0].elementFile, "/opt/orvane/amateur.txt");
  EXPECT_TRUE(t[1].elementFile.isEmpty());
  EXPECT_EQ(t[1].url, "http://");
  EXPECT_FALSE(GroupHasSelection(t[0]));
  t[0].SelectedNames[7] = "AO-7";
  EXPECT_TRUE(GroupHasSelection(t[0]));
  ResetGroup(t[0], 1);
  EXPECT_EQ(t[0].name, "G1");
  EXPECT_TRUE(t[0].elementFile.isEmpty());
  EXPECT_EQ(t[0].SelectedNames[7], "AO-7");  // reset keeps the slots
  EXPECT_EQ(&GroupNumber(t, 10), &t[9]);
  EXPECT_EQ(&GroupNumber(t, 11), &t[0]);  // out of range falls back to group 1
}

}  // namespace
}  // namespace app
