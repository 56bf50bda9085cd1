#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "ui/model/backend.hpp"
#include "ui/model/event.hpp"
#include "ui/model/window.hpp"
#include "ui/model/window_definition.hpp"

namespace quillo::ui {

// Finds a window definition by name; null for an unknown name.
using DefinitionLookup = std::function<const WindowDef*(std::string_view name)>;

// The window manager and event dispatcher. One instance of each window name
// at a time. Behaviours bind handlers to (window, control, event) and to
// menu actions; backends report events through raise() and chooseMenuItem().
//
// Loading a window that is already open creates no second instance and does
// not run its created event again: the open window is raised (and shown when
// it is hidden but its definition makes it visible at creation) and the
// caller goes on with it.
//
// Handlers run one at a time, to completion. An event or menu choice that
// the backend reports while a handler runs (the handler waits on a request
// and the backend keeps its event loop going meanwhile, or a message box
// runs its own loop) is held and delivered, in the order it arrived, once
// the outermost handler has returned; no handler starts inside another. A
// held event meets the windows as they are at delivery: one for a window
// that has closed meanwhile is dropped, and so is user input to a window
// that a modal window opened meanwhile now covers. Only the windows' own
// handlers nest: load() runs the created event of the window it loads.
//
// Destroying a window takes effect at once for the model (it is no longer
// open and its setters are inert) but its objects are freed only when the
// next outermost dispatch (raise, chooseMenuItem or load called from outside
// any handler) starts, or with the model. A handler may therefore destroy its
// own window, and whoever started a dispatch may still read a window that
// the dispatch destroyed until it starts the next one.
class WindowModel {
public:
    WindowModel(Backend& backend, DefinitionLookup definitions);
    ~WindowModel();
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // Handlers: control "" stands for the window itself (Created, TrayAction).
    // Binding is checked against the definitions: a window or control they do
    // not have, an event the control's kind never raises, or a second handler
    // for the same key ends the program at once with a message naming the
    // window, control and event.
    void bind(std::string_view window, std::string_view control, EventKind event, Handler handler);
    // Menu items name their bound behaviour in the definitions. An action that
    // no menu item of the window names, or a second handler for it, ends the
    // program at once.
    void bindMenuAction(std::string_view window, std::string_view action,
                        std::function<void()> handler);

    // Creates the window from its definition (unless it is open), tells the
    // backend, then runs its created event. A modal window withholds user
    // input from every other window until it is destroyed. An unknown name
    // aborts. Once the model has stopped running, load creates nothing and
    // returns a destroyed window (inert, never shown) built from the
    // definition.
    Window& load(std::string_view name, bool modal = false);
    // Loads a window that is not open at the given screen position in place
    // of its stored one, so that it is first shown there; an open window
    // keeps its place.
    Window& loadAt(std::string_view name, Point position);
    // Destroying a window that is not open does nothing. Destroying the
    // window whose definition ends the program destroys every other open
    // window first (newest first), then that window, stops the model and asks
    // the backend to quit.
    void destroy(std::string_view name);
    bool isOpen(std::string_view name) const;
    Window* find(std::string_view name);
    const Window* find(std::string_view name) const;

    // False once the window that ends the program has been destroyed (which
    // destroys every other window and asks the backend to quit).
    bool running() const { return running_; }

    // The open window that receives user input while modal windows are open:
    // the most recently created open modal window. Null when none is open.
    const Window* activeModal() const;

    // From the backend: an event of a control ("" for the window). Events of
    // windows that are not open are dropped, and so are events of controls the
    // window does not have and user input to a window beneath an open modal
    // window. Returns the arguments as the handler left
    // them (NewWindow2's cancel flag). An event that arrives while a handler
    // runs is held (see above) and its arguments come back unchanged, except
    // that a held NewWindow2 or BeforeNavigate2 comes back cancelled: the
    // engine needs its answer at once, the program's own window opens when
    // the handler runs, and a page whose leaving a handler watches stays
    // where it is until the handler has decided.
    EventArgs raise(std::string_view window, std::string_view control, EventKind event,
                    EventArgs args = {});

    // From the backend: the user chose item `index` (into MenuDef::items) of
    // a popped-up menu; runs the item's bound action, if any. Held like an
    // event while a handler runs.
    void chooseMenuItem(std::string_view window, std::string_view menu, std::size_t index);

    Backend& backend() { return backend_; }

private:
    friend class Window;
    friend class Control;

    struct DispatchGuard;
    Window& openWindow(std::string_view name, bool modal, std::optional<Point> position);
    // An event or menu choice that arrived while a handler ran.
    struct HeldInput {
        bool menuChoice = false;
        std::string window;
        std::string control;  // the menu, for a menu choice
        EventKind event = EventKind::Created;
        EventArgs args{};
        std::size_t index = 0;
    };
    const WindowDef& definitionOf(std::string_view name) const;
    bool inputBlocked(std::string_view window) const;
    void destroyWindow(std::unique_ptr<Window> window);
    void collectGarbage();
    void dispatch(std::string_view window, std::string_view control, EventKind event,
                  EventArgs& args);
    EventArgs deliver(std::string_view window, std::string_view control, EventKind event,
                      EventArgs args);
    void deliverMenuChoice(std::string_view window, std::string_view menu, std::size_t index);
    // Delivers the held input in order once no handler runs.
    void deliverHeld();

    Backend& backend_;
    DefinitionLookup definitions_;
    std::vector<std::unique_ptr<Window>> open_;
    std::vector<std::unique_ptr<Window>> destroyed_;
    std::map<std::tuple<std::string, std::string, EventKind>, Handler> handlers_;
    std::map<std::pair<std::string, std::string>, std::function<void()>> menuActions_;
    int dispatchDepth_ = 0;
    std::deque<HeldInput> held_;
    bool deliveringHeld_ = false;
    bool running_ = true;
};

}  // namespace quillo::ui
