#include "ui/definitions/pop_under_window.hpp"

#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = pop_under_window;

// 600 x 400; the title bar and bottom edge keep the 984-pixel design width
// and are clipped by the window.
const WindowDef& popUnderWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 600,
        .height = 400,
        .title = "背投广告",
        .role = WindowRole::PopUnder,
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel(names::kTitleLabel, 207, "Quillo影音背投广告"),
                captionButton(names::kCloseButton, 567),
                leftEdge(396),
                rightEdge(600, 396),
                bottomEdge(names::kBottomEdge, 400),
                {.kind = ControlKind::Browser,
                 .name = names::kBrowser,
                 .geometry = {0, 28, 600, 372}},
            },
        .menus =
            {
                browserContextMenu(names::kSimplifiedMenu, kSimplifiedCaptions),
                browserContextMenu(names::kTraditionalMenu, kTraditionalCaptions),
                // This window's English back item carries a trailing blank.
                browserContextMenu(names::kEnglishMenu,
                                   {"GoBack ", "GoForward", "Refresh", "Stop"}),
            },
        .menuSkin = standardMenuSkin(),
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
