#pragma once

#include <span>
#include <string_view>

namespace quillo {

class App;
namespace ui {
class Window;
}

// The maximize / restore toggle shared by the skinned browser windows. The
// key holds "1" (normal) or "2" (maximized) and is read at every click; any
// other value makes the button inert. Restoring centres a 984 x 624 window
// on the current client area, 9 pixels above centre, moved by `restoreOffset`
// so that the windows restore in a cascade.
struct MaximizeLayout {
    std::string_view stateKey;
    int restoreOffset = 0;
    std::span<const std::string_view> browsers;  // the first one is sent to the bottom
    std::string_view footPicture;                // bottom frame line
};

void toggleMaximize(App& app, ui::Window& window, const MaximizeLayout& layout);

}  // namespace quillo
