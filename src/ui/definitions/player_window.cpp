#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

const WindowDef& playerWindow() {
    static const WindowDef definition{
        .name = kPlayerWindow,
        .width = 984,
        .height = 624,
        .background = kWhite,
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel("透明标签1", 199, "Quillo影音播放器"),
                textAdvertLabel("文字广告2", 344),
                optionsButton(855, false),
                captionButton("最小化按钮", 898),
                // Two maximize buttons in one place, neither bound to anything;
                // `最大化按钮1` lies on top and receives the skin images.
                captionButton("最大化按钮", 925, Cursor::Arrow),
                captionButton("最大化按钮1", 925, Cursor::Arrow),
                captionButton("关闭按钮", 951),
                hiddenPushButton(kTitleBar),
                leftEdge(623),
                rightEdge(984, 623),
                bottomEdge("footpic", 624),
                {.kind = ControlKind::Browser, .name = "WebBrowser10", .geometry = {2, 28, 72, 76}},
                {.kind = ControlKind::Browser,
                 .name = "WebBrowser2",
                 .geometry = {192, 48, 100, 100}},
                // Stopped once the play page has loaded; nothing is bound to its tick.
                timer("时钟1", 10000),
            },
    };
    return definition;
}

}  // namespace quillo::ui::definitions
