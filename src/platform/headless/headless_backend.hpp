#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text.hpp"
#include "platform/headless/journal.hpp"
#include "platform/headless/timer_schedule.hpp"
#include "ui/model/backend.hpp"
#include "ui/model/window_model.hpp"

namespace quillo {

std::string_view commandName(ui::BrowserCommand command);

// The backend of the tests: no windows on a screen, only a record of what a
// real backend would have been asked to do, a virtual clock that drives the
// timers, and helpers that raise events as a user or a browser would.
//
// Construct it, construct the WindowModel on it, then attach() the model.
// Window lifecycles, visibility changes, background pictures (by file
// name), navigations, browser commands, menus, tray icons and the quit
// request also go to the journal (its own, or
// one shared with a RecordingPlatform).
//
// Its wait() runs each request on the calling thread. With
// followClockDuringRequests(true) the virtual clock then moves on by the real
// time the request took, firing the ticks that fell due meanwhile, as a real
// event loop keeps ticking while a request waits (the model holds them until
// the running handler has returned). A test acts while a request is pending
// through whileWaiting(): the action runs once the request has reached the
// server, before its answer goes back to the handler, as input arriving in a
// real wait would.
class HeadlessBackend final : public ui::Backend {
public:
    explicit HeadlessBackend(Journal* journal = nullptr);
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    void attach(ui::WindowModel& model) { model_ = &model; }

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
    void setCrashedPage(const std::filesystem::path& page) override { crashedPage_ = page; }
    ui::Size clientSize(const ui::Window& window) override;
    ui::Point pointerPosition() override { return pointer_; }
    void quit() override;

    // Virtual clock, in milliseconds from the backend's construction.
    std::int64_t now() override { return now_; }
    bool wait(std::function<void()> work) override;
    void abandonWait() override;
    void followClockDuringRequests(bool follow) { clockFollowsRequests_ = follow; }
    // Called in every wait, after the request and before its answer; may
    // raise events (held, or taking effect at once). Null: nothing.
    void whileWaiting(std::function<void()> action) { whileWaiting_ = std::move(action); }
    // How many waits were abandoned.
    int abandonedWaits() const { return abandonedWaits_; }

    // Moves the clock on, firing every tick that falls due on the way in time
    // order. A tick handler's changes to timers take effect at once.
    void advance(std::int64_t milliseconds);
    std::optional<std::int64_t> nextTick(std::string_view window, std::string_view control) const {
        return timers_.nextTick(window, control);
    }

    // Events as a user or a browser raises them. A click on a check box
    // toggles it first.
    void click(std::string_view window, std::string_view control);
    void leftPress(std::string_view window, std::string_view control, ui::Point position = {});
    void rightPress(std::string_view window, std::string_view control, ui::Point position = {});
    void statusText(std::string_view window, std::string_view browser, Text text);
    // The page asks for a new window on `address`; returns the answer the
    // engine got (true: refused), then raises the event with it, as the real
    // backend does once the engine's callback has returned.
    bool newWindow(std::string_view window, std::string_view browser, Text address = {});
    // The page is leaving for `address` (a link it follows); returns the
    // answer (true: the page stays), then raises the event with it.
    bool beforeNavigate(std::string_view window, std::string_view browser, Text address);
    void documentComplete(std::string_view window, std::string_view browser);
    void trayAction(std::string_view window, int code);

    // Chooses an item of the menu popped up last, by its UTF-8 caption as
    // the definition stores it, or by its index into the definition's items.
    // A popped menu takes one choice; false when no menu is waiting or it
    // has no such item (separators cannot be chosen).
    bool choose(std::string_view utf8Caption);
    bool chooseIndex(std::size_t index);
    // Closes the waiting menu without a choice.
    void dismissMenu() { menuWaiting_ = false; }

    void setPointer(ui::Point screenPosition) { pointer_ = screenPosition; }
    // Client size of a window from now on, instead of its own width and height.
    void setClientSize(std::string_view window, ui::Size size);

    // What happened.
    Journal& journal() { return *journal_; }
    const Journal& journal() const { return *journal_; }

    int createdCount(std::string_view window) const;
    // Where the window stood when it was last created (first shown), if it was.
    std::optional<ui::Rect> createdGeometry(std::string_view window) const;
    int destroyedCount(std::string_view window) const;
    int raisedCount(std::string_view window) const;
    int activatedCount(std::string_view window) const;
    bool quitRequested() const { return quitRequested_; }
    // The page set for browser views whose renderer ended twice; empty: none.
    const std::filesystem::path& crashedPage() const { return crashedPage_; }

    // Addresses a browser or hypertext view was sent to, in order: its start
    // address at creation, Navigate commands and address changes.
    std::vector<Text> navigations(std::string_view window, std::string_view control) const;

    struct BrowserCall {
        std::string window;
        std::string control;
        ui::BrowserCommand command;
        Text address;
    };
    const std::vector<BrowserCall>& browserCalls() const { return browserCalls_; }
    std::vector<ui::BrowserCommand> browserCommands(std::string_view window,
                                                    std::string_view browser) const;

    struct PoppedMenu {
        std::string window;
        std::string menu;
        std::optional<ui::Point> screenPosition;  // none: at the pointer
        ui::MenuDef definition;
    };
    const std::vector<PoppedMenu>& poppedMenus() const { return poppedMenus_; }
    const PoppedMenu* lastMenu() const;
    bool menuWaiting() const { return menuWaiting_; }

    struct TrayIcon {
        std::string window;
        std::filesystem::path icon;
        Text tooltip;
    };
    const std::vector<TrayIcon>& trayIcons() const { return trayIcons_; }

    struct ControlChange {
        std::string window;
        std::string control;
        ui::ControlProperty property;
    };
    const std::vector<ControlChange>& controlChanges() const { return controlChanges_; }
    int changeCount(std::string_view window, std::string_view control,
                    ui::ControlProperty property) const;
    bool sentToBottom(std::string_view window, std::string_view control) const {
        return changeCount(window, control, ui::ControlProperty::ZOrder) > 0;
    }

    struct WindowChange {
        std::string window;
        ui::WindowProperty property;
    };
    const std::vector<WindowChange>& windowChanges() const { return windowChanges_; }
    int changeCount(std::string_view window, ui::WindowProperty property) const;

private:
    ui::WindowModel& model();
    bool ask(std::string_view window, std::string_view browser, ui::EventKind event, Text address);
    void raise(std::string_view window, std::string_view control, ui::EventKind event,
               ui::EventArgs args = {});
    void recordNavigation(const ui::Window& window, const ui::Control& control,
                          const Text& address);
    static int count(const std::vector<std::string>& names, std::string_view window);

    Journal ownJournal_;
    Journal* journal_;
    ui::WindowModel* model_ = nullptr;
    std::int64_t now_ = 0;
    bool clockFollowsRequests_ = false;
    std::function<void()> whileWaiting_;
    bool* waitAbandoned_ = nullptr;  // the innermost wait's flag while one runs
    int abandonedWaits_ = 0;
    TimerSchedule timers_;
    ui::Point pointer_;
    std::map<std::string, ui::Size, std::less<>> clientSizes_;
    std::filesystem::path crashedPage_;

    std::vector<std::string> created_;
    std::map<std::string, ui::Rect, std::less<>> createdGeometry_;
    std::vector<std::string> destroyed_;
    std::vector<std::string> raised_;
    std::vector<std::string> activated_;
    bool quitRequested_ = false;
    std::map<std::pair<std::string, std::string>, std::vector<Text>> navigations_;
    std::vector<BrowserCall> browserCalls_;
    std::vector<PoppedMenu> poppedMenus_;
    bool menuWaiting_ = false;
    std::vector<TrayIcon> trayIcons_;
    std::vector<ControlChange> controlChanges_;
    std::vector<WindowChange> windowChanges_;
};

}  // namespace quillo
