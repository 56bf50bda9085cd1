#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser_fixture.hpp"

namespace quillo::test {
namespace {

const ui::Rect kContent{0, 28, 984, 596};

class ColumnWindowTest : public BrowserWindowsTest {
protected:
    ui::Window& column() { return window(column_names::kWindow); }
    ui::Control& columnBrowser() { return column().control(column_names::kColumnBrowser); }
    ui::Control& appBrowser() { return column().control(column_names::kAppBrowser); }
    ui::Control& loadingView() { return column().control(column_names::kLoadingView); }
    void complete(std::string_view browser) { h.documentComplete(column_names::kWindow, browser); }
};

TEST_F(ColumnWindowTest, CreationShowsTheLoadingViewAndHidesTheColumnBrowser) {
    h.page("ads/wz3kg.html", "开");
    h.page("ads/ads3rn.html", "百部好剧");
    clickColumn(main_names::kColumn2Label);

    EXPECT_EQ(loadingView().address(), (h.programDirectory() / "Html" / "Loading.html").string());
    EXPECT_TRUE(loadingView().visible());
    EXPECT_EQ(loadingView().geometry(), kContent);
    EXPECT_FALSE(columnBrowser().visible());
    EXPECT_EQ(appBrowser().geometry(), (ui::Rect{200, 96, 72, 76}));
    EXPECT_EQ(control(column_names::kWindow, column_names::kTextAdvert).text(), gbk("百部好剧"));
    EXPECT_EQ(h.config("APPWindows"), "1");
}

TEST_F(ColumnWindowTest, ApplicationCentreAfterTheBlankPageThenLiveTv) {
    clickColumn(main_names::kColumn3Label);
    complete(column_names::kColumnBrowser);  // about:blank
    EXPECT_TRUE(columnBrowser().visible());
    EXPECT_FALSE(appBrowser().visible());
    EXPECT_FALSE(loadingView().visible());

    complete(column_names::kAppBrowser);  // the application centre
    EXPECT_FALSE(columnBrowser().visible());
    EXPECT_TRUE(appBrowser().visible());
    EXPECT_EQ(appBrowser().geometry(), kContent);

    clickColumn(main_names::kColumn2Label);
    complete(column_names::kColumnBrowser);  // live TV
    EXPECT_TRUE(columnBrowser().visible());
    EXPECT_EQ(columnBrowser().geometry(), kContent);
    EXPECT_FALSE(appBrowser().visible());
}

// The two pages load side by side; the blank one may complete last.
TEST_F(ColumnWindowTest, ApplicationCentreStaysWhenTheBlankPageCompletesAfterIt) {
    clickColumn(main_names::kColumn3Label);
    complete(column_names::kAppBrowser);
    complete(column_names::kColumnBrowser);  // about:blank
    EXPECT_TRUE(appBrowser().visible());
    EXPECT_EQ(appBrowser().geometry(), kContent);
    EXPECT_FALSE(columnBrowser().visible());
    EXPECT_FALSE(loadingView().visible());

    clickColumn(main_names::kColumn2Label);
    complete(column_names::kColumnBrowser);  // live TV
    EXPECT_TRUE(columnBrowser().visible());
    EXPECT_FALSE(appBrowser().visible());
}

TEST_F(ColumnWindowTest, APageCompletingWhileMaximizedReturnsToTheNormalSize) {
    clickColumn(main_names::kColumn2Label);
    h.click(column_names::kWindow, column_names::kMaximizeButton);
    EXPECT_EQ(columnBrowser().geometry(), (ui::Rect{0, 28, 1366, 768}));
    complete(column_names::kColumnBrowser);
    EXPECT_EQ(columnBrowser().geometry(), kContent);
    EXPECT_EQ(column().geometry(), (ui::Rect{0, 0, 1366, 768}));
}

// Restore places the window around the client area's centre, 30 pixels down
// the cascade, computed in floating point and truncated toward zero.
struct ToggleCase {
    int screenWidth;
    int screenHeight;
    int restoredLeft;
    int restoredTop;
};

class ColumnMaximize : public ColumnWindowTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ColumnMaximize, MaximizeThenRestore) {
    const ToggleCase& c = GetParam();
    h.setScreen(c.screenWidth, c.screenHeight);
    clickColumn(main_names::kColumn2Label);
    const int w = c.screenWidth;
    const int hgt = c.screenHeight;

    h.click(column_names::kWindow, column_names::kMaximizeButton);
    EXPECT_EQ(column().geometry(), (ui::Rect{0, 0, w, hgt}));
    EXPECT_TRUE(h.sentToBottom(column_names::kWindow, column_names::kColumnBrowser));
    EXPECT_EQ(columnBrowser().geometry(), (ui::Rect{0, 28, w, hgt}));
    EXPECT_EQ(appBrowser().geometry(), (ui::Rect{0, 28, w, hgt}));
    EXPECT_EQ(control(column_names::kWindow, column_names::kTitleBar).geometry().width, w);
    EXPECT_EQ(control(column_names::kWindow, column_names::kRightEdge).geometry(),
              (ui::Rect{w - 2, 2, 2, hgt}));
    EXPECT_EQ(control(column_names::kWindow, column_names::kBottomEdge).geometry(),
              (ui::Rect{0, hgt - 2, w, 2}));
    EXPECT_EQ(control(column_names::kWindow, column_names::kMaximizeButton).geometry(),
              (ui::Rect{w - 62, 4, 26, 20}));
    EXPECT_EQ(h.config("APPCenterMaximize"), "2");

    h.click(column_names::kWindow, column_names::kMaximizeButton);
    EXPECT_EQ(column().geometry(), (ui::Rect{c.restoredLeft, c.restoredTop, 984, 624}));
    EXPECT_EQ(columnBrowser().geometry(), kContent);
    EXPECT_EQ(control(column_names::kWindow, column_names::kLeftEdge).geometry().height, 620);
    EXPECT_EQ(control(column_names::kWindow, column_names::kOptionsButton).geometry(),
              (ui::Rect{847, 4, 44, 26}));
    EXPECT_EQ(control(column_names::kWindow, column_names::kCloseButton).geometry(),
              (ui::Rect{950, 4, 26, 20}));
    EXPECT_EQ(h.config("APPCenterMaximize"), "1");

    // Any other value makes the button do nothing.
    h.setConfig("APPCenterMaximize", "3");
    h.click(column_names::kWindow, column_names::kMaximizeButton);
    EXPECT_EQ(column().geometry(), (ui::Rect{c.restoredLeft, c.restoredTop, 984, 624}));
}

INSTANTIATE_TEST_SUITE_P(Screens, ColumnMaximize,
                         ::testing::Values(ToggleCase{1366, 768, 221, 93},
                                           ToggleCase{901, 600, -11, 9}));

TEST_F(ColumnWindowTest, CloseWhileMaximizedThenReopenGivesANormalWindow) {
    clickColumn(main_names::kColumn2Label);
    h.click(column_names::kWindow, column_names::kMaximizeButton);
    h.setConfig("APPWindows", "2");
    h.click(column_names::kWindow, column_names::kCloseButton);
    EXPECT_FALSE(h.isOpen(column_names::kWindow));
    EXPECT_EQ(h.config("APPWindows"), "1");
    EXPECT_EQ(h.config("APPCenterMaximize"), "1");

    clickColumn(main_names::kColumn2Label);
    EXPECT_EQ(column().geometry(), (ui::Rect{130, 110, 984, 624}));
    h.click(column_names::kWindow, column_names::kMinimizeButton);
    EXPECT_EQ(column().state(), ui::WindowState::Minimized);
}

struct MenuCase {
    const char* language;
    std::string_view browser;
    std::string_view menu;  // "" for none
    const char* item;       // chosen, by caption
    const char* command;    // journal name of the browser command
};

class ColumnMenus : public ColumnWindowTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(ColumnMenus, PopUpByLanguageAndActOnTheirBrowser) {
    const MenuCase& c = GetParam();
    clickColumn(main_names::kColumn3Label);
    h.setConfig("Language", c.language);
    h.rightPress(column_names::kWindow, c.browser);
    if (c.menu.empty()) {
        EXPECT_EQ(h.menusPopped(), 0);
        return;
    }
    ASSERT_TRUE(h.lastMenu());
    EXPECT_EQ(h.lastMenu()->menu, c.menu);
    h.choose(c.item);
    // After the opener's navigation.
    EXPECT_EQ(h.browserCommands(column_names::kWindow, c.browser),
              (std::vector<std::string>{"navigate", c.command}));
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ColumnMenus,
    ::testing::Values(
        MenuCase{"1", column_names::kColumnBrowser, column_names::kSimplifiedMenu, "返回",
                 "goBack"},
        MenuCase{"2", column_names::kColumnBrowser, column_names::kTraditionalMenu, "前進",
                 "goForward"},
        MenuCase{"3", column_names::kColumnBrowser, column_names::kEnglishMenu, "Refresh",
                 "refresh"},
        MenuCase{"1", column_names::kAppBrowser, column_names::kSimplifiedAppMenu, "停止", "stop"},
        MenuCase{"2.0", column_names::kAppBrowser, column_names::kTraditionalAppMenu, "重新載入",
                 "refresh"},
        MenuCase{"3", column_names::kAppBrowser, column_names::kEnglishAppMenu, "GoBack", "goBack"},
        MenuCase{"4", column_names::kColumnBrowser, "", "", ""},
        MenuCase{"", column_names::kAppBrowser, "", "", ""}));

TEST_F(ColumnWindowTest, UnbrowsableCustomColumnAddressLeavesTheLoadingView) {
    for (const char* address :
         {"file:///etc/passwd", "javascript:alert(1)", "/usr/bin/xterm", ""}) {
        h.page("ads/zdylm1dz.html", address);
        clickColumn(main_names::kColumn4Label);
    }
    EXPECT_TRUE(h.navigations(column_names::kWindow, column_names::kColumnBrowser).empty());
    EXPECT_TRUE(loadingView().visible());
    // No column is on show, so none is named.
    EXPECT_EQ(column().title(), "");
    EXPECT_EQ(control(column_names::kWindow, column_names::kTitleLabel).text(), gbk("APP应用"));
}

}  // namespace
}  // namespace quillo::test
