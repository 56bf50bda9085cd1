#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

const WindowDef& exitPopupWindow() {
    static const WindowDef definition{
        .name = kExitPopupWindow,
        .width = 332,
        .height = 276,
        .title = "Korvane影音系列退弹广告",
        .background = kBlack,
        .controls =
            {
                {.kind = ControlKind::HypertextView,
                 .name = "超文本浏览框1",
                 .geometry = {-2, -2, 336, 280}},
                {.kind = ControlKind::ImageButton,
                 .name = "图形按钮1",
                 .geometry = {281, 0, 51, 21},
                 .cursor = Cursor::Hand},
                timer("时钟1", 15000),  // lifetime
            },
    };
    return definition;
}

}  // namespace quillo::ui::definitions
