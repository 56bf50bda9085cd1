#include "platform/qt/window_view.hpp"

#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QLoggingCategory>
#include <QPainter>
#include <utility>

#include "platform/qt/browser_view.hpp"
#include "platform/qt/control_properties.hpp"
#include "platform/qt/display_platform.hpp"
#include "platform/qt/frame_counter.hpp"
#include "platform/qt/picture_box.hpp"
#include "platform/qt/qt_text.hpp"
#include "platform/qt/skinned_menu.hpp"
#include "platform/qt/window_background.hpp"
#include "platform/qt/window_role.hpp"
#include "platform/qt/x11_window_hints.hpp"

namespace quillo::qt {
namespace {

Q_LOGGING_CATEGORY(trayLog, "quillo.platform")

// How often a window minimised for want of a tray looks for one.
constexpr int kTrayWatchMs = 2000;

// Timers of whole seconds from this long on keep to the second: the system
// wakes the program for them together with its other work of that second.
// Their handlers see the same ticks, at most half a second apart from the
// exact time, which nothing on that scale tells apart.
constexpr int kCoarseFromMs = 10000;

void startTicking(QTimer& timer, int interval) {
    timer.setTimerType(interval >= kCoarseFromMs && interval % 1000 == 0 ? Qt::VeryCoarseTimer
                                                                         : Qt::CoarseTimer);
    timer.start(interval);
}

// Nesting counter for "this change comes from the model".
class Applying {
public:
    explicit Applying(int& depth) : depth_(depth) { ++depth_; }
    ~Applying() { --depth_; }
    Applying(const Applying&) = delete;
    Applying& operator=(const Applying&) = delete;

private:
    int& depth_;
};

// Tray notifications as the program's action codes: left click 1, double
// click 2, right click (context) 3; other notifications have no code.
int trayActionCode(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
        case QSystemTrayIcon::Trigger:
            return 1;
        case QSystemTrayIcon::DoubleClick:
            return 2;
        case QSystemTrayIcon::Context:
            return 3;
        case QSystemTrayIcon::MiddleClick:
        case QSystemTrayIcon::Unknown:
            return 0;
    }
    return 0;
}

}  // namespace

WindowView::WindowView(ui::Window& window, ui::WindowModel& model, QWebEngineProfile& profile)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      model_(model),
      profile_(profile),
      name_(window.name()),
      closeControl_(window.definition().closeControl),
      escapeControl_(window.definition().escapeControl),
      enterControl_(window.definition().enterControl) {
    setObjectName(sourceText(window.name()));
    setWindowTitle(displayText(window.title()));
    if (const std::optional<ui::Color> background = window.background()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, toQColor(*background));
        setPalette(colours);
        setAutoFillBackground(true);
    }
    if (window.modal()) {
        setWindowModality(Qt::ApplicationModal);
    }
    if (window.keepOnTop()) {
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    applyWindowRole(*this, window.definition().role);
    FrameCounter::watch(*this);
    backgroundPicture_ = pixmapOf(window.backgroundPicture());
    build(window);
    applyGeometry(window);
}

void WindowView::build(const ui::Window& window) {
    for (const std::unique_ptr<ui::Control>& control : window.controls()) {
        QWidget* parent = this;
        if (!control->parentName().empty()) {
            const auto found = widgets_.find(control->parentName());
            if (found != widgets_.end()) {
                parent = found->second;
            }
        }
        if (control->kind() == ui::ControlKind::Timer) {
            auto* timer = new QTimer(this);
            connect(timer, &QTimer::timeout, this,
                    [this, name = control->name()] { report(name, ui::EventKind::Tick); });
            timers_.emplace(control->name(), timer);
        } else if (QWidget* widget = createControlWidget(*control, parent, *this, profile_)) {
            widgets_.emplace(control->name(), widget);
        }
    }
    // Siblings stack in the model's order, bottom first.
    for (const ui::Control* control : window.stackingOrder()) {
        const auto found = widgets_.find(control->name());
        if (found != widgets_.end()) {
            found->second->raise();
        }
    }
    for (const std::unique_ptr<ui::Control>& control : window.controls()) {
        applyAll(window, *control);
    }
}

void WindowView::applyAll(const ui::Window& window, const ui::Control& control) {
    for (ui::ControlProperty property :
         {ui::ControlProperty::Geometry, ui::ControlProperty::Visible, ui::ControlProperty::Font,
          ui::ControlProperty::TextColor, ui::ControlProperty::Text, ui::ControlProperty::Images,
          ui::ControlProperty::Checked}) {
        applyControl(window, control, property);
    }
    const bool browser = control.kind() == ui::ControlKind::Browser ||
                         control.kind() == ui::ControlKind::HypertextView;
    if (browser && !control.address().empty()) {
        applyControl(window, control, ui::ControlProperty::Address);
    }
}

void WindowView::startTimers(const ui::Window& window) {
    for (auto& [name, timer] : timers_) {
        const int interval = window.control(name).interval();
        if (interval > 0) {
            startTicking(*timer, interval);
        }
    }
}

void WindowView::applyControl(const ui::Window& /*window*/, const ui::Control& control,
                              ui::ControlProperty property) {
    if (property == ui::ControlProperty::Interval) {
        const auto timer = timers_.find(control.name());
        if (timer != timers_.end()) {
            if (control.interval() > 0) {
                startTicking(*timer->second, control.interval());
            } else {
                timer->second->stop();
            }
        }
        return;
    }
    const auto found = widgets_.find(control.name());
    if (found == widgets_.end()) {
        return;
    }
    applyControlProperty(*found->second, control, property);
}

void WindowView::browserCommand(const ui::Control& browser, ui::BrowserCommand command,
                                const Text& address) {
    const auto found = widgets_.find(browser.name());
    if (found == widgets_.end()) {
        return;
    }
    auto* view = dynamic_cast<BrowserView*>(found->second);
    if (view == nullptr) {
        return;
    }
    if (command == ui::BrowserCommand::Navigate) {
        view->navigate(address, browser.silent());
    } else {
        view->command(command);
    }
}

void WindowView::applyWindow(const ui::Window& window, ui::WindowProperty property) {
    if (applying_ > 0) {
        return;
    }
    switch (property) {
        case ui::WindowProperty::Geometry:
            applyGeometry(window);
            break;
        case ui::WindowProperty::Visible:
            applyVisible(window);
            break;
        case ui::WindowProperty::Title:
            setWindowTitle(displayText(window.title()));
            break;
        case ui::WindowProperty::State:
            applyState(window);
            break;
        case ui::WindowProperty::KeepOnTop:
            applyKeepOnTop(window);
            break;
        case ui::WindowProperty::BackgroundPicture:
            applyBackgroundPicture(window);
            break;
    }
}

void WindowView::applyBackgroundPicture(const ui::Window& window) {
    backgroundPicture_ = pixmapOf(window.backgroundPicture());
    update();
}

void WindowView::applyGeometry(const ui::Window& window) {
    const QRect wanted = toQRect(window.geometry());
    const Applying applying(applying_);
    pendingGeometry_.requested(wanted);
    setGeometry(wanted);
}

void WindowView::activate() {
    if (closed_ || !isVisible()) {
        return;
    }
    const Applying applying(applying_);
    restoreFromMinimised();
    QWidget::raise();
    activateWindow();
}

void WindowView::restoreFromMinimised() {
    if (!isMinimized()) {
        return;
    }
    // The hint goes first: the window manager reads it when the window maps.
    clearIconicHint(*this);
    setWindowState(windowState() & ~Qt::WindowMinimized);
}

void WindowView::applyVisible(const ui::Window& window) {
    const Applying applying(applying_);
    if (window.visible()) {
        // A window minimised for want of a tray and hidden once one came
        // still holds its minimised state: it comes back restored.
        restoreFromMinimised();
        showAgain(*this, window.definition().role);
    } else if (!tray_.isNull() && isVisible() && !QSystemTrayIcon::isSystemTrayAvailable()) {
        // Hidden to a tray that the desktop does not show: minimised where
        // it stands. Never unmapped on the way: a window manager that met
        // the window unmapped and mapped again at once (mutter) could keep
        // it on the screen, restored.
        minimiseUntilTrayAppears();
    } else {
        hide();
    }
}

void WindowView::applyState(const ui::Window& window) {
    const Applying applying(applying_);
    switch (window.state()) {
        case ui::WindowState::Minimized:
            if (!isMinimized()) {
                showMinimized();
            }
            break;
        case ui::WindowState::Maximized:
            showMaximized();
            break;
        case ui::WindowState::Normal:
            if (isMinimized() || isMaximized()) {
                if (window.visible()) {
                    showNormal();
                } else {
                    setWindowState(Qt::WindowNoState);
                }
            }
            break;
    }
}

void WindowView::applyKeepOnTop(const ui::Window& window) {
    const Applying applying(applying_);
    // Changing the flags of a shown top-level window hides it.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, window.keepOnTop());
    if (shown) {
        show();
    }
}

void WindowView::popupMenu(const ui::WindowDef& definition, const ui::MenuDef& menu,
                           std::optional<ui::Point> screenPosition) {
    const QPoint position =
        screenPosition ? QPoint(screenPosition->x, screenPosition->y) : QCursor::pos();
    popupSkinnedMenu(this, menu, definition.menuSkin, position,
                     [this, menuName = std::string(menu.name)](std::size_t index) {
                         if (!closed_) {
                             model_.chooseMenuItem(name_, menuName, index);
                         }
                     });
}

void WindowView::setTrayIcon(const std::filesystem::path& iconFile, const Text& tooltip) {
    if (tray_.isNull()) {
        tray_ = new QSystemTrayIcon(this);
        connect(tray_.data(), &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    const int code = trayActionCode(reason);
                    if (code != 0) {
                        ui::EventArgs args;
                        args.code = code;
                        report("", ui::EventKind::TrayAction, args);
                    }
                });
    }
    tray_->setIcon(QIcon(QFile::decodeName(QByteArray::fromStdString(iconFile.string()))));
    tray_->setToolTip(displayText(tooltip));
    tray_->show();
    minimiseUntilTrayAppears();
}

void WindowView::minimiseUntilTrayAppears() {
    const ui::Window* window = liveWindow();
    if (window == nullptr || window->visible() || QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    qCInfo(trayLog) << "no tray on this desktop: minimising" << objectName()
                    << "instead of hiding it";
    {
        const Applying applying(applying_);
        showMinimized();
    }
    if (trayWatch_ == nullptr) {
        trayWatch_ = new QTimer(this);
        trayWatch_->setInterval(kTrayWatchMs);
        trayWatch_->setTimerType(Qt::VeryCoarseTimer);
        connect(trayWatch_, &QTimer::timeout, this, &WindowView::checkTrayAppeared);
    }
    trayWatch_->start();
}

void WindowView::checkTrayAppeared() {
    const ui::Window* window = liveWindow();
    if (window == nullptr || window->visible()) {
        // Shown again by the program (a later start handing over): done.
        trayWatch_->stop();
        return;
    }
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    trayWatch_->stop();
    const Applying applying(applying_);
    hide();
    if (!tray_.isNull()) {
        tray_->show();
    }
}

void WindowView::close() {
    closed_ = true;
    for (auto& [name, timer] : timers_) {
        timer->stop();
    }
    for (auto& [name, widget] : widgets_) {
        if (auto* view = dynamic_cast<BrowserView*>(widget)) {
            view->shutDown();
        }
    }
    if (!tray_.isNull()) {
        tray_->hide();
    }
    const Applying applying(applying_);
    hide();
}

void WindowView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || applying_ > 0) {
        return;
    }
    ui::Window* window = liveWindow();
    if (window == nullptr || window->state() == ui::WindowState::Maximized) {
        return;
    }
    const ui::WindowState actual =
        isMinimized() ? ui::WindowState::Minimized : ui::WindowState::Normal;
    if (window->state() != actual) {
        const Applying applying(applying_);
        window->setState(actual);
    }
}

void WindowView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    reportGeometry();
}

void WindowView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    reportGeometry();
}

void WindowView::reportGeometry() {
    if (applying_ > 0 || !isVisible()) {
        return;
    }
    const QRect actual = geometry();
    if (!pendingGeometry_.isOutsideMove(actual)) {
        return;
    }
    ui::Window* window = liveWindow();
    if (window == nullptr) {
        return;
    }
    ui::Rect moved{actual.x(), actual.y(), actual.width(), actual.height()};
    if (!clientPlacesWindows()) {
        // The compositor keeps the place to itself: what the toolkit reports
        // is no place on the screen, and the stored one stays.
        moved.left = window->left();
        moved.top = window->top();
    }
    if (window->geometry() != moved) {
        const Applying applying(applying_);
        window->setGeometry(moved);
    }
}

void WindowView::closeEvent(QCloseEvent* event) {
    // The window closes through the program's own buttons only: a close
    // request of the window manager (Alt+F4, the title-bar menu) does what
    // the window's close button does.
    if (closed_) {
        return;
    }
    event->ignore();
    if (!closeControl_.empty()) {
        report(closeControl_, ui::EventKind::Clicked);
    }
}

void WindowView::keyPressEvent(QKeyEvent* event) {
    const std::string* control = nullptr;
    if (event->key() == Qt::Key_Escape) {
        control = &escapeControl_;
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        control = &enterControl_;
    }
    if (control == nullptr || control->empty() || closed_) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    report(*control, ui::EventKind::Clicked);
}

void WindowView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintWindowBackground(painter, rect(), backgroundPicture_);
}

ui::EventArgs WindowView::report(const std::string& control, ui::EventKind event,
                                 ui::EventArgs args) {
    if (closed_) {
        return args;
    }
    return model_.raise(name_, control, event, std::move(args));
}

bool WindowView::answer(const std::string& control, ui::EventKind event,
                        const ui::EventArgs& args) {
    return !closed_ && model_.answer(name_, control, event, args);
}

void WindowView::userChecked(const std::string& control, bool checked) {
    if (ui::Window* window = liveWindow()) {
        if (ui::Control* live = window->findControl(control)) {
            live->setChecked(checked);
        }
    }
}

ui::Window* WindowView::liveWindow() {
    return closed_ ? nullptr : model_.find(name_);
}

}  // namespace quillo::qt
