#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

class MainFrame : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "开");
        h.setScreen(1366, 768);
    }

    void expectNormalLayout() {
        ui::Window& w = h.main();
        EXPECT_EQ(w.control("WebBrowser1").geometry(), (ui::Rect{0, 28, 984, 596}));
        EXPECT_EQ(w.control("WebBrowser2").geometry(), (ui::Rect{0, 28, 984, 596}));
        EXPECT_EQ(w.control("toppic").geometry().width, 984);
        EXPECT_EQ(w.control("leftpic").geometry().height, 620);
        EXPECT_EQ(w.control("rightpic").geometry(), (ui::Rect{982, 2, 2, 620}));
        EXPECT_EQ(w.control("图片框1").geometry(), (ui::Rect{0, 622, 984, 2}));
        EXPECT_EQ(w.control("选项按钮").geometry(), (ui::Rect{847, 4, 44, 26}));
        EXPECT_EQ(w.control("最小化按钮").geometry(), (ui::Rect{892, 4, 26, 20}));
        EXPECT_EQ(w.control("最大化按钮").geometry(), (ui::Rect{922, 4, 26, 20}));
        EXPECT_EQ(w.control("关闭按钮").geometry(), (ui::Rect{950, 4, 26, 20}));
    }

    test::AppHarness h;
};

TEST_F(MainFrame, SkinPicturesAreReadFromTheSkinFolderAndAMissingOneStaysEmpty) {
    h.pageBytes("ads/ksqd.html", "");
    std::filesystem::path skins = h.programDirectory() / "Skins" / "Default";
    std::filesystem::create_directories(skins);
    for (const char* file : {"Top.jpg", "TopBackground.gif", "CloseA.gif", "CloseB.gif"}) {
        std::ofstream(skins / file, std::ios::binary) << "picture:" << file;
    }
    h.start();

    ui::Window& w = h.main();
    EXPECT_EQ(*w.control("图片框2").image().bytes, "picture:Top.jpg");
    EXPECT_EQ(*w.control("toppic").image().bytes, "picture:TopBackground.gif");
    EXPECT_EQ(*w.control("关闭按钮").image(ui::ImageSlot::Normal).bytes, "picture:CloseA.gif");
    EXPECT_EQ(*w.control("关闭按钮").image(ui::ImageSlot::Hover).bytes, "picture:CloseB.gif");
    EXPECT_EQ(*w.control("关闭按钮").image(ui::ImageSlot::Pressed).bytes, "picture:CloseA.gif");
    EXPECT_TRUE(w.control("leftpic").image().empty());
    EXPECT_EQ(w.control("leftpic").image().file, skins / "Left.gif");
    EXPECT_TRUE(w.control("选项按钮").image(ui::ImageSlot::Hover).empty());
    EXPECT_EQ(w.control("选项按钮").image(ui::ImageSlot::Hover).file, skins / "OptionD.gif");
}

TEST_F(MainFrame, MaximizeThenRestoreOnASmallScreen) {
    h.start();
    ui::Window& w = h.main();

    h.click("MainWindow", "最大化按钮");
    EXPECT_EQ(w.geometry(), (ui::Rect{0, 0, 1366, 768}));
    EXPECT_TRUE(h.sentToBottom("MainWindow", "WebBrowser1"));
    EXPECT_EQ(w.control("WebBrowser1").geometry(), (ui::Rect{0, 28, 1366, 768}));
    EXPECT_EQ(w.control("WebBrowser2").geometry(), (ui::Rect{0, 28, 1366, 768}));
    EXPECT_EQ(w.control("toppic").geometry().width, 1366);
    EXPECT_EQ(w.control("leftpic").geometry().height, 768);
    EXPECT_EQ(w.control("rightpic").geometry(), (ui::Rect{1364, 2, 2, 768}));
    EXPECT_EQ(w.control("图片框1").geometry(), (ui::Rect{0, 766, 1366, 2}));
    EXPECT_TRUE(w.control("图片框1").visible());
    EXPECT_EQ(w.control("选项按钮").geometry(), (ui::Rect{1229, 4, 44, 26}));
    EXPECT_EQ(w.control("最小化按钮").geometry(), (ui::Rect{1274, 4, 26, 20}));
    EXPECT_EQ(w.control("最大化按钮").geometry(), (ui::Rect{1304, 4, 26, 20}));
    EXPECT_EQ(w.control("关闭按钮").geometry(), (ui::Rect{1332, 4, 26, 20}));
    EXPECT_EQ(h.config("Maximize"), "2");

    // Restored on the client size it had: 1366 / 2 - 492, 768 / 2 - 321.
    h.click("MainWindow", "最大化按钮");
    EXPECT_EQ(w.geometry(), (ui::Rect{191, 63, 984, 624}));
    expectNormalLayout();
    EXPECT_EQ(h.config("Maximize"), "1");
}

TEST_F(MainFrame, RestoreTruncatesTowardsZeroOnAScreenSmallerThanTheWindow) {
    h.setScreen(901, 600);
    h.start();
    h.click("MainWindow", "最大化按钮");
    h.click("MainWindow", "最大化按钮");
    // 450.5 - 492 = -41.5 and 300 - 321 = -21.
    EXPECT_EQ(h.main().geometry(), (ui::Rect{-41, -21, 984, 624}));
}

TEST_F(MainFrame, EachClickReadsTheKeyAndAnUnknownValueIsInert) {
    h.start();
    ui::Window& w = h.main();
    h.setConfig("Maximize", "x");
    h.click("MainWindow", "最大化按钮");
    EXPECT_EQ(w.geometry(), (ui::Rect{50, 50, 984, 624}));
    EXPECT_EQ(h.config("Maximize"), "x");

    // The key, not the window, decides: "2" restores even a normal window,
    // centred on its own client area (984 / 2 - 492, 624 / 2 - 321).
    h.setConfig("Maximize", "2");
    h.click("MainWindow", "最大化按钮");
    EXPECT_EQ(w.geometry(), (ui::Rect{0, -9, 984, 624}));
    EXPECT_EQ(h.config("Maximize"), "1");
}

TEST_F(MainFrame, MinimizeButtonMinimizes) {
    h.start();
    h.click("MainWindow", "最小化按钮");
    EXPECT_EQ(h.main().state(), ui::WindowState::Minimized);
}

TEST_F(MainFrame, StatusTextGoesToTheStatusBarAndTheRunState) {
    h.start();
    h.statusText("MainWindow", "WebBrowser1", "http://site/play/1.html");
    EXPECT_EQ(h.main().control("状态条1").statusText(0), "http://site/play/1.html");
    EXPECT_EQ(h.app().state().mainBrowser.lastStatusText, "http://site/play/1.html");
    h.statusText("MainWindow", "WebBrowser1", "");
    EXPECT_EQ(h.app().state().mainBrowser.lastStatusText, "");
    EXPECT_FALSE(h.main().control("状态条1").visible());
}

}  // namespace
}  // namespace quillo
