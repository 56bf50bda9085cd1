// What the user does while a request of the start-up, the retry or a dialog
// is pending: closing and Quit take effect at once, a later start's
// hand-over too, other input is held and follows the handler, and the order
// of the requests is the same as without it.

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "app_harness.hpp"
#include "ui/definitions/about_window.hpp"
#include "ui/definitions/main_window.hpp"
#include "ui/definitions/settings_window.hpp"
#include "ui/main/unreachable_page.hpp"

namespace quillo {
namespace {

using Paths = std::vector<std::string>;
namespace main_names = ui::main_window;

const Paths kStartup{"ads/ksqd.html",   "ads/namejt.html", "ads/zdylm1.html",
                     "ads/zdylm2.html", "ads/wz1kg.html",  "ads/wz1kg.html",
                     "ads/qzsj.html",   "ads/btkg.html",   "ads/ytkg.html"};

class RequestPending : public ::testing::Test {
protected:
    RequestPending() {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "影音");
        h.page("ads/qzsj.html", "关");
    }
    bool mainVisible() { return h.main().visible(); }

    test::AppHarness h;
};

TEST_F(RequestPending, CloseToTheTrayAndAHandOverTakeEffectAtOnceWhileTheStartUpGoesOn) {
    h.setConfig("Tray", "1");
    std::vector<bool> visible;
    h.whileRequestPending("ads/namejt.html", [&] {
        h.click("MainWindow", main_names::kOptionsButton);  // held
        h.closeWindow("MainWindow");
        visible.push_back(mainVisible());
    });
    h.whileRequestPending("ads/zdylm2.html", [&] {
        h.handOver();
        visible.push_back(mainVisible());
        h.advance(200);  // the memory timer falls due: held
    });

    h.start();

    EXPECT_EQ(visible, (std::vector<bool>{false, true}));
    EXPECT_EQ(h.requests(), kStartup);
    EXPECT_EQ(h.abandonedWaits(), 0);
    EXPECT_EQ(h.main().title(), gbk("影音"));
    EXPECT_EQ(h.menusPopped(), 1);  // the held click, after the start-up
    EXPECT_TRUE(h.happenedBefore("created CornerPopupWindow", "trim"));
}

TEST_F(RequestPending, CloseThatQuitsAbandonsTheStartUpAndEndsAtOnce) {
    h.setConfig("Tray", "2");
    h.whileRequestPending("ads/namejt.html", [&] {
        h.click("MainWindow", main_names::kOptionsButton);  // held, then dropped: all closed
        h.closeWindow("MainWindow");
    });

    h.start();

    EXPECT_FALSE(h.windows().running());
    EXPECT_EQ(h.abandonedWaits(), 1);
    // The start-up stops where it was; Quit makes its own requests.
    EXPECT_EQ(h.requests(), (Paths{"ads/ksqd.html", "ads/namejt.html", "ads/ttkg.html",
                                   "ads/rjyyqz.html", "ads/rjyy.html"}));
    EXPECT_EQ(h.menusPopped(), 0);
}

TEST_F(RequestPending, ClicksHeldLongerThanTwoSecondsAreDropped) {
    h.whileRequestPending("ads/namejt.html", [&] {
        h.click("MainWindow", main_names::kOptionsButton);
        h.advance(2500);
    });
    h.whileRequestPending("ads/btkg.html", [&] { h.rightPress("MainWindow", "WebBrowser1"); });

    h.start();

    EXPECT_EQ(h.requests(), kStartup);
    ASSERT_EQ(h.menusPopped(), 1);  // only the recent right click
    EXPECT_EQ(h.lastMenu()->menu, std::string(main_names::kSimplifiedBrowserMenu));
}

TEST_F(RequestPending, TheRetryRunsFromItsEventAndCanBeClosedToTheTray) {
    h.setConfig("Tray", "1");
    h.page("ads/ksqd.html", "");  // neither on nor off: the unreachable page
    h.start();
    h.page("ads/ksqd.html", "关");
    h.clearRequests();
    bool hiddenAtOnce = false;
    h.whileRequestPending("ads/ksqd.html", [&] {
        h.closeWindow("MainWindow");
        hiddenAtOnce = !mainVisible();
    });

    // The engine is answered at once: the page stays where it is.
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", Text(kRetryAddress)));

    EXPECT_TRUE(hiddenAtOnce);
    EXPECT_EQ(h.requests(), kStartup);
    EXPECT_EQ(h.main().title(), gbk("影音"));
}

// The dialogs fetch while they are created: their closing buttons take
// effect at once and abandon the rest of the set-up.
struct DialogCase {
    const char* name;
    std::string_view window;
    std::string_view control;
    const char* pending;
};

class DialogRequestPending : public RequestPending,
                             public ::testing::WithParamInterface<DialogCase> {};

TEST_P(DialogRequestPending, ClosingTheDialogTakesEffectAtOnce) {
    const DialogCase& c = GetParam();
    h.start();
    h.clearRequests();
    bool closedAtOnce = false;
    h.whileRequestPending(c.pending, [&] {
        h.click(c.window, c.control);
        closedAtOnce = !h.isOpen(c.window);
    });

    h.windows().load(c.window, true);

    EXPECT_TRUE(closedAtOnce);
    EXPECT_FALSE(h.isOpen(c.window));
    EXPECT_EQ(h.requests().back(), c.pending);
    EXPECT_TRUE(h.windows().running());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, DialogRequestPending,
    ::testing::Values(DialogCase{"SettingsClose", ui::settings_window::kWindow,
                                 ui::settings_window::kCloseButton, "ads/namejt.html"},
                      DialogCase{"SettingsCancel", ui::settings_window::kWindow,
                                 ui::settings_window::kCancelButton, "ads/namejt.html"},
                      DialogCase{"AboutClose", ui::about_window::kWindow,
                                 ui::about_window::kCloseButton, "ads/bb.html"},
                      DialogCase{"AboutConfirm", ui::about_window::kWindow,
                                 ui::about_window::kConfirmButton, "ads/namejt.html"}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return info.param.name; });

TEST_F(RequestPending, ASettingsRestartDuringItsSetUpEndsTheProgramAtOnce) {
    h.start();
    h.clearRequests();
    h.whileRequestPending("ads/namejt.html", [&] {
        // Another program changed the language; Confirm applies and restarts.
        h.setConfig("Language", "3");
        h.click(ui::settings_window::kWindow, ui::settings_window::kConfirmButton);
    });

    h.windows().load(ui::settings_window::kWindow, true);

    EXPECT_FALSE(h.windows().running());
    EXPECT_EQ(h.platform().successorRequests().size(), 1U);
    EXPECT_EQ(h.abandonedWaits(), 1);
}

}  // namespace
}  // namespace quillo
