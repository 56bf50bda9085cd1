#pragma once

#include <array>
#include <string_view>

#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"

// Names of MainWindow's controls and menus, as stored in its definition.
namespace quillo::ui::main_window {

inline constexpr std::string_view kWindow = kMainWindow;

// Title bar and its contents.
inline constexpr std::string_view kTitleBar = skinned_frame::kTitleBar;
inline constexpr std::string_view kLogo = skinned_frame::kLogo;
inline constexpr std::string_view kNameLabel = "软件名称标签";
inline constexpr std::string_view kColumn1Label = "栏目1标签";
inline constexpr std::string_view kColumn2Label = "栏目2标签";
inline constexpr std::string_view kColumn3Label = "栏目3标签";
inline constexpr std::string_view kColumn4Label = "栏目4标签";
inline constexpr std::string_view kColumn5Label = "栏目5标签";
inline constexpr std::array<std::string_view, 5> kColumnLabels{
    kColumn1Label, kColumn2Label, kColumn3Label, kColumn4Label, kColumn5Label};
inline constexpr std::string_view kTextAdvert = "文字广告1";
inline constexpr std::string_view kOptionsButton = skinned_frame::kOptionsButton;
inline constexpr std::string_view kMinimizeButton = skinned_frame::kMinimizeButton;
inline constexpr std::string_view kMaximizeButton = skinned_frame::kMaximizeButton;
inline constexpr std::string_view kCloseButton = skinned_frame::kCloseButton;

// Frame lines.
inline constexpr std::string_view kLeftEdge = skinned_frame::kLeftEdge;
inline constexpr std::string_view kRightEdge = skinned_frame::kRightEdge;
inline constexpr std::string_view kBottomEdge = "图片框1";

// Content.
inline constexpr std::string_view kSiteBrowser = "WebBrowser1";
inline constexpr std::string_view kLoadingBrowser = "WebBrowser2";
inline constexpr std::string_view kStatusBar = "状态条1";

// Design-time leftovers without behaviour.
inline constexpr std::string_view kHiddenLabel1 = "标签1";
inline constexpr std::string_view kHiddenLabel2 = "标签2";
inline constexpr std::string_view kHiddenLabel3 = "标签3";
inline constexpr std::string_view kIdleTimer = "时钟1";
inline constexpr std::string_view kSystemTimer = "systema时钟";
inline constexpr std::string_view kSystemTimer1 = "systema时钟1";

// Timers.
inline constexpr std::string_view kMemoryTimer = "内存时钟";
inline constexpr std::string_view kPopUnderTimer = "背投时钟";

// Menus: the options menu and the site browser's menu, per language.
inline constexpr std::string_view kSimplifiedOptionsMenu = "选项按钮菜单";
inline constexpr std::string_view kTraditionalOptionsMenu = "繁体菜单";
inline constexpr std::string_view kEnglishOptionsMenu = "英文菜单";
inline constexpr std::string_view kSimplifiedBrowserMenu = "简体右键";
inline constexpr std::string_view kTraditionalBrowserMenu = "繁体右键";
inline constexpr std::string_view kEnglishBrowserMenu = "英语右键";

}  // namespace quillo::ui::main_window
