#include "app/download/age_check.h"

#include "base/clock.h"

namespace app::download {

double ElementAgeDays(const QDateTime& lastWrite, double now) {
  return now - base::DateTimeValue(lastWrite.toLocalTime());
}

}  // namespace app::download
