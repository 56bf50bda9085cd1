#include "ui/model/window_model.hpp"

#include <algorithm>
#include <utility>

#include "ui/model/fatal.hpp"

namespace quillo::ui {

// Counts nested dispatches. The outermost one first frees the windows that
// were destroyed before it started (not while held input is being
// delivered: that belongs to the dispatch that held it), and delivers the
// held input when it ends.
struct WindowModel::DispatchGuard {
    explicit DispatchGuard(WindowModel& model) : model_(model) {
        if (model_.dispatchDepth_ == 0 && !model_.deliveringHeld_) {
            model_.collectGarbage();
        }
        ++model_.dispatchDepth_;
    }
    ~DispatchGuard() {
        if (--model_.dispatchDepth_ == 0) {
            model_.deliverHeld();
        }
    }
    DispatchGuard(const DispatchGuard&) = delete;
    DispatchGuard& operator=(const DispatchGuard&) = delete;

    WindowModel& model_;
};

WindowModel::WindowModel(Backend& backend, DefinitionLookup definitions)
    : backend_(backend), definitions_(std::move(definitions)) {}

WindowModel::~WindowModel() = default;

namespace {

// Ends the program unless the window's definition has the control and the
// control's kind raises the event.
void checkControlRaises(const WindowDef& definition, std::string_view window,
                        std::string_view control, EventKind event) {
    const ControlDef* controlDef = definition.findControl(control);
    if (controlDef == nullptr) {
        failBinding(window, control, eventName(event), "the window has no such control");
    }
    if (!controlRaises(controlDef->kind, event)) {
        failBinding(window, control, eventName(event),
                    "the control's kind never raises this event");
    }
}

bool namesAction(const WindowDef& definition, std::string_view action) {
    return std::ranges::any_of(definition.menus, [action](const MenuDef& menu) {
        return std::ranges::any_of(
            menu.items, [action](const MenuItemDef& item) { return item.action == action; });
    });
}

}  // namespace

void WindowModel::bind(std::string_view window, std::string_view control, EventKind event,
                       Handler handler) {
    const std::string_view eventText = eventName(event);
    const WindowDef* definition = definitions_ ? definitions_(window) : nullptr;
    if (definition == nullptr) {
        failBinding(window, control, eventText, "no such window");
    }
    if (control.empty()) {
        if (!windowRaises(event)) {
            failBinding(window, control, eventText, "a window never raises this event");
        }
    } else {
        checkControlRaises(*definition, window, control, event);
    }
    auto [it, added] = handlers_.try_emplace({std::string(window), std::string(control), event},
                                             std::move(handler));
    if (!added) {
        failBinding(window, control, eventText, "already bound");
    }
}

void WindowModel::bindMenuAction(std::string_view window, std::string_view action,
                                 MenuAction handler) {
    const WindowDef* definition = definitions_ ? definitions_(window) : nullptr;
    if (definition == nullptr) {
        failBinding(window, "", action, "no such window");
    }
    if (!namesAction(*definition, action)) {
        failBinding(window, "", action, "no menu item of the window names this action");
    }
    auto [it, added] =
        menuActions_.try_emplace({std::string(window), std::string(action)}, std::move(handler));
    if (!added) {
        failBinding(window, "", action, "already bound");
    }
}

ControlRef WindowModel::resolve(std::string_view window, std::string_view control) const {
    const WindowDef* definition = definitions_ ? definitions_(window) : nullptr;
    if (definition == nullptr) {
        failUnknown("window", window);
    }
    const ControlDef* controlDef = definition->findControl(control);
    if (controlDef == nullptr) {
        failUnknown("control of " + std::string(window), control);
    }
    return ControlRef(*definition,
                      static_cast<std::size_t>(controlDef - definition->controls.data()));
}

void WindowModel::bindAnswer(std::string_view window, std::string_view control, EventKind event,
                             Answer answer) {
    const std::string_view eventText = eventName(event);
    const WindowDef* definition = definitions_ ? definitions_(window) : nullptr;
    if (definition == nullptr) {
        failBinding(window, control, eventText, "no such window");
    }
    if (!asksAnswer(event)) {
        failBinding(window, control, eventText, "the event asks no answer");
    }
    checkControlRaises(*definition, window, control, event);
    auto [it, added] =
        answers_.try_emplace({std::string(window), std::string(control), event}, std::move(answer));
    if (!added) {
        failBinding(window, control, eventText, "answer already bound");
    }
}

const WindowDef& WindowModel::definitionOf(std::string_view name) const {
    const WindowDef* definition = definitions_ ? definitions_(name) : nullptr;
    if (definition == nullptr) {
        failUnknown("window", name);
    }
    return *definition;
}

Window& WindowModel::load(std::string_view name, bool modal) {
    return openWindow(name, modal, std::nullopt, {});
}

Window& WindowModel::loadAt(std::string_view name, Point position) {
    return openWindow(name, false, position, {});
}

Window& WindowModel::loadAt(std::string_view name, Point position, std::any argument) {
    return openWindow(name, false, position, std::move(argument));
}

Window& WindowModel::openWindow(std::string_view name, bool modal, std::optional<Point> position,
                                std::any argument) {
    const WindowDef& definition = definitionOf(name);
    DispatchGuard guard(*this);
    if (!running_) {
        auto dead = std::make_unique<Window>(*this, definition, modal);
        dead->alive_ = false;
        Window& result = *dead;
        destroyed_.push_back(std::move(dead));
        return result;
    }
    if (Window* open = find(name)) {
        if (!open->visible() && definition.visible) {
            open->show();
        }
        backend_.windowRaised(*open);
        return *open;
    }
    open_.push_back(std::make_unique<Window>(*this, definition, modal));
    Window& window = *open_.back();
    if (position) {
        window.geometry_.left = position->x;
        window.geometry_.top = position->y;
    }
    window.argument_ = std::move(argument);
    backend_.windowCreated(window);
    EventArgs args;
    dispatch(window, "", EventKind::Created, args);
    return window;
}

void WindowModel::destroy(std::string_view name) {
    auto it = std::find_if(open_.begin(), open_.end(),
                           [name](const std::unique_ptr<Window>& w) { return w->name() == name; });
    if (it == open_.end()) {
        return;
    }
    if (!(*it)->definition().endsProgram) {
        std::unique_ptr<Window> window = std::move(*it);
        open_.erase(it);
        destroyWindow(std::move(window));
        return;
    }
    // Every other window goes first, newest first; a backend call may not
    // add windows here, but take them one at a time all the same.
    while (true) {
        auto other = std::find_if(open_.rbegin(), open_.rend(),
                                  [name](const auto& w) { return w->name() != name; });
        if (other == open_.rend()) {
            break;
        }
        std::unique_ptr<Window> window = std::move(*other);
        open_.erase(std::next(other).base());
        destroyWindow(std::move(window));
    }
    auto mainIt =
        std::find_if(open_.begin(), open_.end(),
                     [name](const std::unique_ptr<Window>& w) { return w->name() == name; });
    if (mainIt != open_.end()) {
        std::unique_ptr<Window> mainWindow = std::move(*mainIt);
        open_.erase(mainIt);
        destroyWindow(std::move(mainWindow));
    }
    running_ = false;
    backend_.quit();
}

void WindowModel::destroyWindow(std::unique_ptr<Window> window) {
    window->alive_ = false;
    Window& gone = *window;
    destroyed_.push_back(std::move(window));
    backend_.windowDestroyed(gone);
}

void WindowModel::collectGarbage() {
    destroyed_.clear();
}

bool WindowModel::isOpen(std::string_view name) const {
    return find(name) != nullptr;
}

Window* WindowModel::find(std::string_view name) {
    auto it = std::find_if(open_.begin(), open_.end(),
                           [name](const std::unique_ptr<Window>& w) { return w->name() == name; });
    return it == open_.end() ? nullptr : it->get();
}

const Window* WindowModel::find(std::string_view name) const {
    return const_cast<WindowModel&>(*this).find(name);
}

const Window* WindowModel::activeModal() const {
    auto it = std::find_if(open_.rbegin(), open_.rend(),
                           [](const std::unique_ptr<Window>& w) { return w->modal(); });
    return it == open_.rend() ? nullptr : it->get();
}

bool WindowModel::inputBlocked(std::string_view window) const {
    const Window* modal = activeModal();
    return modal != nullptr && modal->name() != window;
}

void WindowModel::dispatch(Window& window, std::string_view control, EventKind event,
                           EventArgs& args) {
    auto it = handlers_.find({window.name(), std::string(control), event});
    if (it == handlers_.end() || !it->second) {
        return;
    }
    // A copy, so that a handler may rebind its own event while it runs.
    Handler handler = it->second;
    runFrame(window.name(), [&handler, &window, &args] { handler(window, args); });
}

void WindowModel::runFrame(std::string_view window, const std::function<void()>& body) {
    const bool first = frames_.size() == rootFrame_;
    frames_.emplace_back(window);
    try {
        body();
    } catch (const RequestAbandoned&) {
        frames_.pop_back();
        if (!first && find(window) != nullptr) {
            throw;
        }
        return;
    }
    frames_.pop_back();
}

bool WindowModel::answer(std::string_view window, std::string_view control, EventKind event,
                         const EventArgs& args) {
    if (!running_ || answering_) {
        return false;
    }
    Window* target = find(window);
    if (target == nullptr || (!control.empty() && target->findControl(control) == nullptr)) {
        return false;
    }
    const auto it = answers_.find({std::string(window), std::string(control), event});
    if (it == answers_.end() || !it->second) {
        return false;
    }
    answering_ = true;
    const bool refused = it->second(args);
    answering_ = false;
    return refused;
}

EventArgs WindowModel::raise(std::string_view window, std::string_view control, EventKind event,
                             EventArgs args) {
    if (dispatchDepth_ == 0) {
        return deliver(window, control, event, std::move(args));
    }
    if (isAtOnce(window, control, event)) {
        return raiseAtOnce(window, control, event, std::move(args));
    }
    const auto bound = handlers_.find({std::string(window), std::string(control), event});
    if (bound == handlers_.end() || !bound->second || !running_) {
        return args;  // nothing would run: the backend's default stands
    }
    held_.push_back(HeldInput{.at = backend_.now(),
                              .window = std::string(window),
                              .control = std::string(control),
                              .event = event,
                              .args = args});
    return args;
}

EventArgs WindowModel::raiseAtOnce(std::string_view window, std::string_view control,
                                   EventKind event, EventArgs args) {
    if (dispatchDepth_ == 0) {
        return deliver(window, control, event, std::move(args));
    }
    EventArgs result = args;
    runAtOnce([this, window = std::string(window), control = std::string(control), event, &result] {
        result = deliver(window, control, event, result);
    });
    return result;
}

void WindowModel::actAtOnce(std::string_view window, const std::function<void()>& action) {
    if (!running_) {
        return;
    }
    if (dispatchDepth_ == 0) {
        DispatchGuard guard(*this);
        runFrame(window, action);
        return;
    }
    runAtOnce([this, window = std::string(window), &action] { runFrame(window, action); });
}

void WindowModel::run(std::string_view window, const std::function<void()>& step) {
    if (dispatchDepth_ > 0) {
        step();
        return;
    }
    DispatchGuard guard(*this);
    runFrame(window, step);
}

bool WindowModel::isAtOnce(std::string_view window, std::string_view control,
                           EventKind event) const {
    if (event != EventKind::Clicked || control.empty()) {
        return false;
    }
    const Window* target = find(window);
    if (target == nullptr) {
        return false;
    }
    if (target->definition().closeControl == control) {
        return true;
    }
    const ControlDef* controlDef = target->definition().findControl(control);
    return controlDef != nullptr && controlDef->atOnce;
}

bool WindowModel::isAtOnceItem(std::string_view window, std::string_view menu,
                               std::size_t index) const {
    const Window* target = find(window);
    if (target == nullptr) {
        return false;
    }
    const MenuDef* menuDef = target->definition().findMenu(menu);
    return menuDef != nullptr && index < menuDef->items.size() && menuDef->items[index].atOnce;
}

void WindowModel::runAtOnce(const std::function<void()>& body) {
    const std::size_t outerRoot = std::exchange(rootFrame_, frames_.size());
    ++atOnceDepth_;
    {
        DispatchGuard guard(*this);
        body();
    }
    --atOnceDepth_;
    rootFrame_ = outerRoot;
    abandonDeadWaits();
}

void WindowModel::abandonWait() {
    if (requestInFlight_) {
        requestInFlight_ = false;
        backend_.abandonWait();
    }
}

void WindowModel::abandonDeadWaits() {
    if (!requestInFlight_) {
        return;
    }
    const bool windowGone = std::ranges::any_of(
        frames_, [this](const std::string& window) { return find(window) == nullptr; });
    if (!running_ || windowGone) {
        abandonWait();
    }
}

bool WindowModel::runBlocking(std::function<void()> work) {
    if (answering_) {
        failContract("a request while answering the browser engine: answers decide without one");
    }
    if (dispatchDepth_ == 0) {
        failContract("a request outside any handler (run it from a handler or WindowModel::run)");
    }
    if (requestInFlight_) {
        if (atOnceDepth_ == 0) {
            failContract("a request while another request is in flight");
        }
        // An input that must take effect at once makes its own request: the
        // one it interrupted is abandoned.
        abandonWait();
    }
    requestInFlight_ = true;
    if (!backend_.wait(std::move(work))) {
        throw RequestAbandoned{};
    }
    requestInFlight_ = false;
    return true;
}

EventArgs WindowModel::deliver(std::string_view window, std::string_view control, EventKind event,
                               EventArgs args) {
    DispatchGuard guard(*this);
    Window* target = find(window);
    if (target == nullptr) {
        return args;
    }
    if (isUserInput(event) && inputBlocked(window)) {
        return args;
    }
    if (!control.empty() && target->findControl(control) == nullptr) {
        return args;
    }
    dispatch(*target, control, event, args);
    return args;
}

void WindowModel::chooseMenuItem(std::string_view window, std::string_view menu,
                                 std::size_t index) {
    if (dispatchDepth_ == 0) {
        deliverMenuChoice(window, menu, index);
    } else if (isAtOnceItem(window, menu, index)) {
        runAtOnce([this, window = std::string(window), menu = std::string(menu), index] {
            deliverMenuChoice(window, menu, index);
        });
    } else if (running_) {
        held_.push_back(HeldInput{.at = backend_.now(),
                                  .menuChoice = true,
                                  .window = std::string(window),
                                  .control = std::string(menu),
                                  .index = index});
    }
}

void WindowModel::deliverMenuChoice(std::string_view window, std::string_view menu,
                                    std::size_t index) {
    DispatchGuard guard(*this);
    Window* target = find(window);
    if (target == nullptr || inputBlocked(window)) {
        return;
    }
    const MenuDef* menuDef = target->definition().findMenu(menu);
    if (menuDef == nullptr || index >= menuDef->items.size()) {
        return;
    }
    const MenuItemDef& item = menuDef->items[index];
    if (item.caption == "-" || item.action.empty()) {
        return;
    }
    auto it = menuActions_.find({std::string(window), std::string(item.action)});
    if (it == menuActions_.end() || !it->second) {
        return;
    }
    MenuAction action = it->second;
    runFrame(window, [&action, target] { action(*target); });
}

void WindowModel::deliverHeld() {
    if (deliveringHeld_) {
        return;  // the loop below takes what arrives meanwhile
    }
    deliveringHeld_ = true;
    while (!held_.empty()) {
        HeldInput input = std::move(held_.front());
        held_.pop_front();
        if (tooOld(input)) {
            continue;
        }
        if (input.menuChoice) {
            deliverMenuChoice(input.window, input.control, input.index);
        } else {
            deliver(input.window, input.control, input.event, std::move(input.args));
        }
    }
    deliveringHeld_ = false;
}

bool WindowModel::tooOld(const HeldInput& input) const {
    const bool stale = input.menuChoice || goesStale(input.event);
    return stale && backend_.now() - input.at > kHeldInputMaxAge;
}

}  // namespace quillo::ui
