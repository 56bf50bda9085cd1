#pragma once

#include "ui/model/window_definition.hpp"

class QWidget;

namespace quillo::qt {

// How a top-level window stands among the user's windows, from its
// definition's role. Standard windows are frameless windows of their own in
// the task bar. Pop-ups are small tool windows that never take the keyboard
// focus and have no task bar entry. A pop-under is a window in the task bar
// that opens beneath the windows in use without taking the focus.

// Sets the window's flags for its role; the window view does this before
// the window is first shown.
void applyWindowRole(QWidget& window, ui::WindowRole role);

// Shows a window that has just been opened.
void presentWindow(QWidget& window, ui::WindowRole role);

// Shows a window that was hidden while open: standard windows and pop-ups
// come to the front, a pop-under opens beneath the others again.
void showAgain(QWidget& window, ui::WindowRole role);

// Brings an open window to the front again; only a standard window takes the
// keyboard focus with it. A pop-under is restored when minimised but never
// raised over the window in use.
void bringToFront(QWidget& window, ui::WindowRole role);

}  // namespace quillo::qt
