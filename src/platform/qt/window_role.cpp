#include "platform/qt/window_role.hpp"

#include <QWidget>

namespace quillo::qt {

void applyWindowRole(QWidget& window, ui::WindowRole role) {
    switch (role) {
        case ui::WindowRole::Standard:
            return;
        case ui::WindowRole::PopUp:
            // A tool window belongs to the program's other windows: the
            // window manager gives it no task bar entry of its own.
            window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool |
                                  Qt::WindowDoesNotAcceptFocus);
            break;
        case ui::WindowRole::PopUnder:
            break;
    }
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
}

void presentWindow(QWidget& window, ui::WindowRole role) {
    window.show();
    switch (role) {
        case ui::WindowRole::Standard:
            window.raise();
            window.activateWindow();
            break;
        case ui::WindowRole::PopUp:
            window.raise();
            break;
        case ui::WindowRole::PopUnder:
            window.lower();
            break;
    }
}

void showAgain(QWidget& window, ui::WindowRole role) {
    if (role != ui::WindowRole::PopUnder) {
        window.show();
        window.raise();
        return;
    }
    // Shown again, a pop-under opens beneath the others as it did at first;
    // one that still shows keeps its place.
    if (!window.isVisible()) {
        window.show();
        window.lower();
    }
}

void bringToFront(QWidget& window, ui::WindowRole role) {
    if (role != ui::WindowRole::PopUnder) {
        window.show();
        window.raise();
        if (role == ui::WindowRole::Standard) {
            window.activateWindow();
        }
        return;
    }
    // The front of a pop-under is the task bar: a minimised one is restored
    // where it stood and it is kept beneath the windows in use; only the
    // user puts it above them, and while the user works in it, it stays.
    if (window.isMinimized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }
    window.show();
    if (!window.isActiveWindow()) {
        window.lower();
    }
}

}  // namespace quillo::qt
