#pragma once

#include <string_view>

#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/window_names.hpp"

// Names of AboutWindow's controls, as stored in its definition.
namespace quillo::ui::about_window {

inline constexpr std::string_view kWindow = kAboutWindow;

inline constexpr std::string_view kLeftEdge = options_dialog::kLeftEdge;
inline constexpr std::string_view kRightEdge = options_dialog::kRightEdge;
inline constexpr std::string_view kBottomEdge = options_dialog::kBottomEdge;
inline constexpr std::string_view kTopEdge = options_dialog::kTopEdge;
inline constexpr std::string_view kCloseButton = options_dialog::kCloseButton;
inline constexpr std::string_view kOptionsTab = options_dialog::kOptionsTab;
inline constexpr std::string_view kAboutTab = options_dialog::kAboutTab;
inline constexpr std::string_view kConfirmButton = options_dialog::kConfirmButton;
inline constexpr std::string_view kCancelButton = options_dialog::kCancelButton;
inline constexpr std::string_view kApplyButton = options_dialog::kApplyButton;

inline constexpr std::string_view kLogo = "LOGO";
inline constexpr std::string_view kNameLabel = "名称";
inline constexpr std::string_view kVersionLabel = "版本";
inline constexpr std::string_view kUpdaterVersionLabel = "版本3";
inline constexpr std::string_view kThanksLabel = "透明标签1";
inline constexpr std::string_view kCopyrightLabel = "版本5";
inline constexpr std::string_view kSiteLink = "版本7";
inline constexpr std::string_view kCopyrightChannelLink = "版本1";

}  // namespace quillo::ui::about_window
