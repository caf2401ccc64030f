#include "app/station.h"

#include <algorithm>
#include <cmath>

#include "base/locale_number.h"

namespace app {

Real SignedLatitude(const StationRecord& station) {
  return station.north ? station.latitude : -station.latitude;
}

Real SignedLongitude(const StationRecord& station) {
  return station.west ? station.longitude : -station.longitude;
}

namespace {

// Character class of locator position 1..6, tested upper-cased; value counted from "A"/"0".
bool LocatorCharValue(QChar c, int position, int* value) {
  const char u = c.toUpper().toLatin1();
  char first = 'A';
  char last = 'R';
  if (position == 3 || position == 4) {
    first = '0';
    last = '9';
  } else if (position == 5 || position == 6) {
    last = 'X';
  }
  if (u < first || u > last) return false;
  if (value != nullptr) *value = u - first;
  return true;
}

int ClampedTrunc(Real x, int maxValue) {
  const Real t = std::trunc(x);
  if (!(t >= 0)) return 0;  // also catches NaN
  return t > maxValue ? maxValue : static_cast<int>(t);
}

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
  if (locator.size() != 6) return std::nullopt;
  int c[6];
  for (int k = 0; k < 6; ++k) {
    if (!LocatorCharValue(locator[k], k + 1, &c[k])) return std::nullopt;
  }
  // Centre of the sub-square.
  const Real lon = 20.0L * c[0] + 2.0L * c[2] + c[4] / 12.0L + 1.0L / 24.0L - 180.0L;
  const Real lat = 10.0L * c[1] + c[3] + c[5] / 24.0L + 1.0L / 48.0L - 90.0L;
  LocatorCentre centre;
  centre.west = lon < 0;
  centre.longitude = std::fabs(lon);
  centre.north = lat >= 0;
  centre.latitude = std::fabs(lat);
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

  const Real x = record.west ? 180 - lon : lon + 180;
  const Real y = record.north ? lat + 90 : 90 - lat;
  const int c1 = ClampedTrunc(x / 20, 17);
  const int c3 = ClampedTrunc((x - 20 * c1) / 2, 9);
  const int c5 = ClampedTrunc((x - 20 * c1 - 2 * c3) * 12, 23);
  const int c2 = ClampedTrunc(y / 10, 17);
  const int c4 = ClampedTrunc(y - 10 * c2, 9);
  const int c6 = ClampedTrunc((y - 10 * c2 - c4) * 24, 23);
  QString out;
  out += QLatin1Char(static_cast<char>('A' + c1));
  out += QLatin1Char(static_cast<char>('A' + c2));
  out += QLatin1Char(static_cast<char>('0' + c3));
  out += QLatin1Char(static_cast<char>('0' + c4));
  out += QLatin1Char(static_cast<char>('A' + c5));
  out += QLatin1Char(static_cast<char>('A' + c6));
  return out;
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
    if (LocatorCharValue(t[p - 1], p, nullptr)) {
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
