#pragma once

#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/blocking_call.hpp"
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
// that a modal window opened meanwhile now covers. Held user input (clicks,
// presses, tray actions, menu choices, and a page's request for a new window
// or to leave, which stand for a click on a link) that has waited more than
// kHeldInputMaxAge on the backend's clock by its turn is dropped: a click is
// never acted on long after it was made. Page loads, status texts and timer
// ticks are delivered whatever their age. Only the windows' own handlers
// nest: load() runs the created event of the window it loads.
//
// Input that closes or ends is never held: a click on a window's close
// control (its definition's closeControl, which the window manager's close
// also clicks) or on a control marked atOnce, a menu item marked atOnce
// (Quit) and actAtOnce() from a backend take effect at once, also while a
// handler waits on a request: they run right there, inside the wait. Once
// they have run, the wait of a handler whose window they destroyed (or of
// every handler, when they ended the program) is abandoned; so is the wait
// they interrupted when they make a request of their own. An abandoned wait
// drops its answer: the request throws RequestAbandoned, which unwinds the
// handler that made it up to the innermost handler of a window no longer
// open, or up to the handler the backend's event started, where the model
// stops it. A handler never goes on after its window's wait was abandoned.
//
// Requests (runBlocking, the content client's runner) are a contract: one is
// made only from a handler (a dispatch, or run()), never while another is in
// flight (unless an at-once handler interrupts it, as above), never from an
// answer; anything else ends the program with a message saying so.
//
// Engine questions (NewWindow2: may the engine open its own window;
// BeforeNavigate2: may the page leave) are answered at once by the answer
// bound with bindAnswer(), which decides from what is known without a
// request; the backend then raises the event with the answer in its cancel
// flag, and the handler runs like any other (held while another runs). The
// cancel flag a handler sees is the answer the engine got; changing it
// changes nothing.
//
// Destroying a window takes effect at once for the model (it is no longer
// open and its setters are inert) but its objects are freed only when the
// next outermost dispatch (raise, chooseMenuItem or load called from outside
// any handler) starts, or with the model. A handler may therefore destroy its
// own window, and whoever started a dispatch may still read a window that
// the dispatch destroyed until it starts the next one.
// Thrown out of a request whose wait was abandoned; the model catches it
// (see above). Behaviour code lets it pass.
struct RequestAbandoned {};

using Answer = std::function<bool(const EventArgs& args)>;

class WindowModel final : public BlockingCallRunner {
public:
    static constexpr std::int64_t kHeldInputMaxAge = 2000;  // milliseconds

    WindowModel(Backend& backend, DefinitionLookup definitions);
    ~WindowModel() override;
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // Handlers: control "" stands for the window itself (Created, TrayAction).
    // A handler receives the open window whose event it handles, so it never
    // looks its own window up by name; menu actions likewise.
    // Binding is checked against the definitions: a window or control they do
    // not have, an event the control's kind never raises, or a second handler
    // for the same key ends the program at once with a message naming the
    // window, control and event.
    void bind(std::string_view window, std::string_view control, EventKind event, Handler handler);
    // Menu items name their bound behaviour in the definitions. An action that
    // no menu item of the window names, or a second handler for it, ends the
    // program at once.
    void bindMenuAction(std::string_view window, std::string_view action, MenuAction handler);
    // A control of a window's definition for a behaviour to hold on to
    // (ControlRef): a window or control the definitions do not have ends the
    // program at once, like bind().
    ControlRef resolve(std::string_view window, std::string_view control) const;
    // The answer to an engine question (NewWindow2, BeforeNavigate2) of a
    // browser: true refuses (cancels). It decides from what is known without
    // a request (config keys, run state) and changes nothing. Checked like
    // bind(); an event that asks no question fails too.
    void bindAnswer(std::string_view window, std::string_view control, EventKind event,
                    Answer answer);

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
    // The same, handing the window `argument` (Window::argument) before its
    // created event runs, so that what an opener gives the window it opens
    // goes with that window alone. An open window keeps its place and its
    // own argument; the opener deals with it itself.
    Window& loadAt(std::string_view name, Point position, std::any argument);
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

    // From the backend, at once inside the engine's callback: the answer to
    // an engine question (true: refuse). False when nothing answers: the
    // window is not open, has no such control, or no answer is bound.
    bool answer(std::string_view window, std::string_view control, EventKind event,
                const EventArgs& args);

    // From the backend: an event of a control ("" for the window). Events of
    // windows that are not open are dropped, and so are events of controls the
    // window does not have and user input to a window beneath an open modal
    // window. Returns the arguments as the handler left them; an event that
    // arrives while a handler runs is held (see above) and its arguments come
    // back unchanged. NewWindow2 and BeforeNavigate2 carry the engine's
    // answer in their cancel flag.
    EventArgs raise(std::string_view window, std::string_view control, EventKind event,
                    EventArgs args = {});

    // From the backend: an event that must take effect now (a later start
    // handing over): never held, like a close click (see above).
    EventArgs raiseAtOnce(std::string_view window, std::string_view control, EventKind event,
                          EventArgs args = {});

    // From the backend: something that must happen now, as a handler of
    // `window` (a later start handing over, the session ending). Never held:
    // inside a wait it runs at once, like a close click.
    void actAtOnce(std::string_view window, const std::function<void()>& action);

    // Runs a step of the program that no event starts (the start steps) as a
    // handler of `window`: it may make requests, and input arriving meanwhile
    // is held until it ends. Inside a handler it simply runs.
    void run(std::string_view window, const std::function<void()>& step);

    // BlockingCallRunner: the request path of the content client. Runs the
    // request through the backend's wait under the contract above; throws
    // RequestAbandoned when the wait was abandoned.
    bool runBlocking(std::function<void()> work) override;
    bool requestInFlight() const { return requestInFlight_; }

    // From the backend: the user chose item `index` (into MenuDef::items) of
    // a popped-up menu; runs the item's bound action, if any. Held like an
    // event while a handler runs.
    void chooseMenuItem(std::string_view window, std::string_view menu, std::size_t index);

    Backend& backend() { return backend_; }

private:
    friend class Window;
    friend class Control;

    struct DispatchGuard;
    Window& openWindow(std::string_view name, bool modal, std::optional<Point> position,
                       std::any argument);
    // An event or menu choice that arrived while a handler ran.
    struct HeldInput {
        std::int64_t at = 0;  // backend clock when it arrived
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
    void dispatch(Window& window, std::string_view control, EventKind event, EventArgs& args);
    EventArgs deliver(std::string_view window, std::string_view control, EventKind event,
                      EventArgs args);
    void deliverMenuChoice(std::string_view window, std::string_view menu, std::size_t index);
    // Delivers the held input in order once no handler runs.
    void deliverHeld();
    bool tooOld(const HeldInput& input) const;
    // Whether the event or the menu item takes effect at once (see above).
    bool isAtOnce(std::string_view window, std::string_view control, EventKind event) const;
    bool isAtOnceItem(std::string_view window, std::string_view menu, std::size_t index) const;
    // Runs `body` now, inside the running handler's wait, then abandons the
    // waits it has made pointless.
    void runAtOnce(const std::function<void()>& body);
    // Runs one handler of `window` as a frame; catches RequestAbandoned at
    // the chain's first frame or at a frame whose window has closed.
    void runFrame(std::string_view window, const std::function<void()>& body);
    void abandonWait();
    void abandonDeadWaits();

    Backend& backend_;
    DefinitionLookup definitions_;
    std::vector<std::unique_ptr<Window>> open_;
    std::vector<std::unique_ptr<Window>> destroyed_;
    std::map<std::tuple<std::string, std::string, EventKind>, Handler> handlers_;
    std::map<std::pair<std::string, std::string>, MenuAction> menuActions_;
    std::map<std::tuple<std::string, std::string, EventKind>, Answer> answers_;
    int dispatchDepth_ = 0;
    // Windows whose handlers run, outermost first; the current chain (the
    // backend's event, or an at-once input inside a wait) starts at rootFrame_.
    std::vector<std::string> frames_;
    std::size_t rootFrame_ = 0;
    int atOnceDepth_ = 0;
    bool requestInFlight_ = false;
    bool answering_ = false;
    std::deque<HeldInput> held_;
    bool deliveringHeld_ = false;
    bool running_ = true;
};

}  // namespace quillo::ui
