#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ads/period.hpp"
#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

constexpr const char* kWindow = "PopUnderWindow";
constexpr const char* kBrowser = "超文本界面框1";
constexpr const char* kTimer = "背投时钟";
constexpr int kFirstOpening = 60000;

// Server-name mode in Simplified Chinese; the pop-under pages as given.
class PopUnder : public ::testing::Test {
protected:
    void start(const std::string& popUnderSwitch, const std::string& period = "30") {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "Quillo影音");
        h.pageBytes("ads/btkg.html", popUnderSwitch);
        h.pageBytes("ads/btsj.html", period);
        h.start();
    }
    int interval() { return h.main().control(kTimer).interval(); }
    int count(const std::string& entry) const {
        const std::vector<std::string> journal = h.journal();
        return static_cast<int>(std::count(journal.begin(), journal.end(), entry));
    }
    test::AppHarness h;
};

struct SwitchCase {
    const char* name;
    std::string popUnderSwitch;
    bool opens;
    int intervalAfter;  // of the pop-under timer after the first tick
};

class PopUnderSwitch : public PopUnder, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(PopUnderSwitch, DecidesAtTheFirstTickAfterAMinute) {
    const SwitchCase& c = GetParam();
    start(c.popUnderSwitch);
    h.advance(kFirstOpening - 1);
    EXPECT_FALSE(h.isOpen(kWindow));
    h.advance(1);
    EXPECT_EQ(h.isOpen(kWindow), c.opens);
    EXPECT_EQ(interval(), c.intervalAfter);
    // Ten more minutes change nothing for a pop-under that never opened.
    if (!c.opens) {
        h.advance(10 * kFirstOpening);
        EXPECT_FALSE(h.isOpen(kWindow));
        EXPECT_EQ(count("created PopUnderWindow"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PopUnderSwitch,
    ::testing::Values(SwitchCase{"On", "\xBF\xAA", true, 30000},
                      SwitchCase{"OffStopsTheTimer", "\xB9\xD8", false, 0},
                      SwitchCase{"EmptyKeepsTheTimer", "", false, kFirstOpening},
                      SwitchCase{"OtherKeepsTheTimer", "\xBF\xAA\r\n", false, kFirstOpening}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

TEST_F(PopUnder, NoPopUnderInLocalNameMode) {
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "开");
    h.page("ads/btkg.html", "开");
    h.start();
    h.advance(3 * kFirstOpening);
    EXPECT_FALSE(h.isOpen(kWindow));
}

struct PeriodCase {
    const char* name;
    std::string period;
    int interval;
};

class PopUnderPeriod : public PopUnder, public ::testing::WithParamInterface<PeriodCase> {};

TEST_P(PopUnderPeriod, SetsTheNextOpeningInWholeMilliseconds) {
    const PeriodCase& c = GetParam();
    start("\xBF\xAA", c.period);
    h.advance(kFirstOpening);
    ASSERT_TRUE(h.isOpen(kWindow));
    EXPECT_EQ(interval(), c.interval);

    // Closed by the user, it opens again one period later, or never when
    // the period stopped the timer.
    h.click(kWindow, "关闭按钮1");
    ASSERT_FALSE(h.isOpen(kWindow));
    h.advance(c.interval > 0 ? c.interval : 10 * kFirstOpening);
    EXPECT_EQ(h.isOpen(kWindow), c.interval > 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, PopUnderPeriod,
                         ::testing::Values(PeriodCase{"HalfASecond", "0.5", 500},
                                           PeriodCase{"TruncatedToNothingStops", "0.0004", 0},
                                           PeriodCase{"EmptyStops", "", 0},
                                           PeriodCase{"NotANumberStops", "abc", 0},
                                           PeriodCase{"LeadingNumber", "2.5x", 2500},
                                           PeriodCase{"Fraction", "1.0019", 1001}),
                         [](const ::testing::TestParamInfo<PeriodCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(PopUnderPeriodReading, StaysWithinWhatATimerHolds) {
    EXPECT_EQ(periodMilliseconds("-5"), 0);
    EXPECT_EQ(periodMilliseconds("  7"), 7000);
    EXPECT_EQ(periodMilliseconds("2147483.647"), INT_MAX);
    EXPECT_EQ(periodMilliseconds("99999999999999999999"), INT_MAX);
}

TEST_F(PopUnder, PeriodIsReadAgainAtEveryOpening) {
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "关");
    h.page("ads/btkg.html", "开");
    h.pageSequence("ads/btsj.html", {"30", "5", "0"});
    h.start();
    h.advance(kFirstOpening);
    EXPECT_EQ(interval(), 30000);
    h.advance(30000);
    EXPECT_EQ(interval(), 5000);
    h.advance(5000);
    EXPECT_EQ(interval(), 0);
    EXPECT_EQ(count("created PopUnderWindow"), 1);
}

TEST_F(PopUnder, TickWhileOpenBringsItToTheFrontWithoutReloading) {
    start("\xBF\xAA", "30");
    h.advance(kFirstOpening);
    ASSERT_TRUE(h.isOpen(kWindow));
    const std::vector<Text> loaded = h.navigations(kWindow, kBrowser);
    EXPECT_EQ(loaded.back(), h.baseAddress() + "ads/beitou.html");

    h.advance(2 * 30000);
    EXPECT_EQ(count("raised PopUnderWindow"), 2);
    EXPECT_EQ(count("created PopUnderWindow"), 1);
    EXPECT_EQ(h.navigations(kWindow, kBrowser), loaded);
}

TEST_F(PopUnder, DisplayAdvertisingKeyTellsWhetherTheUserClosedIt) {
    start("\xBF\xAA", "30");
    h.advance(kFirstOpening - 1);
    EXPECT_EQ(h.config("Display advertising"), "");
    h.advance(1);
    EXPECT_EQ(h.config("Display advertising"), "2");
    h.advance(30000);  // brought to the front again
    EXPECT_EQ(h.config("Display advertising"), "2");
    h.click(kWindow, "关闭按钮1");
    EXPECT_EQ(h.config("Display advertising"), "1");
    h.advance(30000);
    EXPECT_EQ(h.config("Display advertising"), "2");
}

TEST_F(PopUnder, OpensBehindTheMainWindowWhereItStands) {
    start("\xBF\xAA", "30");
    h.main().move(200, 120, 984, 624);
    h.advance(kFirstOpening);
    // Created there, so that it is never shown anywhere else first.
    EXPECT_EQ(h.createdGeometry(kWindow), (ui::Rect{200, 120, 600, 400}));
    EXPECT_EQ(h.windows().find(kWindow)->geometry(), (ui::Rect{200, 120, 600, 400}));

    // An open pop-under keeps its place when a later tick finds it.
    h.windows().find(kWindow)->move(10, 20, 600, 400);
    h.main().move(300, 200, 984, 624);
    h.advance(30000);
    EXPECT_EQ(count("raised PopUnderWindow"), 1);
    EXPECT_EQ(h.windows().find(kWindow)->geometry(), (ui::Rect{10, 20, 600, 400}));
}

TEST_F(PopUnder, KeepsOpeningWhileTheMainWindowIsInTheTray) {
    h.setConfig("Tray", "1");
    start("\xBF\xAA", "30");
    h.click("MainWindow", "关闭按钮");
    ASSERT_FALSE(h.main().visible());
    h.advance(kFirstOpening);
    ASSERT_TRUE(h.isOpen(kWindow));
    // Nothing to hide behind: it stays at its own place.
    EXPECT_EQ(h.windows().find(kWindow)->geometry(), (ui::Rect{50, 50, 600, 400}));
    h.click(kWindow, "关闭按钮1");
    h.advance(30000);
    EXPECT_TRUE(h.isOpen(kWindow));
}

struct LanguageCase {
    const char* name;
    const char* language;  // key Language when the pop-under opens
    const char* label;     // UTF-8
    const char* title;     // UTF-8
    const char* menu;      // "" for none
};

class PopUnderLanguage : public PopUnder, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(PopUnderLanguage, TitlesAndMenuFollowTheLanguage) {
    const LanguageCase& c = GetParam();
    start("\xBF\xAA", "30");
    h.setConfig("Language", c.language);
    h.advance(kFirstOpening);
    ui::Window& popUnder = *h.windows().find(kWindow);
    EXPECT_EQ(popUnder.control("透明标签1").text(), gbk(c.label));
    EXPECT_EQ(popUnder.title(), gbk(c.title));

    h.rightPress(kWindow, kBrowser);
    if (std::string(c.menu).empty()) {
        EXPECT_EQ(h.menusPopped(), 0);
    } else {
        ASSERT_TRUE(h.lastMenu());
        EXPECT_EQ(h.lastMenu()->window, kWindow);
        EXPECT_EQ(h.lastMenu()->menu, c.menu);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PopUnderLanguage,
    ::testing::Values(
        LanguageCase{"Simplified", "1", "Quillo影音 背投广告", "Quillo影音 背投广告", "中文"},
        LanguageCase{"Traditional", "2", "Quillo影音  背投廣告", "Quillo影音 背投廣告", "繁体"},
        LanguageCase{"TraditionalAsNumber", "2.0", "Quillo影音  背投廣告", "Quillo影音 背投廣告",
                     "繁体"},
        LanguageCase{"English", "3", "Quillo影音 Display ADS", "Quillo影音 Display ADS", "英语"},
        LanguageCase{"Missing", "", "Quillo影音背投广告", "背投广告", ""}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
        return std::string(info.param.name);
    });

TEST_F(PopUnder, MenuItemsDriveTheAdvertisementBrowser) {
    start("\xBF\xAA", "30");
    h.setConfig("Language", "3");
    h.advance(kFirstOpening);
    for (const char* item : {"GoBack ", "GoForward", "Refresh", "Stop"}) {
        h.rightPress(kWindow, kBrowser);
        h.choose(item);
    }
    EXPECT_EQ(h.browserCommands(kWindow, kBrowser),
              (std::vector<std::string>{"navigate", "goBack", "goForward", "refresh", "stop"}));
}

TEST_F(PopUnder, SetUpLoadsTheFrameSkin) {
    const std::filesystem::path skins = h.programDirectory() / "Skins" / "Default";
    std::filesystem::create_directories(skins);
    for (const char* file : {"Top.jpg", "TopBackground.gif", "Left.gif", "Right.gif", "Foot.gif",
                             "CloseA.gif", "CloseB.gif"}) {
        std::ofstream(skins / file, std::ios::binary) << "picture:" << file;
    }
    start("\xBF\xAA");
    h.advance(kFirstOpening);
    const ui::Window& popUnder = *h.windows().find(kWindow);
    auto picture = [&](const char* control, ui::ImageSlot slot = ui::ImageSlot::Normal) {
        const ui::Picture& image = popUnder.control(control).image(slot);
        return image.bytes ? *image.bytes : std::string("(unread)");
    };
    EXPECT_EQ(picture("图片框2"), "picture:Top.jpg");
    EXPECT_EQ(picture("toppic"), "picture:TopBackground.gif");
    EXPECT_EQ(picture("leftpic"), "picture:Left.gif");
    EXPECT_EQ(picture("rightpic"), "picture:Right.gif");
    EXPECT_EQ(picture("footpic"), "picture:Foot.gif");
    EXPECT_EQ(picture("关闭按钮1"), "picture:CloseA.gif");
    EXPECT_EQ(picture("关闭按钮1", ui::ImageSlot::Hover), "picture:CloseB.gif");
    EXPECT_EQ(picture("关闭按钮1", ui::ImageSlot::Pressed), "picture:CloseA.gif");
}

}  // namespace
}  // namespace quillo
