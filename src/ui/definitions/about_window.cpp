#include "ui/definitions/about_window.hpp"

#include "ui/definitions/dialog_layout.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = about_window;

// The stored texts show only when the language code is unknown; the set-up
// replaces them from the content server otherwise.
const WindowDef& aboutWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = kDialogWidth,
        .height = kDialogHeight,
        .title = "Quillo影音播放器关于窗口",
        .background = kBlack,
        .controls = dialogControls(
            {.options = Cursor::Hand, .about = Cursor::Arrow},
            {
                {.kind = ControlKind::PictureBox,
                 .name = names::kLogo,
                 .geometry = {424, 40, 80, 80}},
                {.kind = ControlKind::TransparentLabel,
                 .name = names::kNameLabel,
                 .geometry = {160, 35, 256, 40},
                 .text = "Quillo影音播放器",
                 .textColor = kWhite,
                 .font = Font{.height = 32, .weight = 400}},
                dialogLabel(names::kVersionLabel, {160, 89, 264, 40}, "主程序版本：1.1.1303.8"),
                dialogLabel(names::kUpdaterVersionLabel, {160, 116, 264, 40},
                            "软件升级程序版本：1.0.1301.20"),
                dialogLabel(names::kThanksLabel, {160, 160, 352, 64},
                            "本软件集成的各功能模块版权归其原作者所有，在此向他们表示衷心的感谢！"),
                dialogLabel(names::kCopyrightLabel, {160, 229, 328, 20},
                            "Copyright (C) Quillo影音 版权所有"),
                {.kind = ControlKind::TransparentLabel,
                 .name = names::kSiteLink,
                 .geometry = {160, 257, 240, 16},
                 .cursor = Cursor::Hand,
                 .text = "访问官网 http://www.quillo.example/",
                 .textColor = kWhite},
                {.kind = ControlKind::TransparentLabel,
                 .name = names::kCopyrightChannelLink,
                 .geometry = {434, 249, 95, 32},
                 .cursor = Cursor::Hand,
                 .text = "影片版权协调通道",
                 .textColor = kWhite},
            }),
        .closeControl = names::kCloseButton,
        .escapeControl = names::kCancelButton,
        .enterControl = names::kConfirmButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
