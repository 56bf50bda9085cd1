#pragma once

#include <string_view>

#include "ui/model/window_definition.hpp"

// Pieces of the skinned frame shared by MainWindow, PlayerWindow,
// ColumnWindow, AppWindow and PopUnderWindow: a 30-pixel title bar picture
// that contains the logo, the title label, the text advertisement and the
// caption buttons, plus 2-pixel edge lines. Every window's set-up fills these
// pictures from the skin folder; the definitions carry only their places.
namespace quillo::ui::definitions {

inline constexpr std::string_view kTitleBar = "toppic";
// Width of the frame as designed; the title bar and the bottom edge keep it
// even in narrower windows, which clip them.
inline constexpr int kDesignWidth = 984;

ControlDef titleBar();   // `toppic` at 0, 0, 984 x 30
ControlDef titleLogo();  // `图片框2` at 6, 3, 22 x 26 in the title bar
// Title label at 33, 4, width x 24 in the title bar, #ECECEC.
ControlDef titleLabel(std::string_view name, int width, std::string_view text);
// Text advertisement at 464, 4, width x 24 in the title bar: hidden, hand
// cursor, #C06000, stored text "透明标签" until the advertisement fills it.
ControlDef textAdvertLabel(std::string_view name, int width);
// 26 x 20 image button at (left, 4) in the title bar.
ControlDef captionButton(std::string_view name, int left, Cursor cursor = Cursor::Hand);
// `选项按钮`, 44 x 26 image button at (left, 4) in the title bar, hand cursor.
ControlDef optionsButton(int left, bool visible);

ControlDef leftEdge(int height);                                 // `leftpic` at 0, 2
ControlDef rightEdge(int windowWidth, int height);               // `rightpic` at windowWidth - 2, 2
ControlDef bottomEdge(std::string_view name, int windowHeight);  // 984 x 2 at the bottom

}  // namespace quillo::ui::definitions
