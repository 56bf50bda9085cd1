#pragma once

#include <string_view>

// Names under which the window definitions are stored and loaded.
namespace quillo::ui {

inline constexpr std::string_view kMainWindow = "MainWindow";
inline constexpr std::string_view kPlayerWindow = "PlayerWindow";
inline constexpr std::string_view kColumnWindow = "ColumnWindow";
inline constexpr std::string_view kAppWindow = "AppWindow";
inline constexpr std::string_view kPopUnderWindow = "PopUnderWindow";
inline constexpr std::string_view kCornerPopupWindow = "CornerPopupWindow";
inline constexpr std::string_view kExitPopupWindow = "ExitPopupWindow";
inline constexpr std::string_view kSettingsWindow = "SettingsWindow";
inline constexpr std::string_view kAboutWindow = "AboutWindow";

}  // namespace quillo::ui
