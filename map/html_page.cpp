#include "map/html_page.h"

#include <QStringList>
#include <cmath>

#include "base/clock.h"

namespace map {

namespace {

// Whole degrees and whole minutes of the absolute value. The hair added before
// truncating keeps a value such as 33.9 at 33°54' where binary fractions fall just short.
QString DegreesMinutes(Real value) {
  const long long total = static_cast<long long>(std::floor(std::fabs(value) * 60 + Real(1e-7)));
  return QStringLiteral("%1\u00b0%2'").arg(total / 60).arg(total % 60, 2, 10, QLatin1Char('0'));
}

QString Paragraph(const QString& text) {
  return QStringLiteral("<p><b><font size=\"4\" color=\"#0000FF\">") + text +
         QStringLiteral("</font></b></p>");
}

}  // namespace

Size PagePictureSize(int pixel, Size mapSize) {
  switch (pixel) {
    case 2:
      return {1200, 600};
    case 3:
      return {900, 450};
    case 4:
      return {600, 300};
    case 5:
      return {300, 150};
    default:
      return mapSize;
  }
}

QString PageTimeText(Real utc, const QLocale& locale) {
  const QDateTime t = base::FromDateTimeValue(static_cast<double>(utc));
  return QStringLiteral("Date : ") + locale.toString(t.date(), QLocale::ShortFormat) +
         QStringLiteral(" at ") + t.time().toString(QStringLiteral("HH:mm")) +
         QStringLiteral(" Universal Time");
}

PagePosition PagePositionOfLivePoint(Real latitude, Real westLongitude, Real distanceKm) {
  return {latitude, westLongitude,
          static_cast<long long>(std::nearbyint(distanceKm - kEarthRadius))};
}

PagePosition PagePositionOfTrackEntry(Real latitude, Real westLongitude, Real distance10) {
  return {latitude, westLongitude,
          static_cast<long long>(std::nearbyint(distance10 / 10 - kEarthRadius))};
}

QString PageLatitudeText(Real latitude) {
  return DegreesMinutes(latitude) + (latitude < 0 ? QStringLiteral("S") : QStringLiteral("N"));
}

QString PageLongitudeText(Real westLongitude) {
  const Real lon = ReduceLongitude(westLongitude);
  return DegreesMinutes(lon) + (lon < 0 ? QStringLiteral("E") : QStringLiteral("W"));
}

QByteArray HtmlPage(const PageContent& c) {
  const QString name = c.satelliteName.toHtmlEscaped();
  QStringList lines;
  lines << QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\" dir=\"ltr\" lang=\"en\">")
        << QStringLiteral("<head>")
        << QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\" />")
        << QStringLiteral("<title>Orvane</title>")
        << QStringLiteral("<meta http-equiv=\"Refresh\" content=\"%1\">").arg(c.browserPeriod)
        << QStringLiteral("</head>")
        << QStringLiteral("<p><b><font size=\"6\" color=\"#0000FF\">%1 Live</font></b></p>").arg(name)
        << Paragraph(c.timeText.toHtmlEscaped());
  if (c.position) {
    const PagePosition& p = *c.position;
    lines << Paragraph(name + QStringLiteral(" longitude : ") + PageLongitudeText(p.westLongitude))
          << Paragraph(name + (c.visible ? QStringLiteral(" lattitude : ") : QStringLiteral(" latitude : ")) +
                       PageLatitudeText(p.latitude))
          << Paragraph(name + QStringLiteral(" altitude : %1 km").arg(p.altitudeKm));
  }
  lines << QStringLiteral(
               "<img src=\"orvane_map.jpg\" align=\"middle\" border=\"0\" width=\"%1\" height=\"%2\">")
               .arg(c.picture.width)
               .arg(c.picture.height)
        << QStringLiteral(
               "<p><font size=\"2\">Map made by Orvane, satellite tracking for radio amateurs. "
               "Built-in world map from Natural Earth data (public domain).</font></p>")
        << QStringLiteral(
               "<p><font size=\"4\" color=\"#0000FF\"><b>When Orvane upload process is enabled, "
               "it is updated every minute</font></b></p>")
        << QStringLiteral("</html>");
  QByteArray bytes;
  for (const QString& line : lines) bytes += line.toUtf8() + "\r\n";
  return bytes;
}

}  // namespace map
