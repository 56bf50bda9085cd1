#pragma once

#include <string_view>

#include "ui/definitions/menu_actions.hpp"
#include "ui/model/window_definition.hpp"

// The six-item browser context menu and the menu skin that paints every
// pop-up menu of the browser windows.
namespace quillo::ui::definitions {

struct BrowserMenuCaptions {
    std::string_view back;
    std::string_view forward;
    std::string_view reload;
    std::string_view stop;
};

struct BrowserMenuActions {
    std::string_view back;
    std::string_view forward;
    std::string_view reload;
    std::string_view stop;
};

inline constexpr BrowserMenuCaptions kSimplifiedCaptions{"返回", "前进", "重新载入", "停止"};
inline constexpr BrowserMenuCaptions kTraditionalCaptions{"返回", "前進", "重新載入", "停止"};
inline constexpr BrowserMenuCaptions kEnglishCaptions{"GoBack", "GoForward", "Refresh", "Stop"};

// The window's own browser, and ColumnWindow's application browser.
inline constexpr BrowserMenuActions kBrowserActions{menu_action::kGoBack, menu_action::kGoForward,
                                                    menu_action::kRefresh, menu_action::kStop};
inline constexpr BrowserMenuActions kAppBrowserActions{
    menu_action::kAppGoBack, menu_action::kAppGoForward, menu_action::kAppRefresh,
    menu_action::kAppStop};

// back (icon 1), forward, "-", reload, "-", stop (icon 0).
MenuDef browserContextMenu(std::string_view name, const BrowserMenuCaptions& captions,
                           const BrowserMenuActions& actions = kBrowserActions);

// The menu skin of every window with pop-up menus.
inline constexpr std::string_view kMenuSkin = "启动窗口超级菜单";

// Ten colours, 12-pixel font of normal weight.
MenuSkinDef standardMenuSkin();

}  // namespace quillo::ui::definitions
