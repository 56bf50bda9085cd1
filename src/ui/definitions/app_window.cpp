#include "ui/definitions/app_window.hpp"

#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = app_window;

const WindowDef& appWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 984,
        .height = 624,
        .title = "APP应用窗口",
        .controls = browserWindowControls({.titleLabel = names::kTitleLabel,
                                           .titleLabelWidth = 127,
                                           .titleText = "APP应用窗口",
                                           .textAdvert = names::kTextAdvert,
                                           .textAdvertWidth = 360,
                                           .bottomEdge = names::kBottomEdge},
                                          {
                                              {.kind = ControlKind::Browser,
                                               .name = names::kBrowser,
                                               .geometry = {0, 28, 984, 596}},
                                              {.kind = ControlKind::HypertextView,
                                               .name = names::kLoadingView,
                                               .geometry = {432, 88, 128, 96},
                                               .address = "about:blank"},
                                          }),
        .menus =
            {
                browserContextMenu(names::kSimplifiedMenu, kSimplifiedCaptions),
                browserContextMenu(names::kTraditionalMenu, kTraditionalCaptions),
                browserContextMenu(names::kEnglishMenu, kEnglishCaptions),
            },
        .menuSkin = standardMenuSkin(),
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
