#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "app_harness.hpp"
#include "content/content_client.hpp"
#include "core/text.hpp"
#include "ui/main/quit_procedure.hpp"

namespace quillo {
namespace {

using Paths = std::vector<std::string>;

const Paths kExitPages{"ads/ttkg.html", "ads/rjyyqz.html", "ads/rjyy.html"};

struct QuitCase {
    const char* name;
    std::string startup;  // ads/ksqd.html at start-up
    std::string exitPopup;
    std::string languageForce;
    std::string forcedLanguage;
    bool asksExitPages;
    bool exitPopupShown;  // main window hidden, exit pop-up open
    const char* languageAfter;
};

class QuitProcedure : public ::testing::TestWithParam<QuitCase> {};

TEST_P(QuitProcedure, EndsUnlessTheServerAsksForTheExitPopup) {
    const QuitCase& c = GetParam();
    test::AppHarness h;
    h.setConfig("Language", "1");
    h.pageBytes("ads/ksqd.html", c.startup);
    h.start();
    h.pageBytes("ads/ttkg.html", c.exitPopup);
    h.pageBytes("ads/rjyyqz.html", c.languageForce);
    h.pageBytes("ads/rjyy.html", c.forcedLanguage);
    h.clearRequests();

    h.click("MainWindow", "选项按钮");
    h.choose("退出");

    // The exit pop-up asks its switch page once more.
    Paths asked = c.asksExitPages ? kExitPages : Paths{};
    if (c.exitPopupShown) {
        asked.push_back("ads/ttkg.html");
    }
    EXPECT_EQ(h.requests(), asked);
    if (c.exitPopupShown) {
        EXPECT_TRUE(h.isOpen("MainWindow"));
        EXPECT_FALSE(h.main().visible());
        EXPECT_TRUE(h.isOpen("ExitPopupWindow"));
    } else {
        EXPECT_FALSE(h.isOpen("MainWindow"));
        EXPECT_FALSE(h.windows().running());
    }
    EXPECT_EQ(h.config("Language"), c.languageAfter);
}

const std::string kOn = "\xBF\xAA";
const std::string kOff = "\xB9\xD8";

INSTANTIATE_TEST_SUITE_P(
    Cases, QuitProcedure,
    ::testing::Values(QuitCase{"StartupOnEndsAtOnce", kOn, kOn, kOn, "3", false, false, "1"},
                      QuitCase{"PopupAndForcedLanguage", kOff, kOn, kOn, "3", true, true, "3"},
                      QuitCase{"PopupOnly", kOff, kOn, kOff, "3", true, true, "1"},
                      QuitCase{"ForcedLanguageThenEnd", kOff, kOff, kOn, "2", true, false, "2"},
                      QuitCase{"NeitherEnds", kOff, kOff, kOff, "3", true, false, "1"},
                      // The server does not answer: the user's Quit still ends the program.
                      QuitCase{"ServerDownAtQuit", kOff, "", "", "", true, false, "1"},
                      QuitCase{"ServerDownSinceStartup", "", "", "", "", true, false, "1"},
                      QuitCase{"UnnamedCombination", kOff, "\xBF\xAA\r\n", kOff, "", true, false,
                               "1"},
                      // Only a real language code is ever stored.
                      QuitCase{"ForcedLanguageEmpty", kOff, kOff, kOn, "", true, false, "1"},
                      QuitCase{"ForcedLanguageStray", kOff, kOff, kOn, "<html>", true, false, "1"},
                      QuitCase{"ForcedLanguageNumeric", kOff, kOn, kOn, "3.0", true, true, "1"}),
    [](const ::testing::TestParamInfo<QuitCase>& info) { return std::string(info.param.name); });

// The user is leaving: however the server answers, the exit pages hold Quit
// for no longer than the quit's own wait, well under the client's request
// time-out, and are asked in their order until the wait is used up.
struct SlowQuitCase {
    const char* name;
    std::chrono::milliseconds delay;  // before each exit page answers
    Paths asked;                      // the others fail at once
    const char* languageAfter;
};

class SlowQuit : public ::testing::TestWithParam<SlowQuitCase> {};

TEST_P(SlowQuit, EndsWithinTheQuitWait) {
    using namespace std::chrono_literals;
    const SlowQuitCase& c = GetParam();
    const ContentClientLimits limits{.connectTimeout = 10s, .requestTimeout = 10s};
    ASSERT_GT(limits.requestTimeout, 2 * kQuitWait);
    test::AppHarness h(limits);
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "关");
    h.start();
    h.slowPage("ads/ttkg.html", "关", c.delay);
    h.slowPage("ads/rjyyqz.html", "开", c.delay);
    h.slowPage("ads/rjyy.html", "3", c.delay);
    h.clearRequests();
    h.clockRunsDuringRequests();

    h.click("MainWindow", "选项按钮");
    const std::int64_t chosen = h.now();
    h.choose("退出");
    const std::chrono::milliseconds took{h.now() - chosen};

    EXPECT_FALSE(h.windows().running());
    EXPECT_EQ(h.requests(), c.asked);
    EXPECT_EQ(h.config("Language"), c.languageAfter);
    EXPECT_LT(took, kQuitWait + kQuitWait / 2);
    if (c.delay * 3 > kQuitWait) {
        EXPECT_GE(took, kQuitWait - 50ms) << "gave up before the wait was used up";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Servers, SlowQuit,
    ::testing::Values(
        // Accepts and never answers: one wait, then the client fails fast.
        SlowQuitCase{"Silent", std::chrono::seconds(60), {"ads/ttkg.html"}, "1"},
        // Each answer well within a wait of its own, but three of them would
        // take longer than the wait: the third is not asked.
        SlowQuitCase{
            "SlowerThanTheWaitInAll", kQuitWait * 2 / 3, {"ads/ttkg.html", "ads/rjyyqz.html"}, "1"},
        // Slow, but done within the wait: every answer counts.
        SlowQuitCase{"SlowWithinTheWait", kQuitWait / 5, kExitPages, "3"}),
    [](const ::testing::TestParamInfo<SlowQuitCase>& info) {
        return std::string(info.param.name);
    });

}  // namespace
}  // namespace quillo
