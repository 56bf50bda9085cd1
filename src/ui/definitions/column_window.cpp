#include "ui/definitions/column_window.hpp"

#include "ui/definitions/palette.hpp"
#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {

namespace names = column_window;

const WindowDef& columnWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 984,
        .height = 624,
        .background = kBlack,
        .controls = browserWindowControls({.titleLabel = names::kTitleLabel,
                                           .titleLabelWidth = 199,
                                           .titleText = "APP应用",
                                           .textAdvert = names::kTextAdvert,
                                           .textAdvertWidth = 360,
                                           .bottomEdge = names::kBottomEdge},
                                          {
                                              // The set-up lays the browsers and the loading view
                                              // out; their stored places matter only until then.
                                              {.kind = ControlKind::Browser,
                                               .name = names::kColumnBrowser,
                                               .geometry = {2, 28, 72, 76}},
                                              {.kind = ControlKind::Browser,
                                               .name = names::kAppBrowser,
                                               .geometry = {200, 96, 72, 76}},
                                              {.kind = ControlKind::HypertextView,
                                               .name = names::kLoadingView,
                                               .geometry = {432, 88, 128, 96},
                                               .address = "about:blank"},
                                              {.kind = ControlKind::StatusBar,
                                               .name = names::kStatusBar,
                                               .geometry = {0, 604, 984, 20},
                                               .visible = false},
                                          }),
        .menus =
            {
                browserContextMenu(names::kSimplifiedMenu, kSimplifiedCaptions),
                browserContextMenu(names::kTraditionalMenu, kTraditionalCaptions),
                browserContextMenu(names::kEnglishMenu, kEnglishCaptions),
                // The dedicated menus act on the application browser.
                browserContextMenu(names::kSimplifiedAppMenu, kSimplifiedCaptions,
                                   kAppBrowserActions),
                browserContextMenu(names::kTraditionalAppMenu, kTraditionalCaptions,
                                   kAppBrowserActions),
                browserContextMenu(names::kEnglishAppMenu, kEnglishCaptions, kAppBrowserActions),
            },
        .menuSkin = standardMenuSkin(),
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
