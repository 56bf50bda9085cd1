#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

class TextAd : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "开");
        h.page("ads/ads1rn.html", "年度大片");
    }

    ui::Control& label() { return h.main().control("文字广告1"); }

    test::AppHarness h;
};

struct SwitchCase {
    const char* name;
    std::vector<std::string> answers;  // successive answers of the switch page
    bool visible;
    bool filled;
};

class TextAdSwitch : public TextAd, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(TextAdSwitch, TheTwoAnswersOfTheSwitchPageDecide) {
    const SwitchCase& c = GetParam();
    h.pageSequence("ads/wz1kg.html", c.answers);
    h.start();

    EXPECT_EQ(label().visible(), c.visible);
    EXPECT_EQ(label().text(), c.filled ? gbk("年度大片") : gbk("透明标签"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextAdSwitch,
    ::testing::Values(SwitchCase{"On", {"\xBF\xAA"}, true, true},
                      SwitchCase{"Off", {"\xB9\xD8"}, false, false},
                      SwitchCase{"OnThenOff", {"\xBF\xAA", "\xB9\xD8"}, false, true},
                      SwitchCase{"OnWithLineBreak", {"\xBF\xAA\n"}, false, false},
                      SwitchCase{"ServerDown", {""}, false, false}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST_F(TextAd, EachClickFetchesTheAddressAnew) {
    h.page("ads/wz1kg.html", "开");
    h.page("ads/ads1dz.html", "http://ads.example/one");
    h.start();
    h.clearRequests();

    h.leftPress("MainWindow", "文字广告1");
    h.page("ads/ads1dz.html", "https://ads.example/two");
    h.leftPress("MainWindow", "文字广告1");

    EXPECT_EQ(h.requests(), (std::vector<std::string>{"ads/ads1dz.html", "ads/ads1dz.html"}));
    EXPECT_EQ(h.openedAddresses(),
              (std::vector<Text>{"http://ads.example/one", "https://ads.example/two"}));
    EXPECT_TRUE(h.isOpen("MainWindow"));
}

class UnsafeTextAdAddress : public TextAd, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnsafeTextAdAddress, IsNotOpened) {
    h.page("ads/wz1kg.html", "开");
    h.pageBytes("ads/ads1dz.html", GetParam());
    h.start();
    h.leftPress("MainWindow", "文字广告1");
    EXPECT_TRUE(h.openedAddresses().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, UnsafeTextAdAddress,
                         ::testing::Values("", "file:///etc/passwd", "/usr/bin/xterm",
                                           "javascript:alert(1)", "smb://host/share",
                                           "http://ads.example/\r\n"));

}  // namespace
}  // namespace quillo
