// Closing a browser window while its creation waits on a request: the window
// closes at once, its set-up is abandoned, the opener goes on, and input
// held meanwhile follows.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser_fixture.hpp"

namespace quillo::test {
namespace {

using Paths = std::vector<std::string>;

// Whether the journal mentions `window` after the entry that destroyed it.
bool touchedAfterDestroyed(const std::vector<std::string>& journal, const std::string& window) {
    bool destroyed = false;
    for (const std::string& entry : journal) {
        if (entry == "destroyed " + window) {
            destroyed = true;
        } else if (destroyed && entry.find(window) != std::string::npos) {
            return true;
        }
    }
    return false;
}

struct OpeningCase {
    const char* name;
    const char* window;
    const char* textAdSwitch;  // the first request of the window's creation
    void (*open)(AppHarness&);
};

class ClosingWhileWaiting : public BrowserWindowsTest,
                            public ::testing::WithParamInterface<OpeningCase> {
public:
    static void openPlayer(AppHarness& h) {
        h.statusText(main_names::kWindow, main_names::kSiteBrowser, "http://site.example/p.html");
        h.newWindow(main_names::kWindow, main_names::kSiteBrowser);
    }
    static void openColumn(AppHarness& h) {
        h.leftPress(main_names::kWindow, main_names::kColumn2Label);
    }
    static void openAppWindow(AppHarness& h) {
        h.leftPress(main_names::kWindow, main_names::kColumn3Label);
        h.statusText(column_names::kWindow, column_names::kAppBrowser, "http://a.example/");
        h.newWindow(column_names::kWindow, column_names::kAppBrowser);
    }
};

TEST_P(ClosingWhileWaiting, TheWindowClosesAtOnceAndItsSetUpIsAbandoned) {
    const OpeningCase& c = GetParam();
    h.page(c.textAdSwitch, "开");
    h.clearRequests();
    bool closedAtOnce = false;
    h.whileRequestPending(c.textAdSwitch, [&] {
        h.click(main_names::kWindow, main_names::kOptionsButton);  // held
        h.closeWindow(c.window);
        closedAtOnce = !h.isOpen(c.window);
    });

    c.open(h);

    EXPECT_TRUE(closedAtOnce);
    EXPECT_FALSE(h.isOpen(c.window));
    EXPECT_EQ(h.abandonedWaits(), 1);
    // Nothing more was asked for the closed window: its text advert's text
    // page comes right after the switch page when the set-up goes on.
    EXPECT_EQ(h.requests().back(), c.textAdSwitch);
    EXPECT_FALSE(touchedAfterDestroyed(h.journal(), c.window));
    // The click held meanwhile ran after the handler.
    EXPECT_EQ(h.menusPopped(), 1);
    EXPECT_TRUE(h.isOpen(main_names::kWindow));
}

INSTANTIATE_TEST_SUITE_P(BrowserWindows, ClosingWhileWaiting,
                         ::testing::Values(OpeningCase{"Player", "PlayerWindow", "ads/wz2kg.html",
                                                       &ClosingWhileWaiting::openPlayer},
                                           OpeningCase{"Column", "ColumnWindow", "ads/wz3kg.html",
                                                       &ClosingWhileWaiting::openColumn},
                                           OpeningCase{"AppWindow", "AppWindow", "ads/wz4kg.html",
                                                       &ClosingWhileWaiting::openAppWindow}),
                         [](const ::testing::TestParamInfo<OpeningCase>& info) {
                             return info.param.name;
                         });

TEST_F(BrowserWindowsTest, QuitWhileThePlayerIsBeingSetUpEndsTheProgramAtOnce) {
    h.page("ads/wz2kg.html", "开");
    h.clearRequests();
    h.whileRequestPending("ads/wz2kg.html", [&] {
        h.main().popupMenu(main_names::kSimplifiedOptionsMenu);
        h.choose("退出");
    });

    h.statusText(main_names::kWindow, main_names::kSiteBrowser, "http://site.example/p.html");
    h.newWindow(main_names::kWindow, main_names::kSiteBrowser);

    EXPECT_FALSE(h.windows().running());
    EXPECT_FALSE(h.isOpen(player_names::kWindow));
    // The start-up switch is on: Quit ends without asking anything more.
    EXPECT_EQ(h.requests(), (Paths{"ads/wz2kg.html"}));
    EXPECT_FALSE(touchedAfterDestroyed(h.journal(), "PlayerWindow"));
}

}  // namespace
}  // namespace quillo::test
