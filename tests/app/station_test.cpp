#include "app/station.h"

#include <gtest/gtest.h>

#include <QString>

#include "base/locale_number.h"

namespace app {
namespace {

// A decimal text written with the user's separator ("48.854" -> "48,854" in German).
QString Dec(const char* text) {
  QString s = QString::fromLatin1(text);
  s.replace(QLatin1Char('.'), QLatin1Char(base::UserDecimalSeparator()));
  return s;
}

// The separator the user does not use.
QChar ForeignSeparator() {
  return base::UserDecimalSeparator() == '.' ? QLatin1Char(',') : QLatin1Char('.');
}

// Types `chars` one by one at the end of the locator edit, as the window would forward it.
StationEdit TypeLocator(const QString& chars, StationRecord record = {}) {
  QString text;
  StationEdit e;
  e.record = record;
  for (QChar c : chars) {
    text += c;
    e = LocatorEdited(text, static_cast<int>(text.size()), e.record);
    text = e.text;
  }
  return e;
}

TEST(LocatorTypingTest, CompleteLocatorGivesCentreOfSubSquare) {
  const StationEdit e = TypeLocator(QStringLiteral("JN18DU"));
  EXPECT_EQ(e.text, QStringLiteral("JN18DU"));
  EXPECT_FALSE(e.beep);
  ASSERT_TRUE(e.longitudeText && e.latitudeText && e.north && e.west);
  EXPECT_EQ(*e.longitudeText, Dec("2.292"));
  EXPECT_EQ(*e.latitudeText, Dec("48.854"));
  EXPECT_TRUE(*e.north);
  EXPECT_FALSE(*e.west);
  EXPECT_NEAR(static_cast<double>(e.record.longitude), 2.2916667, 1e-6);
  EXPECT_NEAR(static_cast<double>(e.record.latitude), 48.8541667, 1e-6);
  EXPECT_EQ(e.record.locator, QStringLiteral("JN18DU"));
}

TEST(LocatorTypingTest, CornerLocatorsAndHintExample) {
  struct Case {
    const char* locator;
    const char* lon;
    bool west;
    const char* lat;
    bool north;
  };
  const Case cases[] = {
      {"AA00AA", "179.958", true, "89.979", false},
      {"RR99XX", "179.958", false, "89.979", true},
      {"AR09AX", "179.958", true, "89.979", true},
      {"jn18du", "2.292", false, "48.854", true},  // lower case stays, computes the same
  };
  for (const Case& c : cases) {
    const auto centre = CoordinatesFromLocator(QString::fromLatin1(c.locator));
    ASSERT_TRUE(centre.has_value()) << c.locator;
    EXPECT_EQ(centre->longitudeText, Dec(c.lon)) << c.locator;
    EXPECT_EQ(centre->latitudeText, Dec(c.lat)) << c.locator;
    EXPECT_EQ(centre->west, c.west) << c.locator;
    EXPECT_EQ(centre->north, c.north) << c.locator;
  }
  const StationEdit typed = TypeLocator(QStringLiteral("jn18du"));
  EXPECT_EQ(typed.text, QStringLiteral("jn18du"));
  EXPECT_EQ(typed.record.locator, QStringLiteral("JN18DU"));
}

TEST(LocatorTypingTest, RefusesCharactersOutOfTheirClass) {
  for (const char* first : {"1", "S", "Z", "-"}) {
    const StationEdit e = LocatorEdited(QString::fromLatin1(first), 1, StationRecord{});
    EXPECT_TRUE(e.text.isEmpty()) << first;
    EXPECT_EQ(e.caret, 0) << first;
    EXPECT_TRUE(e.beep) << first;
  }
  // "Y" is beyond "X" in position 5; "A" in position 3 is not a digit.
  StationEdit e = TypeLocator(QStringLiteral("JN18Y"));
  EXPECT_EQ(e.text, QStringLiteral("JN18"));
  EXPECT_EQ(e.caret, 4);
  EXPECT_TRUE(e.beep);
  e = TypeLocator(QStringLiteral("JNA"));
  EXPECT_EQ(e.text, QStringLiteral("JN"));
  // Incomplete locators leave the coordinates empty.
  ASSERT_TRUE(e.latitudeText && e.longitudeText);
  EXPECT_TRUE(e.latitudeText->isEmpty());
  EXPECT_TRUE(e.longitudeText->isEmpty());
  // Valid last letters: X in position 6, R in position 1.
  e = TypeLocator(QStringLiteral("RR99XX"));
  EXPECT_EQ(e.text, QStringLiteral("RR99XX"));
  EXPECT_FALSE(e.beep);
}

TEST(LocatorTypingTest, SeventhCharacterAtTheEndIsRemoved) {
  const StationEdit full = TypeLocator(QStringLiteral("JN18DU"));
  const StationEdit e = LocatorEdited(QStringLiteral("JN18DUA"), 7, full.record);
  EXPECT_EQ(e.text, QStringLiteral("JN18DU"));
  EXPECT_EQ(e.caret, 6);
  ASSERT_TRUE(e.latitudeText.has_value());
  EXPECT_EQ(*e.latitudeText, Dec("48.854"));
}

TEST(LocatorTypingTest, TypingInsideACompleteLocatorOverwrites) {
  const StationEdit full = TypeLocator(QStringLiteral("JN18DU"));
  // "2" typed before the third character: "JN218DU", caret after the "2".
  StationEdit e = LocatorEdited(QStringLiteral("JN218DU"), 3, full.record);
  EXPECT_EQ(e.text, QStringLiteral("JN28DU"));
  EXPECT_EQ(e.caret, 3);
  EXPECT_FALSE(e.beep);
  ASSERT_TRUE(e.longitudeText.has_value());
  EXPECT_EQ(*e.longitudeText, Dec("4.292"));
  // An invalid character inside is removed and the locator stays as it was.
  e = LocatorEdited(QStringLiteral("JNX18DU"), 3, full.record);
  EXPECT_EQ(e.text, QStringLiteral("JN18DU"));
  EXPECT_EQ(e.caret, 2);
  EXPECT_TRUE(e.beep);
}

TEST(LocatorTypingTest, EmptyingAndDeletingClearCoordinates) {
  const StationEdit full = TypeLocator(QStringLiteral("JN18DU"));
  StationEdit e = LocatorEdited(QString(), 0, full.record);
  ASSERT_TRUE(e.latitudeText && e.longitudeText);
  EXPECT_TRUE(e.latitudeText->isEmpty());
  EXPECT_EQ(e.record.latitude, 0);
  EXPECT_EQ(e.record.longitude, 0);
  // Backspace at the end: five characters, coordinates emptied, no beep.
  e = LocatorEdited(QStringLiteral("JN18D"), 5, full.record);
  EXPECT_EQ(e.text, QStringLiteral("JN18D"));
  EXPECT_FALSE(e.beep);
  EXPECT_TRUE(e.latitudeText->isEmpty());
  // Deleting the first character leaves the caret at 0; nothing is checked there.
  e = LocatorEdited(QStringLiteral("N18DU"), 0, full.record);
  EXPECT_EQ(e.text, QStringLiteral("N18DU"));
  EXPECT_FALSE(e.beep);
}

TEST(LocatorTypingTest, PastedGarbageNeverComputesCoordinates) {
  // Only the character at the caret is checked; a pasted 6-character text of the wrong
  // classes must not produce coordinates.
  const StationEdit e = LocatorEdited(QStringLiteral("ZZ99ZA"), 6, StationRecord{});
  ASSERT_TRUE(e.latitudeText.has_value());
  EXPECT_TRUE(e.latitudeText->isEmpty());
  EXPECT_FALSE(CoordinatesFromLocator(QStringLiteral("ZZ99ZZ")).has_value());
  EXPECT_FALSE(CoordinatesFromLocator(QStringLiteral("JN18D")).has_value());
  EXPECT_FALSE(CoordinatesFromLocator(QStringLiteral("JN18DUU")).has_value());
}

StationRecord At(double lat, bool north, double lon, bool west) {
  StationRecord r;
  r.latitude = lat;
  r.north = north;
  r.longitude = lon;
  r.west = west;
  return r;
}

TEST(LocatorFromCoordinatesTest, WorkedValuesAndRanges) {
  const QString x = QStringLiteral("x");  // any non-empty edit text
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(48.854, true, 2.292, false)), QStringLiteral("JN18DU"));
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(0, true, 0, true)), QStringLiteral("JJ00AA"));
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(0, true, 0, false)), QString());  // 0 must be W
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(90, true, 10, true)), QString());
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(89.99, true, 180, true)), QStringLiteral("AR09AX"));
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(89.99, false, 179.999, false)),
            QStringLiteral("RA90XA"));
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(10, true, 180, false)), QString());   // E < 180
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(10, true, 180.5, true)), QString());  // W <= 180
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(0, false, 10, true)), QString());     // S > 0
  EXPECT_EQ(LocatorFromCoordinates(x, x, At(-1, true, 10, true)), QString());
  EXPECT_EQ(LocatorFromCoordinates(QString(), x, At(48.854, true, 2.292, false)), QString());
  EXPECT_EQ(LocatorFromCoordinates(x, QString(), At(48.854, true, 2.292, false)), QString());
}

TEST(LocatorFromCoordinatesTest, RoundTripsEverySubSquareCentreOfAColumn) {
  // The centre of each sub-square, written back with 3 decimals, gives the same locator.
  for (const char* loc : {"JN18DU", "AA00AA", "RR99XX", "AR09AX", "IO91WM", "FN20XR",
                          "QF56OD", "GG66RF", "KP20LE", "JJ00AA"}) {
    const auto centre = CoordinatesFromLocator(QString::fromLatin1(loc));
    ASSERT_TRUE(centre.has_value());
    StationRecord r;
    long double v = 0;
    ASSERT_TRUE(base::ParseUserDecimal(centre->latitudeText, &v));
    r.latitude = v;
    ASSERT_TRUE(base::ParseUserDecimal(centre->longitudeText, &v));
    r.longitude = v;
    r.north = centre->north;
    r.west = centre->west;
    EXPECT_EQ(LocatorFromCoordinates(centre->latitudeText, centre->longitudeText, r),
              QString::fromLatin1(loc));
  }
}

TEST(CoordinateTypingTest, LatitudeAndLongitudeFillTheLocator) {
  StationRecord r;
  r.north = true;
  r.west = false;
  StationTexts texts;
  StationEdit e = LatitudeEdited(Dec("48.854"), 6, texts, r);
  EXPECT_FALSE(e.beep);
  ASSERT_TRUE(e.locatorText.has_value());
  EXPECT_TRUE(e.locatorText->isEmpty());  // longitude still empty
  texts.latitude = e.text;
  e = LongitudeEdited(Dec("2.292"), 5, texts, e.record);
  ASSERT_TRUE(e.locatorText.has_value());
  EXPECT_EQ(*e.locatorText, QStringLiteral("JN18DU"));
  EXPECT_NEAR(static_cast<double>(e.record.longitude), 2.292, 1e-12);
  EXPECT_NEAR(static_cast<double>(e.record.latitude), 48.854, 1e-12);
  EXPECT_NEAR(static_cast<double>(SignedLongitude(e.record)), -2.292, 1e-12);  // east
  EXPECT_NEAR(static_cast<double>(SignedLatitude(e.record)), 48.854, 1e-12);

  // Latitude 90 is beyond the locator range: locator emptied, value kept.
  texts.longitude = Dec("2.292");
  e = LatitudeEdited(QStringLiteral("90"), 2, texts, e.record);
  ASSERT_TRUE(e.locatorText.has_value());
  EXPECT_TRUE(e.locatorText->isEmpty());
  EXPECT_EQ(e.record.latitude, 90);
  // Emptying the edit empties the locator.
  e = LatitudeEdited(QString(), 0, texts, e.record);
  ASSERT_TRUE(e.locatorText.has_value());
  EXPECT_TRUE(e.locatorText->isEmpty());
}

TEST(CoordinateTypingTest, ForeignSeparatorIsRepairedOtherCharactersRemoved) {
  StationTexts texts;
  texts.longitude = Dec("2.292");
  StationRecord r = At(0, true, 2.292, false);
  QString typed = QStringLiteral("48");
  typed += ForeignSeparator();
  StationEdit e = LatitudeEdited(typed, 3, texts, r);
  EXPECT_EQ(e.text, Dec("48."));
  EXPECT_EQ(e.caret, 3);
  EXPECT_FALSE(e.beep);
  EXPECT_EQ(e.record.latitude, 48);

  e = LatitudeEdited(QStringLiteral("48x5"), 3, texts, r);
  EXPECT_EQ(e.text, QStringLiteral("485"));
  EXPECT_EQ(e.caret, 2);
  EXPECT_TRUE(e.beep);

  // Both separators: the one just typed is removed.
  QString both = Dec("48.8");
  both += ForeignSeparator();
  e = LatitudeEdited(both, static_cast<int>(both.size()), texts, r);
  EXPECT_EQ(e.text, Dec("48.8"));
  EXPECT_TRUE(e.beep);

  // A lone "-" does not convert and is removed; nothing is left.
  e = LongitudeEdited(QStringLiteral("-"), 1, texts, r);
  EXPECT_TRUE(e.text.isEmpty());
  EXPECT_TRUE(e.beep);
  ASSERT_TRUE(e.locatorText.has_value());
  EXPECT_TRUE(e.locatorText->isEmpty());
}

TEST(HemisphereBoxTest, PartnerFollowsAndOnlyClicksRecompute) {
  StationTexts texts{Dec("48.854"), Dec("2.292")};
  StationRecord r = At(48.854, true, 2.292, true);  // West checked
  StationEdit e = HemisphereBoxChanged(HemisphereBox::East, true, false, texts, r);
  ASSERT_TRUE(e.west.has_value());
  EXPECT_FALSE(*e.west);
  EXPECT_FALSE(e.north.has_value());
  EXPECT_FALSE(e.locatorText.has_value());  // not a user click
  e = HemisphereBoxChanged(HemisphereBox::East, true, true, texts, r);
  ASSERT_TRUE(e.locatorText.has_value());
  EXPECT_EQ(*e.locatorText, QStringLiteral("JN18DU"));
  // Unchecking North checks South.
  e = HemisphereBoxChanged(HemisphereBox::North, false, true, texts, e.record);
  ASSERT_TRUE(e.north.has_value());
  EXPECT_FALSE(*e.north);
  EXPECT_EQ(*e.locatorText, QStringLiteral("JE11DD"));
  // 0 N 0 E: empty; 0 N 0 W: JJ00AA.
  texts = {QStringLiteral("0"), QStringLiteral("0")};
  e = HemisphereBoxChanged(HemisphereBox::East, true, true, texts, At(0, true, 0, true));
  EXPECT_TRUE(e.locatorText->isEmpty());
  e = HemisphereBoxChanged(HemisphereBox::West, true, true, texts, e.record);
  EXPECT_EQ(*e.locatorText, QStringLiteral("JJ00AA"));
}

TEST(AltitudeTypingTest, RangeAndTypingInProgress) {
  StationRecord r;
  StationEdit e = AltitudeEdited(QStringLiteral("9000"), 4, r);
  EXPECT_TRUE(e.text.isEmpty());
  EXPECT_EQ(e.record.altitude, 0);
  e = AltitudeEdited(QStringLiteral("-"), 1, r);
  EXPECT_EQ(e.text, QStringLiteral("-"));
  EXPECT_FALSE(e.beep);
  EXPECT_EQ(e.record.altitude, 0);
  e = AltitudeEdited(QStringLiteral("-5"), 2, r);
  EXPECT_TRUE(e.text.isEmpty());
  e = AltitudeEdited(QStringLiteral("8000"), 4, r);
  EXPECT_EQ(e.text, QStringLiteral("8000"));
  EXPECT_EQ(e.record.altitude, 8000);
  e = AltitudeEdited(Dec("152.5"), 5, r);
  EXPECT_EQ(e.record.altitude, 152.5L);
  e = AltitudeEdited(QStringLiteral("15a"), 3, r);
  EXPECT_EQ(e.text, QStringLiteral("15"));
  EXPECT_TRUE(e.beep);
  EXPECT_EQ(e.record.altitude, 15);
  e = AltitudeEdited(QString(), 0, e.record);
  EXPECT_EQ(e.record.altitude, 0);
}

TEST(LocalUtcTypingTest, RangeSignsAndBadText) {
  StationRecord r;
  r.localUtcOffset = 2;
  StationEdit e = LocalUtcEdited(QStringLiteral("13"), 2, r);
  EXPECT_TRUE(e.beep);
  EXPECT_TRUE(e.text.isEmpty());
  EXPECT_EQ(e.record.localUtcOffset, 2);
  e = LocalUtcEdited(Dec("-5.5"), 4, r);
  EXPECT_FALSE(e.beep);
  EXPECT_EQ(e.record.localUtcOffset, -5.5L);
  EXPECT_EQ(e.text, Dec("-5.5"));
  for (const char* inProgress : {"", "-", "+"}) {
    e = LocalUtcEdited(QString::fromLatin1(inProgress), 1, r);
    EXPECT_FALSE(e.beep);
    EXPECT_FALSE(e.conversionError);
    EXPECT_EQ(e.record.localUtcOffset, 2);
  }
  e = LocalUtcEdited(QStringLiteral("12"), 2, r);
  EXPECT_EQ(e.record.localUtcOffset, 12);
  e = LocalUtcEdited(QStringLiteral("-12"), 3, r);
  EXPECT_EQ(e.record.localUtcOffset, -12);
  e = LocalUtcEdited(QStringLiteral("abc"), 3, r);
  EXPECT_TRUE(e.conversionError);
  EXPECT_EQ(e.text, QStringLiteral("abc"));
  EXPECT_EQ(e.record.localUtcOffset, 2);
}

}  // namespace
}  // namespace app
