#include "ui/definitions/exit_popup_window.hpp"

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = exit_popup_window;

const WindowDef& exitPopupWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 332,
        .height = 276,
        .title = "Korvane影音系列退弹广告",
        .background = kBlack,
        .role = WindowRole::PopUp,
        .controls =
            {
                {.kind = ControlKind::HypertextView,
                 .name = names::kView,
                 .geometry = {-2, -2, 336, 280}},
                {.kind = ControlKind::ImageButton,
                 .name = names::kCloseButton,
                 .geometry = {281, 0, 51, 21},
                 .cursor = Cursor::Hand,
                 .spoken = {"关闭", "關閉", "Close"}},
                timer(names::kLifetimeTimer, 15000),
            },
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
