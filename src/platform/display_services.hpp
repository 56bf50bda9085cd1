#pragma once

#include "core/text.hpp"
#include "platform/platform.hpp"

namespace quillo {

// The operating-system services that need the window toolkit. The
// toolkit backend implements them; the OS platform forwards its own
// messageBox and screen queries to them, so that it stays free of the toolkit.
class DisplayServices {
public:
    virtual ~DisplayServices() = default;

    // A blocking message box with the given icon.
    virtual void messageBox(const Text& text, const Text& title, MessageIcon icon) = 0;

    // The size of the primary screen in logical pixels.
    virtual ScreenSize screenSize() = 0;

    // The primary screen less the desktop's panels, in logical pixels.
    virtual ScreenArea availableArea() = 0;
};

}  // namespace quillo
