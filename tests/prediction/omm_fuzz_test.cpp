// Robustness of the three OMM readers: random bytes, random damage and every truncation
// of the sample files end in a result, never in a crash, and within the limits.
#include <gtest/gtest.h>

#include <QFile>
#include <random>

#include "orbit/element_content.h"
#include "prediction/element_content.h"
#include "prediction/omm_readers.h"

namespace prediction {
namespace {

QByteArray Sample(const char* name) {
  QFile f(QStringLiteral(ORVANE_TEST_DATA "/omm/") + QLatin1String(name));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

// Whatever was read is usable: every listed set loads, and nothing exceeds the limits.
void ExpectConsistent(const QByteArray& content) {
  ElementRead read = ReadElementContent(content, true);
  EXPECT_LE(read.sets.size(), kMaxElementRecords);
  EXPECT_LE(read.damaged.size(), kMaxElementRecords);
  for (const orbit::ElementSetEntry& set : read.sets) {
    orbit::ParsedSet p;
    EXPECT_EQ(orbit::LoadElementsByName(read.content, set.name, &p), orbit::LoadStatus::Found)
        << set.name;
    if (!read.content.records.empty()) {
      EXPECT_GT(p.elements.meanMotion, 0);
      EXPECT_LT(p.elements.eccentricity, 1);
    }
  }
}

TEST(OmmFuzz, RandomBytesBehindEachFormatsOpening) {
  std::mt19937 rng(20260701);
  const QByteArray openings[] = {"", "<", "<?xml version=\"1.0\"?><ndm><omm>", "[", "[{", "{",
                                 "OBJECT_NAME,NORAD_CAT_ID,EPOCH\r\n", "\"OBJECT_NAME\",NORAD_CAT_ID\n"};
  for (int round = 0; round < 400; ++round) {
    QByteArray bytes = openings[static_cast<std::size_t>(round) % std::size(openings)];
    const int n = static_cast<int>(rng() % 4000);
    // Half the rounds draw from the characters that structure the formats.
    static const char kStructure[] = "<>/\"',{}[]:\r\n =&;!?-0123456789.eEOBJECT_NAME";
    for (int i = 0; i < n; ++i)
      bytes += round % 2 == 0 ? static_cast<char>(rng() % 256)
                              : kStructure[rng() % (sizeof kStructure - 1)];
    ExpectConsistent(bytes);
    for (auto reader : {ReadOmmCsv, ReadOmmXml, ReadOmmJson}) {
      const OmmScan scan = reader(bytes, 50);
      EXPECT_LE(scan.rows.size(), 50u);
    }
  }
}

TEST(OmmFuzz, EveryTruncationAndRandomDamageOfTheSamples) {
  std::mt19937 rng(339999);
  for (const char* name : {"sample.csv", "sample.xml", "sample.json"}) {
    SCOPED_TRACE(name);
    const QByteArray whole = Sample(name);
    ASSERT_FALSE(whole.isEmpty());
    std::size_t lastSets = 0;
    for (qsizetype cut = 0; cut <= whole.size(); cut += 7) {
      const QByteArray part = whole.left(cut);
      ExpectConsistent(part);
      // A cut never invents sets: a longer part holds at least as many for CSV and XML.
      const ElementRead read = ReadElementContent(part, true);
      if (read.format == ElementFormat::OmmCsv || read.format == ElementFormat::OmmXml) {
        EXPECT_GE(read.sets.size() + 1, lastSets);
        lastSets = read.sets.size();
      }
      if (cut > 0 && cut < whole.size() - 2 && read.format == ElementFormat::OmmJson) {
        EXPECT_GT(read.damagedLine, 0);
      }
    }
    EXPECT_EQ(ReadElementContent(whole, true).sets.size(), 7u);
    for (int round = 0; round < 150; ++round) {
      QByteArray damaged = whole;
      for (int k = 0; k < 1 + round % 20; ++k)
        damaged[static_cast<qsizetype>(rng() % static_cast<unsigned>(damaged.size()))] =
            static_cast<char>(rng() % 256);
      ExpectConsistent(damaged);
    }
  }
}

TEST(OmmFuzz, PathologicalShapesStayBounded) {
  // One CSV field of several megabytes, an endless quoted field, a million empty fields.
  ExpectConsistent("OBJECT_NAME,NORAD_CAT_ID\n\"" + QByteArray(4 << 20, 'x') + "\",1\n");
  ExpectConsistent("OBJECT_NAME,NORAD_CAT_ID\n\"" + QByteArray(1 << 20, ','));
  ExpectConsistent("OBJECT_NAME,NORAD_CAT_ID\n" + QByteArray(1 << 20, ',') + "\n");
  // Rows beyond the record limit stop the reading rather than filling memory.
  const QByteArray rows = "OBJECT_NAME,NORAD_CAT_ID\n" + QByteArray(2000000, '\n').replace("\n", "a,1\n");
  EXPECT_EQ(ReadElementContent(rows, true).status, orbit::ElementFileStatus::TooManyLines);
  // Deep XML nesting and a huge number of empty messages.
  ExpectConsistent("<ndm>" + QByteArray(200000, 'x').replace("x", "<a>"));
  QByteArray empties = "<ndm>";
  for (int i = 0; i < 5000; ++i) empties += "<omm/>";
  EXPECT_EQ(ReadElementContent(empties + "</ndm>", true).status,
            orbit::ElementFileStatus::TooManyLines);
  ExpectConsistent("[" + QByteArray(500000, '{'));
}

}  // namespace
}  // namespace prediction
