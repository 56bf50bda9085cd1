#pragma once

#include <string_view>

#include "ui/definitions/window_names.hpp"

// Names of CornerPopupWindow's controls, as stored in its definition.
namespace quillo::ui::corner_popup_window {

inline constexpr std::string_view kWindow = kCornerPopupWindow;

inline constexpr std::string_view kView = "超文本浏览框1";
inline constexpr std::string_view kCloseButton = "图形按钮1";
inline constexpr std::string_view kShowTimer = "时钟1";
inline constexpr std::string_view kLifetimeTimer = "时钟2";

}  // namespace quillo::ui::corner_popup_window
