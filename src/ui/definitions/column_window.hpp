#pragma once

#include <string_view>

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"

// Names of ColumnWindow's controls and menus, as stored in its definition.
namespace quillo::ui::column_window {

inline constexpr std::string_view kWindow = kColumnWindow;

inline constexpr std::string_view kTitleBar = skinned_frame::kTitleBar;
inline constexpr std::string_view kLogo = skinned_frame::kLogo;
inline constexpr std::string_view kTitleLabel = "APP应用名称";
inline constexpr std::string_view kTextAdvert = "文字广告3";
inline constexpr std::string_view kOptionsButton = skinned_frame::kOptionsButton;
inline constexpr std::string_view kMinimizeButton = skinned_frame::kMinimizeButton;
inline constexpr std::string_view kMaximizeButton = skinned_frame::kMaximizeButton;
inline constexpr std::string_view kCloseButton = skinned_frame::kCloseButton;
inline constexpr std::string_view kHiddenButton = definitions::kHiddenPushButton;
inline constexpr std::string_view kLeftEdge = skinned_frame::kLeftEdge;
inline constexpr std::string_view kRightEdge = skinned_frame::kRightEdge;
inline constexpr std::string_view kBottomEdge = "footpic";

// General pages (live TV, custom columns) and the application-centre page.
inline constexpr std::string_view kColumnBrowser = "WebBrowser1";
inline constexpr std::string_view kAppBrowser = "WebBrowser应用专用";
inline constexpr std::string_view kLoadingView = "超文本浏览框1";
inline constexpr std::string_view kStatusBar = "状态条1";

// Menus of the column browser and of the application browser, per language.
inline constexpr std::string_view kSimplifiedMenu = "简体菜单";
inline constexpr std::string_view kTraditionalMenu = "繁体菜单";
inline constexpr std::string_view kEnglishMenu = "英语菜单";
inline constexpr std::string_view kSimplifiedAppMenu = "简体专用菜单";
inline constexpr std::string_view kTraditionalAppMenu = "繁体专用菜单";
inline constexpr std::string_view kEnglishAppMenu = "英语专用菜单";

}  // namespace quillo::ui::column_window
