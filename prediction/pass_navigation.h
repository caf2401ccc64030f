#pragma once

#include <array>

#include "base/sounds.h"
#include "prediction/pass_search.h"

namespace prediction {

inline constexpr int kHistorySize = 100;

// Pass starts (UTC date-time values) remembered while stepping through the passes of the
// shown slot; index 0 means "at the first pass". Entries 1..kHistorySize are used.
struct NavigationHistory {
  std::array<Real, kHistorySize + 1> starts{};
  int index = 0;
  void Clear() {
    starts.fill(0);
    index = 0;
  }
  bool Full() const { return index >= kHistorySize; }
};

// Waits, letting window messages through, until no pass search is running. A search
// that never ends (a call made from inside that very search) gives up after the limit
// (5000 ms unless set otherwise; tests shorten it).
bool WaitUntilIdle(SearchContext& ctx);
void SetIdleWaitLimit(int milliseconds);

// Searches `slot` from a UTC start with the navigation switch on, then switches it off.
// False when the search could not run.
bool SearchFromNavigationDate(SearchContext& ctx, PassSlot& slot, Real utcStart);

// Searches `slot` from its own start (calculation date or now).
bool SearchFromOwnStart(SearchContext& ctx, PassSlot& slot);

enum class NavigationOutcome { Moved, Refused, Busy };

// ">": the pass after the shown one. With kHistorySize passes remembered, beeps and
// changes nothing. The search starts (rows + 1) minutes after the shown pass start.
NavigationOutcome NextPass(SearchContext& ctx, PassSlot& slot, NavigationHistory& history,
                           base::Sounds& sounds);

// "<": back to the remembered pass; at the first pass beeps and changes nothing.
NavigationOutcome PreviousPass(SearchContext& ctx, PassSlot& slot, NavigationHistory& history,
                               base::Sounds& sounds);

// "<<": the slot's own first pass; the history index goes back to 0.
NavigationOutcome FirstPass(SearchContext& ctx, PassSlot& slot, NavigationHistory& history);

// The shown pass again (after its radio data changed): from the shown pass start when
// passes have been navigated, else from the slot's own start.
NavigationOutcome RefreshPass(SearchContext& ctx, PassSlot& slot, const NavigationHistory& history);

}  // namespace prediction
