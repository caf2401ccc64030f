// Where restored windows go: saved positions and sizes checked against the screens there are
// now, and the explorer's two sizes.
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include "app/settings.h"

namespace app {

// A saved window rectangle (pixels, virtual-desktop coordinates) made usable on `screens`
// (their available areas, the primary screen first). A window larger than the primary
// screen is shrunk to it; one whose top strip (where it is grabbed to move it) does not lie
// on any screen is moved onto the primary screen, as near its saved place as fits. A window
// that is shown well is returned unchanged. With no screens the rectangle is kept.
QRect MendWindowRect(const QRect& saved, const QList<QRect>& screens);

// Every window of the settings record through MendWindowRect; windows of which only the
// place is saved are checked with a nominal size, the compact list with `compactBase`
// (its size before the saved extra) when given. The compact list's extra size is capped
// to the primary screen.
WindowGeometry MendWindowGeometry(WindowGeometry g, const QList<QRect>& screens,
                                  QSize compactBase = QSize());

// The geometry to save: each window still where MendWindowGeometry put it (not shown, or
// shown and left there) keeps the values `read` from the file, so that the file does not
// change merely because the program ran on other screens; a window moved or resized since
// keeps its new values.
WindowGeometry KeepUnmovedAsRead(const WindowGeometry& now, const WindowGeometry& mended,
                                 const WindowGeometry& read);

// The explorer's size for the Window menu's choice: the remembered normal size, or the
// reduced size of 400 x 340 times the scale factor (rounded); never below `least`.
QSize ExplorerWindowSize(bool normal, QSize remembered, double scaleFactor, QSize least);

// The available areas of the screens there are now, the primary one first (needs the
// window system; the functions above do not).
QList<QRect> ScreenAreas();

}  // namespace app
