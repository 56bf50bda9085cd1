#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

using Paths = std::vector<std::string>;

struct UpdateCase {
    const char* name;
    std::string forced;   // ads/qzsj.html
    std::string version;  // ads/1.0.1303.21.html
    bool versionAsked;
    bool updates;
};

class UpdateCheck : public ::testing::TestWithParam<UpdateCase> {};

TEST_P(UpdateCheck, OnlyBothSwitchesOnStartTheUpdaterAndEnd) {
    const UpdateCase& c = GetParam();
    test::AppHarness h;
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "关");
    h.pageBytes("ads/qzsj.html", c.forced);
    h.pageBytes("ads/1.0.1303.21.html", c.version);
    h.start();

    Paths asked = h.requests();
    auto has = [&](const char* page) {
        return std::find(asked.begin(), asked.end(), page) != asked.end();
    };
    EXPECT_EQ(has("ads/1.0.1303.21.html"), c.versionAsked);
    if (c.updates) {
        ASSERT_EQ(h.messageBoxes().size(), 1u);
        EXPECT_EQ(h.messageBoxes()[0].text, gbk("程序已经有新版本，请升级！"));
        EXPECT_EQ(h.messageBoxes()[0].title, gbk("警告"));
        EXPECT_EQ(h.messageBoxes()[0].icon, MessageIcon::Information);
        EXPECT_EQ(h.startedPrograms(),
                  (std::vector<std::filesystem::path>{h.programDirectory() / "Update"}));
        EXPECT_EQ(h.exitCode(), 0);
        // The start-up goes no further: no pop-under switch, no corner pop-up.
        EXPECT_EQ(asked.back(), "ads/1.0.1303.21.html");
        EXPECT_FALSE(h.isOpen("CornerPopupWindow"));
    } else {
        EXPECT_TRUE(h.messageBoxes().empty());
        EXPECT_TRUE(h.startedPrograms().empty());
        EXPECT_FALSE(h.exitCode().has_value());
        // Then the pop-under switch and the corner pop-up's own switch.
        ASSERT_GE(asked.size(), 2u);
        EXPECT_EQ(asked[asked.size() - 2], "ads/btkg.html");
        EXPECT_EQ(asked.back(), "ads/ytkg.html");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateCheck,
    ::testing::Values(UpdateCase{"BothOn", "\xBF\xAA", "\xBF\xAA", true, true},
                      UpdateCase{"ForcedOffVersionOn", "\xB9\xD8", "\xBF\xAA", false, false},
                      UpdateCase{"ForcedOnVersionOff", "\xBF\xAA", "\xB9\xD8", true, false},
                      UpdateCase{"ForcedOnVersionMissing", "\xBF\xAA", "", true, false},
                      UpdateCase{"ServerDown", "", "", false, false}),
    [](const ::testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillo
