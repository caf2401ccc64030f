// The DXCC list: the shipped file, its reader, and the script that makes it from cty.dat.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>

#include "tools/dxcc_list.h"

namespace tools {
namespace {

const DxccEntry* Find(const std::vector<DxccEntry>& list, const QString& prefix) {
  auto it = std::find_if(list.begin(), list.end(),
                         [&](const DxccEntry& e) { return e.prefix == prefix; });
  return it == list.end() ? nullptr : &*it;
}

TEST(DxccList, ShippedListHasTheEntitiesWithSignsTurnedRound) {
  const std::vector<DxccEntry> list = ReadDxccList();
  EXPECT_GE(list.size(), 330u);
  EXPECT_LE(list.size(), 345u);
  // cty.dat: "Malta: 15: 28: EU: 35.88: -14.42: -1.0: 9H:" (west-positive longitude,
  // offset UTC minus local).
  const DxccEntry* malta = Find(list, QStringLiteral("9H"));
  ASSERT_NE(malta, nullptr);
  EXPECT_EQ(DxccEntryText(*malta), QStringLiteral("9H\tMalta (Eu)\t35,88N\t14,42E\tUTC+1"));
  const DxccEntry* usa = Find(list, QStringLiteral("K"));
  ASSERT_NE(usa, nullptr);
  EXPECT_EQ(usa->longitude, QStringLiteral("91,87W"));
  EXPECT_EQ(usa->utcOffset, QStringLiteral("UTC-5"));
  const DxccEntry* india = Find(list, QStringLiteral("VU"));
  ASSERT_NE(india, nullptr);
  EXPECT_EQ(india->utcOffset, QStringLiteral("UTC+5,5"));
  // WAE-only entities ("*4U1V", "*IG9", "*GM/s" in cty.dat) are not DXCC entities.
  for (const char* wae : {"4U1V", "IG9", "GMs", "*TA1"}) EXPECT_EQ(Find(list, QLatin1String(wae)), nullptr);
  // "3D2/c" loses its "/"; no field keeps a list separator.
  EXPECT_NE(Find(list, QStringLiteral("3D2c")), nullptr);
  for (const DxccEntry& e : list) {
    for (const QString& f : {e.prefix, e.country, e.latitude, e.longitude, e.utcOffset}) {
      EXPECT_FALSE(f.contains(QLatin1Char('_')) || f.contains(QLatin1Char('/')) ||
                   f.contains(QLatin1Char('=')) || f.contains(QLatin1Char('\t')))
          << f.toStdString();
    }
    EXPECT_TRUE(PlaceLatitude(e.latitude).has_value()) << e.latitude.toStdString();
    EXPECT_TRUE(PlaceLongitude(e.longitude).has_value()) << e.longitude.toStdString();
  }
}

TEST(DxccList, CoordinatesAndLocatorOfAnEntry) {
  EXPECT_DOUBLE_EQ(*PlaceLatitude(QStringLiteral("35,83N")), 35.83);
  EXPECT_DOUBLE_EQ(*PlaceLatitude(QStringLiteral("12,5S")), -12.5);
  EXPECT_DOUBLE_EQ(*PlaceLongitude(QStringLiteral("120.5W")), -120.5);
  EXPECT_DOUBLE_EQ(*PlaceLongitude(QStringLiteral("14,58E")), 14.58);
  EXPECT_FALSE(PlaceLatitude(QStringLiteral("35,83E")));
  EXPECT_FALSE(PlaceLatitude(QStringLiteral("95N")));
  EXPECT_FALSE(PlaceLatitude(QStringLiteral("3,5.8N")));
  EXPECT_FALSE(PlaceLongitude(QStringLiteral("E")));
  // Malta 35.88 N 14.42 E: field J, M; square 7, 5; sub-square F (5/12° steps), V (21/24).
  EXPECT_EQ(EntryLocator(QStringLiteral("9H\tMalta (Eu)\t35,88N\t14,42E\tUTC+1")),
            QStringLiteral("JM75FV"));
  EXPECT_EQ(EntryLocator(QStringLiteral("9H/Malta (Eu)/35,88N/14,42E/UTC+1"), QLatin1Char('/')),
            QStringLiteral("JM75FV"));
  EXPECT_FALSE(EntryLocator(QStringLiteral("9H\tMalta (Eu)\tnorth\t14,42E\tUTC+1")));
  EXPECT_FALSE(EntryLocator(QStringLiteral("9H\tMalta (Eu)")));
}

TEST(DxccList, ReaderSkipsLinesWithoutFiveFields) {
  const auto list = ParseDxccList(
      QStringLiteral("1A\tSov Mil Order of Malta (Eu)\t41,90N\t12,43E\tUTC+1\r\n"
                     "broken line\r\n\r\n3A\tMonaco (Eu)\t43,73N\t7,40E\tUTC+1\n"));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].country, QStringLiteral("Monaco (Eu)"));
  EXPECT_TRUE(ReadDxccList(QStringLiteral("/nonexistent/dxcc.txt")).empty());
}

TEST(DxccScript, ConvertsACountryFile) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString cty = dir.filePath(QStringLiteral("cty.dat"));
  QFile in(cty);
  ASSERT_TRUE(in.open(QIODevice::WriteOnly));
  in.write("Sov Mil Order of Malta:   15:  28:  EU:   41.90:   -12.43:    -1.0:  1A:\n"
           "    1A;\n"
           "Shetland Islands:         14:  27:  EU:   60.50:     1.50:     0.0:  *GM/s:\n"
           "    =GB2ELH,=GB2HNS;\n"
           "Conway Reef:              32:  56:  OC:  -22.00:  -175.00:   -12.0:  3D2/c:\n"
           "    =3D2C;\n"
           "Marquesas Islands:        31:  63:  OC:   -8.92:   140.07:     9.5:  FO/m:\n"
           "    =FO/m;\n");
  in.close();
  const QString out = dir.filePath(QStringLiteral("dxcc.txt"));
  QProcess p;
  p.start(QStringLiteral("/usr/bin/python3"),
          {QStringLiteral(ORVANE_SOURCE_DIR "/scripts/places/make_dxcc.py"), cty, out});
  ASSERT_TRUE(p.waitForFinished(20000));
  ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
  QFile result(out);
  ASSERT_TRUE(result.open(QIODevice::ReadOnly));
  EXPECT_EQ(QString::fromLatin1(result.readAll()),
            QStringLiteral("1A\tSov Mil Order of Malta (Eu)\t41,90N\t12,43E\tUTC+1\r\n"
                           "3D2c\tConway Reef (Oc)\t22,00S\t175,00E\tUTC+12\r\n"
                           "FOm\tMarquesas Islands (Oc)\t8,92S\t140,07W\tUTC-9,5\r\n"));
}

}  // namespace
}  // namespace tools
