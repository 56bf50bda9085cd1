#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app_harness.hpp"
#include "ui/definitions/window_names.hpp"

namespace quillo::test {
namespace {

// The program started in server-name mode with the corner pop-up, `Screen`
// holding `screen` (nullopt: missing).
struct Start {
    explicit Start(std::optional<const char*> screen, bool network = true) {
        h.setConfig("Language", "1");
        if (screen) {
            h.setConfig("Screen", *screen);
        }
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "影音");
        h.setNetwork(network);
        h.start();
    }

    // The journal with the server's address and the program directory left
    // out, which differ from one harness to the next.
    std::vector<std::string> journal() {
        const std::vector<std::pair<std::string, std::string>> local{
            {h.baseAddress(), "<server>"}, {h.programDirectory().string(), "<program>"}};
        std::vector<std::string> entries = h.journal();
        for (std::string& entry : entries) {
            for (const auto& [text, stands] : local) {
                for (std::size_t at = entry.find(text); at != std::string::npos;
                     at = entry.find(text)) {
                    entry.replace(at, text.size(), stands);
                }
            }
        }
        return entries;
    }

    AppHarness h;
};

struct ScreenCase {
    const char* name;
    std::optional<const char*> screen;
    bool switchedOff;
};

class ScreenSaverAtStart : public ::testing::TestWithParam<ScreenCase> {};

// Only the screen saver call is added: the start-up asks the same pages
// and does the same things in the same order as without it.
TEST_P(ScreenSaverAtStart, IsSwitchedOffAgainWhenTheSettingSaysSo) {
    const ScreenCase& c = GetParam();
    Start plain(std::nullopt);
    Start start(c.screen);

    EXPECT_EQ(start.h.requests(), plain.h.requests());
    std::vector<std::string> expected = plain.journal();
    if (c.switchedOff) {
        expected.push_back("screensaver off");
        EXPECT_EQ(start.h.platform().screenSaverCalls(), std::vector<bool>{false});
    } else {
        EXPECT_TRUE(start.h.platform().screenSaverCalls().empty());
    }
    EXPECT_EQ(start.journal(), expected);
    EXPECT_TRUE(start.h.isOpen(ui::kMainWindow));
}

INSTANTIATE_TEST_SUITE_P(
    Values, ScreenSaverAtStart,
    ::testing::Values(ScreenCase{"One", "1", true}, ScreenCase{"OnePointZero", "1.0", true},
                      ScreenCase{"Zero", "0", false}, ScreenCase{"Empty", "", false},
                      ScreenCase{"Two", "2", false}, ScreenCase{"Letters", "on", false},
                      ScreenCase{"Missing", std::nullopt, false}),
    [](const ::testing::TestParamInfo<ScreenCase>& info) { return info.param.name; });

TEST(ScreenSaverAtStartWithoutNetwork, IsLeftAloneByAProgramThatEndsAtOnce) {
    Start start("1", false);
    EXPECT_FALSE(start.h.isOpen(ui::kMainWindow));
    EXPECT_TRUE(start.h.platform().screenSaverCalls().empty());
}

}  // namespace
}  // namespace quillo::test
