#include "platform/qt/window_role.hpp"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quillo::qt {
namespace {

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

// Keeps a pop-under beneath the windows in use from its first frame. Each
// native window made for it is lowered before it maps (showing a widget the
// first time may make its native window anew, with another surface type
// once browser views are in it, after the first one was stacked); while it
// opens it asks to map in the window manager's bottom layer, and once it is
// on the screen it returns to the ordinary layer, at its bottom, so that a
// click of the user can raise it.
class PopUnderStacking final : public QObject {
public:
    explicit PopUnderStacking(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    void open() {
        opening_ = true;
        setOnBottomLayer(window_, true);
        window_.winId();
        watchNativeWindow();
        window_.lower();
        window_.show();
        window_.lower();
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WinIdChange) {
            watchNativeWindow();
            if (window_.internalWinId() != 0 && window_.windowHandle() != nullptr) {
                window_.windowHandle()->lower();
            }
        } else if (opening_ && event->type() == QEvent::Expose && watched == handle_ &&
                   handle_->isExposed()) {
            opening_ = false;
            setOnBottomLayer(window_, false);
            window_.lower();
        }
        return false;
    }

private:
    void watchNativeWindow() {
        QWindow* handle = window_.windowHandle();
        if (handle != nullptr && handle != handle_) {
            handle->installEventFilter(this);
            handle_ = handle;
        }
    }

    QWidget& window_;
    QPointer<QWindow> handle_;
    bool opening_ = false;
};

void openBeneath(QWidget& window) {
    PopUnderStacking* stacking = nullptr;
    for (QObject* child : window.children()) {
        if (auto* found = dynamic_cast<PopUnderStacking*>(child)) {
            stacking = found;
        }
    }
    if (stacking == nullptr) {
        stacking = new PopUnderStacking(window);  // owned by the window
    }
    stacking->open();
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
