#pragma once

class QWidget;

namespace quillo::qt {

// On X11, gives a window that is about to be shown for the first time its
// finished look as the X server's background for it: the window's colour
// with every control painted except the browser views (the skinned title bar
// over the dark background). The server shows that picture the moment the
// window is mapped, while the toolkit's first frame, composed through OpenGL
// because of the browser views, is still on its way; without it the first
// frame is whatever the screen held. A second later the background goes back
// to none, so that later exposures (a resize) show no stale picture.
// Elsewhere (Wayland, offscreen) it does nothing.
void setFirstFrameBackdrop(QWidget& window);

}  // namespace quillo::qt
