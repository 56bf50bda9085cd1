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
            return false;
    }
    return false;
}

}  // namespace quillo::ui
