#include "platform/headless/headless_backend.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "ui/model/control.hpp"
#include "ui/model/window.hpp"

namespace quillo {
namespace {

std::string place(std::string_view window, std::string_view control) {
    std::string text(window);
    text += '/';
    text += control;
    return text;
}

}  // namespace

std::string_view commandName(ui::BrowserCommand command) {
    switch (command) {
        case ui::BrowserCommand::Navigate:
            return "navigate";
        case ui::BrowserCommand::GoBack:
            return "goBack";
        case ui::BrowserCommand::GoForward:
            return "goForward";
        case ui::BrowserCommand::Refresh:
            return "refresh";
        case ui::BrowserCommand::Stop:
            return "stop";
    }
    return "unknown";
}

HeadlessBackend::HeadlessBackend(Journal* journal)
    : journal_(journal != nullptr ? journal : &ownJournal_) {}

ui::WindowModel& HeadlessBackend::model() {
    if (model_ == nullptr) {
        std::fprintf(stderr, "quillo: the headless backend has no window model attached\n");
        std::abort();
    }
    return *model_;
}

void HeadlessBackend::windowCreated(ui::Window& window) {
    created_.push_back(window.name());
    createdGeometry_[window.name()] = window.geometry();
    journal_->add("created " + window.name());
    for (const auto& control : window.controls()) {
        switch (control->kind()) {
            case ui::ControlKind::Timer:
                timers_.start(window.name(), control->name(), control->interval(), now_);
                break;
            case ui::ControlKind::Browser:
            case ui::ControlKind::HypertextView:
                if (!control->address().empty()) {
                    recordNavigation(window, *control, control->address());
                }
                break;
            default:
                break;
        }
    }
}

void HeadlessBackend::windowDestroyed(ui::Window& window) {
    destroyed_.push_back(window.name());
    journal_->add("destroyed " + window.name());
    timers_.stopWindow(window.name());
    if (menuWaiting_ && !poppedMenus_.empty() && poppedMenus_.back().window == window.name()) {
        menuWaiting_ = false;
    }
}

void HeadlessBackend::windowRaised(ui::Window& window) {
    raised_.push_back(window.name());
    journal_->add("raised " + window.name());
}

void HeadlessBackend::windowActivated(ui::Window& window) {
    activated_.push_back(window.name());
    journal_->add("activated " + window.name());
}

void HeadlessBackend::windowChanged(ui::Window& window, ui::WindowProperty property) {
    windowChanges_.push_back({window.name(), property});
    if (property == ui::WindowProperty::Visible) {
        journal_->add((window.visible() ? "shown " : "hidden ") + window.name());
    } else if (property == ui::WindowProperty::BackgroundPicture) {
        journal_->add("background " + window.name() + " " +
                      window.backgroundPicture().file.filename().string());
    }
}

void HeadlessBackend::controlChanged(ui::Window& window, ui::Control& control,
                                     ui::ControlProperty property) {
    controlChanges_.push_back({window.name(), control.name(), property});
    if (property == ui::ControlProperty::Interval) {
        timers_.start(window.name(), control.name(), control.interval(), now_);
    } else if (property == ui::ControlProperty::Address) {
        recordNavigation(window, control, control.address());
    }
}

void HeadlessBackend::recordNavigation(const ui::Window& window, const ui::Control& control,
                                       const Text& address) {
    navigations_[{window.name(), control.name()}].push_back(address);
    journal_->add("navigate " + place(window.name(), control.name()) + " " + utf8FromGbk(address));
}

void HeadlessBackend::browserCommand(ui::Window& window, ui::Control& browser,
                                     ui::BrowserCommand command, const Text& address) {
    browserCalls_.push_back({window.name(), browser.name(), command, address});
    if (command == ui::BrowserCommand::Navigate) {
        recordNavigation(window, browser, address);
    } else {
        journal_->add(std::string(commandName(command)) + " " +
                      place(window.name(), browser.name()));
    }
}

void HeadlessBackend::popupMenu(ui::Window& window, const ui::MenuDef& menu,
                                std::optional<ui::Point> screenPosition) {
    poppedMenus_.push_back({window.name(), std::string(menu.name), screenPosition, menu});
    menuWaiting_ = true;
    journal_->add("menu " + place(window.name(), menu.name));
}

void HeadlessBackend::setTrayIcon(ui::Window& window, const std::filesystem::path& iconFile,
                                  const Text& tooltip) {
    trayIcons_.push_back({window.name(), iconFile, tooltip});
    journal_->add("tray " + window.name());
}

ui::Size HeadlessBackend::clientSize(const ui::Window& window) {
    auto it = clientSizes_.find(window.name());
    if (it != clientSizes_.end()) {
        return it->second;
    }
    return {window.geometry().width, window.geometry().height};
}

void HeadlessBackend::quit() {
    quitRequested_ = true;
    journal_->add("quit");
}

bool HeadlessBackend::wait(std::function<void()> work) {
    bool abandoned = false;
    bool* outer = std::exchange(waitAbandoned_, &abandoned);
    const auto start = std::chrono::steady_clock::now();
    work();
    if (clockFollowsRequests_) {
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        advance(took.count());
    }
    if (whileWaiting_) {
        // A copy: the action may set another one.
        const std::function<void()> action = whileWaiting_;
        action();
    }
    waitAbandoned_ = outer;
    if (abandoned) {
        ++abandonedWaits_;
        journal_->add("wait abandoned");
    }
    return !abandoned;
}

void HeadlessBackend::abandonWait() {
    if (waitAbandoned_ != nullptr) {
        *waitAbandoned_ = true;
    }
}

void HeadlessBackend::advance(std::int64_t milliseconds) {
    const std::int64_t until = now_ + std::max<std::int64_t>(milliseconds, 0);
    while (std::optional<TimerSchedule::Tick> tick = timers_.takeDue(until)) {
        now_ = tick->at;
        raise(tick->window, tick->control, ui::EventKind::Tick);
    }
    now_ = until;
}

void HeadlessBackend::raise(std::string_view window, std::string_view control, ui::EventKind event,
                            ui::EventArgs args) {
    model().raise(window, control, event, std::move(args));
}

void HeadlessBackend::click(std::string_view window, std::string_view control) {
    // A check box toggles before its click is reported, as on the screen,
    // unless a modal window withholds the click.
    ui::Window* target = model().find(window);
    const ui::Window* modal = model().activeModal();
    if (target != nullptr && (modal == nullptr || modal == target)) {
        ui::Control* box = target->findControl(control);
        if (box != nullptr && box->kind() == ui::ControlKind::CheckBox) {
            box->setChecked(!box->checked());
        }
    }
    raise(window, control, ui::EventKind::Clicked);
}

void HeadlessBackend::leftPress(std::string_view window, std::string_view control,
                                ui::Point position) {
    ui::EventArgs args;
    args.position = position;
    raise(window, control, ui::EventKind::LeftButtonDown, std::move(args));
}

void HeadlessBackend::rightPress(std::string_view window, std::string_view control,
                                 ui::Point position) {
    ui::EventArgs args;
    args.position = position;
    raise(window, control, ui::EventKind::RightButtonDown, std::move(args));
}

void HeadlessBackend::statusText(std::string_view window, std::string_view browser, Text text) {
    ui::EventArgs args;
    args.text = std::move(text);
    raise(window, browser, ui::EventKind::StatusTextChange, std::move(args));
}

bool HeadlessBackend::ask(std::string_view window, std::string_view browser, ui::EventKind event,
                          Text address) {
    ui::EventArgs args;
    args.text = std::move(address);
    args.cancel = model().answer(window, browser, event, args);
    const bool refused = args.cancel;
    raise(window, browser, event, std::move(args));
    return refused;
}

bool HeadlessBackend::newWindow(std::string_view window, std::string_view browser, Text address) {
    return ask(window, browser, ui::EventKind::NewWindow2, std::move(address));
}

bool HeadlessBackend::beforeNavigate(std::string_view window, std::string_view browser,
                                     Text address) {
    return ask(window, browser, ui::EventKind::BeforeNavigate2, std::move(address));
}

void HeadlessBackend::documentComplete(std::string_view window, std::string_view browser) {
    raise(window, browser, ui::EventKind::DocumentComplete);
}

void HeadlessBackend::trayAction(std::string_view window, int code) {
    ui::EventArgs args;
    args.code = code;
    raise(window, "", ui::EventKind::TrayAction, std::move(args));
}

bool HeadlessBackend::choose(std::string_view utf8Caption) {
    if (!menuWaiting_ || utf8Caption == "-") {
        return false;
    }
    const std::vector<ui::MenuItemDef>& items = poppedMenus_.back().definition.items;
    auto it = std::find_if(items.begin(), items.end(), [utf8Caption](const ui::MenuItemDef& item) {
        return item.caption == utf8Caption;
    });
    if (it == items.end()) {
        return false;
    }
    return chooseIndex(static_cast<std::size_t>(it - items.begin()));
}

bool HeadlessBackend::chooseIndex(std::size_t index) {
    if (!menuWaiting_) {
        return false;
    }
    const PoppedMenu& menu = poppedMenus_.back();
    if (index >= menu.definition.items.size() || menu.definition.items[index].caption == "-") {
        return false;
    }
    menuWaiting_ = false;
    // Copies: the chosen action may pop up another menu.
    std::string window = menu.window;
    std::string menuName = menu.menu;
    model().chooseMenuItem(window, menuName, index);
    return true;
}

void HeadlessBackend::setClientSize(std::string_view window, ui::Size size) {
    clientSizes_.insert_or_assign(std::string(window), size);
}

int HeadlessBackend::count(const std::vector<std::string>& names, std::string_view window) {
    return static_cast<int>(std::count(names.begin(), names.end(), window));
}

std::optional<ui::Rect> HeadlessBackend::createdGeometry(std::string_view window) const {
    const auto found = createdGeometry_.find(window);
    if (found == createdGeometry_.end()) {
        return std::nullopt;
    }
    return found->second;
}

int HeadlessBackend::createdCount(std::string_view window) const {
    return count(created_, window);
}

int HeadlessBackend::destroyedCount(std::string_view window) const {
    return count(destroyed_, window);
}

int HeadlessBackend::raisedCount(std::string_view window) const {
    return count(raised_, window);
}

int HeadlessBackend::activatedCount(std::string_view window) const {
    return count(activated_, window);
}

std::vector<Text> HeadlessBackend::navigations(std::string_view window,
                                               std::string_view control) const {
    auto it = navigations_.find({std::string(window), std::string(control)});
    return it == navigations_.end() ? std::vector<Text>{} : it->second;
}

std::vector<ui::BrowserCommand> HeadlessBackend::browserCommands(std::string_view window,
                                                                 std::string_view browser) const {
    std::vector<ui::BrowserCommand> commands;
    for (const BrowserCall& call : browserCalls_) {
        if (call.window == window && call.control == browser) {
            commands.push_back(call.command);
        }
    }
    return commands;
}

const HeadlessBackend::PoppedMenu* HeadlessBackend::lastMenu() const {
    return poppedMenus_.empty() ? nullptr : &poppedMenus_.back();
}

int HeadlessBackend::changeCount(std::string_view window, std::string_view control,
                                 ui::ControlProperty property) const {
    return static_cast<int>(
        std::count_if(controlChanges_.begin(), controlChanges_.end(), [&](const ControlChange& c) {
            return c.window == window && c.control == control && c.property == property;
        }));
}

int HeadlessBackend::changeCount(std::string_view window, ui::WindowProperty property) const {
    return static_cast<int>(std::count_if(
        windowChanges_.begin(), windowChanges_.end(),
        [&](const WindowChange& c) { return c.window == window && c.property == property; }));
}

}  // namespace quillo
