#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "ui/model/window_definition.hpp"

// The layout shared by the two pages of the options dialog, SettingsWindow
// and AboutWindow: 552 x 352 on black, 2-pixel edge lines, a close button,
// two tab buttons on the left and confirm / cancel / apply at the bottom.
namespace quillo::ui::options_dialog {

// Stored names that both pages share.
inline constexpr std::string_view kLeftEdge = "图片框1";
inline constexpr std::string_view kRightEdge = "图片框2";
inline constexpr std::string_view kBottomEdge = "图片框3";
inline constexpr std::string_view kTopEdge = "图片框4";
inline constexpr std::string_view kCloseButton = "关闭按钮";
inline constexpr std::string_view kOptionsTab = "选项按钮";
inline constexpr std::string_view kAboutTab = "关于按钮";
inline constexpr std::string_view kConfirmButton = "图形按钮1";
inline constexpr std::string_view kCancelButton = "图形按钮2";
inline constexpr std::string_view kApplyButton = "图形按钮3";

}  // namespace quillo::ui::options_dialog

namespace quillo::ui::definitions {

inline constexpr int kDialogWidth = 552;
inline constexpr int kDialogHeight = 352;

// The current page's own tab shows the arrow, the other tab the hand.
struct DialogTabCursors {
    Cursor options = Cursor::Arrow;
    Cursor about = Cursor::Arrow;
};

// Edge lines, close button, tabs and bottom buttons, followed by `page`.
std::vector<ControlDef> dialogControls(DialogTabCursors tabs,
                                       std::initializer_list<ControlDef> page);

// A white transparent label.
ControlDef dialogLabel(std::string_view name, Rect geometry, std::string_view text);

}  // namespace quillo::ui::definitions
