#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

// 600 x 400; the title bar and bottom edge keep the 984-pixel design width
// and are clipped by the window.
const WindowDef& popUnderWindow() {
    static const WindowDef definition{
        .name = kPopUnderWindow,
        .width = 600,
        .height = 400,
        .title = "背投广告",
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel("透明标签1", 207, "Quillo影音背投广告"),
                captionButton("关闭按钮1", 567),
                leftEdge(396),
                rightEdge(600, 396),
                bottomEdge("footpic", 400),
                {.kind = ControlKind::Browser,
                 .name = "超文本界面框1",
                 .geometry = {0, 28, 600, 372}},
            },
        .menus =
            {
                browserContextMenu("中文", kSimplifiedCaptions),
                browserContextMenu("繁体", kTraditionalCaptions),
                // This window's English back item carries a trailing blank.
                browserContextMenu("英语", {"GoBack ", "GoForward", "Refresh", "Stop"}),
            },
        .menuSkin = standardMenuSkin(),
    };
    return definition;
}

}  // namespace quillo::ui::definitions
