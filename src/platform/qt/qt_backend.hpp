#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/display_services.hpp"
#include "ui/model/backend.hpp"
#include "ui/model/window_model.hpp"

class QApplication;
class QEventLoop;
class QObject;
class QWebEngineProfile;

namespace quillo::qt {

class WindowView;
struct WaitState;
class AttentionRefusal;

// The real backend: Qt 6 Widgets windows with Qt WebEngine browser views.
// Owns the QApplication, so construct it before anything else of the
// program; then construct the WindowModel on it and attach() the model.
// Everything runs on the thread that constructed it, except the blocking
// calls it runs for the content client (wait()): each goes to a worker
// thread while the calling handler waits in a nested event loop, so the
// browser engine and painting go on (the model holds the windows' events
// meanwhile). An abandoned wait returns at once; its worker ends on its own
// and is joined when the backend goes.
class QtBackend final : public ui::Backend, public DisplayServices {
public:
    QtBackend();
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    // The model that receives the events. Must be attached before the
    // first window is loaded.
    void attach(ui::WindowModel& model) { model_ = &model; }

    // Runs the event loop until quit(); returns at once when quit() came
    // before it (the program ended during start-up). Returns the exit code.
    int run();

    // ui::Backend
    void windowCreated(ui::Window& window) override;
    void windowDestroyed(ui::Window& window) override;
    void windowRaised(ui::Window& window) override;
    void windowActivated(ui::Window& window) override;
    void windowChanged(ui::Window& window, ui::WindowProperty property) override;
    void controlChanged(ui::Window& window, ui::Control& control,
                        ui::ControlProperty property) override;
    void browserCommand(ui::Window& window, ui::Control& browser, ui::BrowserCommand command,
                        const Text& address) override;
    void popupMenu(ui::Window& window, const ui::MenuDef& menu,
                   std::optional<ui::Point> screenPosition) override;
    void setTrayIcon(ui::Window& window, const std::filesystem::path& iconFile,
                     const Text& tooltip) override;
    void setCrashedPage(const std::filesystem::path& page) override;
    ui::Size clientSize(const ui::Window& window) override;
    ui::Point pointerPosition() override;
    void quit() override;

    // The language screen readers name the picture buttons in.
    void setSpokenLanguage(ui::SpokenLanguage language) { spokenLanguage_ = language; }

    std::int64_t now() override;
    bool wait(std::function<void()> work) override;
    void abandonWait() override;

    // DisplayServices
    void messageBox(const Text& text, const Text& title, MessageIcon icon) override;
    ScreenSize screenSize() override;
    ScreenArea availableArea() override;

private:
    WindowView* viewOf(const ui::Window& window) const;
    // Shows the new windows that are still visible in the model.
    void presentPending();
    void deleteClosedViews();
    // A window in use that closes gives the focus to the main window, so
    // that the window manager hands it to no other (the pop-under).
    void handFocusOn(const WindowView& leaving);
    // A pop-up about to show stands in the main window's corner where the
    // program cannot place its windows (see popup_anchor.hpp).
    void anchorPopUp(WindowView& view, const ui::Window& window);
    // Closes the pages of the options dialog that have left the model but
    // stay on the screen until the next page stands (or the loop turns).
    void retireDialogs();

    // QApplication keeps a reference to argc for its whole life. The
    // program takes no arguments: Qt sees only the program name.
    std::string programName_ = "quillo";
    int argc_ = 1;
    std::array<char*, 2> argv_;
    std::unique_ptr<QApplication> application_;
    std::unique_ptr<QWebEngineProfile> profile_;
    // Advertisement windows never ask for the user's attention.
    std::unique_ptr<AttentionRefusal> attentionRefusal_;
    ui::WindowModel* model_ = nullptr;
    std::map<const ui::Window*, std::unique_ptr<WindowView>> views_;
    std::vector<std::unique_ptr<WindowView>> retiring_;
    std::vector<const ui::Window*> pendingPresent_;  // created, not shown yet
    WindowView* mainView_ = nullptr;                 // the first window: the main window
    QEventLoop* mainLoop_ = nullptr;                 // while run() runs it
    bool quitRequested_ = false;
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    std::unique_ptr<QObject> waitEnds_;  // receives the ends of the waits
    WaitState* currentWait_ = nullptr;   // the innermost wait while one runs
    std::vector<std::thread> abandonedWorkers_;
    ui::SpokenLanguage spokenLanguage_ = ui::SpokenLanguage::Simplified;
};

}  // namespace quillo::qt
