#include "ui/definitions/dialog_layout.hpp"

#include "ui/definitions/palette.hpp"

namespace quillo::ui::definitions {
namespace {

ControlDef edgeLine(std::string_view name, Rect geometry) {
    return {.kind = ControlKind::PictureBox, .name = name, .geometry = geometry};
}

ControlDef imageButton(std::string_view name, Rect geometry, Cursor cursor) {
    return {.kind = ControlKind::ImageButton, .name = name, .geometry = geometry, .cursor = cursor};
}

}  // namespace

std::vector<ControlDef> dialogControls(DialogTabCursors tabs,
                                       std::initializer_list<ControlDef> page) {
    constexpr int w = kDialogWidth;
    constexpr int h = kDialogHeight;
    std::vector<ControlDef> controls{
        edgeLine("图片框1", {0, 0, 2, h}),
        edgeLine("图片框2", {w - 2, 0, 2, h}),
        edgeLine("图片框3", {0, h - 2, w, 2}),
        edgeLine("图片框4", {0, 0, w, 2}),
        imageButton("关闭按钮", {520, 8, 26, 20}, Cursor::Hand),
        imageButton("选项按钮", {10, 36, 102, 36}, tabs.options),
        imageButton("关于按钮", {10, 73, 102, 36}, tabs.about),
        imageButton("图形按钮1", {186, 300, 81, 27}, Cursor::Hand),  // confirm
        imageButton("图形按钮2", {291, 300, 81, 27}, Cursor::Hand),  // cancel
        imageButton("图形按钮3", {398, 300, 81, 27}, Cursor::Hand),  // apply
    };
    controls.insert(controls.end(), page.begin(), page.end());
    return controls;
}

ControlDef dialogLabel(std::string_view name, Rect geometry, std::string_view text) {
    return {.kind = ControlKind::TransparentLabel,
            .name = name,
            .geometry = geometry,
            .text = text,
            .textColor = kWhite};
}

}  // namespace quillo::ui::definitions
