#include "orbit/data_sections.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace orbit {
namespace {

using Lines = std::vector<std::string>;

TEST(SectionHeaderTest, ParsesNormalOldAndDamagedHeaders) {
  struct Case {
    const char* line;
    const char* name;
    const char* number;
  };
  const Case cases[] = {
      {"[AO-7][07530]", "AO-7", "07530"},
      {"[AO-7]", "AO-7", ""},
      {"[AO-7 [+]]", "AO-7", ""},           // old annotation removed
      {"[AO-7 [-]][07530]", "AO-7", "07530"},
      {"[ISS   ][25544]", "ISS", "25544"},   // trailing blanks of the name go
      {"[FO-29] [24278]", "FO-29", "24278"},
      {"[NO CLOSE", "NO CLOSE", ""},
      {"[", "", ""},
      {"[]]", "", ""},
      {"[A]]", "A", ""},                     // "]]" without an opening bracket before it
      {"[A][12345", "A", "12345"},
      {"[A]garbage", "A", ""},
      {"F_MODE_B=1/2/", "", ""},             // not a header
  };
  for (const Case& c : cases) {
    const SectionHeader h = ParseSectionHeader(c.line);
    EXPECT_EQ(h.name, c.name) << c.line;
    EXPECT_EQ(h.number, c.number) << c.line;
  }
}

TEST(SectionHeaderTest, FormatsWithAndWithoutNumber) {
  EXPECT_EQ(FormatSectionHeader("AO-7", "07530"), "[AO-7][07530]");
  EXPECT_EQ(FormatSectionHeader("AO-7", ""), "[AO-7]");
}

TEST(DataSectionsTest, ListsSectionsAndIgnoresPreamble) {
  const Lines lines = {"junk", "[A][1]", "x", "y", "[B][2]", "[C]", "z"};
  const auto s = ListSections(lines);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].begin, 1u);
  EXPECT_EQ(s[0].end, 4u);
  EXPECT_EQ(s[1].begin, 4u);
  EXPECT_EQ(s[1].end, 5u);
  EXPECT_EQ(s[2].begin, 5u);
  EXPECT_EQ(s[2].end, 7u);
  EXPECT_TRUE(ListSections({}).empty());
  EXPECT_TRUE(ListSections({"no", "headers"}).empty());
}

TEST(DataSectionsTest, FindsByNameExactlyAndByNumber) {
  const Lines lines = {"[AO-7][07530]", "a", "[AO-73][39444]", "b", "[ao-7]", "c"};
  auto s = FindSectionByName(lines, "AO-7");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->begin, 0u);
  s = FindSectionByName(lines, "ao-7");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->begin, 4u);
  EXPECT_FALSE(FindSectionByName(lines, "AO").has_value());

  s = FindSection(lines, "nothing", "39444");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->begin, 2u);
  // An empty number never matches a section without number.
  EXPECT_FALSE(FindSection(lines, "nothing", "").has_value());
}

TEST(DataSectionsTest, RemovesEverySectionOfTheSatellite) {
  Lines lines = {"[A][1]", "a1", "[B][2]", "b", "[A]", "a2", "[X][1]", "x"};
  EXPECT_TRUE(RemoveSections(lines, "A", "1"));
  EXPECT_EQ(lines, (Lines{"[B][2]", "b"}));
  EXPECT_FALSE(RemoveSections(lines, "A", "1"));
  EXPECT_EQ(lines, (Lines{"[B][2]", "b"}));
}

TEST(DataSectionsTest, NormalisesOldHeaders) {
  Lines lines = {"[AO-7 [+]][07530]", "LAST_MODE=B", "[FO-29 [-]]", "[ISS][25544]"};
  EXPECT_TRUE(NormalizeSectionHeaders(lines));
  EXPECT_EQ(lines, (Lines{"[AO-7][07530]", "LAST_MODE=B", "[FO-29]", "[ISS][25544]"}));
  EXPECT_FALSE(NormalizeSectionHeaders(lines));
}

TEST(ReindexSectionsTest, LaterSectionReplacesEarlierByNameOrNumber) {
  Lines lines = {"top",  "[A][1]", "old a", "[B][2]", "b",
                 "[A]",  "new a",  "[C][2]", "c"};
  EXPECT_TRUE(ReindexSections(lines));
  // First [A][1] goes (name A repeated later); [B][2] goes (number 2 repeated by C).
  EXPECT_EQ(lines, (Lines{"top", "[A]", "new a", "[C][2]", "c"}));
  EXPECT_FALSE(ReindexSections(lines));
}

TEST(ReindexSectionsTest, ChainOfSharedKeysKeepsOnlyTheLast) {
  // A shares its number with B, B its name with C: each is replaced by the later one.
  Lines lines = {"[X][1]", "a", "[Y][1]", "b", "[Y][2]", "c"};
  EXPECT_TRUE(ReindexSections(lines));
  EXPECT_EQ(lines, (Lines{"[Y][2]", "c"}));
}

TEST(ReindexSectionsTest, EmptyNamesAndNumbersAreNotDuplicates) {
  Lines lines = {"[]", "a", "[]", "b", "[][5]", "c"};
  EXPECT_FALSE(ReindexSections(lines));
  EXPECT_EQ(lines.size(), 6u);
}

TEST(ReindexSectionsTest, KeepsEverySectionHoweverMany) {
  // An older index kept only the last 300 sections and so lost the data of the others.
  Lines lines;
  for (int i = 0; i < 305; ++i) {
    lines.push_back("[S" + std::to_string(i) + "][" + std::to_string(10000 + i) + "]");
    lines.push_back("LAST_MODE=A");
  }
  const Lines before = lines;
  EXPECT_FALSE(ReindexSections(lines));
  EXPECT_EQ(lines, before);
  EXPECT_EQ(ListSections(lines).size(), 305u);
}

TEST(ReindexSectionsTest, AGivenLimitKeepsTheNewest) {
  Lines lines;
  for (int i = 0; i < 5; ++i) lines.push_back("[S" + std::to_string(i) + "]");
  EXPECT_TRUE(ReindexSections(lines, 3));
  EXPECT_EQ(lines, (Lines{"[S2]", "[S3]", "[S4]"}));
}

TEST(ReindexSectionsTest, RandomBytesNeverBreakTheStructure) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> byte(0, 255);
  std::uniform_int_distribution<int> length(0, 30);
  for (int round = 0; round < 200; ++round) {
    Lines lines;
    for (int i = 0; i < 40; ++i) {
      std::string line;
      const int n = length(rng);
      for (int k = 0; k < n; ++k) {
        const int b = byte(rng);
        // Plenty of brackets so that headers of every shape appear.
        line += b < 40 ? '[' : b < 80 ? ']' : static_cast<char>(b);
      }
      lines.push_back(line);
    }
    Lines copy = lines;
    ReindexSections(copy);
    // Idempotent, and what is left has no duplicate keys.
    Lines again = copy;
    EXPECT_FALSE(ReindexSections(again));
    EXPECT_EQ(again, copy);
    EXPECT_LE(copy.size(), lines.size());
    EXPECT_LE(ListSections(copy).size(), kMaxDataSections);
  }
}

}  // namespace
}  // namespace orbit
