#pragma once

#include <string_view>
#include <vector>

#include "ui/model/window_definition.hpp"

// The skinned frame shared by MainWindow, PlayerWindow, ColumnWindow,
// AppWindow and PopUnderWindow: a 30-pixel title bar picture that contains
// the logo, the title label, the text advertisement and the caption buttons,
// plus 2-pixel edge lines. Every window's set-up fills these pictures from the
// skin folder; the definitions carry only their places.
namespace quillo::ui::skinned_frame {

// Stored names that every skinned window shares.
inline constexpr std::string_view kTitleBar = "toppic";
inline constexpr std::string_view kLogo = "图片框2";
inline constexpr std::string_view kOptionsButton = "选项按钮";
inline constexpr std::string_view kMinimizeButton = "最小化按钮";
inline constexpr std::string_view kMaximizeButton = "最大化按钮";
inline constexpr std::string_view kCloseButton = "关闭按钮";
inline constexpr std::string_view kLeftEdge = "leftpic";
inline constexpr std::string_view kRightEdge = "rightpic";

// The frame as designed: 984 x 624. The title bar and the bottom edge keep
// the design width even in narrower windows, which clip them.
inline constexpr int kDesignWidth = 984;
inline constexpr int kDesignHeight = 624;
inline constexpr int kTitleBarHeight = 30;
inline constexpr int kEdgeWidth = 2;
// The content (browsers) starts here, under the title bar's lower edge.
inline constexpr int kContentTop = 28;
// Top of the caption buttons and labels in the title bar.
inline constexpr int kCaptionTop = 4;
inline constexpr Size kOptionsButtonSize{44, 26};
inline constexpr Size kCaptionButtonSize{26, 20};
// The main window's buttons, as distances of their left edges from the
// frame's right edge; the maximize toggle lays every skinned window's buttons
// out this way.
inline constexpr int kOptionsButtonFromRight = 137;
inline constexpr int kMinimizeButtonFromRight = 92;
inline constexpr int kMaximizeButtonFromRight = 62;
inline constexpr int kCloseButtonFromRight = 34;

}  // namespace quillo::ui::skinned_frame

namespace quillo::ui::definitions {

using skinned_frame::kDesignWidth;
using skinned_frame::kTitleBar;

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

// What differs between the frames of the browser windows (player, column
// and application window, 984 x 624).
struct BrowserFrame {
    std::string_view titleLabel;
    int titleLabelWidth = 0;
    std::string_view titleText;
    std::string_view textAdvert;
    int textAdvertWidth = 0;
    std::string_view bottomEdge;
    // A second maximize button lying on the first (the player's). Neither is
    // bound to anything then, and both show the arrow cursor.
    std::string_view upperMaximizeButton{};
};

// A browser window's controls: its frame (title bar, logo, title label, text
// advertisement, the hidden options button, the caption buttons, the hidden
// push button and the edges) and then `content`, above the frame.
std::vector<ControlDef> browserWindowControls(const BrowserFrame& frame,
                                              std::vector<ControlDef> content);

}  // namespace quillo::ui::definitions
