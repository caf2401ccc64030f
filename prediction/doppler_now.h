#pragma once

#include <string>
#include <vector>

#include "prediction/pass_slot.h"

namespace prediction {

// Doppler at 1000 MHz of an instant t minutes after the first row (rows one minute apart),
// interpolated from the rows' values: the single value, a line through two rows, the
// parabola through the three rows around t, 0 once t is a minute past the last row.
long long InterpolateDoppler(const std::vector<int>& doppler, int rowCount, Real t);

// The same for the present second: the pass start is parsed from the first row's local
// text, now is the local clock. 0 without rows.
long long DopplerNow(const std::vector<std::string>& localRows, const std::vector<int>& doppler,
                     Real nowLocal);

}  // namespace prediction
