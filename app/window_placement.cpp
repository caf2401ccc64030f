#include "app/window_placement.h"

#include <algorithm>
#include <cmath>

namespace app {

namespace {

// The strip along a window's top that must be on a screen so that it can be grabbed.
constexpr int kGripHeight = 24;
constexpr int kGripWidth = 64;
// The size assumed for windows of which only the place is saved.
constexpr int kNominalWidth = 200, kNominalHeight = 100;

bool Graspable(const QRect& r, const QList<QRect>& screens) {
  const int height = std::min(kGripHeight, r.height());
  const QRect grip(r.left(), r.top(), r.width(), height);
  const int width = std::min(kGripWidth, r.width());
  for (const QRect& s : screens) {
    const QRect on = grip.intersected(s);
    if (on.width() >= width && on.height() >= height) return true;
  }
  return false;
}

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

QPoint MendPlace(int left, int top, const QList<QRect>& screens) {
  const QRect r = MendWindowRect(QRect(left, top, kNominalWidth, kNominalHeight), screens);
  return r.topLeft();
}

}  // namespace

QRect MendWindowRect(const QRect& saved, const QList<QRect>& screens) {
  if (screens.isEmpty()) return saved;
  const QRect& primary = screens.front();
  QRect r = saved;
  bool moved = false;
  if (r.width() > primary.width()) {
    r.setWidth(primary.width());
    moved = true;
  }
  if (r.height() > primary.height()) {
    r.setHeight(primary.height());
    moved = true;
  }
  if (!moved && Graspable(r, screens)) return r;
  const int width = std::max(r.width(), 1), height = std::max(r.height(), 1);
  r.moveTo(Clamp(r.left(), primary.left(), primary.left() + primary.width() - width),
           Clamp(r.top(), primary.top(), primary.top() + primary.height() - height));
  return r;
}

WindowGeometry MendWindowGeometry(WindowGeometry g, const QList<QRect>& screens,
                                  QSize compactBase) {
  if (screens.isEmpty()) return g;
  const auto sized = [&](int* left, int* top, int* width, int* height) {
    const QRect r = MendWindowRect(QRect(*left, *top, *width, *height), screens);
    *left = r.left();
    *top = r.top();
    *width = r.width();
    *height = r.height();
  };
  const auto placed = [&](int* left, int* top) {
    const QPoint p = MendPlace(*left, *top, screens);
    *left = p.x();
    *top = p.y();
  };
  sized(&g.explorerLeft, &g.explorerTop, &g.explorerWidth, &g.explorerHeight);
  sized(&g.settingsLeft, &g.settingsTop, &g.settingsWidth, &g.settingsHeight);
  sized(&g.mapLeft, &g.mapTop, &g.mapWidth, &g.mapHeight);
  sized(&g.dxLeft, &g.dxTop, &g.dxWidth, &g.dxHeight);
  // The compact list's saved extra size, cut so that the window fits the primary screen.
  const QRect& primary = screens.front();
  const QSize base = compactBase.isValid() ? compactBase : QSize(0, 0);
  g.compactExtraWidth = std::min(g.compactExtraWidth, std::max(primary.width() - base.width(), 0));
  g.compactExtraHeight =
      std::min(g.compactExtraHeight, std::max(primary.height() - base.height(), 0));
  if (compactBase.isValid()) {
    const QRect r = MendWindowRect(QRect(g.compactLeft, g.compactTop,
                                         compactBase.width() + std::max(g.compactExtraWidth, 0),
                                         compactBase.height() + std::max(g.compactExtraHeight, 0)),
                                   screens);
    g.compactLeft = r.left();
    g.compactTop = r.top();
  } else {
    placed(&g.compactLeft, &g.compactTop);
  }
  placed(&g.chartLeft, &g.chartTop);
  placed(&g.sunLeft, &g.sunTop);
  placed(&g.moonLeft, &g.moonTop);
  placed(&g.hfLeft, &g.hfTop);
  return g;
}

WindowGeometry KeepUnmovedAsRead(const WindowGeometry& now, const WindowGeometry& mended,
                                 const WindowGeometry& read) {
  WindowGeometry out = now;
  // One window's fields at a time: all of them as mended, or the window has moved.
  const auto keep = [&](auto... field) {
    if (((now.*field == mended.*field) && ...)) ((out.*field = read.*field), ...);
  };
  using G = WindowGeometry;
  keep(&G::explorerLeft, &G::explorerTop, &G::explorerWidth, &G::explorerHeight);
  keep(&G::settingsLeft, &G::settingsTop, &G::settingsWidth, &G::settingsHeight);
  keep(&G::mapLeft, &G::mapTop, &G::mapWidth, &G::mapHeight);
  keep(&G::dxLeft, &G::dxTop, &G::dxWidth, &G::dxHeight);
  keep(&G::compactLeft, &G::compactTop);
  keep(&G::chartLeft, &G::chartTop);
  keep(&G::sunLeft, &G::sunTop);
  keep(&G::moonLeft, &G::moonTop);
  keep(&G::hfLeft, &G::hfTop);
  keep(&G::compactExtraWidth);
  keep(&G::compactExtraHeight);
  return out;
}

QSize ExplorerWindowSize(bool normal, QSize remembered, double scaleFactor, QSize least) {
  const QSize wanted = normal ? remembered
                              : QSize(static_cast<int>(std::nearbyint(400 * scaleFactor)),
                                      static_cast<int>(std::nearbyint(340 * scaleFactor)));
  return wanted.expandedTo(least);
}

}  // namespace app
