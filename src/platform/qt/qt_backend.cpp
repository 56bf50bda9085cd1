#include "platform/qt/qt_backend.hpp"

#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QWebEngineProfile>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

#include "platform/qt/accessible_names.hpp"
#include "platform/qt/browser_view.hpp"
#include "platform/qt/dialog_placement.hpp"
#include "platform/qt/display_platform.hpp"
#include "platform/qt/popup_anchor.hpp"
#include "platform/qt/qt_text.hpp"
#include "platform/qt/web_engine_environment.hpp"
#include "platform/qt/window_role.hpp"
#include "platform/qt/window_view.hpp"
#include "platform/qt/x11_backdrop.hpp"
#include "platform/qt/x11_window_hints.hpp"

namespace quillo::qt {

// One wait of a handler, shared by the waiting call and its worker; touched
// on the user-interface thread only (the worker merely posts it back).
struct WaitState {
    QEventLoop* loop = nullptr;  // while the wait runs
    bool arrived = false;
    bool abandoned = false;
};

namespace {

// Windows without a colour of their own stand dark behind their skin and
// browser views, in the colour of the loading page, so that no frame of
// them is ever white.
constexpr QColor kDefaultWindowColour{0x1b, 0x1f, 0x24};

void useDefaultWindowColour(QWidget& view) {
    QPalette colours = view.palette();
    colours.setColor(QPalette::Window, kDefaultWindowColour);
    view.setPalette(colours);
    view.setAutoFillBackground(true);
}

// The end of a blocking call, posted from its worker thread ahead of the
// events already queued (the engine's and painting), so that the waiting
// handler goes on with its next step as soon as the loop is free.
class WaitEndEvent final : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::User;
    explicit WaitEndEvent(std::shared_ptr<WaitState> state)
        : QEvent(kType), state_(std::move(state)) {}
    WaitState& state() const { return *state_; }

private:
    std::shared_ptr<WaitState> state_;
};

class WaitEnds final : public QObject {
protected:
    bool event(QEvent* event) override {
        if (event->type() != WaitEndEvent::kType) {
            return QObject::event(event);
        }
        WaitState& state = static_cast<WaitEndEvent*>(event)->state();
        state.arrived = true;
        if (state.loop != nullptr) {
            state.loop->quit();
        }
        return true;
    }
};

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv) {
    prepareWebEngineEnvironment();
    composePagesInSoftware();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Messages below warnings (the engine's start-up report among them) are
    // off unless QT_LOGGING_RULES turns them on: see installLogOutput.
    auto application = std::make_unique<QApplication>(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillo"));
    // The main window hides to the tray and message boxes come and go:
    // only the model ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    return application;
}

}  // namespace

QtBackend::QtBackend()
    : argv_{programName_.data(), nullptr},
      application_(makeApplication(argc_, argv_.data())),
      profile_(makeSharedProfile()),
      attentionRefusal_(std::make_unique<AttentionRefusal>()),
      waitEnds_(std::make_unique<WaitEnds>()) {
    application_->installNativeEventFilter(attentionRefusal_.get());
    reportWindowPlacement();
}

QtBackend::~QtBackend() {
    // Abandoned requests were aborted; their workers end within a moment.
    for (std::thread& worker : abandonedWorkers_) {
        worker.join();
    }
    waitEnds_.reset();
    retiring_.clear();
    views_.clear();
    deleteClosedViews();
    application_->removeNativeEventFilter(attentionRefusal_.get());
    attentionRefusal_.reset();
    profile_.reset();
    application_.reset();
}

int QtBackend::run() {
    int code = 0;
    if (!quitRequested_) {
        // An own loop rather than QApplication::exec(): quit() ends just this
        // loop, so a message box shown after it (the no-network notice)
        // still runs its own loop to the end.
        QEventLoop loop;
        mainLoop_ = &loop;
        code = loop.exec();
        mainLoop_ = nullptr;
    }
    retireDialogs();
    deleteClosedViews();
    return code;
}

void QtBackend::deleteClosedViews() {
    // Closed windows are deleted through the event loop (they may be
    // closed from their own signal handlers); once it has ended, here.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

WindowView* QtBackend::viewOf(const ui::Window& window) const {
    const auto found = views_.find(&window);
    return found == views_.end() ? nullptr : found->second.get();
}

void QtBackend::windowActivated(ui::Window& window) {
    if (WindowView* view = viewOf(window)) {
        view->activate();
    }
}

void QtBackend::windowCreated(ui::Window& window) {
    if (model_ == nullptr) {
        std::fprintf(stderr, "quillo: the Qt backend has no window model attached\n");
        std::abort();
    }
    const bool first = views_.empty();
    auto view = std::make_unique<WindowView>(window, *model_, *profile_);
    WindowView& shown = *view;
    views_[&window] = std::move(view);
    if (first) {
        mainView_ = &shown;
    }
    if (window.modal()) {
        prepareDialog(shown, window, mainView_);
    }
    if (!window.background()) {
        useDefaultWindowColour(shown);
    }
    if (window.definition().role != ui::WindowRole::Standard) {
        attentionRefusal_->add(shown);
    }
    nameForScreenReaders(shown, window, spokenLanguage_);
    letKeyboardReachDialogButtons(shown, window);
    if (window.visible()) {
        if (window.modal()) {
            presentWindow(shown, window.definition().role);
        } else {
            // Shown once its created event has dressed it (skin, texts, first
            // pages) or waits for a request, whichever comes first: its first
            // frame on the screen is the finished one, never the bare window.
            pendingPresent_.push_back(&window);
            QTimer::singleShot(0, application_.get(), [this] { presentPending(); });
        }
    }
    // The page that gave way to this one leaves only now that this one
    // stands over the windows beneath.
    retireDialogs();
    shown.startTimers(window);
}

void QtBackend::presentPending() {
    const std::vector<const ui::Window*> pending = std::exchange(pendingPresent_, {});
    for (const ui::Window* window : pending) {
        WindowView* view = viewOf(*window);
        if (view != nullptr && window->visible()) {
            if (!view->isVisible()) {
                anchorPopUp(*view, *window);
                setFirstFrameBackdrop(*view);
            }
            presentWindow(*view, window->definition().role);
        }
    }
}

void QtBackend::windowDestroyed(ui::Window& window) {
    const auto found = views_.find(&window);
    if (found == views_.end()) {
        return;
    }
    std::unique_ptr<WindowView> view = std::move(found->second);
    views_.erase(found);
    std::erase(pendingPresent_, &window);
    attentionRefusal_->remove(*view);
    if (view.get() == mainView_) {
        mainView_ = nullptr;
    }
    if (window.modal() && model_ != nullptr && model_->running()) {
        // One page of the options dialog closes to open the other: keep it
        // until the next one is shown, so that nothing beneath flashes up.
        // The model ignores its events meanwhile.
        retiring_.push_back(std::move(view));
        QTimer::singleShot(0, application_.get(), [this] { retireDialogs(); });
        return;
    }
    handFocusOn(*view);
    view->close();
    view.release()->deleteLater();
}

void QtBackend::handFocusOn(const WindowView& leaving) {
    if (mainView_ != nullptr && mainView_ != &leaving && leaving.isActiveWindow() &&
        mainView_->isVisible() && !mainView_->isMinimized()) {
        mainView_->activateWindow();
    }
}

void QtBackend::retireDialogs() {
    std::vector<std::unique_ptr<WindowView>> leaving = std::move(retiring_);
    retiring_.clear();
    for (std::unique_ptr<WindowView>& view : leaving) {
        view->close();
        view.release()->deleteLater();
    }
}

void QtBackend::windowRaised(ui::Window& window) {
    if (WindowView* view = viewOf(window); view != nullptr && window.visible()) {
        qt::bringToFront(*view, window.definition().role);
    }
}

void QtBackend::windowChanged(ui::Window& window, ui::WindowProperty property) {
    if (WindowView* view = viewOf(window)) {
        if (property == ui::WindowProperty::Visible && window.visible() && !view->isVisible()) {
            anchorPopUp(*view, window);
        }
        view->applyWindow(window, property);
    }
}

void QtBackend::anchorPopUp(WindowView& view, const ui::Window& window) {
    if (window.definition().role == ui::WindowRole::PopUp && mainView_ != nullptr &&
        mainView_ != &view) {
        anchorToWindow(view, *mainView_, clientPlacesWindows());
    }
}

void QtBackend::controlChanged(ui::Window& window, ui::Control& control,
                               ui::ControlProperty property) {
    if (WindowView* view = viewOf(window)) {
        view->applyControl(window, control, property);
        if (property == ui::ControlProperty::Text) {
            labelTextChanged(*view, window, control);
        }
    }
}

void QtBackend::browserCommand(ui::Window& window, ui::Control& browser, ui::BrowserCommand command,
                               const Text& address) {
    if (WindowView* view = viewOf(window)) {
        view->browserCommand(browser, command, address);
    }
}

void QtBackend::popupMenu(ui::Window& window, const ui::MenuDef& menu,
                          std::optional<ui::Point> screenPosition) {
    if (WindowView* view = viewOf(window)) {
        view->popupMenu(window.definition(), menu, screenPosition);
    }
}

void QtBackend::setTrayIcon(ui::Window& window, const std::filesystem::path& iconFile,
                            const Text& tooltip) {
    if (WindowView* view = viewOf(window)) {
        view->setTrayIcon(iconFile, tooltip);
    }
}

void QtBackend::setCrashedPage(const std::filesystem::path& page) {
    qt::setCrashedPage(*profile_, QString::fromStdString(page.string()));
}

ui::Size QtBackend::clientSize(const ui::Window& window) {
    if (const WindowView* view = viewOf(window)) {
        return {view->width(), view->height()};
    }
    return {window.geometry().width, window.geometry().height};
}

ui::Point QtBackend::pointerPosition() {
    const QPoint position = QCursor::pos();
    return {position.x(), position.y()};
}

void QtBackend::quit() {
    quitRequested_ = true;
    if (mainLoop_ != nullptr) {
        mainLoop_->exit(0);
    }
}

std::int64_t QtBackend::now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 started_)
        .count();
}

bool QtBackend::wait(std::function<void()> work) {
    auto state = std::make_shared<WaitState>();
    QEventLoop waiting;
    state->loop = &waiting;
    WaitState* outer = std::exchange(currentWait_, state.get());
    // The worker's last act is to post the end of the wait to this thread.
    std::thread worker([work = std::move(work), state, receiver = waitEnds_.get()] {
        work();
        QCoreApplication::postEvent(receiver, new WaitEndEvent(state), Qt::HighEventPriority);
    });
    // A window whose created event is waiting here shows meanwhile.
    presentPending();
    if (!state->arrived && !state->abandoned) {
        waiting.exec();
    }
    state->loop = nullptr;
    currentWait_ = outer;
    if (state->abandoned) {
        abandonedWorkers_.push_back(std::move(worker));
        return false;
    }
    worker.join();
    return true;
}

void QtBackend::abandonWait() {
    if (currentWait_ == nullptr) {
        return;
    }
    currentWait_->abandoned = true;
    if (currentWait_->loop != nullptr) {
        currentWait_->loop->quit();
    }
}

void QtBackend::messageBox(const Text& text, const Text& title, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                    displayText(title), displayText(text), QMessageBox::Ok);
    box.exec();
}

ScreenSize QtBackend::screenSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

ScreenArea QtBackend::availableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

}  // namespace quillo::qt
