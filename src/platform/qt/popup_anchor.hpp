#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace quillo::qt {

// Where a client cannot place its windows (native Wayland: the compositor
// puts every top-level window where it likes), the one place a client still
// chooses is that of a pop-up surface relative to a window of its own. There
// a pop-up window is shown as a pop-up of the main window, in its
// bottom-right corner, so that it stands at a corner of the program rather
// than wherever the compositor would put a new window. Weston keeps such a
// surface exactly there (it moves no pop-up surface back onto the screen);
// compositors that do (mutter, kwin) keep it within the screen as well.

// The rectangle of a pop-up of the given size in the bottom-right corner of
// `anchor`, inside it (at its top-left corner when larger than it).
QRect cornerInside(const QRect& anchor, QSize popup);

// Makes `popup`, not yet shown, a pop-up surface of `anchor` standing in
// its corner when the program cannot place its windows and `anchor` shows;
// otherwise leaves it alone. Returns whether it anchored it.
bool anchorToWindow(QWidget& popup, const QWidget& anchor, bool clientPlacesWindows);

}  // namespace quillo::qt
