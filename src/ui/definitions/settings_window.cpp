#include "ui/definitions/settings_window.hpp"

#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = settings_window;
namespace {

// 13 x 13, hand cursor, unticked.
ControlDef checkBox(std::string_view name, int left, int top, std::string_view label) {
    return {.kind = ControlKind::CheckBox,
            .name = name,
            .geometry = {left, top, 13, 13},
            .cursor = Cursor::Hand,
            .labelledBy = label};
}

}  // namespace

// Captions in the left column at 160, values from 272; each check box sits
// between its caption and its text. The set-up replaces the texts for a known
// language code.
const WindowDef& settingsWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = kDialogWidth,
        .height = kDialogHeight,
        .title = "Quillo影音播放器设置窗口",
        .background = kBlack,
        .controls = dialogControls(
            {.options = Cursor::Arrow, .about = Cursor::Hand},
            {
                dialogLabel(names::kAutostartCaption, {160, 53, 72, 16}, "开机启动"),
                dialogLabel(names::kAutostartLabel, {272, 48, 240, 24}, "开机启动本程序"),
                dialogLabel(names::kLanguageCaption, {160, 77, 72, 16}, "软件语言"),
                dialogLabel(names::kSimplifiedLabel, {272, 73, 56, 24}, "中文简体"),
                dialogLabel(names::kTraditionalLabel, {368, 73, 47, 24}, "中文繁體"),
                dialogLabel(names::kEnglishLabel, {465, 73, 47, 24}, "English"),
                dialogLabel(names::kRendererCaption, {160, 118, 72, 16}, "渲染模式"),
                dialogLabel(names::kRenderer1Label, {272, 115, 64, 24}, "VMR9(窗口)"),
                dialogLabel(names::kRenderer2Label, {369, 115, 71, 24}, "VMR9(无窗口)"),
                dialogLabel(names::kRenderer3Label, {479, 115, 56, 24}, "EVR"),
                {.kind = ControlKind::TransparentLabel,
                 .name = names::kRendererHint,
                 .geometry = {160, 138, 368, 24},
                 .text = "选择合适的渲染器，能有效提升视频画质，重启本软件后生效",
                 .textColor = kHint},
                dialogLabel(names::kRendererAdviceXp, {160, 161, 328, 24},
                            "WindowsXP系统，推荐使用VMR9"),
                dialogLabel(names::kRendererAdviceVista, {160, 184, 352, 24},
                            "WindowsVista/7/8系统，推荐使用VMR9"),
                dialogLabel(names::kScreenSaverCaption, {160, 225, 80, 16}, "屏幕保护"),
                dialogLabel(names::kScreenSaverLabel, {272, 220, 232, 24},
                            "播放时禁用屏幕保护（仅对XP有效）"),
                dialogLabel(names::kTrayCaption, {160, 248, 80, 16}, "托盘设置"),
                dialogLabel(names::kTrayLabel, {272, 245, 232, 24}, "勾选是否托盘关闭程序"),
                checkBox(names::kAutostartBox, 248, 53, names::kAutostartLabel),
                checkBox(names::kSimplifiedBox, 248, 78, names::kSimplifiedLabel),
                checkBox(names::kTraditionalBox, 342, 78, names::kTraditionalLabel),
                checkBox(names::kEnglishBox, 437, 78, names::kEnglishLabel),
                checkBox(names::kRenderer1Box, 248, 120, names::kRenderer1Label),
                checkBox(names::kRenderer2Box, 342, 120, names::kRenderer2Label),
                checkBox(names::kRenderer3Box, 452, 120, names::kRenderer3Label),
                checkBox(names::kScreenSaverBox, 248, 225, names::kScreenSaverLabel),
                checkBox(names::kTrayBox, 248, 250, names::kTrayLabel),
            }),
        .closeControl = names::kCloseButton,
        .escapeControl = names::kCancelButton,
        .enterControl = names::kConfirmButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
