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
            // Separators stand between items: never first, last or twice in a row.
            EXPECT_NE(m.items.front().caption, "-") << m.name;
            EXPECT_NE(m.items.back().caption, "-") << m.name;
            for (std::size_t i = 1; i < m.items.size(); ++i) {
                EXPECT_FALSE(m.items[i].caption == "-" && m.items[i - 1].caption == "-")
                    << m.name << " item " << i;
            }
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

// The options menu offers the same actions in the same order in every
// language, Quit last and taken at once (also while a request waits); only
// the simplified one keeps the design's unbound window submenu.
TEST(MainOptionsMenu, EveryLanguageOffersTheSameActionsInOrderWithQuitLast) {
    const std::vector<std::string_view> actions{
        menu_action::kOpenSettings, menu_action::kContactCustomerService,
        menu_action::kLaunchUpdater, menu_action::kOpenAbout, menu_action::kQuit};
    for (std::string_view name : {"选项按钮菜单", "繁体菜单", "英文菜单"}) {
        const MenuDef* m = menu(kMainWindow, name);
        ASSERT_NE(m, nullptr);
        std::vector<std::string_view> bound;
        for (const MenuItemDef& item : m->items) {
            if (!item.action.empty()) {
                EXPECT_EQ(item.level, 1) << name << " / " << item.caption;
                bound.push_back(item.action);
            }
            EXPECT_EQ(item.atOnce, item.action == menu_action::kQuit)
                << name << " / " << item.caption;
        }
        EXPECT_EQ(bound, actions) << name;
        EXPECT_EQ(m->items.back().action, menu_action::kQuit) << name;
    }
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

// Every pop-up menu of the program looks the same: each window with menus
// paints them with the main window's skin.
TEST(MenuSkin, EveryWindowWithMenusPaintsThemAsTheMainWindowDoes) {
    const WindowDef* main = findWindowDefinition(kMainWindow);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(main->menuSkin.has_value());
    const MenuSkinDef& skin = *main->menuSkin;
    EXPECT_GT(skin.fontHeight, 0);
    for (const WindowDef& w : allWindowDefinitions()) {
        if (w.menus.empty()) {
            continue;
        }
        ASSERT_TRUE(w.menuSkin.has_value()) << w.name;
        EXPECT_EQ(w.menuSkin->name, skin.name) << w.name;
        EXPECT_EQ(w.menuSkin->colors, skin.colors) << w.name;
        EXPECT_EQ(w.menuSkin->fontHeight, skin.fontHeight) << w.name;
        EXPECT_EQ(w.menuSkin->fontWeight, skin.fontWeight) << w.name;
    }
}

}  // namespace
}  // namespace quillo::ui
