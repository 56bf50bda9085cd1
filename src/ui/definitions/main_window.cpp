#include "ui/definitions/main_window.hpp"

#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {
namespace {

namespace names = main_window;

// Column labels 1 to 4 sit at top 8, 60 x 16, in the title bar.
ControlDef columnLabel(std::string_view name, int left, std::string_view text, Color color,
                       Cursor cursor) {
    return {.kind = ControlKind::TransparentLabel,
            .name = name,
            .parent = kTitleBar,
            .geometry = {left, 8, 60, 16},
            .cursor = cursor,
            .text = text,
            .textColor = color};
}

ControlDef hiddenLabel(std::string_view name) {
    return {.kind = ControlKind::PlainLabel, .name = name, .visible = false};
}

std::vector<MenuDef> mainMenus() {
    namespace act = menu_action;
    return {
        {.name = names::kSimplifiedOptionsMenu,
         .items =
             {
                 {.caption = "窗口设置", .submenuHead = true, .icon = 0},
                 // Kept from the design: nothing is bound to these two.
                 {.caption = "置顶", .level = 2},
                 {.caption = "取消置顶", .level = 2},
                 {.caption = "软件选项", .icon = 0, .action = act::kOpenSettings},
                 {.caption = "-"},
                 {.caption = "联系客服", .action = act::kContactCustomerService},
                 {.caption = "-"},
                 {.caption = "升级程序", .action = act::kLaunchUpdater},
                 {.caption = "关于本程序", .action = act::kOpenAbout},
                 {.caption = "-"},
                 {.caption = "退出", .icon = 1, .action = act::kQuit, .atOnce = true},
             }},
        {.name = names::kTraditionalOptionsMenu,
         .items =
             {
                 {.caption = "軟件設置", .icon = 0, .action = act::kOpenSettings},
                 {.caption = "-"},
                 {.caption = "聯系客服", .action = act::kContactCustomerService},
                 {.caption = "-"},
                 {.caption = "升級程序", .action = act::kLaunchUpdater},
                 {.caption = "關于本程序", .action = act::kOpenAbout},
                 {.caption = "-"},
                 {.caption = "退出", .icon = 1, .action = act::kQuit, .atOnce = true},
             }},
        {.name = names::kEnglishOptionsMenu,
         .items =
             {
                 {.caption = "Settings", .icon = 0, .action = act::kOpenSettings},
                 {.caption = "-"},
                 {.caption = "Contact us", .action = act::kContactCustomerService},
                 {.caption = "-"},
                 {.caption = "Upgrade program", .action = act::kLaunchUpdater},
                 {.caption = "About program", .action = act::kOpenAbout},
                 {.caption = "-"},
                 {.caption = "Quit", .icon = 1, .action = act::kQuit, .atOnce = true},
             }},
        // The main window's reload captions read "从新载入" / "從新載入".
        browserContextMenu(names::kSimplifiedBrowserMenu, {"返回", "前进", "从新载入", "停止"}),
        browserContextMenu(names::kTraditionalBrowserMenu, {"返回", "前進", "從新載入", "停止"}),
        browserContextMenu(names::kEnglishBrowserMenu, kEnglishCaptions),
    };
}

}  // namespace

const WindowDef& mainWindow() {
    static const WindowDef definition{
        .name = names::kWindow,
        .width = 984,
        .height = 624,
        .endsProgram = true,
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel(names::kNameLabel, 60, "Quillo影音"),
                columnLabel(names::kColumn1Label, 103, "影视片库", kCurrentColumn, Cursor::Arrow),
                columnLabel(names::kColumn2Label, 173, "电视直播", kWhite, Cursor::Hand),
                columnLabel(names::kColumn3Label, 243, "应用中心", kWhite, Cursor::Hand),
                columnLabel(names::kColumn4Label, 313, "玩玩游戏", kWhite, Cursor::Hand),
                {.kind = ControlKind::TransparentLabel,
                 .name = names::kColumn5Label,
                 .parent = kTitleBar,
                 .geometry = {383, 4, 60, 24},
                 .cursor = Cursor::Hand,
                 .text = "官方推荐",
                 .textColor = kTitleText},
                textAdvertLabel(names::kTextAdvert, 360),
                optionsButton(kDesignWidth - skinned_frame::kOptionsButtonFromRight, true),
                captionButton(names::kMinimizeButton,
                              kDesignWidth - skinned_frame::kMinimizeButtonFromRight),
                captionButton(names::kMaximizeButton,
                              kDesignWidth - skinned_frame::kMaximizeButtonFromRight),
                captionButton(names::kCloseButton,
                              kDesignWidth - skinned_frame::kCloseButtonFromRight),
                leftEdge(620),
                rightEdge(984, 620),
                bottomEdge(names::kBottomEdge, 624),
                {.kind = ControlKind::Browser,
                 .name = names::kSiteBrowser,
                 .geometry = {0, 28, 984, 596}},
                {.kind = ControlKind::Browser,
                 .name = names::kLoadingBrowser,
                 .geometry = {296, 8, 100, 100}},
                {.kind = ControlKind::StatusBar,
                 .name = names::kStatusBar,
                 .geometry = {0, 574, 405, 20},
                 .visible = false},
                hiddenLabel(names::kHiddenLabel1),
                hiddenLabel(names::kHiddenLabel2),
                hiddenLabel(names::kHiddenLabel3),
                timer(names::kMemoryTimer, 200),
                timer(names::kPopUnderTimer, 60000),
                // Design-time timers without behaviour.
                timer(names::kIdleTimer, 60000),
                timer(names::kSystemTimer, 0),
                timer(names::kSystemTimer1, 0),
            },
        .menus = mainMenus(),
        .menuSkin = standardMenuSkin(),
        .closeControl = names::kCloseButton,
    };
    return definition;
}

}  // namespace quillo::ui::definitions
