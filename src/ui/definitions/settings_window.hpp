#pragma once

#include <string_view>

#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/window_names.hpp"

// Names of SettingsWindow's controls, as stored in its definition.
namespace quillo::ui::settings_window {

inline constexpr std::string_view kWindow = kSettingsWindow;

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

// Captions in the left column and the texts beside the check boxes.
inline constexpr std::string_view kAutostartCaption = "透明标签1";
inline constexpr std::string_view kAutostartLabel = "透明标签2";
inline constexpr std::string_view kLanguageCaption = "透明标签3";
inline constexpr std::string_view kSimplifiedLabel = "透明标签4";
inline constexpr std::string_view kTraditionalLabel = "取消置顶标签";
inline constexpr std::string_view kEnglishLabel = "取消置顶标签1";
inline constexpr std::string_view kRendererCaption = "透明标签5";
inline constexpr std::string_view kRenderer1Label = "透明标签6";
inline constexpr std::string_view kRenderer2Label = "透明标签7";
inline constexpr std::string_view kRenderer3Label = "透明标签8";
inline constexpr std::string_view kRendererHint = "透明标签9";
inline constexpr std::string_view kRendererAdviceXp = "透明标签10";
inline constexpr std::string_view kRendererAdviceVista = "透明标签11";
inline constexpr std::string_view kScreenSaverCaption = "屏幕保护";
inline constexpr std::string_view kScreenSaverLabel = "透明标签14";
inline constexpr std::string_view kTrayCaption = "透明标签12";
inline constexpr std::string_view kTrayLabel = "透明标签13";

// Check boxes.
inline constexpr std::string_view kAutostartBox = "开机启动";
inline constexpr std::string_view kSimplifiedBox = "简体";
inline constexpr std::string_view kTraditionalBox = "繁体";
inline constexpr std::string_view kEnglishBox = "英语";
inline constexpr std::string_view kRenderer1Box = "模式1";
inline constexpr std::string_view kRenderer2Box = "模式2";
inline constexpr std::string_view kRenderer3Box = "模式3";
inline constexpr std::string_view kScreenSaverBox = "屏保选择";
inline constexpr std::string_view kTrayBox = "始终置顶4";

}  // namespace quillo::ui::settings_window
