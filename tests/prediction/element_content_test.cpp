// The OMM readers and the one entry point of every element file: numbers, epochs,
// records, CSV quoting, XML and JSON layouts, format recognition and limits.
#include "prediction/element_content.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <cmath>

#include "orbit/elements.h"
#include "prediction/omm_readers.h"
#include "prediction/omm_record.h"

namespace prediction {
namespace {

using orbit::Real;

const char* kIss1 = "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992";
const char* kIss2 = "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614";

// The ISS set of kIss1/kIss2 as OMM fields.
OmmFields IssFields() {
  return {{"OBJECT_NAME", "ISS (ZARYA)"},      {"NORAD_CAT_ID", "25544"},
          {"EPOCH", "2018-01-20T21:33:14.841216"}, {"MEAN_MOTION", "15.5419008"},
          {"ECCENTRICITY", ".0003646"},        {"INCLINATION", "51.6424"},
          {"RA_OF_ASC_NODE", "32.9776"},       {"ARG_OF_PERICENTER", "28.7227"},
          {"MEAN_ANOMALY", "39.5332"},         {"MEAN_MOTION_DOT", "2.078e-05"},
          {"REV_AT_EPOCH", "9561"},            {"BSTAR", "3.855e-05"}};
}

const char* kCsvHeader =
    "OBJECT_NAME,NORAD_CAT_ID,EPOCH,MEAN_MOTION,ECCENTRICITY,INCLINATION,RA_OF_ASC_NODE,"
    "ARG_OF_PERICENTER,MEAN_ANOMALY,MEAN_MOTION_DOT,REV_AT_EPOCH\r\n";
const char* kCsvIssValues =
    "2018-01-20T21:33:14.841216,15.5419008,.0003646,51.6424,32.9776,28.7227,39.5332,"
    "2.078e-05,9561";

QByteArray CsvRow(const QByteArray& name, const QByteArray& number) {
  return name + "," + number + "," + kCsvIssValues + "\r\n";
}

QByteArray JsonRecord(const QByteArray& name, int number) {
  return "{\"OBJECT_NAME\":\"" + name + "\",\"NORAD_CAT_ID\":" + QByteArray::number(number) +
         ",\"EPOCH\":\"2018-01-20T21:33:14.841216\",\"MEAN_MOTION\":15.5419008,"
         "\"ECCENTRICITY\":0.0003646,\"INCLINATION\":51.6424,\"RA_OF_ASC_NODE\":32.9776,"
         "\"ARG_OF_PERICENTER\":28.7227,\"MEAN_ANOMALY\":39.5332,\"MEAN_MOTION_DOT\":2.078e-05,"
         "\"REV_AT_EPOCH\":9561}";
}

QByteArray XmlRecord(const QByteArray& name, int number) {
  return "<omm><body><segment><metadata><OBJECT_NAME>" + name +
         "</OBJECT_NAME></metadata><data><meanElements>"
         "<EPOCH>2018-01-20T21:33:14.841216</EPOCH><MEAN_MOTION>15.5419008</MEAN_MOTION>"
         "<ECCENTRICITY>0.0003646</ECCENTRICITY><INCLINATION>51.6424</INCLINATION>"
         "<RA_OF_ASC_NODE>32.9776</RA_OF_ASC_NODE><ARG_OF_PERICENTER>28.7227</ARG_OF_PERICENTER>"
         "<MEAN_ANOMALY>39.5332</MEAN_ANOMALY></meanElements><tleParameters><NORAD_CAT_ID>" +
         QByteArray::number(number) +
         "</NORAD_CAT_ID><REV_AT_EPOCH>9561</REV_AT_EPOCH><MEAN_MOTION_DOT>0.00002078"
         "</MEAN_MOTION_DOT></tleParameters></data></segment></body></omm>\n";
}

TEST(OmmDecimal, TextsAndTheirValues) {
  Real v = 0;
  ASSERT_TRUE(ParseOmmDecimal("15", 8, &v));
  EXPECT_EQ(v, 15);
  ASSERT_TRUE(ParseOmmDecimal(" -1.2E-05 ", 8, &v));
  EXPECT_NEAR(static_cast<double>(v), -1.2e-5, 1e-20);
  ASSERT_TRUE(ParseOmmDecimal("1e3", 0, &v));
  EXPECT_EQ(v, 1000);
  ASSERT_TRUE(ParseOmmDecimal("+.5", 4, &v));
  EXPECT_EQ(v, 0.5L);
  ASSERT_TRUE(ParseOmmDecimal("4.", 4, &v));
  EXPECT_EQ(v, 4);
  // Digits beyond the element columns are kept, not rounded away.
  ASSERT_TRUE(ParseOmmDecimal("15.541900801234", 8, &v));
  EXPECT_NEAR(static_cast<double>(v - 15.5419008L), 1.234e-9, 1e-18);
  for (const char* bad : {"", ".", "-", "1.2.3", "1e", "1e+", "abc", "1,5", "--1", "1e999",
                          "1 2", "0x10", "nan", "inf", "1e-41"})
    EXPECT_FALSE(ParseOmmDecimal(bad, 4, &v)) << bad;
}

TEST(OmmDecimal, ValuesCopiedFromElementLinesConvertAsTheLinesDo) {
  orbit::ParsedSet tle;
  ASSERT_TRUE(orbit::ParseElementLines(kIss1, kIss2, &tle));
  Real v = 0;
  // Written in any of the ways OMM files write them.
  for (const char* text : {"51.6424", "51.64240", "5.16424e1", "51.642400000"}) {
    ASSERT_TRUE(ParseOmmDecimal(text, 4, &v));
    EXPECT_EQ(v, tle.elements.inclination) << text;
  }
  for (const char* text : {".0003646", "0.0003646", "3.646e-4", "3.646E-04"}) {
    ASSERT_TRUE(ParseOmmDecimal(text, 7, &v));
    EXPECT_EQ(v, tle.elements.eccentricity) << text;
  }
  for (const char* text : {"15.54190080", "15.5419008"}) {
    ASSERT_TRUE(ParseOmmDecimal(text, 8, &v));
    EXPECT_EQ(v, tle.elements.meanMotion) << text;
  }
  for (const char* text : {".00002078", "2.078e-05", "0.00002078"}) {
    ASSERT_TRUE(ParseOmmDecimal(text, 8, &v));
    EXPECT_EQ(v, tle.elements.meanMotionDrift) << text;
  }
}

TEST(OmmEpoch, CalendarAndDayOfYearForms) {
  orbit::ParsedSet tle;
  ASSERT_TRUE(orbit::ParseElementLines(kIss1, kIss2, &tle));
  // 0.89808844 day = 77594.841216 s: 21:33:14.841216.
  for (const char* text : {"2018-01-20T21:33:14.841216", "2018-020T21:33:14.841216",
                           "2018-01-20T21:33:14.841216Z", " 2018-01-20 21:33:14.841216000 "}) {
    OmmEpoch e;
    ASSERT_TRUE(ParseOmmEpoch(text, &e)) << text;
    EXPECT_EQ(e.year, 18) << text;
    EXPECT_EQ(e.day, tle.elements.epochDay) << text;
    EXPECT_EQ(e.text, tle.epochText) << text;
  }
  OmmEpoch e;
  ASSERT_TRUE(ParseOmmEpoch("2024-12-31T12:00:00", &e));
  EXPECT_EQ(e.year, 24);
  EXPECT_EQ(e.day, 366.5L);
  EXPECT_EQ(e.text, "24366.50000000 ");
  ASSERT_TRUE(ParseOmmEpoch("2000-03-01T00:00:00", &e));  // 2000 is a leap year
  EXPECT_EQ(e.day, 61);
  // A finer epoch keeps its precision; its text is rounded to the columns.
  ASSERT_TRUE(ParseOmmEpoch("2019-07-04T06:00:00.0004", &e));
  EXPECT_NEAR(static_cast<double>(e.day - 185.25L), 0.0004 / 86400, 1e-15);
  EXPECT_EQ(e.text, "19185.25000000 ");
  for (const char* bad : {"", "2018-01-20", "2018-02-29T00:00:00", "2018-13-01T00:00:00",
                          "2018-01-20T24:00:00", "2018-01-20T12:60:00", "2018-366T00:00:00",
                          "18-01-20T00:00:00", "2018-01-20T12:00", "2018-01-20T12:00:00.",
                          "2018-01-20T12:00:00+01:00", "1899-12-31T00:00:00", "garbage"})
    EXPECT_FALSE(ParseOmmEpoch(bad, &e)) << bad;
}

TEST(OmmRecord, ConvertedAsTheThreeLineSet) {
  orbit::ParsedSet tle;
  ASSERT_TRUE(orbit::ParseElementLines(kIss1, kIss2, &tle));
  orbit::ElementRecord r;
  std::string bad;
  ASSERT_TRUE(ConvertOmmRecord(IssFields(), &r, &bad)) << bad;
  EXPECT_EQ(r.name, "ISS (ZARYA)");
  EXPECT_TRUE(r.inService);
  EXPECT_EQ(r.set.catalogueNumber, "25544");
  EXPECT_EQ(r.set.epochText, tle.epochText);
  EXPECT_EQ(r.set.elements.raan, tle.elements.raan);
  EXPECT_EQ(r.set.elements.argPerigee, tle.elements.argPerigee);
  EXPECT_EQ(r.set.elements.meanAnomaly, tle.elements.meanAnomaly);
  EXPECT_EQ(r.set.elements.revolutionNumber, tle.elements.revolutionNumber);

  OmmFields f = IssFields();
  f["OBJECT_NAME"] = "0 AO-7 [-]";
  f["NORAD_CAT_ID"] = "7530";
  ASSERT_TRUE(ConvertOmmRecord(f, &r, &bad));
  EXPECT_EQ(r.name, "AO-7");
  EXPECT_FALSE(r.inService);
  EXPECT_EQ(r.set.catalogueNumber, "07530");
  f["NORAD_CAT_ID"] = "412345";
  f["OBJECT_NAME"] = QString::fromUtf8("SATÉLITE ✓");
  ASSERT_TRUE(ConvertOmmRecord(f, &r, &bad));
  EXPECT_EQ(r.set.catalogueNumber, "412345");
  EXPECT_EQ(r.name, "SAT\xC9LITE ?");  // Windows-1252, as the program keeps names
}

TEST(OmmRecord, MissingOrUnreadableFieldsAreNamed) {
  orbit::ElementRecord r;
  std::string bad;
  for (const char* field : kOmmRequiredFields) {
    OmmFields f = IssFields();
    f.erase(field);
    EXPECT_FALSE(ConvertOmmRecord(f, &r, &bad)) << field;
    EXPECT_EQ(bad, field);
    if (std::string(field) == "OBJECT_NAME") continue;  // any text is a name
    f = IssFields();
    f[field] = "x";
    EXPECT_FALSE(ConvertOmmRecord(f, &r, &bad)) << field;
    EXPECT_EQ(bad, field);
  }
  OmmFields f = IssFields();
  f.erase("BSTAR");  // not used by the propagator
  EXPECT_TRUE(ConvertOmmRecord(f, &r, &bad));
  // Values the element columns cannot hold.
  const std::pair<const char*, const char*> outside[] = {
      {"ECCENTRICITY", "1.0"},   {"ECCENTRICITY", "-0.1"},   {"INCLINATION", "-0.5"},
      {"INCLINATION", "180.1"},  {"RA_OF_ASC_NODE", "361"},  {"MEAN_MOTION", "0"},
      {"MEAN_MOTION", "100"},    {"MEAN_MOTION_DOT", "1.5"}, {"REV_AT_EPOCH", "12.5"},
      {"REV_AT_EPOCH", "-1"},    {"NORAD_CAT_ID", "-5"},     {"NORAD_CAT_ID", "1e5"},
      {"OBJECT_NAME", " [-] "}};
  for (const auto& [field, value] : outside) {
    OmmFields g = IssFields();
    g[field] = value;
    EXPECT_FALSE(ConvertOmmRecord(g, &r, &bad)) << field << "=" << value;
    EXPECT_EQ(bad, field);
  }
  OmmFields unnamed = IssFields();
  EXPECT_EQ(OmmRecordLabel(unnamed, 3), "ISS (ZARYA)");
  unnamed.erase("OBJECT_NAME");
  EXPECT_EQ(OmmRecordLabel(unnamed, 3), "NORAD 25544");
  unnamed.erase("NORAD_CAT_ID");
  EXPECT_EQ(OmmRecordLabel(unnamed, 3), "#4");
}

TEST(OmmCsv, QuotedFieldsAndBrokenRows) {
  const QByteArray csv = QByteArray("object_name , norad_cat_id,EPOCH\n") +
                         "\"A, \"\"B\"\"\r\nC\",1,x\n"  // comma, doubled quotes, line break
                         "\n"                           // a blank line is no record
                         "plain,2,y\r"                  // a lone CR ends a row too
                         "short,3\r\n"                  // too few fields: broken
                         "\"q\"junk,4,z\n"              // text after the closing quote
                         "last,5,w";                    // no final line end
  const OmmScan scan = ReadOmmCsv(csv, 1000);
  ASSERT_EQ(scan.rows.size(), 5u);
  EXPECT_EQ(scan.rows[0].fields.at("OBJECT_NAME"), QStringLiteral("A, \"B\"\r\nC"));
  EXPECT_EQ(scan.rows[0].fields.at("NORAD_CAT_ID"), QStringLiteral("1"));
  EXPECT_FALSE(scan.rows[0].broken);
  EXPECT_EQ(scan.rows[1].fields.at("EPOCH"), QStringLiteral("y"));
  EXPECT_TRUE(scan.rows[2].broken);
  EXPECT_TRUE(scan.rows[3].broken);
  EXPECT_EQ(scan.rows[3].fields.at("OBJECT_NAME"), QStringLiteral("q"));
  EXPECT_FALSE(scan.rows[4].broken);
  EXPECT_EQ(scan.damagedLine, 0);

  // An open quote at the end: cut off, reported at the line where its row began.
  const OmmScan cut = ReadOmmCsv("A,B\n1,2\n3,\"never closed\n4,5\n", 1000);
  ASSERT_EQ(cut.rows.size(), 2u);
  EXPECT_FALSE(cut.rows[0].broken);
  EXPECT_TRUE(cut.rows[1].broken);
  EXPECT_EQ(cut.damagedLine, 3);
}

TEST(OmmCsv, TextIsUtf8WhenValidElseWindows1252) {
  const OmmScan utf8 = ReadOmmCsv("\xEF\xBB\xBFNAME\n\xC3\x89T\xC3\x89\n", 10);
  ASSERT_EQ(utf8.rows.size(), 1u);
  EXPECT_EQ(utf8.rows[0].fields.at("NAME"), QString::fromUtf8("ÉTÉ"));
  const OmmScan ansi = ReadOmmCsv("NAME\n\xC9T\xC9\n", 10);
  ASSERT_EQ(ansi.rows.size(), 1u);
  EXPECT_EQ(ansi.rows[0].fields.at("NAME"), QString::fromUtf8("ÉTÉ"));
}

TEST(OmmXml, RecordsWhereverTheirFieldsSit) {
  const QByteArray xml = "<?xml version=\"1.0\"?>\n<n:ndm xmlns:n=\"urn:x\">\n" +
                         XmlRecord("ONE", 1) + XmlRecord("TWO &amp; CO", 2) +
                         "<omm><COMMENT>first</COMMENT><COMMENT>second</COMMENT></omm>"
                         "</n:ndm>\n";
  const OmmScan scan = ReadOmmXml(xml, 1000);
  ASSERT_EQ(scan.rows.size(), 3u);
  EXPECT_EQ(scan.rows[1].fields.at("OBJECT_NAME"), QStringLiteral("TWO & CO"));
  EXPECT_EQ(scan.rows[1].fields.at("NORAD_CAT_ID"), QStringLiteral("2"));
  EXPECT_EQ(scan.rows[2].fields.at("COMMENT"), QStringLiteral("first"));
  EXPECT_EQ(scan.rows[0].fields.count("SEGMENT"), 0u);  // only leaves are fields
  EXPECT_EQ(scan.damagedLine, 0);
  // A lone message without the ndm wrapper.
  EXPECT_EQ(ReadOmmXml(XmlRecord("ONE", 1), 1000).rows.size(), 1u);
}

TEST(OmmXml, TruncatedFilesKeepWhatCameBefore) {
  const QByteArray whole = "<ndm>\n" + XmlRecord("ONE", 1) + XmlRecord("TWO", 2) + "</ndm>\n";
  const QByteArray cut = whole.left(whole.indexOf("TWO") + 40);  // name closed, epoch open
  const OmmScan scan = ReadOmmXml(cut, 1000);
  ASSERT_EQ(scan.rows.size(), 2u);
  EXPECT_FALSE(scan.rows[0].broken);
  EXPECT_TRUE(scan.rows[1].broken);
  EXPECT_EQ(scan.damagedLine, 3);
  ElementRead read = ReadElementContent(cut, true);
  EXPECT_EQ(read.sets.size(), 1u);
  EXPECT_EQ(read.damaged, std::vector<std::string>{"TWO"});
  EXPECT_EQ(read.damagedLine, 3);
}

TEST(OmmXml, EntityExpansionIsBounded) {
  // "Billion laughs": ten levels of ten references would expand to 10^10 characters.
  QByteArray dtd = "<?xml version=\"1.0\"?>\n<!DOCTYPE ndm [\n<!ENTITY l0 \"lol\">\n";
  for (int i = 1; i < 10; ++i) {
    dtd += "<!ENTITY l" + QByteArray::number(i) + " \"";
    for (int k = 0; k < 10; ++k) dtd += "&l" + QByteArray::number(i - 1) + ";";
    dtd += "\">\n";
  }
  dtd += "]>\n<ndm><omm><OBJECT_NAME>&l9;</OBJECT_NAME></omm></ndm>\n";
  const OmmScan scan = ReadOmmXml(dtd, 1000);
  EXPECT_GT(scan.damagedLine, 0);
  for (const OmmRow& row : scan.rows) {
    const auto it = row.fields.find("OBJECT_NAME");
    if (it != row.fields.end()) {
      EXPECT_LT(it->second.size(), 1000000);
    }
  }
}

TEST(OmmJson, ArraysObjectsAndStringNumbers) {
  const OmmScan one = ReadOmmJson(JsonRecord("ONE", 1), 1000);
  ASSERT_EQ(one.rows.size(), 1u);
  EXPECT_EQ(one.rows[0].fields.at("MEAN_MOTION"), QStringLiteral("15.5419008"));
  EXPECT_EQ(one.rows[0].fields.at("MEAN_MOTION_DOT"), QStringLiteral("2.078e-05"));
  EXPECT_EQ(one.rows[0].fields.at("NORAD_CAT_ID"), QStringLiteral("1"));
  // Numbers given as strings, as some services write them; lower-case keys; a non-object.
  const QByteArray array = "[{\"object_name\":\"TWO\",\"NORAD_CAT_ID\":\"00002\","
                           "\"INCLINATION\":\" 51.6424 \",\"flag\":true,\"list\":[1]}, 7]";
  const OmmScan scan = ReadOmmJson(array, 1000);
  ASSERT_EQ(scan.rows.size(), 2u);
  EXPECT_EQ(scan.rows[0].fields.at("OBJECT_NAME"), QStringLiteral("TWO"));
  EXPECT_EQ(scan.rows[0].fields.at("NORAD_CAT_ID"), QStringLiteral("00002"));
  EXPECT_EQ(scan.rows[0].fields.at("INCLINATION"), QStringLiteral("51.6424"));
  EXPECT_EQ(scan.rows[0].fields.count("FLAG"), 0u);
  EXPECT_TRUE(scan.rows[1].broken);
  // Cut off: nothing is kept, and the line of the damage is told.
  const OmmScan cut = ReadOmmJson("[\n" + JsonRecord("ONE", 1) + ",\n{\"OBJECT", 1000);
  EXPECT_TRUE(cut.rows.empty());
  EXPECT_EQ(cut.damagedLine, 3);
  // Nesting far beyond any element file ends in an error, not a stack overflow.
  const OmmScan deep = ReadOmmJson(QByteArray(100000, '[') + QByteArray(100000, ']'), 1000);
  EXPECT_TRUE(deep.rows.empty() || deep.rows.size() == 1u);
}

TEST(ElementContentEntry, FormatIsToldFromTheContent) {
  EXPECT_EQ(DetectElementFormat(QByteArray("ISS\n") + kIss1 + "\n" + kIss2), ElementFormat::ThreeLine);
  EXPECT_EQ(DetectElementFormat("\xEF\xBB\xBF \r\n <?xml?>"), ElementFormat::OmmXml);
  EXPECT_EQ(DetectElementFormat("\n  [ {"), ElementFormat::OmmJson);
  EXPECT_EQ(DetectElementFormat("{"), ElementFormat::OmmJson);
  EXPECT_EQ(DetectElementFormat("\"OBJECT_NAME\",\"norad_cat_id\"\r\n"), ElementFormat::OmmCsv);
  EXPECT_EQ(DetectElementFormat("NORAD_CAT_ID\n1\n"), ElementFormat::ThreeLine);  // no comma
  EXPECT_EQ(DetectElementFormat(""), ElementFormat::ThreeLine);

  // Three-line files whose first name line begins like OMM keep being three-line files.
  for (const char* first : {"[TEST] SAT", "<NEW> SAT", "{A} SAT", "NORAD_CAT_ID, SAT"}) {
    const QByteArray text = QByteArray(first) + "\n" + kIss1 + "\n" + kIss2 + "\n";
    const ElementRead read = ReadElementContent(text, true);
    EXPECT_EQ(read.format, ElementFormat::ThreeLine) << first;
    ASSERT_EQ(read.sets.size(), 1u) << first;
    EXPECT_EQ(read.sets[0].catalogueNumber, "25544");
  }
}

TEST(ElementContentEntry, EachFormatReadsAndNamesItsDamagedRecords) {
  const QByteArray csv = kCsvHeader + CsvRow("ONE", "1") + CsvRow("TWO", "x") +
                         CsvRow("\"THREE, 3\"", "100000");
  const QByteArray json = "[" + JsonRecord("ONE", 1) + "," +
                          JsonRecord("TWO", 2).replace("15.5419008", "\"fast\"") + "," +
                          JsonRecord("THREE, 3", 100000) + "]";
  const QByteArray xml = "<ndm>" + XmlRecord("ONE", 1) +
                         XmlRecord("TWO", 2).replace("<EPOCH>2018", "<EPOCH>18") +
                         XmlRecord("THREE, 3", 100000) + "</ndm>";
  for (const QByteArray& content : {csv, json, xml}) {
    const ElementRead read = ReadElementContent(content, true);
    ASSERT_EQ(read.status, orbit::ElementFileStatus::Ok);
    ASSERT_EQ(read.sets.size(), 2u) << content.left(20).toStdString();
    EXPECT_EQ(read.sets[0].name, "ONE");
    EXPECT_EQ(read.sets[0].catalogueNumber, "00001");
    EXPECT_EQ(read.sets[1].name, "THREE, 3");
    EXPECT_EQ(read.sets[1].catalogueNumber, "100000");
    EXPECT_EQ(read.damaged, std::vector<std::string>{"TWO"});
    EXPECT_TRUE(read.content.lines.empty());
    EXPECT_TRUE(LooksLikeElementContent(content));
  }
}

TEST(ElementContentEntry, LimitsAsForThreeLineFiles) {
  QByteArray csv = kCsvHeader;
  QByteArray json = "[";
  QByteArray xml = "<ndm>";
  for (int i = 1; i <= 1000; ++i) {
    const QByteArray name = "SAT " + QByteArray::number(i);
    csv += CsvRow(name, QByteArray::number(i));
    json += (i > 1 ? "," : "") + JsonRecord(name, i);
    xml += XmlRecord(name, i);
  }
  const QByteArray moreCsv = csv + CsvRow("ONE MORE", "1001");
  const QByteArray moreJson = json + "," + JsonRecord("ONE MORE", 1001) + "]";
  const QByteArray moreXml = xml + XmlRecord("ONE MORE", 1001) + "</ndm>";
  json += "]";
  xml += "</ndm>";
  for (const QByteArray* exact : {&csv, &json, &xml}) {
    const ElementRead read = ReadElementContent(*exact, true);
    EXPECT_EQ(read.status, orbit::ElementFileStatus::Ok);
    EXPECT_EQ(read.sets.size(), 1000u);
  }
  for (const QByteArray* more : {&moreCsv, &moreJson, &moreXml}) {
    const ElementRead read = ReadElementContent(*more, true);
    EXPECT_EQ(read.status, orbit::ElementFileStatus::TooManyLines);
    EXPECT_TRUE(read.sets.empty());
    EXPECT_FALSE(LooksLikeElementContent(*more));
  }
  // Above the size limit the content is refused before it is parsed.
  QByteArray huge = "[" + JsonRecord("BIG", 1) + "," + QByteArray(kMaxOmmBytes, ' ') + "]";
  EXPECT_EQ(ReadElementContent(huge, true).status, orbit::ElementFileStatus::TooManyLines);
  // The three-line rule itself is unchanged: 3000 lines load, 3001 are refused.
  QByteArray lines;
  for (int i = 0; i < 1000; ++i) lines += QByteArray("SAT\n") + kIss1 + "\n" + kIss2 + "\n";
  EXPECT_EQ(ReadElementContent(lines, true).sets.size(), 1000u);
  EXPECT_EQ(ReadElementContent(lines + "X\n", true).status, orbit::ElementFileStatus::TooManyLines);
}

TEST(ElementContentEntry, WhatIsNoElementContent) {
  EXPECT_FALSE(LooksLikeElementContent(""));
  EXPECT_FALSE(LooksLikeElementContent("<html><body>Please log in</body></html>"));
  EXPECT_FALSE(LooksLikeElementContent("{\"error\":\"not found\"}"));
  EXPECT_FALSE(LooksLikeElementContent("[]"));
  EXPECT_FALSE(LooksLikeElementContent(kCsvHeader));
  EXPECT_FALSE(LooksLikeElementContent(QByteArray(kIss1) + "\n" + kIss2 + "\n"));  // no name line
  EXPECT_TRUE(LooksLikeElementContent(QByteArray("ISS\n") + kIss1 + "\n" + kIss2 + "\n"));
  // The checksum switch applies to three-line content.
  QByteArray wrong = QByteArray("ISS\n") + kIss1 + "\n" + kIss2 + "\n";
  wrong[wrong.size() - 2] = '0';
  EXPECT_FALSE(LooksLikeElementContent(wrong, true));
  EXPECT_TRUE(LooksLikeElementContent(wrong, false));
  EXPECT_EQ(ReadElementContentFile(QStringLiteral("/nonexistent/file.json"), true).status,
            orbit::ElementFileStatus::Unreadable);
}

}  // namespace
}  // namespace prediction

namespace prediction {
namespace {

TEST(ElementContentEntry, APageInsteadOfElementsIsToldFromOmmXml) {
  // Pages: a "<" among the first three bytes and no OMM record behind it.
  EXPECT_TRUE(IsPageInsteadOfElements("<html><body>404 Not Found</body></html>"));
  EXPECT_TRUE(IsPageInsteadOfElements("\r\n<!DOCTYPE html><html></html>"));
  EXPECT_TRUE(IsPageInsteadOfElements("<?xml version=\"1.0\"?><ndm></ndm>"));
  EXPECT_TRUE(IsPageInsteadOfElements("<?xml version=\"1.0\"?><ndm><omm><OBJECT_NAME>X"
                                      "</OBJECT_NAME></omm></ndm>"));  // no usable record
  // Elements: OMM XML with a record, and everything without a "<" up front.
  EXPECT_FALSE(IsPageInsteadOfElements("<?xml version=\"1.0\"?><ndm>" + XmlRecord("ISS", 25544) +
                                       "</ndm>"));
  EXPECT_FALSE(IsPageInsteadOfElements(XmlRecord("ISS", 25544)));
  EXPECT_FALSE(IsPageInsteadOfElements(QByteArray("ISS\n") + kIss1 + "\n" + kIss2 + "\n"));
  EXPECT_FALSE(IsPageInsteadOfElements("[" + JsonRecord("ISS", 25544) + "]"));
  EXPECT_FALSE(IsPageInsteadOfElements(QByteArray(kCsvHeader) + CsvRow("ISS", "25544")));
  EXPECT_FALSE(IsPageInsteadOfElements(QByteArray("\x1f\x8b\x08\x00", 4)));
  EXPECT_FALSE(IsPageInsteadOfElements(""));
  // Only the first three bytes count, as before: a "<" further on is no page.
  EXPECT_FALSE(IsPageInsteadOfElements("ISS <ZARYA>\n"));
}

}  // namespace
}  // namespace prediction
