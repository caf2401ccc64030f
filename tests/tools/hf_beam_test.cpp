// Great-circle headings, long path, azimuth steps, favourites and the place lists.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cmath>

#include "orbit/locator.h"
#include "tools/hf_beam.h"

namespace tools {
namespace {

// JN18DU's centre, east-positive.
PlacePosition Jn18du() {
  const auto c = orbit::LocatorCentre("JN18DU");
  return {static_cast<double>(c->latitude), -static_cast<double>(c->longitude)};
}

// Values of scripts/hf_beam_reference.py (GeographicLib on the same sphere).
struct Reference {
  const char* name;
  double lat1, lon1, lat2, lon2;
  double azimuth, distanceKm;
};

TEST(HfGreatCircle, AgreesWithAnIndependentGeodesicOnTheSameSphere) {
  const PlacePosition p = Jn18du();
  const Reference cases[] = {
      {"JN18DU to Tokyo", p.latitude, p.longitude, 35.7, 139.7, 33.3791, 9707.4791},
      {"New York to JN18DU", 40.7, -74.0, p.latitude, p.longitude, 53.7199, 5829.7321},
      {"due west", p.latitude, p.longitude, p.latitude, p.longitude - 60, 293.4978, 4268.6567},
      {"due east", p.latitude, p.longitude, p.latitude, p.longitude + 60, 66.5022, 4268.6567},
      {"south, due west", -33.87, 151.21, -33.87, 91.21, 252.1637, 5451.3017},
      {"antipodal meridian", p.latitude, p.longitude, -30, p.longitude + 180, 0, 17906.5250},
      {"Sydney to Honolulu", -33.87, 151.21, 21.31, -157.86, 48.9895, 8160.7755},
      {"Honolulu to Sydney", 21.31, -157.86, -33.87, 151.21, 222.2619, 8160.7755},
      {"equator", 0, 10, 0, 11, 90, 111.12},
  };
  for (const Reference& c : cases) {
    const GreatCircleResult r = GreatCircle(c.lat1, c.lon1, c.lat2, c.lon2);
    EXPECT_NEAR(r.azimuth, c.azimuth, 0.01) << c.name;
    EXPECT_NEAR(r.distanceKm, c.distanceKm, 0.05) << c.name;
  }
  // As the window shows them, with one decimal.
  const GreatCircleResult tokyo = GreatCircle(p.latitude, p.longitude, 35.7, 139.7);
  EXPECT_EQ(QString::number(tokyo.azimuth, 'f', 1), QStringLiteral("33.4"));
  EXPECT_EQ(QString::number(tokyo.distanceKm, 'f', 1), QStringLiteral("9707.5"));
  EXPECT_EQ(QString::number(GreatCircle(40.7, -74.0, p.latitude, p.longitude).azimuth, 'f', 1),
            QStringLiteral("53.7"));
}

TEST(HfGreatCircle, DegenerateCasesGiveZeroNeverNaN) {
  const PlacePosition p = Jn18du();
  const GreatCircleResult same = GreatCircle(p.latitude, p.longitude, p.latitude, p.longitude);
  EXPECT_EQ(same.distanceKm, 0.0);
  EXPECT_EQ(same.azimuth, 0.0);
  // Points so close that the cosine rounds beyond 1.
  const GreatCircleResult close = GreatCircle(45.123456789, 7.1, 45.123456789, 7.1 + 1e-9);
  EXPECT_FALSE(std::isnan(close.distanceKm));
  EXPECT_FALSE(std::isnan(close.azimuth));
  // Exact antipode and a station on a pole: the heading is undefined, 0 is shown.
  const GreatCircleResult antipode = GreatCircle(30, 10, -30, -170);
  EXPECT_NEAR(antipode.distanceKm, 180 * 60 * 1.852, 0.01);
  EXPECT_EQ(antipode.azimuth, 0.0);
  for (double lon2 : {-100.0, -10.0, 0.0, 45.0, 170.0}) {
    const GreatCircleResult pole = GreatCircle(90, 0, 40, lon2);
    EXPECT_FALSE(std::isnan(pole.azimuth));
    EXPECT_EQ(pole.azimuth, 0.0) << lon2;
    EXPECT_NEAR(pole.distanceKm, 50 * 60 * 1.852, 0.01);
  }
  // Nothing that is not a number gets through.
  const GreatCircleResult nan = GreatCircle(std::nan(""), 0, 10, 10);
  EXPECT_EQ(nan.azimuth, 0.0);
  EXPECT_EQ(nan.distanceKm, 0.0);
}

TEST(HfGreatCircle, WestIsMirroredEastIsNotAndTheAntipodalMeridianIsNot) {
  // In the northern half, a place due west leaves north of west; in the southern half,
  // south of west: mirrored either way.
  for (double lat : {-60.0, -20.0, 0.0, 35.0, 70.0}) {
    const GreatCircleResult west = GreatCircle(lat, 20, lat, -10);
    const GreatCircleResult east = GreatCircle(lat, 20, lat, 50);
    EXPECT_GT(west.azimuth, lat >= 0 ? 270 : 180) << lat;
    EXPECT_LT(east.azimuth, lat >= 0 ? 90 : 180) << lat;
    EXPECT_GT(west.azimuth, 180) << lat;
    // Mirror images of each other.
    EXPECT_NEAR(west.azimuth, 360 - east.azimuth, 1e-6) << lat;
  }
  // Across the date line, the shorter way round decides the side.
  EXPECT_LT(GreatCircle(10, 170, 10, -170).azimuth, 90);
  EXPECT_GT(GreatCircle(10, -170, 10, 170).azimuth, 270);
  // Δ = 180 exactly: over the pole, heading north, not 360.
  const GreatCircleResult over = GreatCircle(40, 0, 20, 180);
  EXPECT_NEAR(over.azimuth, 0.0, 1e-4);
  EXPECT_NEAR(over.distanceKm, 120 * 60 * 1.852, 0.01);
  // Southern station across the antipodal meridian: heading south.
  EXPECT_NEAR(GreatCircle(-40, 0, -20, 180).azimuth, 180, 1e-6);
}

TEST(HfAzimuth, LongPathCommandedValueAndSteps) {
  EXPECT_EQ(LongPathAzimuth(10), 190);
  EXPECT_EQ(LongPathAzimuth(190), 10);
  EXPECT_EQ(LongPathAzimuth(180), 0);
  EXPECT_EQ(LongPathAzimuth(179), 359);
  EXPECT_EQ(LongPathAzimuth(0), 180);
  EXPECT_EQ(LongPathAzimuth(LongPathAzimuth(123)), 123);

  EXPECT_EQ(CommandedAzimuth(33.4), 33);
  EXPECT_EQ(CommandedAzimuth(33.5), 34);   // nearest, halves to even
  EXPECT_EQ(CommandedAzimuth(32.5), 32);
  EXPECT_EQ(CommandedAzimuth(359.7), 0);   // into 0..359
  EXPECT_EQ(CommandedAzimuth(std::nan("")), 0);

  // Held button: ones until a multiple of ten, then tens; released: ones again.
  StepAzimuth s;
  int a = 7;
  a = s.Step(a, +1);
  EXPECT_EQ(a, 8);
  a = s.Step(a, +1);
  a = s.Step(a, +1);
  EXPECT_EQ(a, 10);
  EXPECT_EQ(s.CurrentStep(), 10);
  a = s.Step(a, +1);
  EXPECT_EQ(a, 20);
  s.Release();
  a = s.Step(a, -1);
  EXPECT_EQ(a, 19);
  EXPECT_EQ(s.CurrentStep(), 1);
  // Around north both ways.
  StepAzimuth down;
  EXPECT_EQ(down.Step(0, -1), 359);
  StepAzimuth up;
  EXPECT_EQ(up.Step(359, +1), 0);
  EXPECT_EQ(up.CurrentStep(), 10);
  EXPECT_EQ(up.Step(350, +1), 0);
}

TEST(HfFavourites, AzimuthsAreLimitedAndUnreadableOnesAreZero) {
  EXPECT_EQ(FavouriteAzimuth(QStringLiteral("400")), 359);
  EXPECT_EQ(FavouriteAzimuth(QStringLiteral("-5")), 0);
  EXPECT_EQ(FavouriteAzimuth(QStringLiteral(" 45 ")), 45);
  EXPECT_EQ(FavouriteAzimuth(QStringLiteral("abc")), 0);
  EXPECT_EQ(FavouriteAzimuth(QString()), 0);
  EXPECT_EQ(FavouriteAzimuth(QStringLiteral("99999999999999999999")), 0);
}

TEST(HfPlaceLists, EntryCoordinatesReadBothSeparatorsButNeverBoth) {
  EXPECT_DOUBLE_EQ(*ListCoordinate(QStringLiteral("35,83N"), false), 35.83);
  EXPECT_DOUBLE_EQ(*ListCoordinate(QStringLiteral("47.5S"), false), -47.5);
  EXPECT_DOUBLE_EQ(*ListCoordinate(QStringLiteral("120.5W"), true), -120.5);
  EXPECT_DOUBLE_EQ(*ListCoordinate(QStringLiteral("14e"), true), 14);
  EXPECT_FALSE(ListCoordinate(QStringLiteral("1.234,5N"), false));
  EXPECT_FALSE(ListCoordinate(QStringLiteral("12.5"), false));   // no letter
  EXPECT_FALSE(ListCoordinate(QStringLiteral("12.5E"), false));  // wrong letter
  EXPECT_FALSE(ListCoordinate(QStringLiteral("91N"), false));
  EXPECT_FALSE(ListCoordinate(QStringLiteral("181E"), true));
  EXPECT_FALSE(ListCoordinate(QStringLiteral("x1N"), false));

  const auto malta = ListEntryPosition(QStringLiteral("9H_Malta (Eu)_35,83N_14,58E_UTC+1"),
                                       QLatin1Char('_'));
  ASSERT_TRUE(malta);
  EXPECT_DOUBLE_EQ(malta->latitude, 35.83);
  EXPECT_DOUBLE_EQ(malta->longitude, 14.58);
  // A refused number or a missing field changes nothing.
  EXPECT_FALSE(ListEntryPosition(QStringLiteral("X\tY\t1.2,3N\t4E"), QLatin1Char('\t')));
  EXPECT_FALSE(ListEntryPosition(QStringLiteral("X\tY\t12N"), QLatin1Char('\t')));
  // Split at the wrong separator: nothing either.
  EXPECT_FALSE(ListEntryPosition(QStringLiteral("9H\tMalta\t35,83N\t14,58E"), QLatin1Char('=')));
}

TEST(HfPlaceLists, UserListSkipsCommentsSeparatorsAndBadPlaces) {
  const QStringList lines{
      QStringLiteral("[ my stations"),
      QStringLiteral("JA1\tTokyo\t35.7N\t139.7E"),
      QStringLiteral("JA/1\tTokyo\t35.7N\t139.7E"),
      QStringLiteral("W_1\tBoston\t42.4N\t71.1W"),
      QStringLiteral("W=1\tBoston\t42.4N\t71.1W"),
      QStringLiteral("VK2\tSydney\t33,87S\t151,21E\tgood at dawn"),
      QStringLiteral("BAD\tNorth of the pole\t95N\t10E"),
      QStringLiteral("BAD\tBeyond the date line\t10N\t190E"),
      QStringLiteral("BAD\tBoth separators\t1.2,3N\t10E"),
      QStringLiteral("BAD\tNo longitude\t10N"),
      QString(),
      QStringLiteral("ZL\t") + QString(1000, QLatin1Char('x')) + QStringLiteral("\t41S\t174E"),
      QStringLiteral("PY1\tRio\t22.9S\t43.2W"),
  };
  const std::vector<QStringList> entries = ParseUserList(lines);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], (QStringList{"JA1", "Tokyo", "35.7N", "139.7E"}));
  EXPECT_EQ(entries[1].value(4), QStringLiteral("good at dawn"));
  EXPECT_EQ(entries[2].value(0), QStringLiteral("PY1"));
}

class UserListFile : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.close();
    return path;
  }
  QTemporaryDir dir_;
};

TEST_F(UserListFile, ReadOnlyFileIsReadAndItsModeStaysAsItWas) {
  const QString path = Write(QStringLiteral("mine.bdx"),
                             "[list\r\nJA1\tTokyo\t35.7N\t139.7E\r\nOE\tWien \xE9\t48.2N\t16.4E\r\n");
  const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
  ASSERT_TRUE(QFile::setPermissions(path, readOnly));
  const UserListRead r = ReadUserList(path);
  EXPECT_EQ(r.status, UserListStatus::Ok);
  ASSERT_EQ(r.entries.size(), 2u);
  EXPECT_EQ(r.entries[1].value(1), QStringLiteral("Wien \u00E9"));  // Windows-1252
  EXPECT_EQ(QFileInfo(path).permissions() & 0x7077, readOnly);
  QFile::setPermissions(path, readOnly | QFileDevice::WriteOwner);

  // UTF-8 when valid.
  const QString utf8 = Write(QStringLiteral("utf8.bdx"), "SP\tKrak\xC3\xB3w\t50.06N\t19.94E\n");
  EXPECT_EQ(ReadUserList(utf8).entries.at(0).value(1), QStringLiteral("Krak\u00F3w"));
}

TEST_F(UserListFile, MissingAndOversizeFilesLoadNothing) {
  const UserListRead missing = ReadUserList(dir_.filePath(QStringLiteral("none.bdx")));
  EXPECT_EQ(missing.status, UserListStatus::CannotOpen);
  EXPECT_NE(missing.errorCode, 0);
  EXPECT_TRUE(missing.entries.empty());

  QByteArray big("JA1\tTokyo\t35.7N\t139.7E\n");
  big.append(QByteArray(static_cast<int>(kMaxUserListBytes), ' '));
  const UserListRead large = ReadUserList(Write(QStringLiteral("big.bdx"), big));
  EXPECT_EQ(large.status, UserListStatus::TooLarge);
  EXPECT_TRUE(large.entries.empty());
}

TEST(HfPlaceLists, ShippedListsAndPrefixes) {
  const std::vector<QStringList> us = ReadPlaceList(QString::fromLatin1(kUsStatesResource));
  ASSERT_EQ(us.size(), 51u);
  const std::vector<QStringList> fr =
      ReadPlaceList(QString::fromLatin1(kFrenchDepartmentsResource));
  ASSERT_EQ(fr.size(), 96u);
  for (const auto* list : {&us, &fr}) {
    for (const QStringList& e : *list) {
      ASSERT_GE(e.size(), 4) << e.join(QLatin1Char('|')).toStdString();
      EXPECT_TRUE(ListEntryPosition(e.join(QLatin1Char('\t')), QLatin1Char('\t')))
          << e.join(QLatin1Char('|')).toStdString();
    }
  }
  EXPECT_EQ(fr.front().value(0), QStringLiteral("01"));
  EXPECT_TRUE(std::any_of(fr.begin(), fr.end(), [](const QStringList& e) { return e[0] == "2A"; }));

  const auto ja = FindPrefix(QStringLiteral("ja1abc"));
  ASSERT_TRUE(ja);
  EXPECT_EQ(ja->prefix, QStringLiteral("JA"));
  EXPECT_NEAR(ja->position.longitude, 138.38, 1e-9);
  // The longest prefix wins: "9H" before a one-letter prefix.
  EXPECT_EQ(FindPrefix(QStringLiteral("9H1")).value().prefix, QStringLiteral("9H"));
  EXPECT_FALSE(FindPrefix(QString()));
  EXPECT_FALSE(FindPrefix(QStringLiteral("Q")));
}

}  // namespace
}  // namespace tools
