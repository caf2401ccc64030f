#include "app/station.h"

#include <algorithm>
#include <cmath>

#include "base/locale_number.h"
#include "orbit/locator.h"

namespace app {

Real SignedLatitude(const StationRecord& station) {
  return station.north ? station.latitude : -station.latitude;
}

Real SignedLongitude(const StationRecord& station) {
  return station.west ? station.longitude : -station.longitude;
}

namespace {

int ClampCaret(int caret, const QString& text) {
  return std::clamp(caret, 0, static_cast<int>(text.size()));
}

// The numeric edits: while the text is not a number, repair a foreign decimal separator
// or remove the character just typed (with a beep), as the change handler would do on
// each re-entry, until the text converts or is empty. `inProgress` texts are left alone.
struct SettledNumber {
  QString text;
  int caret = 0;
  bool beep = false;
  bool converted = false;
  Real value = 0;
};

SettledNumber SettleNumber(QString text, int caret, bool allowLoneMinus) {
  SettledNumber out;
  caret = ClampCaret(caret, text);
  const QChar sep = QLatin1Char(base::UserDecimalSeparator());
  for (;;) {
    if (text.isEmpty() || (allowLoneMinus && text == QStringLiteral("-"))) break;
    long double v = 0;
    if (base::ParseUserDecimal(text, &v)) {
      out.converted = true;
      out.value = v;
      break;
    }
    const bool hasForeign = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.'));
    if (hasForeign && !text.contains(sep)) {
      qsizetype i = text.indexOf(QLatin1Char(','));
      if (i < 0) i = text.indexOf(QLatin1Char('.'));
      text[i] = sep;
      continue;
    }
    out.beep = true;
    if (caret > 0) {
      text.remove(caret - 1, 1);
      --caret;
    } else {
      text.remove(0, 1);
    }
  }
  out.text = text;
  out.caret = caret;
  return out;
}

StationEdit Unchanged(const QString& text, int caret, const StationRecord& record) {
  StationEdit e;
  e.text = text;
  e.caret = ClampCaret(caret, text);
  e.record = record;
  return e;
}

// Shared by the latitude and longitude edits.
StationEdit CoordinateEdited(const QString& text, int caret, QString latitudeText,
                             QString longitudeText, bool isLatitude,
                             const StationRecord& record) {
  StationEdit e = Unchanged(text, caret, record);
  const SettledNumber n = SettleNumber(text, caret, false);
  e.text = n.text;
  e.caret = n.caret;
  e.beep = n.beep;
  (isLatitude ? latitudeText : longitudeText) = n.text;
  if (n.text.isEmpty()) {
    e.record.locator.clear();
    e.locatorText = QString();
    return e;
  }
  if (n.converted) {
    (isLatitude ? e.record.latitude : e.record.longitude) = n.value;
    e.record.locator = LocatorFromCoordinates(latitudeText, longitudeText, e.record);
    e.locatorText = e.record.locator;
  }
  return e;
}

}  // namespace

std::optional<LocatorCentre> CoordinatesFromLocator(const QString& locator) {
  const auto point = orbit::LocatorCentre(locator.toStdString());
  if (!point) return std::nullopt;
  LocatorCentre centre;
  centre.west = point->longitude > 0;
  centre.longitude = std::fabs(point->longitude);
  centre.north = point->latitude >= 0;
  centre.latitude = std::fabs(point->latitude);
  centre.latitudeText = base::FormatUserFixed(centre.latitude, 3);
  centre.longitudeText = base::FormatUserFixed(centre.longitude, 3);
  return centre;
}

QString LocatorFromCoordinates(const QString& latitudeText, const QString& longitudeText,
                               const StationRecord& record) {
  if (latitudeText.trimmed().isEmpty() || longitudeText.trimmed().isEmpty()) return {};
  const Real lon = record.longitude;
  const Real lat = record.latitude;
  const bool lonOk = record.west ? (lon >= 0 && lon <= 180) : (lon > 0 && lon < 180);
  const bool latOk = record.north ? (lat >= 0 && lat <= 89.99L) : (lat > 0 && lat <= 89.99L);
  if (!lonOk || !latOk) return {};
  return QString::fromStdString(orbit::LocatorOf(SignedLatitude(record), SignedLongitude(record)));
}

StationEdit LocatorEdited(const QString& text, int caret, const StationRecord& record) {
  StationEdit e = Unchanged(text, caret, record);
  QString t = text;
  int p = e.caret;

  if (t.isEmpty()) {
    e.latitudeText = QString();
    e.longitudeText = QString();
    e.record.latitude = 0;
    e.record.longitude = 0;
    e.record.locator.clear();
    return e;
  }

  if (t.size() == 7 && p == 7) {
    // A seventh character at the end: the locator is complete already.
    t.truncate(6);
    p = 6;
    e.beep = true;
  } else if (p >= 1 && p <= 6 && p <= t.size()) {
    if (orbit::LocatorCharAllowed(t[p - 1].toLatin1(), p)) {
      if (t.size() == 7) t.remove(p, 1);  // typing inside a complete locator overwrites
    } else {
      t.remove(p - 1, 1);
      --p;
      e.beep = true;
    }
  }

  e.text = t;
  e.caret = p;
  e.record.locator = t.toUpper();
  if (const auto centre = CoordinatesFromLocator(t)) {
    e.record.latitude = centre->latitude;
    e.record.longitude = centre->longitude;
    e.record.north = centre->north;
    e.record.west = centre->west;
    e.latitudeText = centre->latitudeText;
    e.longitudeText = centre->longitudeText;
    e.north = centre->north;
    e.west = centre->west;
  } else {
    e.latitudeText = QString();
    e.longitudeText = QString();
  }
  return e;
}

StationEdit LatitudeEdited(const QString& text, int caret, const StationTexts& others,
                           const StationRecord& record) {
  return CoordinateEdited(text, caret, others.latitude, others.longitude, true, record);
}

StationEdit LongitudeEdited(const QString& text, int caret, const StationTexts& others,
                            const StationRecord& record) {
  return CoordinateEdited(text, caret, others.latitude, others.longitude, false, record);
}

StationEdit AltitudeEdited(const QString& text, int caret, const StationRecord& record) {
  StationEdit e = Unchanged(text, caret, record);
  const SettledNumber n = SettleNumber(text, caret, true);
  e.text = n.text;
  e.caret = n.caret;
  e.beep = n.beep;
  if (!n.converted) {
    e.record.altitude = 0;  // empty or "-": typing in progress, counts as 0
    return e;
  }
  if (n.value < 0 || n.value > kMaxAltitudeMetres) {
    e.text.clear();
    e.caret = 0;
    e.record.altitude = 0;
    return e;
  }
  e.record.altitude = n.value;
  return e;
}

StationEdit LocalUtcEdited(const QString& text, int caret, const StationRecord& record) {
  StationEdit e = Unchanged(text, caret, record);
  const QString t = text.trimmed();
  if (t.isEmpty() || t == QStringLiteral("-") || t == QStringLiteral("+")) return e;
  long double v = 0;
  if (!base::ParseUserDecimal(t, &v)) {
    e.conversionError = true;
    return e;
  }
  if (v < -kMaxUtcOffsetHours || v > kMaxUtcOffsetHours) {
    e.beep = true;
    e.text.clear();
    e.caret = 0;
    return e;
  }
  e.record.localUtcOffset = v;
  return e;
}

StationEdit HemisphereBoxChanged(HemisphereBox box, bool checked, bool focused,
                                 const StationTexts& texts, const StationRecord& record) {
  StationEdit e = Unchanged(QString(), 0, record);
  switch (box) {
    case HemisphereBox::North: e.record.north = checked; break;
    case HemisphereBox::South: e.record.north = !checked; break;
    case HemisphereBox::West: e.record.west = checked; break;
    case HemisphereBox::East: e.record.west = !checked; break;
  }
  if (box == HemisphereBox::North || box == HemisphereBox::South) {
    e.north = e.record.north;
  } else {
    e.west = e.record.west;
  }
  if (focused) {
    e.record.locator = LocatorFromCoordinates(texts.latitude, texts.longitude, e.record);
    e.locatorText = e.record.locator;
  }
  return e;
}

}  // namespace app
