#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

constexpr const char* kWindow = "ExitPopupWindow";
constexpr const char* kView = "超文本浏览框1";

// Server-name mode; the quit procedure's own request of ads/ttkg.html says
// on, the pop-up's request gets `ownAnswer`.
void quitWithExitPopup(test::AppHarness& h, const std::string& ownAnswer) {
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "关");
    h.page("ads/rjyyqz.html", "关");
    h.pageSequence("ads/ttkg.html", {gbk("开"), ownAnswer});
    h.start();
    h.click("MainWindow", "选项按钮");
    h.choose("退出");
}

struct AnswerCase {
    const char* name;
    std::string ownAnswer;
    bool showsPage;
    int endsAfter;  // milliseconds after the pop-up opened
};

class ExitPopupAnswer : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(ExitPopupAnswer, EndsTheProgramThroughTheMainWindow) {
    const AnswerCase& c = GetParam();
    test::AppHarness h;
    quitWithExitPopup(h, c.ownAnswer);
    EXPECT_EQ(h.app().state().adverts.exitPopupSwitch, c.ownAnswer);
    const std::vector<Text> expectedPages =
        c.showsPage ? std::vector<Text>{h.baseAddress() + "ads/tuitan.html"} : std::vector<Text>{};
    EXPECT_EQ(h.navigations(kWindow, kView), expectedPages);

    if (c.endsAfter > 0) {
        ASSERT_TRUE(h.isOpen(kWindow));
        EXPECT_FALSE(h.main().visible());
        EXPECT_EQ(h.windows().find(kWindow)->geometry(), (ui::Rect{50, 50, 332, 276}));
        h.advance(c.endsAfter - 1);
        EXPECT_TRUE(h.windows().running());
        h.advance(1);
    }
    EXPECT_FALSE(h.windows().running());
    EXPECT_FALSE(h.isOpen(kWindow));
    EXPECT_TRUE(h.happenedBefore("destroyed MainWindow", "quit"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitPopupAnswer,
    ::testing::Values(AnswerCase{"OnShowsItsPageForFifteenSeconds", "\xBF\xAA", true, 15000},
                      // The quit procedure said on, the pop-up's own request off: the
                      // program ends at once without the page.
                      AnswerCase{"OffEndsAtOnce", "\xB9\xD8", false, 0},
                      AnswerCase{"EmptyShowsAnEmptyView", "", false, 15000},
                      AnswerCase{"OtherShowsAnEmptyView", "\xB9\xD8 ", false, 15000}),
    [](const ::testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(ExitPopup, CloseButtonEndsTheProgramAtOnce) {
    test::AppHarness h;
    quitWithExitPopup(h, gbk("开"));
    h.advance(3000);
    ASSERT_TRUE(h.windows().running());
    h.click(kWindow, "图形按钮1");
    EXPECT_FALSE(h.windows().running());
    EXPECT_TRUE(h.happenedBefore("destroyed MainWindow", "quit"));
}

TEST(ExitPopup, CloseButtonHasThePopupSkin) {
    test::AppHarness h;
    const std::filesystem::path skins = h.programDirectory() / "Skins" / "Default";
    std::filesystem::create_directories(skins);
    for (const char* file : {"CloseC.gif", "CloseD.gif"}) {
        std::ofstream(skins / file, std::ios::binary) << "picture:" << file;
    }
    quitWithExitPopup(h, gbk("开"));
    const ui::Control& button = h.windows().find(kWindow)->control("图形按钮1");
    EXPECT_EQ(*button.image(ui::ImageSlot::Normal).bytes, "picture:CloseC.gif");
    EXPECT_EQ(*button.image(ui::ImageSlot::Hover).bytes, "picture:CloseD.gif");
    EXPECT_EQ(*button.image(ui::ImageSlot::Pressed).bytes, "picture:CloseC.gif");
}

}  // namespace
}  // namespace quillo
