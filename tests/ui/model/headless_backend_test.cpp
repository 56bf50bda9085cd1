#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "test_windows.hpp"
#include "ui/model/window.hpp"

namespace quillo::test {
namespace {

using ui::EventArgs;
using ui::EventKind;

// Records every tick as "<timer>@<virtual time>".
class VirtualClockTest : public ModelTest {
protected:
    void recordTicks(std::string_view window, std::initializer_list<std::string_view> timers) {
        for (std::string_view timer : timers) {
            model_.bind(window, timer, EventKind::Tick, [this, timer](ui::Window&, EventArgs&) {
                ticks_.push_back(std::string(timer) + "@" + std::to_string(backend_.now()));
            });
        }
    }

    std::vector<std::string> ticks_;
};

TEST_F(VirtualClockTest, TimersTickInTimeOrderFromTheirCreation) {
    recordTicks("MainWindow", {"内存时钟", "背投时钟", "时钟1"});
    backend_.advance(100);
    model_.load("MainWindow");  // timers start at 100

    backend_.advance(1000);

    EXPECT_EQ(ticks_, (std::vector<std::string>{"内存时钟@300", "内存时钟@500", "背投时钟@600",
                                                "内存时钟@700", "内存时钟@900", "内存时钟@1100",
                                                "背投时钟@1100"}));
    EXPECT_EQ(backend_.now(), 1100);

    // The clock never goes back: a negative step neither moves it nor
    // fires a tick again.
    backend_.advance(-500);
    backend_.advance(200);
    EXPECT_EQ(backend_.now(), 1300);
    EXPECT_EQ(ticks_.back(), "内存时钟@1300");
    EXPECT_EQ(ticks_.size(), 8U);
}

TEST_F(VirtualClockTest, ChangingAnIntervalRestartsItsPeriodAndZeroStopsIt) {
    recordTicks("MainWindow", {"内存时钟", "背投时钟", "时钟1"});
    ui::Window& w = model_.load("MainWindow");
    backend_.advance(300);
    ticks_.clear();

    w.control("背投时钟").setInterval(250);  // next at 550, not 500
    w.control("内存时钟").setInterval(0);
    w.control("时钟1").setInterval(400);  // stored 0: only ticks once given an interval
    backend_.advance(500);

    EXPECT_EQ(ticks_, (std::vector<std::string>{"背投时钟@550", "时钟1@700", "背投时钟@800"}));
    EXPECT_EQ(backend_.nextTick("MainWindow", "内存时钟"), std::nullopt);
    EXPECT_EQ(backend_.nextTick("MainWindow", "背投时钟"), 1050);
}

TEST_F(VirtualClockTest, ATickHandlersChangesToTimersTakeEffectAtOnce) {
    ui::Window& w = model_.load("MainWindow");
    model_.bind("MainWindow", "背投时钟", EventKind::Tick, [&](ui::Window&, EventArgs&) {
        ticks_.push_back("背投时钟@" + std::to_string(backend_.now()));
        w.control("背投时钟").setInterval(0);     // runs once
        w.control("时钟1").setInterval(50);       // starts now
        w.control("内存时钟").setInterval(1000);  // moves away
    });
    recordTicks("MainWindow", {"内存时钟", "时钟1"});

    backend_.advance(620);

    EXPECT_EQ(ticks_, (std::vector<std::string>{"内存时钟@200", "内存时钟@400", "背投时钟@500",
                                                "时钟1@550", "时钟1@600"}));
}

TEST_F(VirtualClockTest, TicksOfADestroyedWindowNeverFire) {
    recordTicks("PopupWindow", {"关闭时钟"});
    model_.bind("PopupWindow", "显示时钟", EventKind::Tick, [&](ui::Window&, EventArgs&) {
        ticks_.push_back("显示时钟@" + std::to_string(backend_.now()));
        model_.destroy("PopupWindow");  // 关闭时钟 was due at the same moment
    });
    model_.load("PopupWindow");
    backend_.advance(1000);
    EXPECT_EQ(ticks_, (std::vector<std::string>{"显示时钟@300"}));

    // A fresh instance starts its timers from its own creation.
    model_.load("PopupWindow");
    backend_.advance(300);
    EXPECT_EQ(ticks_, (std::vector<std::string>{"显示时钟@300", "显示时钟@1300"}));
}

TEST_F(VirtualClockTest, AModalWindowDoesNotHoldBackTicks) {
    recordTicks("MainWindow", {"内存时钟"});
    model_.load("MainWindow");
    model_.load("SettingsWindow", true);
    backend_.advance(200);
    EXPECT_EQ(ticks_, (std::vector<std::string>{"内存时钟@200"}));
}

// As on the screen, a check box has toggled when its click is reported, and
// a box beneath a modal window takes no click at all.
TEST_F(ModelTest, ClickingACheckBoxTogglesItBeforeItsHandlerRuns) {
    std::vector<bool> seen;
    ui::Window& main = model_.load("MainWindow");
    model_.bind("MainWindow", "勾选框", EventKind::Clicked,
                [&](ui::Window&, EventArgs&) { seen.push_back(main.control("勾选框").checked()); });

    backend_.click("MainWindow", "勾选框");
    backend_.click("MainWindow", "勾选框");
    model_.load("SettingsWindow", true);
    backend_.click("MainWindow", "勾选框");

    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
    EXPECT_TRUE(main.control("勾选框").checked());
}

class PoppedMenuTest : public ModelTest {
protected:
    PoppedMenuTest() {
        // openSettings stays free for the test that binds its own.
        for (const char* action : {"subItem", "quit", "goBack", "stop"}) {
            model_.bindMenuAction("MainWindow", action,
                                  [this, action](ui::Window&) { ran_.push_back(action); });
        }
        model_.load("MainWindow");
    }

    std::vector<std::string> ran_;
};

TEST_F(PoppedMenuTest, ChoosingByCaptionRunsTheItemOfTheLastMenu) {
    ui::Window& w = *model_.find("MainWindow");
    w.popupMenu("选项按钮菜单");
    w.popupMenu("简体右键");

    EXPECT_FALSE(backend_.choose("软件选项"));  // not in the menu popped last
    EXPECT_TRUE(backend_.choose("停止"));
    EXPECT_FALSE(backend_.choose("返回"));  // the menu closed with the first choice
    EXPECT_EQ(ran_, (std::vector<std::string>{"stop"}));

    w.popupMenu("选项按钮菜单");
    EXPECT_FALSE(backend_.choose("-"));
    EXPECT_FALSE(backend_.chooseIndex(4));  // separator
    EXPECT_FALSE(backend_.chooseIndex(99));
    EXPECT_TRUE(backend_.menuWaiting());
    EXPECT_TRUE(backend_.choose("子项"));
    w.popupMenu("选项按钮菜单");
    EXPECT_TRUE(backend_.chooseIndex(6));
    EXPECT_EQ(ran_, (std::vector<std::string>{"stop", "subItem", "quit"}));
}

TEST_F(PoppedMenuTest, AMenuWithoutAChoiceRunsNothing) {
    ui::Window& w = *model_.find("MainWindow");
    EXPECT_FALSE(backend_.choose("退出"));  // nothing popped yet
    w.popupMenu("选项按钮菜单");
    backend_.dismissMenu();
    EXPECT_FALSE(backend_.choose("退出"));
    w.popupMenu("选项按钮菜单");
    model_.destroy("MainWindow");
    EXPECT_FALSE(backend_.menuWaiting());
    EXPECT_FALSE(backend_.choose("退出"));
    EXPECT_TRUE(ran_.empty());
    EXPECT_EQ(backend_.poppedMenus().size(), 2u);
}

TEST_F(PoppedMenuTest, AnActionMayPopUpTheNextMenu) {
    model_.bindMenuAction("MainWindow", "openSettings", [this](ui::Window&) {
        model_.find("MainWindow")->popupMenu("简体右键");
    });
    model_.find("MainWindow")->popupMenu("选项按钮菜单");
    EXPECT_TRUE(backend_.choose("软件选项"));
    EXPECT_TRUE(backend_.choose("返回"));
    EXPECT_EQ(ran_, (std::vector<std::string>{"goBack"}));
}

}  // namespace
}  // namespace quillo::test
