#include "ui/definitions/skinned_frame.hpp"

#include <iterator>

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"

namespace quillo::ui::definitions {
namespace {

using skinned_frame::kCaptionButtonSize;
using skinned_frame::kCaptionTop;
using skinned_frame::kDesignHeight;
using skinned_frame::kOptionsButtonSize;
using skinned_frame::kTitleBarHeight;
constexpr int kEdge = skinned_frame::kEdgeWidth;

// The browser windows' title-bar buttons, as stored (the maximize toggle
// lays them out anew from the frame's right edge).
constexpr int kBrowserOptionsLeft = 855;
constexpr int kBrowserMinimizeLeft = 898;
constexpr int kBrowserMaximizeLeft = 925;
constexpr int kBrowserCloseLeft = 951;
// The browser windows' edges stop one pixel short of the bottom edge.
constexpr int kBrowserEdgeHeight = kDesignHeight - 1;

// The caption buttons as a screen reader names them; the player's second
// maximize button (shown while maximized) restores.
SpokenName captionName(std::string_view name) {
    if (name == skinned_frame::kMinimizeButton) {
        return {"最小化", "最小化", "Minimize"};
    }
    if (name == skinned_frame::kMaximizeButton) {
        return {"最大化", "最大化", "Maximize"};
    }
    if (name == skinned_frame::kCloseButton) {
        return {"关闭", "關閉", "Close"};
    }
    return {"还原", "還原", "Restore"};
}

}  // namespace

ControlDef titleBar() {
    return {.kind = ControlKind::PictureBox,
            .name = kTitleBar,
            .geometry = {0, 0, kDesignWidth, kTitleBarHeight},
            .dragsWindow = true};
}

ControlDef titleLogo() {
    return {.kind = ControlKind::PictureBox,
            .name = skinned_frame::kLogo,
            .parent = kTitleBar,
            .geometry = {6, 3, 22, 26}};
}

ControlDef titleLabel(std::string_view name, int width, std::string_view text) {
    return {.kind = ControlKind::TransparentLabel,
            .name = name,
            .parent = kTitleBar,
            .geometry = {33, kCaptionTop, width, 24},
            .text = text,
            .textColor = kTitleText};
}

ControlDef textAdvertLabel(std::string_view name, int width) {
    return {.kind = ControlKind::TransparentLabel,
            .name = name,
            .parent = kTitleBar,
            .geometry = {464, kCaptionTop, width, 24},
            .visible = false,
            .cursor = Cursor::Hand,
            .text = "透明标签",
            .textColor = kTextAdvert};
}

ControlDef captionButton(std::string_view name, int left, Cursor cursor) {
    return {.kind = ControlKind::ImageButton,
            .name = name,
            .parent = kTitleBar,
            .geometry = {left, kCaptionTop, kCaptionButtonSize.width, kCaptionButtonSize.height},
            .cursor = cursor,
            .spoken = captionName(name)};
}

ControlDef optionsButton(int left, bool visible) {
    return {.kind = ControlKind::ImageButton,
            .name = skinned_frame::kOptionsButton,
            .parent = kTitleBar,
            .geometry = {left, kCaptionTop, kOptionsButtonSize.width, kOptionsButtonSize.height},
            .visible = visible,
            .cursor = Cursor::Hand,
            .spoken = {"选项", "選項", "Options"}};
}

ControlDef leftEdge(int height) {
    return {.kind = ControlKind::PictureBox,
            .name = skinned_frame::kLeftEdge,
            .geometry = {0, kEdge, kEdge, height}};
}

ControlDef rightEdge(int windowWidth, int height) {
    return {.kind = ControlKind::PictureBox,
            .name = skinned_frame::kRightEdge,
            .geometry = {windowWidth - kEdge, kEdge, kEdge, height}};
}

ControlDef bottomEdge(std::string_view name, int windowHeight) {
    return {.kind = ControlKind::PictureBox,
            .name = name,
            .geometry = {0, windowHeight - kEdge, kDesignWidth, kEdge}};
}

std::vector<ControlDef> browserWindowControls(const BrowserFrame& frame,
                                              std::vector<ControlDef> content) {
    const bool twoMaximizeButtons = !frame.upperMaximizeButton.empty();
    const Cursor maximizeCursor = twoMaximizeButtons ? Cursor::Arrow : Cursor::Hand;
    std::vector<ControlDef> controls{
        titleBar(),
        titleLogo(),
        titleLabel(frame.titleLabel, frame.titleLabelWidth, frame.titleText),
        textAdvertLabel(frame.textAdvert, frame.textAdvertWidth),
        optionsButton(kBrowserOptionsLeft, false),
        captionButton(skinned_frame::kMinimizeButton, kBrowserMinimizeLeft),
        captionButton(skinned_frame::kMaximizeButton, kBrowserMaximizeLeft, maximizeCursor),
    };
    if (twoMaximizeButtons) {
        controls.push_back(
            captionButton(frame.upperMaximizeButton, kBrowserMaximizeLeft, maximizeCursor));
    }
    controls.insert(controls.end(),
                    {
                        captionButton(skinned_frame::kCloseButton, kBrowserCloseLeft),
                        hiddenPushButton(kTitleBar),
                        leftEdge(kBrowserEdgeHeight),
                        rightEdge(kDesignWidth, kBrowserEdgeHeight),
                        bottomEdge(frame.bottomEdge, kDesignHeight),
                    });
    controls.insert(controls.end(), std::make_move_iterator(content.begin()),
                    std::make_move_iterator(content.end()));
    return controls;
}

}  // namespace quillo::ui::definitions
