#pragma once

#include <string_view>

#include "ui/definitions/window_names.hpp"

// Names of ExitPopupWindow's controls, as stored in its definition.
namespace quillo::ui::exit_popup_window {

inline constexpr std::string_view kWindow = kExitPopupWindow;

inline constexpr std::string_view kView = "超文本浏览框1";
inline constexpr std::string_view kCloseButton = "图形按钮1";
inline constexpr std::string_view kLifetimeTimer = "时钟1";

}  // namespace quillo::ui::exit_popup_window
