#include <gtest/gtest.h>

#include <string>

#include "app_harness.hpp"

namespace quillo {
namespace {

struct DialogButtonCase {
    const char* menuItem;
    const char* dialog;
    const char* button;
};

class DialogButtons : public ::testing::TestWithParam<DialogButtonCase> {};

TEST_P(DialogButtons, CloseTheModalDialogAndGiveInputBack) {
    const DialogButtonCase& c = GetParam();
    test::AppHarness h;
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "开");
    h.start();
    h.click("MainWindow", "选项按钮");
    h.choose(c.menuItem);
    ASSERT_TRUE(h.isOpen(c.dialog));

    h.click(c.dialog, c.button);
    EXPECT_FALSE(h.isOpen(c.dialog));
    EXPECT_TRUE(h.isOpen("MainWindow"));
    h.click("MainWindow", "选项按钮");
    EXPECT_EQ(h.menusPopped(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialogButtons,
    ::testing::Values(DialogButtonCase{"关于本程序", "AboutWindow", "图形按钮1"},
                      DialogButtonCase{"关于本程序", "AboutWindow", "图形按钮2"},
                      DialogButtonCase{"关于本程序", "AboutWindow", "关闭按钮"},
                      DialogButtonCase{"软件选项", "SettingsWindow", "图形按钮2"},
                      DialogButtonCase{"软件选项", "SettingsWindow", "关闭按钮"}));

class Popups : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "关");
    }
    test::AppHarness h;
};

TEST_F(Popups, CornerPopupGoesAfterTwentySecondsOrByItsButton) {
    h.start();
    ASSERT_TRUE(h.isOpen("CornerPopupWindow"));
    h.advance(19999);
    EXPECT_TRUE(h.isOpen("CornerPopupWindow"));
    h.advance(1);
    EXPECT_FALSE(h.isOpen("CornerPopupWindow"));
    EXPECT_TRUE(h.windows().running());
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
