#pragma once

// The published map page: its picture size, time text, position lines and the page
// itself, as plain functions of what the map shows. No widgets.

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <optional>

#include "map/map_geometry.h"

namespace map {

// File names of the export, in the folder "html" of the program folder and on the server.
inline constexpr char kHtmlFolder[] = "html";
inline constexpr char kPageFileName[] = "orvane.htm";
inline constexpr char kPictureFileName[] = "orvane_map.jpg";

// Width and height written into the page: the map's displayed size for size choice 1
// ("Original"), else 1200 x 600, 900 x 450, 600 x 300 or 300 x 150 for choices 2 to 5.
// A choice outside 1..5 counts as 1.
Size PagePictureSize(int pixel, Size mapSize);

// "Date : " + the date in the locale's short form + " at " + HH:mm (24-hour) +
// " Universal Time", for a UTC date-time value.
QString PageTimeText(Real utc, const QLocale& locale);

// Where the page says the satellite is: degrees (west-positive longitude) and km above
// the Earth's surface, rounded.
struct PagePosition {
  Real latitude = 0;
  Real westLongitude = 0;
  long long altitudeKm = 0;
};

// Visible: the live sub-satellite point, altitude round(distance - 6378.137).
PagePosition PagePositionOfLivePoint(Real latitude, Real westLongitude, Real distanceKm);
// Not visible: the orbit track entry shown, altitude round(distance10 / 10 - 6378.137).
PagePosition PagePositionOfTrackEntry(Real latitude, Real westLongitude, Real distance10);

// Whole degrees, "°", whole minutes of the absolute value and "'N" / "'S" (latitude) or
// "'W" / "'E" (west-positive longitude, reduced into -180..180 first).
QString PageLatitudeText(Real latitude);
QString PageLongitudeText(Real westLongitude);

struct PageContent {
  QString satelliteName;  // as shown; escaped by the page
  int browserPeriod = 30;  // seconds, the page's refresh
  QString timeText;        // PageTimeText
  bool visible = false;    // picks the spelling of the latitude line
  std::optional<PagePosition> position;  // none: the three position lines are left out
  Size picture{kDisplayWidth, kDisplayHeight};
};

// The page, UTF-8, each line ended by CR LF.
QByteArray HtmlPage(const PageContent& content);

}  // namespace map
