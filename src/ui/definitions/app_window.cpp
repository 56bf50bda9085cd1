#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

const WindowDef& appWindow() {
    static const WindowDef definition{
        .name = kAppWindow,
        .width = 984,
        .height = 624,
        .title = "APP应用窗口",
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel("APP应用名称", 127, "APP应用窗口"),
                textAdvertLabel("文字广告4", 360),
                optionsButton(855, false),
                captionButton("最小化按钮", 898),
                captionButton("最大化按钮", 925),
                captionButton("关闭按钮", 951),
                hiddenPushButton(kTitleBar),
                leftEdge(623),
                rightEdge(984, 623),
                bottomEdge("footpic", 624),
                {.kind = ControlKind::Browser,
                 .name = "WebBrowser1",
                 .geometry = {0, 28, 984, 596}},
                {.kind = ControlKind::HypertextView,
                 .name = "超文本浏览框1",
                 .geometry = {432, 88, 128, 96},
                 .address = "about:blank"},
            },
        .menus =
            {
                browserContextMenu("jt", kSimplifiedCaptions),
                browserContextMenu("ft", kTraditionalCaptions),
                browserContextMenu("yy", kEnglishCaptions),
            },
        .menuSkin = standardMenuSkin(),
    };
    return definition;
}

}  // namespace quillo::ui::definitions
