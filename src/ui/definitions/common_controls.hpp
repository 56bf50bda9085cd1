#pragma once

#include <string_view>

#include "ui/model/window_definition.hpp"

// Small building blocks used by several window definitions.
namespace quillo::ui::definitions {

// Timers are invisible and tick from creation with their stored interval;
// interval 0 keeps them stopped.
inline ControlDef timer(std::string_view name, int interval) {
    return {.kind = ControlKind::Timer, .name = name, .visible = false, .interval = interval};
}

// The hidden design-time push button of the browser windows.
inline constexpr std::string_view kHiddenPushButton = "按钮1";
inline ControlDef hiddenPushButton(std::string_view parent) {
    return {.kind = ControlKind::PushButton,
            .name = kHiddenPushButton,
            .parent = parent,
            .geometry = {760, 8, 32, 16},
            .visible = false};
}

}  // namespace quillo::ui::definitions
