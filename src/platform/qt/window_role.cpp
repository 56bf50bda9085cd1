#include "platform/qt/window_role.hpp"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/qt/x11_window_hints.hpp"

namespace quillo::qt {
namespace {

// Sets one of the window's flags without Qt hiding it, as
// QWidget::setWindowFlags would on a shown window.
void setFlagInPlace(QWidget& window, Qt::WindowType flag, bool on) {
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(flag, on);
    window.overrideWindowFlags(flags);
    if (QWindow* handle = window.windowHandle()) {
        handle->setFlags(flags);
    }
}

// Puts the window in, or takes it out of, the window manager's bottom layer.
void setOnBottomLayer(QWidget& window, bool bottom) {
    setFlagInPlace(window, Qt::WindowStaysOnBottomHint, bottom);
}

// An advertisement window takes no input from the window manager while it
// opens: it refuses the keyboard in its hints and announces no WM_TAKE_FOCUS
// on any native window made for it, so that no window manager focuses it,
// activates it, or (having kept it from the focus) marks it as asking for
// the user's attention. Pop-ups keep refusing; a pop-under takes the
// keyboard again once it stands on the screen, so that the user can work
// in it after clicking it.
class FocusRefusal final : public QObject {
public:
    explicit FocusRefusal(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    static FocusRefusal& of(QWidget& window) {
        for (QObject* child : window.children()) {
            if (auto* found = dynamic_cast<FocusRefusal*>(child)) {
                return *found;
            }
        }
        return *new FocusRefusal(window);  // owned by the window
    }

    void refuse(bool refusing) {
        refusing_ = refusing;
        setFlagInPlace(window_, Qt::WindowDoesNotAcceptFocus, refusing);
        announceTakeFocus(window_, !refusing);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::WinIdChange && refusing_) {
            announceTakeFocus(window_, false);
        }
        return false;
    }

private:
    QWidget& window_;
    bool refusing_ = false;
};

// Whether a window of the program other than `window` stands on the
// screen as a window of its own (not a pop-up, not minimised).
bool anotherWindowShows(const QWindow* window) {
    for (const QWindow* other : QGuiApplication::topLevelWindows()) {
        if (other != window && other->isVisible() && other->type() == Qt::Window &&
            other->visibility() != QWindow::Minimized) {
            return true;
        }
    }
    return false;
}

// Keeps a pop-under beneath the windows in use from its first frame. Each
// native window made for it is lowered before it maps (showing a widget the
// first time may make its native window anew, with another surface type
// once browser views are in it, after the first one was stacked), and it
// opens in the window manager's bottom layer. It stays there until the user
// turns to it: a click in it, or its activation (a click on its task bar
// entry) while another window of the program shows; then it leaves that
// layer and comes to the front. Leaving the layer earlier would put it over
// the windows in use for a moment, wherever the window manager puts a window
// that changes layers, until it was lowered again; and a window manager that
// hands it the focus because the last other window went (to the tray, at
// Quit) does not bring it over the other programs' windows.
class PopUnderStacking final : public QObject {
public:
    explicit PopUnderStacking(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    void open() {
        opening_ = true;
        FocusRefusal::of(window_).refuse(true);
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
            FocusRefusal::of(window_).refuse(false);
        } else if (window_.windowFlags().testFlag(Qt::WindowStaysOnBottomHint) &&
                   ((watched == handle_ && event->type() == QEvent::MouseButtonPress) ||
                    (watched == &window_ && event->type() == QEvent::WindowActivate &&
                     anotherWindowShows(handle_)))) {
            setOnBottomLayer(window_, false);
            window_.raise();
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
            window.setWindowFlags((window.windowFlags() & ~Qt::WindowType_Mask) | Qt::Tool);
            break;
        case ui::WindowRole::PopUnder:
            break;
    }
    // Not with a user time of zero (Qt::WA_ShowWithoutActivating): window
    // managers read that as a window kept from the focus and mark it as
    // asking for attention (kwin always, mutter when it stands under the
    // focused window). A window that takes no input is never focused.
    FocusRefusal::of(window).refuse(true);
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
