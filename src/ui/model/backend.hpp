#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/text.hpp"
#include "ui/model/geometry.hpp"
#include "ui/model/window_definition.hpp"

namespace quillo::ui {

class Window;
class Control;

enum class WindowProperty {
    Geometry,
    Visible,
    Title,
    State,
    KeepOnTop,
    BackgroundPicture,  // painted under the controls
};

enum class ControlProperty {
    Geometry,
    Visible,
    Text,
    TextColor,
    Font,
    Images,
    Checked,
    Interval,
    Address,     // hypertext view box
    ZOrder,      // the control was sent to the bottom of its siblings
    StatusText,  // status bar parts
};

enum class BrowserCommand { Navigate, GoBack, GoForward, Refresh, Stop };

// What a toolkit must do for the window model. The model calls it after
// changing its own state; the backend reports user and browser events back
// through WindowModel::raise and WindowModel::chooseMenuItem.
class Backend {
public:
    virtual ~Backend() = default;

    // A window and its controls now exist in the model: build the real
    // window from the live properties and show it when it is visible. The
    // created event runs right after this returns.
    virtual void windowCreated(Window& window) = 0;
    // The window is no longer open and its setters are inert; the object
    // stays readable until the model frees it, so keep no reference to it.
    virtual void windowDestroyed(Window& window) = 0;
    // A window that was open was loaded again: bring it to the front. (A
    // new window, modal or not, comes to the front through windowCreated;
    // Window::modal() tells whether it withholds input from the others.)
    virtual void windowRaised(Window& window) = 0;
    // The user asked for the window (its tray icon, a second start): show it
    // restored from minimised, raise it and give it the keyboard focus. A
    // command, not a state: every call acts.
    virtual void windowActivated(Window& window) = 0;

    virtual void windowChanged(Window& window, WindowProperty property) = 0;
    virtual void controlChanged(Window& window, Control& control, ControlProperty property) = 0;

    // Navigate carries the address; the other commands ignore it. The silent
    // flag of the browser is a control property read at navigation time.
    virtual void browserCommand(Window& window, Control& browser, BrowserCommand command,
                                const Text& address) = 0;

    // Pops up the menu at the pointer, or at the given screen position. The
    // chosen item comes back through WindowModel::chooseMenuItem.
    virtual void popupMenu(Window& window, const MenuDef& menu,
                           std::optional<Point> screenPosition) = 0;

    // Shows the window's tray icon (again) with the icon file and tooltip.
    virtual void setTrayIcon(Window& window, const std::filesystem::path& iconFile,
                             const Text& tooltip) = 0;

    // The local page a browser view shows when its page's renderer ended
    // abnormally a second time within a minute (the first time the view
    // reloads its page by itself). The page offers a link back to the page
    // that was shown.
    virtual void setCrashedPage(const std::filesystem::path& page) = 0;

    virtual Size clientSize(const Window& window) = 0;
    virtual Point pointerPosition() = 0;

    // The main window is gone: end the event loop.
    virtual void quit() = 0;

    // The model's clock, in milliseconds from an arbitrary start; it never
    // goes back. Ages held input.
    virtual std::int64_t now() = 0;

    // Runs `work` (a blocking request) off the handler's way and keeps the
    // event loop going until it has ended, reporting the events that arrive
    // meanwhile to the model as ever (the model holds them). Returns true once
    // the work has ended; false when abandonWait() ended the wait first: the
    // work may then still be running elsewhere, so it owns what it touches.
    virtual bool wait(std::function<void()> work) = 0;
    // Called from inside wait() (from an event it delivered): wait() returns
    // false as soon as control is back with it, without waiting for the work.
    virtual void abandonWait() = 0;
};

}  // namespace quillo::ui
