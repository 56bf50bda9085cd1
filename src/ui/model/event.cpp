#include "ui/model/event.hpp"

namespace quillo::ui {

bool isUserInput(EventKind kind) {
    switch (kind) {
        case EventKind::Clicked:
        case EventKind::LeftButtonDown:
        case EventKind::RightButtonDown:
        case EventKind::TrayAction:
            return true;
        case EventKind::Created:
        case EventKind::Tick:
        case EventKind::StatusTextChange:
        case EventKind::NewWindow2:
        case EventKind::DocumentComplete:
        case EventKind::BeforeNavigate2:
            return false;
    }
    return false;
}

bool asksAnswer(EventKind kind) {
    return kind == EventKind::NewWindow2 || kind == EventKind::BeforeNavigate2;
}

bool goesStale(EventKind kind) {
    return isUserInput(kind) || asksAnswer(kind);
}

bool controlRaises(ControlKind kind, EventKind event) {
    switch (kind) {
        case ControlKind::ImageButton:
        case ControlKind::CheckBox:
        case ControlKind::PushButton:
            return event == EventKind::Clicked;
        case ControlKind::TransparentLabel:
            return event == EventKind::LeftButtonDown;
        case ControlKind::Timer:
            return event == EventKind::Tick;
        case ControlKind::Browser:
            return event == EventKind::RightButtonDown || event == EventKind::StatusTextChange ||
                   event == EventKind::NewWindow2 || event == EventKind::DocumentComplete ||
                   event == EventKind::BeforeNavigate2;
        case ControlKind::PictureBox:
        case ControlKind::PlainLabel:
        case ControlKind::StatusBar:
        case ControlKind::HypertextView:
            return false;
    }
    return false;
}

bool windowRaises(EventKind event) {
    return event == EventKind::Created || event == EventKind::TrayAction;
}

std::string_view eventName(EventKind kind) {
    switch (kind) {
        case EventKind::Created:
            return "Created";
        case EventKind::Clicked:
            return "Clicked";
        case EventKind::LeftButtonDown:
            return "LeftButtonDown";
        case EventKind::RightButtonDown:
            return "RightButtonDown";
        case EventKind::Tick:
            return "Tick";
        case EventKind::TrayAction:
            return "TrayAction";
        case EventKind::StatusTextChange:
            return "StatusTextChange";
        case EventKind::NewWindow2:
            return "NewWindow2";
        case EventKind::DocumentComplete:
            return "DocumentComplete";
        case EventKind::BeforeNavigate2:
            return "BeforeNavigate2";
    }
    return "?";
}

}  // namespace quillo::ui
