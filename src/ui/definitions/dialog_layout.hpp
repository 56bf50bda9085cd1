#pragma once

#include <initializer_list>
#include <string_view>
#include <vector>

#include "ui/model/window_definition.hpp"

// The layout shared by the two pages of the options dialog, SettingsWindow
// and AboutWindow: 552 x 352 on black, 2-pixel edge lines, a close button,
// two tab buttons on the left and confirm / cancel / apply at the bottom.
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
