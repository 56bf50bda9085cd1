#include "test_windows.hpp"

#include <algorithm>

namespace quillo::test {

using ui::ControlKind;
using ui::Cursor;

std::vector<ui::WindowDef> testWindows() {
    ui::WindowDef main{.name = "MainWindow",
                       .width = 984,
                       .height = 624,
                       .title = "测试窗口",
                       .endsProgram = true};
    main.controls = {
        {.kind = ControlKind::PictureBox, .name = "toppic", .geometry = {0, 0, 984, 30}},
        {.kind = ControlKind::ImageButton,
         .name = "关闭按钮",
         .parent = "toppic",
         .geometry = {950, 4, 26, 20},
         .cursor = Cursor::Hand},
        {.kind = ControlKind::ImageButton,
         .name = "选项按钮",
         .parent = "toppic",
         .geometry = {847, 4, 44, 26}},
        {.kind = ControlKind::TransparentLabel,
         .name = "文字广告1",
         .parent = "toppic",
         .geometry = {464, 4, 360, 24},
         .visible = false,
         .text = "透明标签",
         .textColor = ui::Color{0xC0, 0x60, 0x00},
         .font = ui::Font{16, 700}},
        {.kind = ControlKind::CheckBox,
         .name = "勾选框",
         .geometry = {10, 40, 13, 13},
         .checked = true},
        {.kind = ControlKind::Browser,
         .name = "WebBrowser1",
         .geometry = {0, 28, 984, 596},
         .address = "about:blank"},
        {.kind = ControlKind::StatusBar, .name = "状态条1", .visible = false},
        {.kind = ControlKind::Timer, .name = "内存时钟", .interval = 200},
        {.kind = ControlKind::Timer, .name = "背投时钟", .interval = 500},
        {.kind = ControlKind::Timer, .name = "时钟1", .interval = 0},
    };
    main.menus = {
        {.name = "选项按钮菜单",
         .items = {{.caption = "窗口设置", .submenuHead = true, .icon = 0},
                   {.caption = "置顶", .level = 2},
                   {.caption = "子项", .level = 2, .action = "subItem"},
                   {.caption = "软件选项", .icon = 0, .action = "openSettings"},
                   {.caption = "-"},
                   {.caption = "没有绑定", .action = "nobodyBindsThis"},
                   {.caption = "退出", .icon = 1, .action = "quit", .atOnce = true}}},
        {.name = "简体右键",
         .items = {{.caption = "返回", .icon = 1, .action = "goBack"},
                   {.caption = "-"},
                   {.caption = "停止", .icon = 0, .action = "stop"}}},
    };

    auto dialog = [](std::string_view name) {
        ui::WindowDef d{.name = name, .width = 400, .height = 300, .title = "对话框"};
        d.controls = {
            {.kind = ControlKind::ImageButton, .name = "确定按钮", .geometry = {300, 250, 60, 24}},
            {.kind = ControlKind::Timer, .name = "时钟", .interval = 100},
            {.kind = ControlKind::TransparentLabel, .name = "链接", .geometry = {10, 250, 80, 16}},
            {.kind = ControlKind::Browser, .name = "浏览器", .geometry = {10, 10, 380, 200}},
        };
        return d;
    };

    ui::WindowDef column{.name = "ColumnWindow", .width = 984, .height = 624, .title = "栏目"};
    column.controls = {
        {.kind = ControlKind::ImageButton, .name = "关闭按钮", .geometry = {950, 4, 26, 20}},
        {.kind = ControlKind::HypertextView,
         .name = "超文本浏览框1",
         .geometry = {-2, -2, 300, 200},
         .address = "http://127.0.0.1/start.html"},
    };

    column.menus = {{.name = "栏目菜单",
                     .items = {{.caption = "刷新", .action = "refresh"},
                               {.caption = "退出", .action = "quit"}}}};

    ui::WindowDef popup{.name = "PopupWindow",
                        .width = 250,
                        .height = 180,
                        .visible = false,
                        .closeControl = "关闭按钮"};
    popup.controls = {
        {.kind = ControlKind::ImageButton, .name = "关闭按钮", .geometry = {220, 4, 26, 20}},
        {.kind = ControlKind::Timer, .name = "显示时钟", .interval = 300},
        {.kind = ControlKind::Timer, .name = "关闭时钟", .interval = 300},
    };

    return {main, dialog("SettingsWindow"), dialog("AboutWindow"), column, popup};
}

ModelTest::ModelTest()
    : model_(backend_, [this](std::string_view name) { return definition(name); }) {
    backend_.attach(model_);
}

const ui::WindowDef* ModelTest::definition(std::string_view name) const {
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [name](const ui::WindowDef& w) { return w.name == name; });
    return it == windows_.end() ? nullptr : &*it;
}

}  // namespace quillo::test
