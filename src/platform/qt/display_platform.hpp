#pragma once

#include <functional>
#include <string_view>

namespace quillo::qt {

// Reads one environment variable: its value, or null when it is unset.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The message for a start without a display to show the windows on, or
// empty when there is one: a display is named by DISPLAY or WAYLAND_DISPLAY,
// unless QT_QPA_PLATFORM chooses a Qt platform that needs none (offscreen,
// minimal, a frame buffer). Checked before the QApplication is made, which
// would abort without a display.
std::string_view missingDisplayMessage(const EnvironmentLookup& environment);

// The program places its own windows (the player beside the main window,
// pop-ups in the screen corners), which a Wayland client cannot do. When the
// user has chosen no Qt platform (QT_QPA_PLATFORM unset) and a Wayland
// session also offers X11 through XWayland (DISPLAY set), run on X11;
// otherwise leave the choice to Qt. Call before the QApplication is made.
void preferXWayland();

// Whether the program can put its windows where it wants them: not as a
// native Wayland client, where the compositor places every window (weston
// centres a new window or cascades it, mutter and kwin place it by their
// own rules; none lets a client choose, so the corner pop-up shows where
// the compositor puts it). Call once the QApplication exists.
bool clientPlacesWindows();

// Says once in the log, under quillo.platform, when the program runs where
// it cannot place its windows.
void reportWindowPlacement();

}  // namespace quillo::qt
