#include "orbit/elements.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "orbit/text_number.h"

namespace orbit {
namespace {

const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Replaces the checksum digit so that a hand-edited line stays valid.
std::string WithChecksum(std::string line) {
  int sum = 0;
  for (std::size_t i = 0; i < 68; ++i) {
    const char c = line[i];
    if (c >= '0' && c <= '9') sum += c - '0';
    if (c == '-') sum += 1;
    if (c == '+' && line[0] == '2') sum += 2;
  }
  line[68] = static_cast<char>('0' + sum % 10);
  return line;
}

TEST(NameLine, StatusMarksAndPrefix) {
  bool service = false;
  EXPECT_EQ(NameFromNameLine("0 AO-7 [+]", &service), "AO-7");
  EXPECT_TRUE(service);
  EXPECT_EQ(NameFromNameLine("0 AO-7 [-]", &service), "AO-7");
  EXPECT_FALSE(service);
  EXPECT_EQ(NameFromNameLine("FO-29 [P]", &service), "FO-29");
  EXPECT_TRUE(service);
  EXPECT_EQ(NameFromNameLine("  ISS (ZARYA)  ", &service), "ISS (ZARYA)");
}

TEST(Checksum, DigitsMinusAndPlusOnLineTwo) {
  EXPECT_TRUE(ElementLineChecksumOk(kIss1));
  EXPECT_TRUE(ElementLineChecksumOk(kIss2));
  std::string bad = kIss2;
  bad[68] = bad[68] == '9' ? '0' : static_cast<char>(bad[68] + 1);
  EXPECT_FALSE(ElementLineChecksumOk(bad));
  // "+" counts 2 on line 2 and nothing on line 1.
  std::string l2 = kIss2;
  l2[7] = '+';
  l2 = WithChecksum(l2);
  std::string l2NoPlus = l2;
  l2NoPlus[7] = ' ';
  EXPECT_NE(l2[68], WithChecksum(l2NoPlus)[68]);
  std::string l1 = kIss1;
  l1[8] = '+';
  EXPECT_EQ(WithChecksum(l1)[68], kIss1[68]);
  EXPECT_TRUE(ElementLineChecksumOk(l1));
}

TEST(ReadElementText, AcceptsTrailingBlanksRejectsLongLines) {
  const std::string text = std::string("FOO\n") + kIss1 + "   \n" + kIss2 + "\t\n";
  ElementFile f = ReadElementText(text, true);
  ASSERT_EQ(f.sets.size(), 1u);
  EXPECT_EQ(f.sets[0].name, "FOO");
  EXPECT_EQ(f.sets[0].catalogueNumber, "25544");
  const std::string longer = std::string("FOO\n") + kIss1 + "0\n" + kIss2 + "\n";
  EXPECT_TRUE(ReadElementText(longer, false).sets.empty());
}

TEST(ReadElementText, BadChecksumSkipsTheSetUnlessSwitchedOff) {
  std::string bad2 = kIss2;
  bad2[68] = bad2[68] == '9' ? '0' : static_cast<char>(bad2[68] + 1);
  const std::string text = std::string("BAD\n") + kIss1 + "\n" + bad2 + "\nGOOD\n" + kIss1 +
                           "\n" + kIss2 + "\n";
  ElementFile checked = ReadElementText(text, true);
  ASSERT_EQ(checked.sets.size(), 1u);
  EXPECT_EQ(checked.sets[0].name, "GOOD");
  ElementFile unchecked = ReadElementText(text, false);
  ASSERT_EQ(unchecked.sets.size(), 2u);
  EXPECT_EQ(unchecked.sets[0].name, "BAD");
}

TEST(ReadElementText, TwoLineFilesHaveNoSatellites) {
  const std::string text = std::string(kIss1) + "\n" + kIss2 + "\n" + kIss1 + "\n" + kIss2 + "\n";
  EXPECT_TRUE(ReadElementText(text, true).sets.empty());
}

TEST(ReadElementText, LineLimit) {
  std::string exact;
  for (int i = 0; i < 1000; ++i) exact += "SAT" + std::to_string(i) + "\n" + kIss1 + "\n" + kIss2 + "\n";
  ElementFile ok = ReadElementText(exact, true);
  EXPECT_EQ(ok.status, ElementFileStatus::Ok);
  EXPECT_EQ(ok.sets.size(), 1000u);
  ElementFile refused = ReadElementText(exact + "X\n", true);
  EXPECT_EQ(refused.status, ElementFileStatus::TooManyLines);
  EXPECT_TRUE(refused.sets.empty());
  EXPECT_NE(std::string(kTooManyLinesMessage).find("limited to 1000 satellites"),
            std::string::npos);
}

TEST(ReadElementFile, SampleFilesAndMissingFile) {
  ElementFile am = ReadElementFile(std::string(ORVANE_TEST_DATA) + "/amateur.txt", true);
  ASSERT_EQ(am.status, ElementFileStatus::Ok);
  EXPECT_EQ(am.sets.size(), 113u);
  ElementFile mixed = ReadElementFile(std::string(ORVANE_TEST_DATA) + "/mixed200.txt", true);
  EXPECT_EQ(mixed.sets.size(), 200u);
  int out = 0;
  for (const auto& s : mixed.sets) out += s.inService ? 0 : 1;
  EXPECT_EQ(out, 10);  // the sets marked "[-]"
  EXPECT_EQ(ReadElementFile("/nonexistent/elements.txt", true).status,
            ElementFileStatus::Unreadable);
}

TEST(ParseElementLines, ColumnsWithoutDecimalPoints) {
  ParsedSet p;
  ASSERT_TRUE(ParseElementLines(kIss1, kIss2, &p));
  EXPECT_EQ(p.elements.epochYear, 18);
  EXPECT_NEAR(static_cast<double>(p.elements.epochDay), 20.89808844, 1e-10);
  EXPECT_NEAR(static_cast<double>(p.elements.meanMotionDrift), 0.00002078, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.elements.inclination), 51.6424, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.elements.raan), 32.9776, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.elements.eccentricity), 0.0003646, 1e-13);
  EXPECT_NEAR(static_cast<double>(p.elements.argPerigee), 28.7227, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.elements.meanAnomaly), 39.5332, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.elements.meanMotion), 15.54190080, 1e-12);
  EXPECT_EQ(p.elements.revolutionNumber, 9561);
  EXPECT_EQ(p.catalogueNumber, "25544");
  EXPECT_EQ(p.epochText, "18020.89808844 ");
}

TEST(ParseElementLines, DriftSignAndEpochFraction) {
  std::string l1 = kIss1;
  l1.replace(18, 14, "24123.50000000");
  l1.replace(33, 10, " .00001234");
  ParsedSet p;
  ASSERT_TRUE(ParseElementLines(l1, kIss2, &p));
  EXPECT_EQ(p.elements.epochYear, 24);
  EXPECT_NEAR(static_cast<double>(p.elements.epochDay), 123.5, 1e-12);
  EXPECT_NEAR(static_cast<double>(p.elements.meanMotionDrift), 1234e-8, 1e-15);
  l1[33] = '-';
  ASSERT_TRUE(ParseElementLines(l1, kIss2, &p));
  EXPECT_NEAR(static_cast<double>(p.elements.meanMotionDrift), -1234e-8, 1e-15);
}

TEST(ParseElementLines, DamagedFieldIsAnErrorNotACrash) {
  std::string l2 = kIss2;
  l2.replace(8, 3, "x1.");
  ParsedSet p;
  EXPECT_FALSE(ParseElementLines(kIss1, l2, &p));
}

TEST(ParseElementLines, ABlankNumericFieldIsAConversionErrorNotZero) {
  ParsedSet p;
  // Columns (1-based) of fields that must hold digits: inclination whole part, eccentricity,
  // mean motion fraction, revolution number on line 2; epoch day and drift digits on line 1.
  const std::pair<std::size_t, std::size_t> line2Fields[] = {{9, 11}, {27, 33}, {56, 63}, {64, 68}};
  for (const auto& [from, to] : line2Fields) {
    std::string l2 = kIss2;
    l2.replace(from - 1, to - from + 1, std::string(to - from + 1, ' '));
    EXPECT_FALSE(ParseElementLines(kIss1, WithChecksum(l2), &p)) << "columns " << from << "-" << to;
  }
  const std::pair<std::size_t, std::size_t> line1Fields[] = {{21, 23}, {36, 43}};
  for (const auto& [from, to] : line1Fields) {
    std::string l1 = kIss1;
    l1.replace(from - 1, to - from + 1, std::string(to - from + 1, ' '));
    EXPECT_FALSE(ParseElementLines(WithChecksum(l1), kIss2, &p)) << "columns " << from << "-" << to;
  }
  // The mean motion's whole part with only its sign left is no number either.
  std::string l2 = kIss2;
  l2.replace(52, 2, " -");
  EXPECT_FALSE(ParseElementLines(kIss1, WithChecksum(l2), &p));
  // Leading blanks before digits stay padding: " 5" in the revolution number reads 5.
  l2 = kIss2;
  l2.replace(63, 5, "    5");
  ASSERT_TRUE(ParseElementLines(kIss1, WithChecksum(l2), &p));
  EXPECT_EQ(p.elements.revolutionNumber, 5);
}

TEST(LoadElementsByName, ExactCaseSensitiveAndBothSidesTrimmed) {
  std::string text = std::string("0  FOO\n") + kIss1 + "\n" + kIss2 + "\nFOOBAR [+]\n" + kIss1 +
                     "\n" + kIss2 + "\n";
  ElementFile f = ReadElementText(text, true);
  ASSERT_EQ(f.sets.size(), 2u);
  EXPECT_EQ(f.sets[0].name, "FOO");
  ParsedSet p;
  EXPECT_EQ(LoadElementsByName(f.content, f.sets[0].name, &p), LoadStatus::Found);
  EXPECT_EQ(LoadElementsByName(f.content, "FOOBAR", &p), LoadStatus::Found);
  EXPECT_EQ(LoadElementsByName(f.content, "foo", &p), LoadStatus::NotFound);
  EXPECT_EQ(LoadElementsByName(f.content, "FOOB", &p), LoadStatus::NotFound);
}

TEST(LoadElementsByName, MoonIsBuiltIn) {
  std::vector<std::string> none;
  ParsedSet p;
  ASSERT_EQ(LoadElementsByName(none, "MOON", &p), LoadStatus::Found);
  EXPECT_EQ(p.elements.epochYear, 2);
  EXPECT_NEAR(static_cast<double>(p.elements.meanMotion), 0.036600996, 1e-15);
  EXPECT_TRUE(p.catalogueNumber.empty());
}

TEST(ReadElementText, GarbageNeverCrashes) {
  std::mt19937 rng(20180121);
  const std::string sample = ReadAll(std::string(ORVANE_TEST_DATA) + "/amateur.txt");
  for (int round = 0; round < 200; ++round) {
    std::string text;
    if (round % 2 == 0) {
      const std::size_t n = rng() % 5000;
      for (std::size_t i = 0; i < n; ++i) text += static_cast<char>(rng() % 256);
    } else {
      // Sample with random damage: truncations and flipped characters.
      text = sample.substr(0, rng() % sample.size());
      for (int k = 0; k < 40 && !text.empty(); ++k) text[rng() % text.size()] = static_cast<char>(rng() % 256);
    }
    ElementFile f = ReadElementText(text, round % 4 < 2);
    for (const auto& s : f.sets) {
      ParsedSet p;
      const LoadStatus st = LoadElementsByName(f.content, s.name, &p);
      EXPECT_NE(st, LoadStatus::NotFound) << s.name;
    }
  }
}

TEST(NormalizeDecimalSeparator, ReplacesTheSingleSeparator) {
  bool beep = false;
  EXPECT_EQ(NormalizeDecimalSeparator("145,800", '.', &beep), "145.800");
  EXPECT_EQ(NormalizeDecimalSeparator("145.800", ',', &beep), "145,800");
  EXPECT_FALSE(beep);
  EXPECT_EQ(NormalizeDecimalSeparator("145,800.5", '.', &beep), "145,800.5");
  EXPECT_TRUE(beep);
  long double v = 0;
  EXPECT_TRUE(ParseDecimal("145,8", ',', &v));
  EXPECT_NEAR(static_cast<double>(v), 145.8, 1e-12);
  EXPECT_FALSE(ParseDecimal("145.8", ',', &v));
  EXPECT_FALSE(ParseDecimal("1x", '.', &v));
}

}  // namespace
}  // namespace orbit
