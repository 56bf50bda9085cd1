#pragma once

#include <string>

#include "ui/model/control.hpp"
#include "ui/model/event.hpp"

class QWebEngineProfile;
class QWidget;

namespace quillo::qt {

// Where the widgets of one window send what the user and the pages did.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;

    // An event of a control, as the model's raise() takes it.
    virtual ui::EventArgs report(const std::string& control, ui::EventKind event,
                                 ui::EventArgs args = {}) = 0;
    // The answer to an engine question (NewWindow2, BeforeNavigate2), at
    // once, as the model's answer() gives it.
    virtual bool answer(const std::string& control, ui::EventKind event,
                        const ui::EventArgs& args) = 0;
    // The user ticked or cleared a check box, before its Clicked event.
    virtual void userChecked(const std::string& control, bool checked) = 0;
    // True once the window has left the model: a page's request for a new
    // window is then refused.
    virtual bool closed() const = 0;
};

// The widget of one control, a child of `parent`, named after the control
// and wired to `events`; null for the kinds without a widget (timers and
// status bars). Nothing of the model's values is applied yet.
QWidget* createControlWidget(const ui::Control& control, QWidget* parent, ControlEvents& events,
                             QWebEngineProfile& profile);

}  // namespace quillo::qt
