#pragma once

#include <string_view>

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"

// Names of PlayerWindow's controls, as stored in its definition.
namespace quillo::ui::player_window {

inline constexpr std::string_view kWindow = kPlayerWindow;

inline constexpr std::string_view kTitleBar = skinned_frame::kTitleBar;
inline constexpr std::string_view kLogo = skinned_frame::kLogo;
inline constexpr std::string_view kTitleLabel = "透明标签1";
inline constexpr std::string_view kTextAdvert = "文字广告2";
inline constexpr std::string_view kOptionsButton = skinned_frame::kOptionsButton;
inline constexpr std::string_view kMinimizeButton = skinned_frame::kMinimizeButton;
// Two maximize buttons in one place; the upper one carries the skin.
inline constexpr std::string_view kMaximizeButton = skinned_frame::kMaximizeButton;
inline constexpr std::string_view kUpperMaximizeButton = "最大化按钮1";
inline constexpr std::string_view kCloseButton = skinned_frame::kCloseButton;
inline constexpr std::string_view kHiddenButton = definitions::kHiddenPushButton;
inline constexpr std::string_view kLeftEdge = skinned_frame::kLeftEdge;
inline constexpr std::string_view kRightEdge = skinned_frame::kRightEdge;
inline constexpr std::string_view kBottomEdge = "footpic";

inline constexpr std::string_view kPlayBrowser = "WebBrowser10";
inline constexpr std::string_view kLoadingBrowser = "WebBrowser2";
inline constexpr std::string_view kLoadTimer = "时钟1";

}  // namespace quillo::ui::player_window
