#include "ui/definitions/dialog_layout.hpp"

#include "ui/definitions/palette.hpp"

namespace quillo::ui::definitions {
namespace {

ControlDef edgeLine(std::string_view name, Rect geometry) {
    return {.kind = ControlKind::PictureBox, .name = name, .geometry = geometry};
}

ControlDef imageButton(std::string_view name, Rect geometry, Cursor cursor, SpokenName spoken) {
    return {.kind = ControlKind::ImageButton,
            .name = name,
            .geometry = geometry,
            .cursor = cursor,
            .spoken = spoken};
}

// The buttons that close the dialog, or apply settings that may restart the
// program, take effect at once, also while the dialog's set-up waits.
ControlDef closingButton(std::string_view name, Rect geometry, SpokenName spoken) {
    ControlDef button = imageButton(name, geometry, Cursor::Hand, spoken);
    button.atOnce = true;
    return button;
}

}  // namespace

std::vector<ControlDef> dialogControls(DialogTabCursors tabs,
                                       std::initializer_list<ControlDef> page) {
    constexpr int w = kDialogWidth;
    constexpr int h = kDialogHeight;
    std::vector<ControlDef> controls{
        edgeLine(options_dialog::kLeftEdge, {0, 0, 2, h}),
        edgeLine(options_dialog::kRightEdge, {w - 2, 0, 2, h}),
        edgeLine(options_dialog::kBottomEdge, {0, h - 2, w, 2}),
        edgeLine(options_dialog::kTopEdge, {0, 0, w, 2}),
        imageButton(options_dialog::kCloseButton, {520, 8, 26, 20}, Cursor::Hand,
                    {"关闭", "關閉", "Close"}),
        imageButton(options_dialog::kOptionsTab, {10, 36, 102, 36}, tabs.options,
                    {"设置", "設置", "Settings"}),
        imageButton(options_dialog::kAboutTab, {10, 73, 102, 36}, tabs.about,
                    {"关于", "關於", "About"}),
        closingButton(options_dialog::kConfirmButton, {186, 300, 81, 27},
                      {"确定", "確定", "Confirm"}),
        closingButton(options_dialog::kCancelButton, {291, 300, 81, 27},
                      {"取消", "取消", "Cancel"}),
        closingButton(options_dialog::kApplyButton, {398, 300, 81, 27}, {"应用", "應用", "Apply"}),
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
