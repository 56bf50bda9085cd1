#include "platform/qt/window_role.hpp"

#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWidget>
#include <QWindow>

namespace quillo::qt {
namespace {

// Lowers the native window the moment it is made, before it maps. Showing a
// widget for the first time may make its native window anew (with another
// surface type once browser views are in it), which drops any stacking done
// to the one before.
class LowerWhenMade final : public QObject {
public:
    LowerWhenMade() = default;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated) {
            static_cast<QWindow*>(watched)->lower();
        }
        return false;
    }
};

// Puts the window in, or takes it out of, the window manager's bottom layer
// without Qt hiding it, as QWidget::setWindowFlags would on a shown window.
void setOnBottomLayer(QWidget& window, bool bottom) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(Qt::WindowStaysOnBottomHint, bottom);
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle()) {
        handle->setFlags(flags);
    }
}

// Shows a pop-under already beneath the windows in use: it asks to map in
// the bottom layer (a window manager stacks it there from its first frame)
// and is lowered before it maps (where no window manager runs, a window maps
// where it stands in the stack); once mapped it returns to the ordinary
// layer, at its bottom, so that a click of the user can raise it.
void openBeneath(QWidget& window) {
    setOnBottomLayer(window, true);
    window.winId();
    window.lower();
    LowerWhenMade lowering;
    QWindow* handle = window.windowHandle();
    handle->installEventFilter(&lowering);
    window.show();
    handle->removeEventFilter(&lowering);
    setOnBottomLayer(window, false);
    window.lower();
}

}  // namespace

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
    // No focus taken by showing; the window manager is not asked to
    // activate them (their user time is zero).
    window.setAttribute(Qt::WA_ShowWithoutActivating, true);
}

void presentWindow(QWidget& window, ui::WindowRole role) {
    switch (role) {
        case ui::WindowRole::Standard:
            window.show();
            window.raise();
            window.activateWindow();
            break;
        case ui::WindowRole::PopUp:
            window.show();
            window.raise();
            break;
        case ui::WindowRole::PopUnder:
            openBeneath(window);
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
        openBeneath(window);
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
