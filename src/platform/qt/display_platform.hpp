#pragma once

namespace quillo::qt {

// The program places its own windows (the player beside the main window,
// pop-ups in the screen corners), which a Wayland client cannot do. When the
// user has chosen no Qt platform (QT_QPA_PLATFORM unset) and a Wayland
// session also offers X11 through XWayland (DISPLAY set), run on X11;
// otherwise leave the choice to Qt. Call before the QApplication is made.
void preferXWayland();

}  // namespace quillo::qt
