#include "ui/definitions/skinned_frame.hpp"

#include "ui/definitions/palette.hpp"

namespace quillo::ui::definitions {
namespace {

constexpr int kTitleBarHeight = 30;
constexpr int kEdge = 2;
constexpr int kCaptionTop = 4;

}  // namespace

ControlDef titleBar() {
    return {.kind = ControlKind::PictureBox,
            .name = kTitleBar,
            .geometry = {0, 0, kDesignWidth, kTitleBarHeight}};
}

ControlDef titleLogo() {
    return {.kind = ControlKind::PictureBox,
            .name = "图片框2",
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
            .geometry = {left, kCaptionTop, 26, 20},
            .cursor = cursor};
}

ControlDef optionsButton(int left, bool visible) {
    return {.kind = ControlKind::ImageButton,
            .name = "选项按钮",
            .parent = kTitleBar,
            .geometry = {left, kCaptionTop, 44, 26},
            .visible = visible,
            .cursor = Cursor::Hand};
}

ControlDef leftEdge(int height) {
    return {
        .kind = ControlKind::PictureBox, .name = "leftpic", .geometry = {0, kEdge, kEdge, height}};
}

ControlDef rightEdge(int windowWidth, int height) {
    return {.kind = ControlKind::PictureBox,
            .name = "rightpic",
            .geometry = {windowWidth - kEdge, kEdge, kEdge, height}};
}

ControlDef bottomEdge(std::string_view name, int windowHeight) {
    return {.kind = ControlKind::PictureBox,
            .name = name,
            .geometry = {0, windowHeight - kEdge, kDesignWidth, kEdge}};
}

}  // namespace quillo::ui::definitions
