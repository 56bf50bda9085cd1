#include <gtest/gtest.h>

#include <vector>

#include "browser_fixture.hpp"
#include "ui/browser/player_window.hpp"

namespace quillo::test {
namespace {

const ui::Rect kContent{0, 28, 984, 596};

TEST_F(BrowserWindowsTest, PlayerLoadsThePlayPageHiddenBehindTheLoadingPageThenSwaps) {
    h.page("ads/wz2kg.html", "开");
    h.page("ads/ads2rn.html", "新片抢先看");
    followLink("http://site.example/play/3.html");

    ui::Window& player = window(player_names::kWindow);
    ui::Control& play = player.control(player_names::kPlayBrowser);
    ui::Control& loading = player.control(player_names::kLoadingBrowser);
    EXPECT_EQ(h.navigations(player_names::kWindow, player_names::kPlayBrowser),
              (std::vector<Text>{"http://site.example/play/3.html"}));
    EXPECT_TRUE(play.silent());
    EXPECT_FALSE(play.visible());
    EXPECT_EQ(h.navigations(player_names::kWindow, player_names::kLoadingBrowser),
              (std::vector<Text>{(h.programDirectory() / "Html" / "Loading.html").string()}));
    EXPECT_EQ(loading.geometry(), kContent);
    EXPECT_TRUE(player.control(player_names::kTextAdvert).visible());
    EXPECT_EQ(player.control(player_names::kTextAdvert).text(), gbk("新片抢先看"));
    EXPECT_FALSE(player.control(player_names::kUpperMaximizeButton).image().file.empty());

    // Every frame of the page completes; the swap repeats without change.
    for (int frame = 0; frame < 2; ++frame) {
        h.documentComplete(player_names::kWindow, player_names::kPlayBrowser);
        EXPECT_FALSE(loading.visible());
        EXPECT_TRUE(play.visible());
        EXPECT_EQ(play.geometry(), kContent);
        EXPECT_EQ(player.control(player_names::kLoadTimer).interval(), 0);
    }
}

// The player window opens the page its opener handed it, whatever the main
// browser's status text says by then; loaded with none, it opens nothing.
TEST_F(BrowserWindowsTest, PlayerOpensThePageItsOpenerHandedIt) {
    h.statusText(main_names::kWindow, main_names::kSiteBrowser, "http://site.example/play/9.html");
    h.windows().loadAt(player_names::kWindow, {0, 0},
                       PlayerPage{"http://site.example/play/3.html"});
    EXPECT_EQ(h.navigations(player_names::kWindow, player_names::kPlayBrowser),
              (std::vector<Text>{"http://site.example/play/3.html"}));

    h.click(player_names::kWindow, player_names::kCloseButton);
    h.windows().load(player_names::kWindow);
    EXPECT_EQ(h.navigations(player_names::kWindow, player_names::kPlayBrowser).size(), 1U);
    EXPECT_EQ(h.createdCount(player_names::kWindow), 2);
}

struct TitleCase {
    const char* language;
    const char* player;  // "" keeps the stored title
    const char* app;
};

class Titles : public BrowserWindowsTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(Titles, ByTheLanguageNumber) {
    const TitleCase& c = GetParam();
    h.setConfig("Language", c.language);
    followLink("http://site.example/play/1.html");
    const Text player = *c.player ? gbk(c.player) : gbk("Quillo影音播放器");
    EXPECT_EQ(window(player_names::kWindow).title(), *c.player ? player : Text{});
    EXPECT_EQ(control(player_names::kWindow, player_names::kTitleLabel).text(), player);

    clickColumn(main_names::kColumn3Label);
    followAppLink("http://site.example/apps/clock.html");
    const Text app = gbk(*c.app ? c.app : "APP应用窗口");
    EXPECT_EQ(window(app_names::kWindow).title(), app);
    EXPECT_EQ(control(app_names::kWindow, app_names::kTitleLabel).text(), app);
    // The column title is the same text in the three languages.
    EXPECT_EQ(window(column_names::kWindow).title(), *c.player ? gbk("影视 应用中心") : Text{});
}

INSTANTIATE_TEST_SUITE_P(Languages, Titles,
                         ::testing::Values(TitleCase{"1", "影视 播放器", "影视APP应用窗口"},
                                           TitleCase{"2", "影视 播放器", "影视APP應用窗口"},
                                           TitleCase{"3", "影视 Player", "影视APP Windows"},
                                           TitleCase{"1.0", "影视 播放器", "影视APP应用窗口"},
                                           TitleCase{"4", "", ""}, TitleCase{"", "", ""}));

TEST_F(BrowserWindowsTest, PlayerCloseButtonWritesBothKeysAndClosesMinimizeMinimizes) {
    followLink("http://site.example/play/1.html");
    h.click(player_names::kWindow, player_names::kMinimizeButton);
    EXPECT_EQ(window(player_names::kWindow).state(), ui::WindowState::Minimized);
    h.click(player_names::kWindow, player_names::kMaximizeButton);
    EXPECT_EQ(window(player_names::kWindow).geometry(), (ui::Rect{130, 110, 984, 624}));

    h.click(player_names::kWindow, player_names::kCloseButton);
    EXPECT_FALSE(h.isOpen(player_names::kWindow));
    EXPECT_EQ(h.config("PlayerWindows"), "1");
    EXPECT_EQ(h.config("PlayerOpen"), "1");
    // The next link opens a fresh window without closing anything first.
    followLink("http://site.example/play/2.html");
    EXPECT_EQ(h.createdCount(player_names::kWindow), 2);
}

// The player opens the last status text; with none (a window opened from
// script, a link followed with the keyboard) it opens the address the page
// asked for. Only web addresses and about:blank are navigated.
struct PlayerAddressCase {
    const char* statusText;
    const char* requested;
    const char* navigated;  // "" for none: the loading page stays
};

class PlayerAddress : public BrowserWindowsTest,
                      public ::testing::WithParamInterface<PlayerAddressCase> {};

TEST_P(PlayerAddress, StatusTextOrRequestedAddressWhenBrowsable) {
    const PlayerAddressCase& c = GetParam();
    EXPECT_TRUE(followLink(c.statusText, c.requested));
    std::vector<Text> expected;
    if (*c.navigated) {
        expected.push_back(c.navigated);
    }
    EXPECT_EQ(h.navigations(player_names::kWindow, player_names::kPlayBrowser), expected);
    EXPECT_TRUE(control(player_names::kWindow, player_names::kLoadingBrowser).visible());
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PlayerAddress,
    ::testing::Values(PlayerAddressCase{"http://site.example/play/1.html", "http://other.example/",
                                        "http://site.example/play/1.html"},
                      PlayerAddressCase{"", "http://site.example/play/7.html",
                                        "http://site.example/play/7.html"},
                      PlayerAddressCase{"", "", ""},
                      PlayerAddressCase{"正在打开网页...", "http://site.example/play/1.html", ""},
                      PlayerAddressCase{"file:///etc/passwd", "", ""},
                      PlayerAddressCase{"javascript:alert(1)", "", ""},
                      PlayerAddressCase{"", "file:///home/user/.ssh/id_rsa", ""},
                      PlayerAddressCase{"about:blank", "", "about:blank"}));

}  // namespace
}  // namespace quillo::test
