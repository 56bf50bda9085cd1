#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser_fixture.hpp"

namespace quillo::test {
namespace {

const ui::Rect kContent{0, 28, 984, 596};

class AppWindowTest : public BrowserWindowsTest {
protected:
    void SetUp() override {
        BrowserWindowsTest::SetUp();
        clickColumn(main_names::kColumn3Label);
        window(column_names::kWindow).move(300, 200, 984, 624);
    }
    ui::Window& app() { return window(app_names::kWindow); }
    ui::Control& browser() { return app().control(app_names::kBrowser); }
    std::vector<Text> appNavigations() {
        return h.navigations(app_names::kWindow, app_names::kBrowser);
    }
};

TEST_F(AppWindowTest, OpensTheLastApplicationLinkBesideTheColumnWindowOverTheLoadingView) {
    h.page("ads/wz4kg.html", "开");
    h.page("ads/ads4rn.html", "精品应用");
    EXPECT_TRUE(followAppLink("http://site.example/apps/clock.html"));

    EXPECT_EQ(app().left(), 330);
    EXPECT_EQ(app().top(), 230);
    EXPECT_EQ(appNavigations(), (std::vector<Text>{"http://site.example/apps/clock.html"}));
    EXPECT_FALSE(browser().visible());
    ui::Control& loading = app().control(app_names::kLoadingView);
    EXPECT_TRUE(loading.visible());
    EXPECT_EQ(loading.geometry(), kContent);
    EXPECT_EQ(control(app_names::kWindow, app_names::kTextAdvert).text(), gbk("精品应用"));

    h.documentComplete(app_names::kWindow, app_names::kBrowser);
    EXPECT_FALSE(loading.visible());
    EXPECT_TRUE(browser().visible());
}

TEST_F(AppWindowTest, ASecondLinkWhileOpenMovesItBackAndShowsTheNewApplication) {
    followAppLink("http://site.example/apps/clock.html");
    app().move(10, 10, 984, 624);

    EXPECT_TRUE(followAppLink("http://site.example/apps/notes.html"));
    EXPECT_EQ(h.createdCount(app_names::kWindow), 1);
    EXPECT_EQ(app().left(), 330);
    EXPECT_EQ(app().top(), 230);
    EXPECT_EQ(appNavigations(), (std::vector<Text>{"http://site.example/apps/clock.html",
                                                   "http://site.example/apps/notes.html"}));
}

TEST_F(AppWindowTest, RequestedAddressStandsInForAMissingStatusTextAndOnlyWebAddressesLoad) {
    EXPECT_TRUE(followAppLink("", "http://site.example/apps/timer.html"));
    EXPECT_TRUE(followAppLink("javascript:alert(1)", "http://site.example/apps/notes.html"));
    EXPECT_EQ(appNavigations(), (std::vector<Text>{"http://site.example/apps/timer.html"}));
}

class AppMaximize : public AppWindowTest,
                    public ::testing::WithParamInterface<std::tuple<int, int, int, int>> {};

TEST_P(AppMaximize, MaximizeThenRestoreSixtyPixelsDownTheCascade) {
    const auto [w, hgt, left, top] = GetParam();
    h.setScreen(w, hgt);
    followAppLink("http://site.example/apps/clock.html");

    h.click(app_names::kWindow, app_names::kMaximizeButton);
    EXPECT_EQ(app().geometry(), (ui::Rect{0, 0, w, hgt}));
    EXPECT_EQ(browser().geometry(), (ui::Rect{0, 28, w, hgt}));
    EXPECT_EQ(control(app_names::kWindow, app_names::kCloseButton).geometry(),
              (ui::Rect{w - 34, 4, 26, 20}));
    EXPECT_EQ(h.config("APPMaximize"), "2");
    // A page completing now only changes visibility.
    h.documentComplete(app_names::kWindow, app_names::kBrowser);
    EXPECT_EQ(browser().geometry(), (ui::Rect{0, 28, w, hgt}));

    h.click(app_names::kWindow, app_names::kMaximizeButton);
    EXPECT_EQ(app().geometry(), (ui::Rect{left, top, 984, 624}));
    EXPECT_EQ(browser().geometry(), kContent);
    EXPECT_EQ(control(app_names::kWindow, app_names::kMinimizeButton).geometry(),
              (ui::Rect{892, 4, 26, 20}));
    EXPECT_EQ(h.config("APPMaximize"), "1");
}

INSTANTIATE_TEST_SUITE_P(Screens, AppMaximize,
                         ::testing::Values(std::tuple{1366, 768, 251, 123},
                                           std::tuple{801, 500, -31, -11}));

TEST_F(AppWindowTest, CloseWhileMaximizedThenReopenGivesANormalWindow) {
    followAppLink("http://site.example/apps/clock.html");
    h.click(app_names::kWindow, app_names::kMaximizeButton);
    h.click(app_names::kWindow, app_names::kCloseButton);
    EXPECT_FALSE(h.isOpen(app_names::kWindow));
    EXPECT_EQ(h.config("APPMaximize"), "1");

    followAppLink("http://site.example/apps/clock.html");
    EXPECT_EQ(app().geometry(), (ui::Rect{330, 230, 984, 624}));
    EXPECT_EQ(h.createdGeometry(app_names::kWindow), (ui::Rect{330, 230, 984, 624}));
    h.click(app_names::kWindow, app_names::kMinimizeButton);
    EXPECT_EQ(app().state(), ui::WindowState::Minimized);
}

TEST_F(AppWindowTest, RightButtonMenuByLanguageActsOnTheBrowser) {
    followAppLink("http://site.example/apps/clock.html");
    h.setConfig("Language", "3");
    h.rightPress(app_names::kWindow, app_names::kBrowser);
    ASSERT_TRUE(h.lastMenu());
    EXPECT_EQ(h.lastMenu()->menu, app_names::kEnglishMenu);
    h.choose("Stop");
    EXPECT_EQ(h.browserCommands(app_names::kWindow, app_names::kBrowser),
              (std::vector<std::string>{"navigate", "stop"}));

    h.setConfig("Language", "4");
    h.rightPress(app_names::kWindow, app_names::kBrowser);
    EXPECT_EQ(h.menusPopped(), 1);
}

}  // namespace
}  // namespace quillo::test
