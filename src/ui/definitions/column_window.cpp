#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

const WindowDef& columnWindow() {
    static const WindowDef definition{
        .name = kColumnWindow,
        .width = 984,
        .height = 624,
        .background = kBlack,
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel("APP应用名称", 199, "APP应用"),
                textAdvertLabel("文字广告3", 360),
                optionsButton(855, false),
                captionButton("最小化按钮", 898),
                captionButton("最大化按钮", 925),
                captionButton("关闭按钮", 951),
                hiddenPushButton(kTitleBar),
                leftEdge(623),
                rightEdge(984, 623),
                bottomEdge("footpic", 624),
                // The set-up lays the browsers and the loading view out; their
                // stored places matter only until then.
                {.kind = ControlKind::Browser, .name = "WebBrowser1", .geometry = {2, 28, 72, 76}},
                {.kind = ControlKind::Browser,
                 .name = "WebBrowser应用专用",
                 .geometry = {200, 96, 72, 76}},
                {.kind = ControlKind::HypertextView,
                 .name = "超文本浏览框1",
                 .geometry = {432, 88, 128, 96},
                 .address = "about:blank"},
                {.kind = ControlKind::StatusBar,
                 .name = "状态条1",
                 .geometry = {0, 604, 984, 20},
                 .visible = false},
            },
        .menus =
            {
                browserContextMenu("简体菜单", kSimplifiedCaptions),
                browserContextMenu("繁体菜单", kTraditionalCaptions),
                browserContextMenu("英语菜单", kEnglishCaptions),
                // The dedicated menus act on `WebBrowser应用专用`.
                browserContextMenu("简体专用菜单", kSimplifiedCaptions, kAppBrowserActions),
                browserContextMenu("繁体专用菜单", kTraditionalCaptions, kAppBrowserActions),
                browserContextMenu("英语专用菜单", kEnglishCaptions, kAppBrowserActions),
            },
        .menuSkin = standardMenuSkin(),
    };
    return definition;
}

}  // namespace quillo::ui::definitions
