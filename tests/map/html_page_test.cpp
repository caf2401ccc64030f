// The page's text: the golden page, the position lines, the time text and picture sizes.
#include <gtest/gtest.h>

#include <QFile>

#include "map/html_page.h"
#include "orbit/calendar.h"

using namespace map;

namespace {

Real Utc(int y, int mo, int d, int h, int mi, int s = 0) {
  return orbit::EncodeDateTimeValue(y, mo, d, h, mi, s);
}

const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);

QByteArray Golden(const char* name) {
  QFile f(QStringLiteral(ORVANE_SOURCE_DIR "/tests/map/golden/") + QLatin1String(name));
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing golden file");
}

PageContent VisibleAo7() {
  PageContent c;
  c.satelliteName = QStringLiteral("AO-7 <B> & \"C\"");
  c.browserPeriod = 45;
  c.timeText = PageTimeText(Utc(2018, 1, 21, 13, 5, 30), kBritish);
  c.visible = true;
  // Over Paris (48.854 N, 2.292 E), 408.463 km up.
  c.position = PagePositionOfLivePoint(48.854L, -2.292L, 6786.6L);
  c.picture = PagePictureSize(5, {1200, 600});
  return c;
}

QList<QByteArray> Lines(const QByteArray& page) {
  QList<QByteArray> lines = page.split('\n');
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  return lines;
}

}  // namespace

TEST(HtmlPage, IsTheGoldenPageWithTheNameEscapedAndUtf8) {
  const QByteArray page = HtmlPage(VisibleAo7());
  EXPECT_EQ(page, Golden("orvane_visible.htm"));
  // Every line ends in CR LF; the degree sign is UTF-8, never a lone byte 176.
  for (const QByteArray& line : Lines(page)) EXPECT_TRUE(line.endsWith('\r')) << line.toStdString();
  for (qsizetype i = 0; i < page.size(); ++i)
    if (static_cast<unsigned char>(page[i]) == 0xB0) {
      ASSERT_GT(i, 0);
      EXPECT_EQ(static_cast<unsigned char>(page[i - 1]), 0xC2);
    }
  EXPECT_FALSE(page.contains("<B>"));
}

TEST(HtmlPage, NotVisibleSpellsLatitudeAndWithoutAPositionLeavesTheThreeLinesOut) {
  PageContent c = VisibleAo7();
  c.visible = false;
  // An orbit track entry over Sydney, 10 x 6786.1 km from the centre.
  c.position = PagePositionOfTrackEntry(-33.9L, -151.2L, 67861);
  QList<QByteArray> lines = Lines(HtmlPage(c));
  ASSERT_EQ(lines.size(), 15);
  EXPECT_EQ(lines[8], "<p><b><font size=\"4\" color=\"#0000FF\">AO-7 &lt;B&gt; &amp; &quot;C&quot; "
                      "longitude : 151\xC2\xB0" "12'E</font></b></p>\r");
  EXPECT_EQ(lines[9], "<p><b><font size=\"4\" color=\"#0000FF\">AO-7 &lt;B&gt; &amp; &quot;C&quot; "
                      "latitude : 33\xC2\xB0" "54'S</font></b></p>\r");
  EXPECT_EQ(lines[10], "<p><b><font size=\"4\" color=\"#0000FF\">AO-7 &lt;B&gt; &amp; &quot;C&quot; "
                       "altitude : 408 km</font></b></p>\r");
  c.position.reset();
  const QList<QByteArray> shorter = Lines(HtmlPage(c));
  ASSERT_EQ(shorter.size(), 12);
  lines.remove(8, 3);
  EXPECT_EQ(shorter, lines);
}

TEST(HtmlPage, PositionTexts) {
  // Whole degrees and truncated whole minutes of the absolute value.
  EXPECT_EQ(PageLatitudeText(0), QStringLiteral("0\u00b000'N"));
  EXPECT_EQ(PageLatitudeText(-0.999L), QStringLiteral("0\u00b059'S"));
  EXPECT_EQ(PageLatitudeText(51.9999L), QStringLiteral("51\u00b059'N"));
  EXPECT_EQ(PageLatitudeText(-90), QStringLiteral("90\u00b000'S"));
  EXPECT_EQ(PageLongitudeText(77.5L), QStringLiteral("77\u00b030'W"));
  EXPECT_EQ(PageLongitudeText(-2.0833L), QStringLiteral("2\u00b004'E"));
  // The observer's 0..360 west longitudes: 300 W is 60 E.
  EXPECT_EQ(PageLongitudeText(300), QStringLiteral("60\u00b000'E"));
  // Altitudes: round(distance - 6378.137).
  EXPECT_EQ(PagePositionOfLivePoint(0, 0, 6778.137L).altitudeKm, 400);
  EXPECT_EQ(PagePositionOfLivePoint(0, 0, 6778.537L).altitudeKm, 400);
  EXPECT_EQ(PagePositionOfLivePoint(0, 0, 6778.737L).altitudeKm, 401);
  EXPECT_EQ(PagePositionOfTrackEntry(0, 0, 72000).altitudeKm, 822);  // 7200 - 6378.137
}

TEST(HtmlPage, TimeTextIsTwentyFourHourUtcInTheLocalesShortDate) {
  EXPECT_EQ(PageTimeText(Utc(2018, 1, 21, 13, 5, 59), kBritish),
            QStringLiteral("Date : 21/01/2018 at 13:05 Universal Time"));
  // A 12-hour locale still gives 24-hour time: five characters of "1:05 PM" would lose PM.
  EXPECT_EQ(PageTimeText(Utc(2018, 1, 21, 13, 5), QLocale(QLocale::English, QLocale::UnitedStates)),
            QStringLiteral("Date : 1/21/18 at 13:05 Universal Time"));
  EXPECT_EQ(PageTimeText(Utc(2018, 12, 31, 0, 0), QLocale(QLocale::German, QLocale::Germany)),
            QStringLiteral("Date : 31.12.18 at 00:00 Universal Time"));
}

TEST(HtmlPage, PictureSizes) {
  const Size map200{1200, 600};
  EXPECT_EQ(PagePictureSize(1, map200), map200);
  EXPECT_EQ(PagePictureSize(1, {750, 375}), (Size{750, 375}));
  EXPECT_EQ(PagePictureSize(2, {600, 300}), (Size{1200, 600}));
  EXPECT_EQ(PagePictureSize(3, map200), (Size{900, 450}));
  EXPECT_EQ(PagePictureSize(4, map200), (Size{600, 300}));
  EXPECT_EQ(PagePictureSize(5, map200), (Size{300, 150}));
  EXPECT_EQ(PagePictureSize(9, {600, 300}), (Size{600, 300}));
}

TEST(HtmlPage, RefreshPeriodFollowsTheSetting) {
  for (int n : {10, 37, 60}) {
    PageContent c = VisibleAo7();
    c.browserPeriod = n;
    EXPECT_EQ(Lines(HtmlPage(c))[4],
              QStringLiteral("<meta http-equiv=\"Refresh\" content=\"%1\">\r").arg(n).toUtf8());
  }
}
