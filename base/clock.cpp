#include "base/clock.h"

#include <QTimeZone>
#include <cmath>

namespace base {

namespace {
const QDate kEpoch(1899, 12, 30);
}

double DateTimeValue(const QDateTime& dt) {
  const double days = static_cast<double>(kEpoch.daysTo(dt.date()));
  const double ms = static_cast<double>(dt.time().msecsSinceStartOfDay());
  return days + ms / 86400000.0;
}

double DateTimeValue(int year, int month, int day, int hour, int minute, double second) {
  const double days = static_cast<double>(kEpoch.daysTo(QDate(year, month, day)));
  return days + (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
}

QDateTime FromDateTimeValue(double value) {
  const double whole = std::floor(value);
  qint64 ms = std::llround((value - whole) * 86400000.0);
  QDate date = kEpoch.addDays(static_cast<qint64>(whole));
  if (ms >= 86400000) {
    date = date.addDays(1);
    ms -= 86400000;
  }
  return QDateTime(date, QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)), Qt::UTC);
}

double SystemClock::Now() const {
  const QDateTime now = QDateTime::currentDateTime();
  return DateTimeValue(now);
}

int SystemClock::DaylightState() const {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  if (!zone.hasDaylightTime()) return 0;
  return zone.isDaylightTime(QDateTime::currentDateTime()) ? 2 : 1;
}

}  // namespace base
