// Alpha-5 catalogue numbers in element lines, and the element content of record files.
#include "orbit/catalogue_number.h"

#include <gtest/gtest.h>

#include "orbit/element_content.h"
#include "orbit/elements.h"

namespace orbit {
namespace {

const std::string kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const std::string kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

// The number field replaced and the checksum digit given by hand.
std::string Renumbered(const std::string& line, const std::string& field, char checksum) {
  std::string out = line;
  out.replace(2, 5, field);
  out[68] = checksum;
  return out;
}

TEST(Alpha5, LettersStandForTheFirstTwoDigitsWithoutIAndO) {
  EXPECT_EQ(Alpha5LetterValue('A'), 10);
  EXPECT_EQ(Alpha5LetterValue('H'), 17);
  EXPECT_EQ(Alpha5LetterValue('J'), 18);  // I is skipped
  EXPECT_EQ(Alpha5LetterValue('N'), 22);
  EXPECT_EQ(Alpha5LetterValue('P'), 23);  // O is skipped
  EXPECT_EQ(Alpha5LetterValue('Z'), 33);
  for (char c : {'I', 'O', 'a', 'z', '0', ' ', '-'}) EXPECT_EQ(Alpha5LetterValue(c), -1) << c;
}

TEST(Alpha5, FieldsAtTheEdgesAndTheRefusedOnes) {
  std::string n;
  ASSERT_TRUE(CatalogueNumberFromField("A0000", &n));
  EXPECT_EQ(n, "100000");
  ASSERT_TRUE(CatalogueNumberFromField("Z9999", &n));
  EXPECT_EQ(n, "339999");
  ASSERT_TRUE(CatalogueNumberFromField("J1234", &n));
  EXPECT_EQ(n, "181234");
  // Digit fields stay exactly as printed, padding and all.
  ASSERT_TRUE(CatalogueNumberFromField("07530", &n));
  EXPECT_EQ(n, "07530");
  ASSERT_TRUE(CatalogueNumberFromField(" 7530", &n));
  EXPECT_EQ(n, " 7530");
  for (const char* bad : {"a0000", "z9999", "I0000", "O1234", "A12B4", "A 123"})
    EXPECT_FALSE(CatalogueNumberFromField(bad, &n)) << bad;
}

TEST(Alpha5, KeptTextAndValue) {
  EXPECT_EQ(CatalogueNumberText(7530), "07530");
  EXPECT_EQ(CatalogueNumberText(0), "00000");
  EXPECT_EQ(CatalogueNumberText(100000), "100000");
  EXPECT_EQ(CatalogueNumberText(412345), "412345");
  EXPECT_EQ(CatalogueNumberValue("07530"), 7530);
  EXPECT_EQ(CatalogueNumberValue(" 100000 "), 100000);
  EXPECT_FALSE(CatalogueNumberValue("A0000"));
  EXPECT_FALSE(CatalogueNumberValue(""));
  EXPECT_FALSE(CatalogueNumberValue("1234567890"));
}

TEST(Alpha5, SetsAreListedAndLoadedWithTheirSixDigitNumber) {
  // Letters count nothing in the checksum, like any character but digits and "-": the
  // digits 2+5+5+4+4 = 20 leave the sum's last digit as it was.
  const std::string l1 = Renumbered(kIss1, "A0000", '2');
  const std::string l2 = Renumbered(kIss2, "A0000", '4');
  // Z9999 for 25544 adds 16: checksums 2 -> 8 and 4 -> 0.
  const std::string z1 = Renumbered(kIss1, "Z9999", '8');
  const std::string z2 = Renumbered(kIss2, "Z9999", '0');
  const std::string text = "NEW ONE\n" + l1 + "\n" + l2 + "\nNEW TWO\n" + z1 + "\n" + z2 + "\n";
  ElementFile f = ReadElementText(text, true);
  ASSERT_EQ(f.sets.size(), 2u);
  EXPECT_EQ(f.sets[0].catalogueNumber, "100000");
  EXPECT_EQ(f.sets[1].catalogueNumber, "339999");

  ParsedSet renumbered;
  ParsedSet original;
  ASSERT_EQ(LoadElementsByName(f.content, "NEW TWO", &renumbered), LoadStatus::Found);
  ASSERT_TRUE(ParseElementLines(kIss1, kIss2, &original));
  EXPECT_EQ(renumbered.catalogueNumber, "339999");
  EXPECT_EQ(renumbered.epochText, original.epochText);
  EXPECT_EQ(renumbered.elements.meanMotion, original.elements.meanMotion);
  EXPECT_EQ(renumbered.elements.epochDay, original.elements.epochDay);
}

TEST(Alpha5, LowerCaseIAndOAreNoSets) {
  for (const char* field : {"a0000", "I0000", "O0000"}) {
    // With the checksums of the upper-case A (the letter counts nothing either way).
    const std::string text = std::string("REFUSED\n") + Renumbered(kIss1, field, '2') + "\n" +
                             Renumbered(kIss2, field, '4') + "\n";
    EXPECT_TRUE(ReadElementText(text, true).sets.empty()) << field;
    EXPECT_TRUE(ReadElementText(text, false).sets.empty()) << field;
    ParsedSet p;
    EXPECT_FALSE(ParseElementLines(Renumbered(kIss1, field, '2'), Renumbered(kIss2, field, '4'), &p));
  }
  // A set with a wrong checksum stays refused, letters or not.
  const std::string text =
      "BAD\n" + Renumbered(kIss1, "A0000", '3') + "\n" + Renumbered(kIss2, "A0000", '4') + "\n";
  EXPECT_TRUE(ReadElementText(text, true).sets.empty());
  EXPECT_EQ(ReadElementText(text, false).sets.size(), 1u);
}

TEST(ElementContent, RecordsAreFoundByExactNameAndRenamed) {
  ElementContent content;
  ParsedSet iss;
  ASSERT_TRUE(ParseElementLines(kIss1, kIss2, &iss));
  content.records.push_back({"ISS (ZARYA)", true, iss});
  ParsedSet other = iss;
  other.catalogueNumber = "412345";
  content.records.push_back({"OLD SAT", false, other});

  const std::vector<ElementSetEntry> sets = ListRecordSets(content.records);
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[1].name, "OLD SAT");
  EXPECT_EQ(sets[1].catalogueNumber, "412345");
  EXPECT_FALSE(sets[1].inService);
  EXPECT_EQ(sets[1].nameLine, 1u);

  ParsedSet p;
  EXPECT_EQ(LoadElementsByName(content, " ISS (ZARYA) ", &p), LoadStatus::Found);
  EXPECT_EQ(p.catalogueNumber, "25544");
  EXPECT_EQ(LoadElementsByName(content, "iss (zarya)", &p), LoadStatus::NotFound);
  EXPECT_EQ(LoadElementsByName(content, "ISS", &p), LoadStatus::NotFound);
  ASSERT_EQ(LoadElementsByName(content, "MOON", &p), LoadStatus::Found);
  EXPECT_EQ(p.elements.meanMotion, MoonElements().meanMotion);

  RenameSet(content, sets[1], "NEW NAME");
  EXPECT_EQ(LoadElementsByName(content, "OLD SAT", &p), LoadStatus::NotFound);
  ASSERT_EQ(LoadElementsByName(content, "NEW NAME", &p), LoadStatus::Found);
  EXPECT_EQ(p.catalogueNumber, "412345");
}

TEST(ElementContent, LinesBehaveAsTheLineLoader) {
  ElementFile f = ReadElementText("0 AO-7 [+]\n" + kIss1 + "\n" + kIss2 + "\n", true);
  ElementContent content;
  content.lines = f.content;
  ASSERT_EQ(f.sets.size(), 1u);
  RenameSet(content, f.sets[0], "MY AO-7");
  ParsedSet p;
  EXPECT_EQ(LoadElementsByName(content, "MY AO-7", &p), LoadStatus::Found);
  EXPECT_EQ(LoadElementsByName(content, "AO-7", &p), LoadStatus::NotFound);
}

}  // namespace
}  // namespace orbit
