#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app_harness.hpp"
#include "core/text.hpp"

namespace quillo {
namespace {

constexpr const char* kWindow = "CornerPopupWindow";
constexpr const char* kView = "超文本浏览框1";

// Server-name mode; the corner pop-up is opened at the end of the start-up,
// at virtual time 0.
class CornerPopup : public ::testing::Test {
protected:
    void start(const std::string& cornerSwitch) {
        h.setConfig("Language", "1");
        h.page("ads/ksqd.html", "关");
        h.pageBytes("ads/ytkg.html", cornerSwitch);
        h.start();
    }
    bool everShown() const {
        const std::vector<std::string> journal = h.journal();
        return std::count(journal.begin(), journal.end(), "shown CornerPopupWindow") > 0;
    }
    ui::Window* popup() { return h.windows().find(kWindow); }
    test::AppHarness h;
};

struct SwitchCase {
    const char* name;
    std::string cornerSwitch;
    bool openAfterSetUp;
    bool showsAtFiveSeconds;
};

class CornerPopupSwitch : public CornerPopup, public ::testing::WithParamInterface<SwitchCase> {};

TEST_P(CornerPopupSwitch, ShowsOnTheFifthTickOnlyWhenTheServerSaysOn) {
    const SwitchCase& c = GetParam();
    start(c.cornerSwitch);
    EXPECT_EQ(h.isOpen(kWindow), c.openAfterSetUp);
    // Only an advertisement to show is loaded, while the pop-up still waits hidden.
    const std::vector<Text> expectedPages =
        c.showsAtFiveSeconds ? std::vector<Text>{h.baseAddress() + "ads/youtan.html"}
                             : std::vector<Text>{};
    EXPECT_EQ(h.navigations(kWindow, kView), expectedPages);

    h.advance(4999);
    EXPECT_FALSE(everShown());
    h.advance(1);
    EXPECT_EQ(everShown(), c.showsAtFiveSeconds);
    EXPECT_EQ(h.isOpen(kWindow), c.openAfterSetUp);

    // Twenty seconds after it was opened it is gone, shown or not.
    h.advance(14999);
    EXPECT_EQ(h.isOpen(kWindow), c.openAfterSetUp);
    h.advance(1);
    EXPECT_FALSE(h.isOpen(kWindow));
    EXPECT_EQ(everShown(), c.showsAtFiveSeconds);
    EXPECT_TRUE(h.windows().running());
    EXPECT_TRUE(h.main().visible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CornerPopupSwitch,
    ::testing::Values(SwitchCase{"On", "\xBF\xAA", true, true},
                      SwitchCase{"OffDestroysAtOnce", "\xB9\xD8", false, false},
                      SwitchCase{"EmptyWaitsHidden", "", true, false},
                      SwitchCase{"OtherWaitsHidden", "\xBF\xAA\n", true, false}),
    [](const ::testing::TestParamInfo<SwitchCase>& info) { return std::string(info.param.name); });

struct PlaceCase {
    const char* name;
    int screenWidth;
    int screenHeight;
    int areaLeft, areaTop, areaWidth, areaHeight;  // width 0: the whole screen
    ui::Rect placed;
};

class CornerPopupPlace : public CornerPopup, public ::testing::WithParamInterface<PlaceCase> {};

TEST_P(CornerPopupPlace, StandsInTheBottomRightCornerOfTheDesktop) {
    const PlaceCase& c = GetParam();
    h.setScreen(c.screenWidth, c.screenHeight);
    if (c.areaWidth > 0) {
        h.setAvailableArea(c.areaLeft, c.areaTop, c.areaWidth, c.areaHeight);
    }
    start("\xBF\xAA");
    h.advance(5000);
    ASSERT_TRUE(popup()->visible());
    EXPECT_EQ(popup()->geometry(), c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CornerPopupPlace,
    ::testing::Values(
        // 4 pixels inside the corner.
        PlaceCase{"WideScreen", 1366, 768, 0, 0, 0, 0, {1066, 518, 296, 246}},
        PlaceCase{"SmallScreen", 800, 600, 0, 0, 0, 0, {500, 350, 296, 246}},
        // Above a bottom panel, and left of a right-hand dock.
        PlaceCase{"BottomPanel", 1366, 768, 0, 0, 1366, 728, {1066, 478, 296, 246}},
        PlaceCase{"RightDock", 1920, 1080, 0, 32, 1856, 1048, {1556, 830, 296, 246}},
        // A desktop smaller than the pop-up keeps its top-left corner on it.
        PlaceCase{"TinyDesktop", 320, 240, 0, 20, 320, 220, {20, 20, 296, 246}}),
    [](const ::testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

TEST_F(CornerPopup, ClosedBeforeTheFifthTickIsNeverSeen) {
    start("\xBF\xAA");
    h.advance(3000);
    h.click(kWindow, "图形按钮1");
    EXPECT_FALSE(h.isOpen(kWindow));
    h.advance(30000);
    EXPECT_FALSE(everShown());
}

TEST_F(CornerPopup, CloseButtonEndsItWhileShown) {
    start("\xBF\xAA");
    h.advance(8000);
    ASSERT_TRUE(popup()->visible());
    h.click(kWindow, "图形按钮1");
    EXPECT_FALSE(h.isOpen(kWindow));
    EXPECT_TRUE(h.windows().running());
}

TEST_F(CornerPopup, ShowsOnceAndStopsItsShowTimer) {
    start("\xBF\xAA");
    h.advance(5000);
    EXPECT_EQ(popup()->control("时钟1").interval(), 0);
    h.advance(10000);
    const std::vector<std::string> journal = h.journal();
    EXPECT_EQ(std::count(journal.begin(), journal.end(), "shown CornerPopupWindow"), 1);
}

}  // namespace
}  // namespace quillo
