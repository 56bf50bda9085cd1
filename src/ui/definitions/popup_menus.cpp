#include "ui/definitions/popup_menus.hpp"

namespace quillo::ui::definitions {
namespace {

constexpr int kBackIcon = 1;
constexpr int kStopIcon = 0;

}  // namespace

MenuDef browserContextMenu(std::string_view name, const BrowserMenuCaptions& captions,
                           const BrowserMenuActions& actions) {
    return {.name = name,
            .items = {
                {.caption = captions.back, .icon = kBackIcon, .action = actions.back},
                {.caption = captions.forward, .action = actions.forward},
                {.caption = "-"},
                {.caption = captions.reload, .action = actions.reload},
                {.caption = "-"},
                {.caption = captions.stop, .icon = kStopIcon, .action = actions.stop},
            }};
}

MenuSkinDef standardMenuSkin() {
    return {.name = kMenuSkin,
            .colors = {{
                {0xF9, 0xF8, 0xF7},
                {0xD7, 0xD4, 0xCC},
                {0xB6, 0xBD, 0xD2},
                {0xB6, 0xBD, 0xD2},
                {0xF9, 0xF8, 0xF7},
                {0xB6, 0xBD, 0xD2},
                {0x80, 0x80, 0x80},
                {0xA6, 0xA6, 0xA6},
                {0x8D, 0x8D, 0x8D},
                {0xEC, 0xE9, 0xD8},
            }},
            .fontHeight = 12,
            .fontWeight = 400};
}

}  // namespace quillo::ui::definitions
