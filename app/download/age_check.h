#pragma once

// The age of an element file and whether it raises the age alarm.

#include <QDateTime>

namespace app::download {

// Days, with fraction, from the file's last write to `now` (date-time value, local).
double ElementAgeDays(const QDateTime& lastWrite, double now);

// The alarm stays down only while the limit is greater than the age: a file exactly as
// old as the limit raises it.
inline bool AgeAlarmDue(int limitDays, double ageDays) {
  return !(static_cast<double>(limitDays) > ageDays);
}

}  // namespace app::download
