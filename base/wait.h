#pragma once

namespace base {

// Waits n milliseconds measured on a monotonic clock, processing pending events meanwhile,
// so the window stays responsive but the caller does not return early.
void WaitMilliseconds(int n);

}  // namespace base
