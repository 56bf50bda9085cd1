// The local page browser views show when their renderer ended twice within a
// minute: set once the program has started, in the language of Config.ini.

#include <gtest/gtest.h>

#include <string>

#include "app_harness.hpp"
#include "platform/headless/headless_backend.hpp"

namespace quillo {
namespace {

struct CrashedPageCase {
    const char* name;
    const char* language;  // Config.ini's Language
    bool serverUp;
    const char* page;
};

class CrashedPage : public ::testing::TestWithParam<CrashedPageCase> {};

TEST_P(CrashedPage, IsSetInTheLanguageAtStart) {
    const CrashedPageCase& c = GetParam();
    test::AppHarness h;
    h.setConfig("Language", c.language);
    if (c.serverUp) {
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "影音");
    }
    auto& backend = dynamic_cast<HeadlessBackend&>(h.app().windows().backend());
    EXPECT_TRUE(backend.crashedPage().empty());

    h.start();

    ASSERT_TRUE(h.isOpen("MainWindow"));
    EXPECT_EQ(backend.crashedPage(), h.programDirectory() / "Html" / c.page);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CrashedPage,
    ::testing::Values(CrashedPageCase{"Simplified", "1", true, "Crashed.zh-CN.html"},
                      CrashedPageCase{"Traditional", "2", true, "Crashed.zh-TW.html"},
                      CrashedPageCase{"English", "3", true, "Crashed.en.html"},
                      CrashedPageCase{"Unknown", "7", true, "Crashed.zh-CN.html"},
                      // Also when the start-up found no server.
                      CrashedPageCase{"EnglishUnreachable", "3", false, "Crashed.en.html"}),
    [](const ::testing::TestParamInfo<CrashedPageCase>& info) { return info.param.name; });

}  // namespace
}  // namespace quillo
