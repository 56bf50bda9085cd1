#pragma once

#include <string_view>

#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"

// Names of PopUnderWindow's controls and menus, as stored in its definition.
namespace quillo::ui::pop_under_window {

inline constexpr std::string_view kWindow = kPopUnderWindow;

inline constexpr std::string_view kTitleBar = skinned_frame::kTitleBar;
inline constexpr std::string_view kLogo = skinned_frame::kLogo;
inline constexpr std::string_view kTitleLabel = "透明标签1";
inline constexpr std::string_view kCloseButton = "关闭按钮1";
inline constexpr std::string_view kLeftEdge = skinned_frame::kLeftEdge;
inline constexpr std::string_view kRightEdge = skinned_frame::kRightEdge;
inline constexpr std::string_view kBottomEdge = "footpic";
inline constexpr std::string_view kBrowser = "超文本界面框1";

// The browser's menu, per language.
inline constexpr std::string_view kSimplifiedMenu = "中文";
inline constexpr std::string_view kTraditionalMenu = "繁体";
inline constexpr std::string_view kEnglishMenu = "英语";

}  // namespace quillo::ui::pop_under_window
