#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <set>
#include <string_view>
#include <vector>

#include "ui/definitions/menu_actions.hpp"
#include "ui/definitions/window_definitions.hpp"

namespace quillo::ui {
namespace {

const MenuDef* menu(std::string_view windowName, std::string_view menuName) {
    const WindowDef* w = findWindowDefinition(windowName);
    EXPECT_NE(w, nullptr) << windowName;
    const MenuDef* found = w != nullptr ? w->findMenu(menuName) : nullptr;
    EXPECT_NE(found, nullptr) << windowName << " / " << menuName;
    return found;
}

TEST(EveryMenu, IsWellFormedAndBindsOnlyKnownActions) {
    const std::set<std::string_view> knownActions{
        menu_action::kOpenSettings,  menu_action::kContactCustomerService,
        menu_action::kLaunchUpdater, menu_action::kOpenAbout,
        menu_action::kQuit,          menu_action::kGoBack,
        menu_action::kGoForward,     menu_action::kRefresh,
        menu_action::kStop,          menu_action::kAppGoBack,
        menu_action::kAppGoForward,  menu_action::kAppRefresh,
        menu_action::kAppStop,
    };
    for (const WindowDef& w : allWindowDefinitions()) {
        std::set<std::string_view> menuNames;
        EXPECT_EQ(w.menuSkin.has_value(), !w.menus.empty()) << w.name << ": menus need the painter";
        for (const MenuDef& m : w.menus) {
            EXPECT_TRUE(menuNames.insert(m.name).second) << w.name << ": duplicate " << m.name;
            ASSERT_FALSE(m.items.empty()) << m.name;
            bool insideSubmenu = false;
            for (const MenuItemDef& item : m.items) {
                EXPECT_FALSE(item.caption.empty()) << m.name;
                EXPECT_TRUE(item.icon >= -1 && item.icon <= 1) << m.name << " / " << item.caption;
                if (item.level == 1) {
                    insideSubmenu = item.submenuHead;
                } else {
                    EXPECT_EQ(item.level, 2) << m.name << " / " << item.caption;
                    EXPECT_TRUE(insideSubmenu)
                        << m.name << " / " << item.caption << " has no submenu head above it";
                    EXPECT_FALSE(item.submenuHead) << m.name << " / " << item.caption;
                }
                if (item.caption == "-" || item.submenuHead) {
                    EXPECT_TRUE(item.action.empty()) << m.name << " / " << item.caption;
                    EXPECT_EQ(item.level, 1) << m.name;
                } else if (!item.action.empty()) {
                    EXPECT_TRUE(knownActions.contains(item.action))
                        << m.name << " / " << item.caption << ": " << item.action;
                }
            }
        }
    }
}

TEST(MainOptionsMenu, ListsItsItemsInOrderWithTheirActions) {
    const MenuDef* options = menu(kMainWindow, "选项按钮菜单");
    ASSERT_NE(options, nullptr);
    struct Expected {
        std::string_view caption;
        int level;
        bool submenuHead;
        int icon;
        std::string_view action;
    };
    const std::vector<Expected> expected{
        {"窗口设置", 1, true, 0, ""},
        {"置顶", 2, false, -1, ""},
        {"取消置顶", 2, false, -1, ""},
        {"软件选项", 1, false, 0, menu_action::kOpenSettings},
        {"-", 1, false, -1, ""},
        {"联系客服", 1, false, -1, menu_action::kContactCustomerService},
        {"-", 1, false, -1, ""},
        {"升级程序", 1, false, -1, menu_action::kLaunchUpdater},
        {"关于本程序", 1, false, -1, menu_action::kOpenAbout},
        {"-", 1, false, -1, ""},
        {"退出", 1, false, 1, menu_action::kQuit},
    };
    ASSERT_EQ(options->items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const MenuItemDef& item = options->items[i];
        EXPECT_EQ(item.caption, expected[i].caption) << i;
        EXPECT_EQ(item.level, expected[i].level) << i;
        EXPECT_EQ(item.submenuHead, expected[i].submenuHead) << i;
        EXPECT_EQ(item.icon, expected[i].icon) << i;
        EXPECT_EQ(item.action, expected[i].action) << i;
    }
}

TEST(MainOptionsMenu, OtherLanguagesOfferTheSameActionsWithoutTheSubmenu) {
    const std::vector<std::string_view> actions{
        menu_action::kOpenSettings, menu_action::kContactCustomerService,
        menu_action::kLaunchUpdater, menu_action::kOpenAbout, menu_action::kQuit};
    for (std::string_view name : {"繁体菜单", "英文菜单"}) {
        const MenuDef* m = menu(kMainWindow, name);
        ASSERT_NE(m, nullptr);
        std::vector<std::string_view> bound;
        for (const MenuItemDef& item : m->items) {
            EXPECT_EQ(item.level, 1) << name;
            EXPECT_FALSE(item.submenuHead) << name;
            if (!item.action.empty()) {
                bound.push_back(item.action);
            }
        }
        EXPECT_EQ(bound, actions) << name;
        EXPECT_EQ(m->items.front().icon, 0) << name;
        EXPECT_EQ(m->items.back().icon, 1) << name;
    }
    EXPECT_EQ(menu(kMainWindow, "繁体菜单")->items.front().caption, "軟件設置");
    EXPECT_EQ(menu(kMainWindow, "英文菜单")->items.back().caption, "Quit");
}

struct ContextMenuCase {
    std::string_view window;
    std::string_view menu;
    std::array<std::string_view, 4> captions;  // back, forward, reload, stop
    bool appBrowser;
};

void PrintTo(const ContextMenuCase& c, std::ostream* os) {
    *os << c.window << " / " << c.menu;
}

class BrowserContextMenu : public testing::TestWithParam<ContextMenuCase> {};

TEST_P(BrowserContextMenu, HasBackForwardReloadStopWithSeparatorsAndIcons) {
    const ContextMenuCase& c = GetParam();
    const MenuDef* m = menu(c.window, c.menu);
    ASSERT_NE(m, nullptr);
    const std::array<std::string_view, 4> actions =
        c.appBrowser ? std::array{menu_action::kAppGoBack, menu_action::kAppGoForward,
                                  menu_action::kAppRefresh, menu_action::kAppStop}
                     : std::array{menu_action::kGoBack, menu_action::kGoForward,
                                  menu_action::kRefresh, menu_action::kStop};
    ASSERT_EQ(m->items.size(), 6U);
    const std::array<std::size_t, 4> slots{0, 1, 3, 5};
    for (std::size_t i = 0; i < slots.size(); ++i) {
        EXPECT_EQ(m->items[slots[i]].caption, c.captions[i]) << c.menu;
        EXPECT_EQ(m->items[slots[i]].action, actions[i]) << c.menu;
    }
    EXPECT_EQ(m->items[2].caption, "-");
    EXPECT_EQ(m->items[4].caption, "-");
    EXPECT_EQ(m->items[0].icon, 1);
    EXPECT_EQ(m->items[5].icon, 0);
    for (std::size_t i : {1U, 2U, 3U, 4U}) {
        EXPECT_EQ(m->items[i].icon, -1) << c.menu << " item " << i;
    }
}

constexpr std::array<std::string_view, 4> kSimplified{"返回", "前进", "重新载入", "停止"};
constexpr std::array<std::string_view, 4> kTraditional{"返回", "前進", "重新載入", "停止"};
constexpr std::array<std::string_view, 4> kEnglish{"GoBack", "GoForward", "Refresh", "Stop"};

INSTANTIATE_TEST_SUITE_P(
    AllBrowserWindows, BrowserContextMenu,
    testing::Values(
        ContextMenuCase{kMainWindow, "简体右键", {"返回", "前进", "从新载入", "停止"}, false},
        ContextMenuCase{kMainWindow, "繁体右键", {"返回", "前進", "從新載入", "停止"}, false},
        ContextMenuCase{kMainWindow, "英语右键", kEnglish, false},
        ContextMenuCase{kColumnWindow, "简体菜单", kSimplified, false},
        ContextMenuCase{kColumnWindow, "繁体菜单", kTraditional, false},
        ContextMenuCase{kColumnWindow, "英语菜单", kEnglish, false},
        ContextMenuCase{kColumnWindow, "简体专用菜单", kSimplified, true},
        ContextMenuCase{kColumnWindow, "繁体专用菜单", kTraditional, true},
        ContextMenuCase{kColumnWindow, "英语专用菜单", kEnglish, true},
        ContextMenuCase{kPopUnderWindow, "中文", kSimplified, false},
        ContextMenuCase{kPopUnderWindow, "繁体", kTraditional, false},
        ContextMenuCase{
            kPopUnderWindow, "英语", {"GoBack ", "GoForward", "Refresh", "Stop"}, false},
        ContextMenuCase{kAppWindow, "jt", kSimplified, false},
        ContextMenuCase{kAppWindow, "ft", kTraditional, false},
        ContextMenuCase{kAppWindow, "yy", kEnglish, false}));

TEST(MenuSkin, IsTheSameInEveryWindowWithMenus) {
    const std::array<Color, 10> colors{{{0xF9, 0xF8, 0xF7},
                                        {0xD7, 0xD4, 0xCC},
                                        {0xB6, 0xBD, 0xD2},
                                        {0xB6, 0xBD, 0xD2},
                                        {0xF9, 0xF8, 0xF7},
                                        {0xB6, 0xBD, 0xD2},
                                        {0x80, 0x80, 0x80},
                                        {0xA6, 0xA6, 0xA6},
                                        {0x8D, 0x8D, 0x8D},
                                        {0xEC, 0xE9, 0xD8}}};
    std::set<std::string_view> painted;
    for (const WindowDef& w : allWindowDefinitions()) {
        if (!w.menuSkin) {
            continue;
        }
        painted.insert(w.name);
        EXPECT_EQ(w.menuSkin->name, "启动窗口超级菜单") << w.name;
        EXPECT_EQ(w.menuSkin->colors, colors) << w.name;
        EXPECT_EQ(w.menuSkin->fontHeight, 12) << w.name;
        EXPECT_EQ(w.menuSkin->fontWeight, 400) << w.name;
    }
    EXPECT_EQ(painted, (std::set<std::string_view>{kMainWindow, kColumnWindow, kPopUnderWindow,
                                                   kAppWindow}));
}

}  // namespace
}  // namespace quillo::ui
