#include "ui/definitions/window_definitions.hpp"

#include <algorithm>
#include <array>

#include "ui/definitions/windows.hpp"

namespace quillo::ui {
namespace {

// The catalogue keeps its own copy of each window's definition in one array,
// so that lookups and the list hand out the same objects.
const std::array<WindowDef, 9>& catalogue() {
    static const std::array<WindowDef, 9> windows{
        definitions::mainWindow(),      definitions::playerWindow(),
        definitions::columnWindow(),    definitions::appWindow(),
        definitions::popUnderWindow(),  definitions::cornerPopupWindow(),
        definitions::exitPopupWindow(), definitions::settingsWindow(),
        definitions::aboutWindow(),
    };
    return windows;
}

}  // namespace

const WindowDef* findWindowDefinition(std::string_view name) {
    const auto& windows = catalogue();
    const auto it = std::ranges::find(windows, name, &WindowDef::name);
    return it == windows.end() ? nullptr : &*it;
}

std::span<const WindowDef> allWindowDefinitions() {
    return catalogue();
}

}  // namespace quillo::ui
