#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {
namespace {

// 13 x 13, hand cursor, unticked.
ControlDef checkBox(std::string_view name, int left, int top) {
    return {.kind = ControlKind::CheckBox,
            .name = name,
            .geometry = {left, top, 13, 13},
            .cursor = Cursor::Hand};
}

}  // namespace

// Captions in the left column at 160, values from 272; each check box sits
// between its caption and its text. The set-up replaces the texts for a known
// language code.
const WindowDef& settingsWindow() {
    static const WindowDef definition{
        .name = kSettingsWindow,
        .width = kDialogWidth,
        .height = kDialogHeight,
        .title = "Quillo影音播放器设置窗口",
        .background = kBlack,
        .controls = dialogControls(
            {.options = Cursor::Arrow, .about = Cursor::Hand},
            {
                dialogLabel("透明标签1", {160, 53, 72, 16}, "开机启动"),
                dialogLabel("透明标签2", {272, 48, 240, 24}, "开机启动本程序"),
                dialogLabel("透明标签3", {160, 77, 72, 16}, "软件语言"),
                dialogLabel("透明标签4", {272, 73, 56, 24}, "中文简体"),
                dialogLabel("取消置顶标签", {368, 73, 47, 24}, "中文繁體"),
                dialogLabel("取消置顶标签1", {465, 73, 47, 24}, "English"),
                dialogLabel("透明标签5", {160, 118, 72, 16}, "渲染模式"),
                dialogLabel("透明标签6", {272, 115, 64, 24}, "VMR9(窗口)"),
                dialogLabel("透明标签7", {369, 115, 71, 24}, "VMR9(无窗口)"),
                dialogLabel("透明标签8", {479, 115, 56, 24}, "EVR"),
                {.kind = ControlKind::TransparentLabel,
                 .name = "透明标签9",
                 .geometry = {160, 138, 368, 24},
                 .text = "选择合适的渲染器，能有效提升视频画质，重启本软件后生效",
                 .textColor = kHint},
                dialogLabel("透明标签10", {160, 161, 328, 24}, "WindowsXP系统，推荐使用VMR9"),
                dialogLabel("透明标签11", {160, 184, 352, 24},
                            "WindowsVista/7/8系统，推荐使用VMR9"),
                dialogLabel("屏幕保护", {160, 225, 80, 16}, "屏幕保护"),
                dialogLabel("透明标签14", {272, 220, 232, 24}, "播放时禁用屏幕保护（仅对XP有效）"),
                dialogLabel("透明标签12", {160, 248, 80, 16}, "托盘设置"),
                dialogLabel("透明标签13", {272, 245, 232, 24}, "勾选是否托盘关闭程序"),
                checkBox("开机启动", 248, 53),
                checkBox("简体", 248, 78),
                checkBox("繁体", 342, 78),
                checkBox("英语", 437, 78),
                checkBox("模式1", 248, 120),
                checkBox("模式2", 342, 120),
                checkBox("模式3", 452, 120),
                checkBox("屏保选择", 248, 225),
                checkBox("始终置顶4", 248, 250),
            }),
    };
    return definition;
}

}  // namespace quillo::ui::definitions
