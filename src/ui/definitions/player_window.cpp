#include "ui/definitions/player_window.hpp"

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = player_window;

const WindowDef& playerWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 984,
        .height = 624,
        .background = kWhite,
        // Two maximize buttons in one place, neither bound to anything;
        // `最大化按钮1` lies on top and receives the skin images.
        .controls = browserWindowControls(
            {.titleLabel = names::kTitleLabel,
             .titleLabelWidth = 199,
             .titleText = "Quillo影音播放器",
             .textAdvert = names::kTextAdvert,
             .textAdvertWidth = 344,
             .bottomEdge = names::kBottomEdge,
             .upperMaximizeButton = names::kUpperMaximizeButton},
            {
                {.kind = ControlKind::Browser,
                 .name = names::kPlayBrowser,
                 .geometry = {2, 28, 72, 76}},
                {.kind = ControlKind::Browser,
                 .name = names::kLoadingBrowser,
                 .geometry = {192, 48, 100, 100}},
                // Stopped once the play page has loaded; nothing is bound to its tick.
                timer(names::kLoadTimer, 10000),
            }),
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
