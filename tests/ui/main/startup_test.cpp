#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

using Paths = std::vector<std::string>;

const char* const kWindowStateKeys[] = {"APPWindows",       "PlayerWindows", "PlayerOpen",
                                        "APPOpen",          "Maximize",      "APPMaximize",
                                        "APPCenterMaximize"};

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        h.setConfig("Language", "1");
        h.languageTable("Chinese Simplified.db",
                        "[Config]\r\nName=本地名称\r\nColumn 1=片库\r\nColumn 2=直播\r\n"
                        "Column 4=游戏\r\nColumn 5=推荐\r\n");
        h.page("ads/namejt.html", "服务器名称");
        h.page("ads/zdylm1.html", "开");
        h.page("ads/zdylm2.html", "关");
        h.page("ads/wz1kg.html", "开");
        h.page("ads/ads1rn.html", "看大片");
        h.page("ads/qzsj.html", "关");
        h.page("ads/btkg.html", "开");
    }

    void expectWindowStateKeysReset() {
        for (const char* key : kWindowStateKeys) {
            EXPECT_EQ(h.config(key), "1") << key;
        }
    }

    test::AppHarness h;
};

TEST_F(Startup, ServerNameModeAsksItsPagesInOrder) {
    h.page("ads/ksqd.html", "关");
    h.start();

    EXPECT_EQ(h.requests(),
              (Paths{"ads/ksqd.html", "ads/namejt.html", "ads/zdylm1.html", "ads/zdylm2.html",
                     "ads/wz1kg.html", "ads/ads1rn.html", "ads/wz1kg.html", "ads/qzsj.html",
                     "ads/btkg.html", "ads/ytkg.html"}));
    ui::Window& main = h.main();
    EXPECT_EQ(main.title(), gbk("服务器名称"));
    EXPECT_EQ(main.control("软件名称标签").text(), gbk("服务器名称"));
    EXPECT_EQ(h.app().state().adverts.popUnderSwitch, gbk("开"));
    EXPECT_TRUE(h.isOpen("CornerPopupWindow"));
    EXPECT_FALSE(h.windows().find("CornerPopupWindow")->visible());
}

TEST_F(Startup, LocalNameModeTakesTheNameFromTheLanguageTable) {
    h.page("ads/ksqd.html", "开");
    h.start();

    EXPECT_EQ(h.requests(),
              (Paths{"ads/ksqd.html", "ads/zdylm1.html", "ads/zdylm2.html", "ads/wz1kg.html",
                     "ads/ads1rn.html", "ads/wz1kg.html", "ads/qzsj.html"}));
    ui::Window& main = h.main();
    EXPECT_EQ(main.title(), gbk("本地名称"));
    EXPECT_EQ(main.control("软件名称标签").text(), gbk("本地名称"));
    EXPECT_FALSE(h.isOpen("CornerPopupWindow"));
    EXPECT_EQ(h.app().state().adverts.popUnderSwitch, "");
}

TEST_F(Startup, ColumnLabelsComeFromTheTableAndAMissingColumnIsEmpty) {
    h.page("ads/ksqd.html", "开");
    h.start();

    ui::Window& main = h.main();
    EXPECT_EQ(main.control("栏目1标签").text(), gbk("片库"));
    EXPECT_EQ(main.control("栏目2标签").text(), gbk("直播"));
    EXPECT_EQ(main.control("栏目3标签").text(), "");
    EXPECT_EQ(main.control("栏目4标签").text(), gbk("游戏"));
    EXPECT_EQ(main.control("栏目5标签").text(), gbk("推荐"));
}

TEST_F(Startup, ShowsTheLoadingPageAndSendsTheMainBrowserHome) {
    h.page("ads/ksqd.html", "开");
    h.start();

    ui::Window& main = h.main();
    ui::Control& site = main.control("WebBrowser1");
    ui::Control& loading = main.control("WebBrowser2");
    EXPECT_FALSE(site.visible());
    EXPECT_TRUE(site.silent());
    EXPECT_EQ(h.navigations("MainWindow", "WebBrowser1"), (std::vector<Text>{h.baseAddress()}));
    EXPECT_EQ(h.navigations("MainWindow", "WebBrowser2"),
              (std::vector<Text>{(h.programDirectory() / "Html" / "Loading.html").string()}));
    EXPECT_EQ(loading.geometry(), (ui::Rect{0, 28, 984, 596}));

    // Every completed document swaps the loading page for the site.
    h.documentComplete("MainWindow", "WebBrowser1");
    EXPECT_TRUE(site.visible());
    EXPECT_FALSE(loading.visible());
    h.documentComplete("MainWindow", "WebBrowser1");
    EXPECT_TRUE(site.visible());
    EXPECT_FALSE(loading.visible());
}

struct StopCase {
    const char* name;
    const char* language;  // nullptr: key missing
    std::string startupBody;
};

class StartupStops : public Startup, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StartupStops, AfterTheSwitchPageNothingMoreHappens) {
    const StopCase& c = GetParam();
    h.removeConfig();
    h.setConfig("Maximize", "2");
    if (c.language != nullptr) {
        h.setConfig("Language", c.language);
    }
    h.pageBytes("ads/ksqd.html", c.startupBody);
    h.start();

    EXPECT_EQ(h.requests(), (Paths{"ads/ksqd.html"}));
    ui::Window& main = h.main();
    EXPECT_EQ(main.title(), "");
    EXPECT_EQ(main.control("软件名称标签").text(), gbk("Quillo影音"));
    EXPECT_EQ(main.control("栏目2标签").text(), gbk("电视直播"));
    // The loading page stood from the start, before the switch page was
    // asked; with nothing to load it goes again, and the window shows its
    // site browser blank in its design-time place.
    EXPECT_EQ(h.navigations("MainWindow", "WebBrowser2"),
              (std::vector<Text>{(h.programDirectory() / "Html" / "Loading.html").string()}));
    EXPECT_FALSE(main.control("WebBrowser2").visible());
    ui::Control& site = main.control("WebBrowser1");
    EXPECT_TRUE(site.visible());
    EXPECT_TRUE(h.navigations("MainWindow", "WebBrowser1").empty());
    EXPECT_EQ(site.geometry(), (ui::Rect{0, 28, 984, 596}));
    EXPECT_TRUE(h.messageBoxes().empty());
    expectWindowStateKeysReset();
}

INSTANTIATE_TEST_SUITE_P(Cases, StartupStops,
                         ::testing::Values(StopCase{"LanguageMissing", nullptr, "\xBF\xAA"},
                                           StopCase{"LanguageOnePointZero", "1.0", "\xBF\xAA"},
                                           StopCase{"LanguageLeadingZero", "02", "\xB9\xD8"}),
                         [](const ::testing::TestParamInfo<StopCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(Startup, WithoutNetworkTheWindowGoesThenTheNoticeAndNothingIsAsked) {
    h.removeConfig();
    h.setNetwork(false);
    h.page("ads/ksqd.html", "开");
    h.start();

    EXPECT_TRUE(h.requests().empty());
    EXPECT_FALSE(h.windows().running());
    ASSERT_EQ(h.messageBoxes().size(), 1u);
    EXPECT_EQ(h.messageBoxes()[0].text, gbk("请链接网络后，重新运行本程序！"));
    EXPECT_EQ(h.messageBoxes()[0].title, gbk("提示"));
    EXPECT_EQ(h.messageBoxes()[0].icon, MessageIcon::Warning);
    // The main window is gone before the notice shows.
    EXPECT_TRUE(h.happenedBefore("destroyed MainWindow", "message "));
    // A missing Config.ini is created holding just the reset keys.
    expectWindowStateKeysReset();
    EXPECT_EQ(h.config("Language"), "");
}

TEST_F(Startup, ClearsAwayWhatAWriteInterruptedByACrashLeftBehind) {
    const std::filesystem::path dir = h.programDirectory();
    std::ofstream(dir / ".Config.ini.tmp-00c0ffee00c0ffee") << "[Config]\r\nTr";
    std::ofstream(dir / "Config.ini.bak") << "[Config]\r\n";
    h.page("ads/ksqd.html", "开");
    h.start();

    EXPECT_FALSE(std::filesystem::exists(dir / ".Config.ini.tmp-00c0ffee00c0ffee"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Config.ini.bak"));
    expectWindowStateKeysReset();
}

struct ColumnSwitchCase {
    std::string column1;
    std::string column2;
    bool label4Visible;
    bool label5Visible;
};

class CustomColumns : public Startup, public ::testing::WithParamInterface<ColumnSwitchCase> {};

TEST_P(CustomColumns, SwitchPagesShowOrHideTheLabels) {
    const ColumnSwitchCase& c = GetParam();
    h.page("ads/ksqd.html", "开");
    h.pageBytes("ads/zdylm1.html", c.column1);
    h.pageBytes("ads/zdylm2.html", c.column2);
    h.start();

    EXPECT_EQ(h.main().control("栏目4标签").visible(), c.label4Visible);
    EXPECT_EQ(h.main().control("栏目5标签").visible(), c.label5Visible);
}

INSTANTIATE_TEST_SUITE_P(Cases, CustomColumns,
                         ::testing::Values(ColumnSwitchCase{"\xBF\xAA", "\xB9\xD8", true, false},
                                           ColumnSwitchCase{"\xB9\xD8", "\xBF\xAA", false, true},
                                           // Neither answer leaves a label as designed.
                                           ColumnSwitchCase{"", "\xB9\xD8\n", true, true}));

TEST_F(Startup, MemoryTimerTrimsEveryTwoHundredMilliseconds) {
    h.page("ads/ksqd.html", "开");
    h.start();
    h.advance(199);
    EXPECT_EQ(h.workingSetTrims(), 0);
    h.advance(1);
    EXPECT_EQ(h.workingSetTrims(), 1);
    h.advance(1000);
    EXPECT_EQ(h.workingSetTrims(), 6);
}

}  // namespace
}  // namespace quillo
