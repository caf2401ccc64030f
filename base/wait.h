#pragma once

namespace base {

// Waits n milliseconds measured on a monotonic clock, processing pending events meanwhile,
// so the window stays responsive but the caller does not return early.
void WaitMilliseconds(int n);

// How many waits are running on this thread now (one inside the other counts twice).
// The one-second tick does not start inside a wait: it would send to a rotator between
// the commands of the sender that is waiting.
int WaitDepth();

}  // namespace base
