#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

// Created hidden; its timers decide when it shows and when it goes. The view
// overlaps the window by two pixels on every side to hide its own border.
const WindowDef& cornerPopupWindow() {
    static const WindowDef definition{
        .name = kCornerPopupWindow,
        .width = 296,
        .height = 246,
        .title = "广告组件",
        .background = kBlack,
        .visible = false,
        .ownIcon = true,
        .controls =
            {
                {.kind = ControlKind::HypertextView,
                 .name = "超文本浏览框1",
                 .geometry = {-2, -2, 300, 250}},
                {.kind = ControlKind::ImageButton,
                 .name = "图形按钮1",
                 .geometry = {248, 0, 51, 21},
                 .cursor = Cursor::Hand},
                timer("时钟1", 1000),   // show countdown
                timer("时钟2", 20000),  // lifetime
            },
    };
    return definition;
}

}  // namespace quillo::ui::definitions
