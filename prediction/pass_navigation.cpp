#include "prediction/pass_navigation.h"

#include <QElapsedTimer>

#include "base/wait.h"

namespace prediction {

namespace {
int idleWaitLimit = 5000;
}  // namespace

void SetIdleWaitLimit(int milliseconds) { idleWaitLimit = milliseconds; }

bool WaitUntilIdle(SearchContext& ctx) {
  if (!ctx.busy) return true;
  const int maxMs = idleWaitLimit;
  QElapsedTimer timer;
  timer.start();
  while (ctx.busy && timer.elapsed() < maxMs) base::WaitMilliseconds(5);
  return !ctx.busy;
}

bool SearchFromNavigationDate(SearchContext& ctx, PassSlot& slot, Real utcStart) {
  if (!WaitUntilIdle(ctx)) return false;
  ctx.navigationDate = utcStart;
  ctx.navigating = true;
  const bool ran = SearchPass(ctx, slot, SearchMode::Search);
  ctx.navigating = false;
  return ran;
}

bool SearchFromOwnStart(SearchContext& ctx, PassSlot& slot) {
  ctx.navigating = false;
  if (!WaitUntilIdle(ctx)) return false;
  return SearchPass(ctx, slot, SearchMode::Search);
}

NavigationOutcome NextPass(SearchContext& ctx, PassSlot& slot, NavigationHistory& history,
                           base::Sounds& sounds) {
  if (history.Full()) {
    sounds.Beep();
    return NavigationOutcome::Refused;
  }
  const Real shownStart = slot.passStart;
  const Real from = shownStart + (slot.rows.count + 1) / 1440.0L;
  if (!WaitUntilIdle(ctx)) return NavigationOutcome::Busy;
  ++history.index;
  history.starts[static_cast<std::size_t>(history.index)] = shownStart;
  if (!SearchFromNavigationDate(ctx, slot, from)) {
    --history.index;
    return NavigationOutcome::Busy;
  }
  return NavigationOutcome::Moved;
}

NavigationOutcome PreviousPass(SearchContext& ctx, PassSlot& slot, NavigationHistory& history,
                               base::Sounds& sounds) {
  if (history.index < 1) {
    sounds.Beep();
    return NavigationOutcome::Refused;
  }
  const Real from = history.starts[static_cast<std::size_t>(history.index)];
  if (!SearchFromNavigationDate(ctx, slot, from)) return NavigationOutcome::Busy;
  --history.index;
  return NavigationOutcome::Moved;
}

NavigationOutcome FirstPass(SearchContext& ctx, PassSlot& slot, NavigationHistory& history) {
  if (!SearchFromOwnStart(ctx, slot)) return NavigationOutcome::Busy;
  history.index = 0;
  return NavigationOutcome::Moved;
}

NavigationOutcome RefreshPass(SearchContext& ctx, PassSlot& slot,
                              const NavigationHistory& history) {
  const bool ran = history.index > 0 ? SearchFromNavigationDate(ctx, slot, slot.passStart)
                                     : SearchFromOwnStart(ctx, slot);
  return ran ? NavigationOutcome::Moved : NavigationOutcome::Busy;
}

}  // namespace prediction
