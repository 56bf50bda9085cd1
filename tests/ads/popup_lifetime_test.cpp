#include <gtest/gtest.h>

#include <string>

#include "app_harness.hpp"

namespace quillo {
namespace {

class Popups : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "关");
    }
    test::AppHarness h;
};

TEST_F(Popups, CornerPopupGoesAfterTwentySeconds) {
    h.start();
    ASSERT_TRUE(h.isOpen("CornerPopupWindow"));
    h.advance(19999);
    EXPECT_TRUE(h.isOpen("CornerPopupWindow"));
    h.advance(1);
    EXPECT_FALSE(h.isOpen("CornerPopupWindow"));
    EXPECT_TRUE(h.windows().running());
}

TEST_F(Popups, CornerPopupGoesByItsButton) {
    h.start();
    ASSERT_TRUE(h.isOpen("CornerPopupWindow"));
    h.advance(1000);
    h.click("CornerPopupWindow", "图形按钮1");
    EXPECT_FALSE(h.isOpen("CornerPopupWindow"));
    EXPECT_TRUE(h.windows().running());
    EXPECT_TRUE(h.main().visible());
}

TEST(ExitPopup, EndsTheProgramAfterFifteenSecondsOrByItsButton) {
    for (bool byButton : {false, true}) {
        test::AppHarness run;
        run.setConfig("Language", "1");
        run.page("ads/ksqd.html", "关");
        run.page("ads/ttkg.html", "开");
        run.start();
        run.click("MainWindow", "选项按钮");
        run.choose("退出");
        ASSERT_TRUE(run.isOpen("ExitPopupWindow"));
        EXPECT_FALSE(run.main().visible());
        if (byButton) {
            run.click("ExitPopupWindow", "图形按钮1");
        } else {
            run.advance(14999);
            EXPECT_TRUE(run.windows().running());
            run.advance(1);
        }
        EXPECT_FALSE(run.windows().running()) << (byButton ? "button" : "timer");
        EXPECT_TRUE(run.happenedBefore("destroyed MainWindow", "quit"));
    }
}

}  // namespace
}  // namespace quillo
