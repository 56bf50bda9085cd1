#pragma once

#include <string_view>

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"

// Names of AppWindow's controls and menus, as stored in its definition.
namespace quillo::ui::app_window {

inline constexpr std::string_view kWindow = kAppWindow;

inline constexpr std::string_view kTitleBar = skinned_frame::kTitleBar;
inline constexpr std::string_view kLogo = skinned_frame::kLogo;
inline constexpr std::string_view kTitleLabel = "APP应用名称";
inline constexpr std::string_view kTextAdvert = "文字广告4";
inline constexpr std::string_view kOptionsButton = skinned_frame::kOptionsButton;
inline constexpr std::string_view kMinimizeButton = skinned_frame::kMinimizeButton;
inline constexpr std::string_view kMaximizeButton = skinned_frame::kMaximizeButton;
inline constexpr std::string_view kCloseButton = skinned_frame::kCloseButton;
inline constexpr std::string_view kHiddenButton = definitions::kHiddenPushButton;
inline constexpr std::string_view kLeftEdge = skinned_frame::kLeftEdge;
inline constexpr std::string_view kRightEdge = skinned_frame::kRightEdge;
inline constexpr std::string_view kBottomEdge = "footpic";

inline constexpr std::string_view kBrowser = "WebBrowser1";
inline constexpr std::string_view kLoadingView = "超文本浏览框1";

// The browser's menu, per language.
inline constexpr std::string_view kSimplifiedMenu = "jt";
inline constexpr std::string_view kTraditionalMenu = "ft";
inline constexpr std::string_view kEnglishMenu = "yy";

}  // namespace quillo::ui::app_window
