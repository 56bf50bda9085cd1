#pragma once

#include <functional>
#include <string_view>

#include "core/text.hpp"
#include "ui/model/geometry.hpp"
#include "ui/model/window_definition.hpp"

namespace quillo::ui {

class Window;

enum class EventKind {
    Created,           // a window, once per creation, after its controls exist
    Clicked,           // image button, check box, push button
    LeftButtonDown,    // transparent label, with the pointer position
    RightButtonDown,   // browser, with the pointer position
    Tick,              // timer
    TrayAction,        // the window's tray icon: code 1, 2 or 3
    StatusTextChange,  // browser, with the text
    NewWindow2,        // browser; the handler may set cancel
    DocumentComplete,  // browser
    BeforeNavigate2,   // browser, with the address its page is leaving for; the
                       // handler may set cancel to keep the page where it is
};

// Whether an event stands for user input, which a modal window withholds
// from the windows beneath it.
bool isUserInput(EventKind kind);

// Whether the engine waits for an answer to the event (NewWindow2,
// BeforeNavigate2): see WindowModel::bindAnswer.
bool asksAnswer(EventKind kind);

// Whether held, the event goes stale after a while: user input, and a page's
// request for a new window or to leave (a click on a link).
bool goesStale(EventKind kind);

// Whether a control of `kind` ever raises `event`. The window itself
// (control "") raises Created and TrayAction; see windowRaises().
bool controlRaises(ControlKind kind, EventKind event);
bool windowRaises(EventKind event);

// The event's name as code writes it, for messages.
std::string_view eventName(EventKind kind);

struct EventArgs {
    Point position;       // pointer position for button presses
    Text text;            // status text; NewWindow2, BeforeNavigate2: the address asked for
    int code = 0;         // tray action code
    bool cancel = false;  // NewWindow2, BeforeNavigate2: the engine was refused (the answer)
};

// A handler receives the live window whose event it handles (for Created,
// the window just created) and the event's arguments.
using Handler = std::function<void(Window& window, EventArgs& args)>;

// A menu item's bound behaviour receives the window whose menu was chosen.
using MenuAction = std::function<void(Window& window)>;

}  // namespace quillo::ui
