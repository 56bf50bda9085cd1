#pragma once

#include "core/text.hpp"
#include "platform/platform.hpp"

namespace quillo {

// The two operating-system services that need the window toolkit. The
// toolkit backend implements them; the OS platform forwards its own
// messageBox and screenSize to them, so that it stays free of the toolkit.
class DisplayServices {
public:
    virtual ~DisplayServices() = default;

    // A blocking message box with the given icon.
    virtual void messageBox(const Text& text, const Text& title, MessageIcon icon) = 0;

    // The size of the primary screen in logical pixels.
    virtual ScreenSize screenSize() = 0;
};

}  // namespace quillo
