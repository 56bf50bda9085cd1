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

void bringToFront(QWidget& window, ui::WindowRole role) {
    window.show();
    window.raise();
    if (role == ui::WindowRole::Standard) {
        window.activateWindow();
    }
}

}  // namespace quillo::qt
