#include "ui/definitions/corner_popup_window.hpp"

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = corner_popup_window;

// Created hidden; its timers decide when it shows and when it goes. The view
// overlaps the window by two pixels on every side to hide its own border.
const WindowDef& cornerPopupWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 296,
        .height = 246,
        .title = "广告组件",
        .background = kBlack,
        .visible = false,
        .ownIcon = true,
        .role = WindowRole::PopUp,
        .controls =
            {
                {.kind = ControlKind::HypertextView,
                 .name = names::kView,
                 .geometry = {-2, -2, 300, 250}},
                {.kind = ControlKind::ImageButton,
                 .name = names::kCloseButton,
                 .geometry = {248, 0, 51, 21},
                 .cursor = Cursor::Hand,
                 .spoken = {"关闭", "關閉", "Close"}},
                timer(names::kShowTimer, 1000),
                timer(names::kLifetimeTimer, 20000),
            },
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
