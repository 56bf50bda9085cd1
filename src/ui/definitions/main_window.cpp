#include "ui/definitions/common_controls.hpp"
#include "ui/definitions/menu_actions.hpp"
#include "ui/definitions/palette.hpp"
#include "ui/definitions/popup_menus.hpp"
#include "ui/definitions/skinned_frame.hpp"
#include "ui/definitions/window_names.hpp"
#include "ui/definitions/windows.hpp"

namespace quillo::ui::definitions {
namespace {

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
        {.name = "选项按钮菜单",
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
                 {.caption = "退出", .icon = 1, .action = act::kQuit},
             }},
        {.name = "繁体菜单",
         .items =
             {
                 {.caption = "軟件設置", .icon = 0, .action = act::kOpenSettings},
                 {.caption = "-"},
                 {.caption = "聯系客服", .action = act::kContactCustomerService},
                 {.caption = "-"},
                 {.caption = "升級程序", .action = act::kLaunchUpdater},
                 {.caption = "關于本程序", .action = act::kOpenAbout},
                 {.caption = "-"},
                 {.caption = "退出", .icon = 1, .action = act::kQuit},
             }},
        {.name = "英文菜单",
         .items =
             {
                 {.caption = "Settings", .icon = 0, .action = act::kOpenSettings},
                 {.caption = "-"},
                 {.caption = "Contact us", .action = act::kContactCustomerService},
                 {.caption = "-"},
                 {.caption = "Upgrade program", .action = act::kLaunchUpdater},
                 {.caption = "About program", .action = act::kOpenAbout},
                 {.caption = "-"},
                 {.caption = "Quit", .icon = 1, .action = act::kQuit},
             }},
        // The main window's reload captions read "从新载入" / "從新載入".
        browserContextMenu("简体右键", {"返回", "前进", "从新载入", "停止"}),
        browserContextMenu("繁体右键", {"返回", "前進", "從新載入", "停止"}),
        browserContextMenu("英语右键", kEnglishCaptions),
    };
}

}  // namespace

const WindowDef& mainWindow() {
    static const WindowDef definition{
        .name = kMainWindow,
        .width = 984,
        .height = 624,
        .controls =
            {
                titleBar(),
                titleLogo(),
                titleLabel("软件名称标签", 60, "Quillo影音"),
                columnLabel("栏目1标签", 103, "影视片库", kCurrentColumn, Cursor::Arrow),
                columnLabel("栏目2标签", 173, "电视直播", kWhite, Cursor::Hand),
                columnLabel("栏目3标签", 243, "应用中心", kWhite, Cursor::Hand),
                columnLabel("栏目4标签", 313, "玩玩游戏", kWhite, Cursor::Hand),
                {.kind = ControlKind::TransparentLabel,
                 .name = "栏目5标签",
                 .parent = kTitleBar,
                 .geometry = {383, 4, 60, 24},
                 .cursor = Cursor::Hand,
                 .text = "官方推荐",
                 .textColor = kTitleText},
                textAdvertLabel("文字广告1", 360),
                optionsButton(847, true),
                captionButton("最小化按钮", 892),
                captionButton("最大化按钮", 922),
                captionButton("关闭按钮", 950),
                leftEdge(620),
                rightEdge(984, 620),
                bottomEdge("图片框1", 624),
                {.kind = ControlKind::Browser,
                 .name = "WebBrowser1",
                 .geometry = {0, 28, 984, 596}},
                {.kind = ControlKind::Browser,
                 .name = "WebBrowser2",
                 .geometry = {296, 8, 100, 100}},
                {.kind = ControlKind::StatusBar,
                 .name = "状态条1",
                 .geometry = {0, 574, 405, 20},
                 .visible = false},
                hiddenLabel("标签1"),
                hiddenLabel("标签2"),
                hiddenLabel("标签3"),
                timer("内存时钟", 200),
                timer("背投时钟", 60000),
                // Design-time timers without behaviour.
                timer("时钟1", 60000),
                timer("systema时钟", 0),
                timer("systema时钟1", 0),
            },
        .menus = mainMenus(),
        .menuSkin = standardMenuSkin(),
    };
    return definition;
}

}  // namespace quillo::ui::definitions
