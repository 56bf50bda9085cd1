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

}  // namespace
}  // namespace quillo
