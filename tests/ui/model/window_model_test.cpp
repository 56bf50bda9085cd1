#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text.hpp"
#include "test_windows.hpp"
#include "ui/model/window.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::test {
namespace {

using ui::EventArgs;
using ui::EventKind;
using ui::Rect;
using ui::Window;

using WindowModelTest = ModelTest;

TEST_F(WindowModelTest, LoadBuildsTheWindowFromItsDefinitionBeforeTheCreatedEvent) {
    std::vector<std::string> seenInCreated;
    model_.bind("MainWindow", "", EventKind::Created, [&](ui::Window&, EventArgs&) {
        const Window& w = *model_.find("MainWindow");
        seenInCreated.push_back(w.control("文字广告1").text());
        seenInCreated.push_back(backend_.createdCount("MainWindow") == 1 ? "backend knew" : "");
    });

    Window& w = model_.load("MainWindow");

    EXPECT_TRUE(w.alive());
    EXPECT_FALSE(w.modal());
    EXPECT_EQ(w.title(), gbk("测试窗口"));
    EXPECT_EQ(w.geometry(), (Rect{50, 50, 984, 624}));
    EXPECT_TRUE(w.visible());
    ASSERT_EQ(w.controls().size(), windows_[0].controls.size());
    for (std::size_t i = 0; i < w.controls().size(); ++i) {
        EXPECT_EQ(w.controls()[i]->name(), windows_[0].controls[i].name);
    }
    const ui::Control& label = w.control("文字广告1");
    EXPECT_EQ(label.kind(), ui::ControlKind::TransparentLabel);
    EXPECT_EQ(label.parentName(), "toppic");
    EXPECT_EQ(label.geometry(), (Rect{464, 4, 360, 24}));
    EXPECT_FALSE(label.visible());
    EXPECT_EQ(label.text(), gbk("透明标签"));
    EXPECT_EQ(label.textColor(), (ui::Color{0xC0, 0x60, 0x00}));
    EXPECT_EQ(label.font(), (ui::Font{16, 700}));
    EXPECT_EQ(w.control("关闭按钮").cursor(), ui::Cursor::Hand);
    EXPECT_TRUE(w.control("勾选框").checked());
    EXPECT_EQ(w.control("内存时钟").interval(), 200);
    EXPECT_EQ(w.control("时钟1").interval(), 0);
    EXPECT_EQ(w.control("WebBrowser1").address(), "about:blank");
    EXPECT_EQ(w.findControl("没有这个"), nullptr);

    EXPECT_EQ(seenInCreated, (std::vector<std::string>{gbk("透明标签"), "backend knew"}));
}

// A handler gets the window whose event it handles (the created event and
// menu actions included), and the window what its opener handed it.
TEST_F(WindowModelTest, HandlersGetTheirWindowAndTheWindowItsOpenersArgument) {
    struct Page {
        std::string address;
    };
    std::vector<std::string> created;
    std::vector<const Window*> handled;
    model_.bind("ColumnWindow", "", EventKind::Created, [&](Window& window, EventArgs&) {
        const Page* page = window.argument<Page>();
        created.push_back(window.name() + " " + (page != nullptr ? page->address : "none"));
        handled.push_back(&window);
    });
    model_.bind("ColumnWindow", "关闭按钮", EventKind::Clicked,
                [&](Window& window, EventArgs&) { handled.push_back(&window); });
    model_.bindMenuAction("ColumnWindow", "refresh",
                          [&](Window& window) { handled.push_back(&window); });

    Window& first = model_.loadAt("ColumnWindow", {10, 20}, Page{"first"});
    EXPECT_EQ(first.argument<std::string>(), nullptr);
    // An open window keeps its place and its argument.
    EXPECT_EQ(&model_.loadAt("ColumnWindow", {30, 40}, Page{"second"}), &first);
    EXPECT_EQ(first.argument<Page>()->address, "first");
    EXPECT_EQ(first.left(), 10);
    backend_.click("ColumnWindow", "关闭按钮");
    model_.chooseMenuItem("ColumnWindow", "栏目菜单", 0);
    model_.destroy("ColumnWindow");
    Window& second = model_.load("ColumnWindow");

    EXPECT_EQ(created, (std::vector<std::string>{"ColumnWindow first", "ColumnWindow none"}));
    EXPECT_EQ(handled, (std::vector<const Window*>{&first, &first, &first, &second}));
}

// A control resolved once reaches that control in every instance of its
// window; resolving one the definitions lack, or using it in another
// window, stops the program.
TEST_F(WindowModelTest, AResolvedControlIsReachedInEveryInstanceOfItsWindow) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ui::ControlRef close = model_.resolve("ColumnWindow", "关闭按钮");
    EXPECT_EQ(close.name(), "关闭按钮");
    Window& first = model_.load("ColumnWindow");
    EXPECT_EQ(&first.control(close), &first.control("关闭按钮"));
    model_.destroy("ColumnWindow");
    Window& second = model_.load("ColumnWindow");
    EXPECT_EQ(&second.control(close), &second.control("关闭按钮"));

    EXPECT_DEATH(model_.resolve("ColumnWindow", "不存在"),
                 "unknown control of ColumnWindow \"不存在\"");
    EXPECT_DEATH(model_.resolve("NoSuchWindow", "关闭按钮"), "unknown window \"NoSuchWindow\"");
    Window& main = model_.load("MainWindow");
    EXPECT_DEATH(main.control(close), "unknown control of MainWindow \"ColumnWindow/关闭按钮\"");
}

TEST_F(WindowModelTest, LoadingAnOpenWindowRaisesTheSameInstanceWithoutCreatingAgain) {
    int created = 0;
    model_.bind("ColumnWindow", "", EventKind::Created,
                [&](ui::Window&, EventArgs&) { ++created; });

    Window& first = model_.load("ColumnWindow");
    first.move(80, 80, 984, 624);
    Window& second = model_.load("ColumnWindow");

    EXPECT_EQ(&first, &second);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(second.geometry(), (Rect{80, 80, 984, 624}));
    EXPECT_EQ(backend_.createdCount("ColumnWindow"), 1);
    EXPECT_EQ(backend_.raisedCount("ColumnWindow"), 1);
    EXPECT_TRUE(backend_.journal().ordered("created ColumnWindow", "raised ColumnWindow"));
}

TEST_F(WindowModelTest, LoadAtCreatesANewWindowThereAndLeavesAnOpenOneInPlace) {
    Window& column = model_.loadAt("ColumnWindow", {130, 110});
    EXPECT_EQ(backend_.createdGeometry("ColumnWindow"), (Rect{130, 110, 984, 624}));
    EXPECT_EQ(column.geometry(), (Rect{130, 110, 984, 624}));

    column.move(400, 300, 984, 624);
    Window& again = model_.loadAt("ColumnWindow", {130, 110});
    EXPECT_EQ(&again, &column);
    EXPECT_EQ(again.geometry(), (Rect{400, 300, 984, 624}));
    EXPECT_EQ(backend_.raisedCount("ColumnWindow"), 1);
}

TEST_F(WindowModelTest, ReloadShowsAHiddenWindowOnlyWhenItsDefinitionIsVisible) {
    Window& column = model_.load("ColumnWindow");
    column.hide();
    model_.load("ColumnWindow");
    EXPECT_TRUE(column.visible());
    EXPECT_TRUE(backend_.journal().ordered("shown ColumnWindow", "raised ColumnWindow"));

    // A window that is hidden by design stays as its own code left it.
    Window& popup = model_.load("PopupWindow");
    EXPECT_FALSE(popup.visible());
    model_.load("PopupWindow");
    EXPECT_FALSE(popup.visible());
    EXPECT_EQ(backend_.raisedCount("PopupWindow"), 1);
}

TEST_F(WindowModelTest, AClosedWindowIsCreatedAfreshOnItsNextLoad) {
    int created = 0;
    model_.bind("ColumnWindow", "", EventKind::Created,
                [&](ui::Window&, EventArgs&) { ++created; });
    model_.load("ColumnWindow").move(80, 80, 10, 10);
    model_.destroy("ColumnWindow");
    EXPECT_FALSE(model_.isOpen("ColumnWindow"));

    Window& again = model_.load("ColumnWindow");

    EXPECT_TRUE(again.alive());
    EXPECT_EQ(again.geometry(), (Rect{50, 50, 984, 624}));
    EXPECT_EQ(created, 2);
    EXPECT_EQ(backend_.createdCount("ColumnWindow"), 2);
    EXPECT_EQ(backend_.raisedCount("ColumnWindow"), 0);
}

struct EventCase {
    EventKind kind;
    bool isInput;
    const char* mainControl;    // raises the event in MainWindow ("" the window)
    const char* dialogControl;  // and in the dialog
};

class ModalInputTest : public ModelTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(ModalInputTest, AModalWindowWithholdsOnlyUserInputFromOtherWindows) {
    const EventCase& c = GetParam();
    EXPECT_EQ(ui::isUserInput(c.kind), c.isInput);

    int mainEvents = 0;
    int dialogEvents = 0;
    model_.bind("MainWindow", c.mainControl, c.kind,
                [&](ui::Window&, EventArgs&) { ++mainEvents; });
    model_.bind("SettingsWindow", c.dialogControl, c.kind,
                [&](ui::Window&, EventArgs&) { ++dialogEvents; });
    model_.load("MainWindow");
    Window& dialog = model_.load("SettingsWindow", true);
    EXPECT_TRUE(dialog.modal());
    EXPECT_EQ(model_.activeModal(), &dialog);

    model_.raise("MainWindow", c.mainControl, c.kind);
    model_.raise("SettingsWindow", c.dialogControl, c.kind);
    EXPECT_EQ(mainEvents, c.isInput ? 0 : 1);
    EXPECT_EQ(dialogEvents, 1);

    model_.destroy("SettingsWindow");
    EXPECT_EQ(model_.activeModal(), nullptr);
    model_.raise("MainWindow", c.mainControl, c.kind);
    EXPECT_EQ(mainEvents, c.isInput ? 1 : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Events, ModalInputTest,
    ::testing::Values(EventCase{EventKind::Clicked, true, "关闭按钮", "确定按钮"},
                      EventCase{EventKind::LeftButtonDown, true, "文字广告1", "链接"},
                      EventCase{EventKind::RightButtonDown, true, "WebBrowser1", "浏览器"},
                      EventCase{EventKind::TrayAction, true, "", ""},
                      EventCase{EventKind::Tick, false, "时钟1", "时钟"},
                      EventCase{EventKind::StatusTextChange, false, "WebBrowser1", "浏览器"},
                      EventCase{EventKind::NewWindow2, false, "WebBrowser1", "浏览器"},
                      EventCase{EventKind::DocumentComplete, false, "WebBrowser1", "浏览器"},
                      EventCase{EventKind::BeforeNavigate2, false, "WebBrowser1", "浏览器"}));

TEST_F(WindowModelTest, OnlyTheNewestModalWindowTakesInputAndMenusAreInput) {
    int settingsClicks = 0;
    int aboutClicks = 0;
    int menuActions = 0;
    model_.bind("SettingsWindow", "确定按钮", EventKind::Clicked,
                [&](ui::Window&, EventArgs&) { ++settingsClicks; });
    model_.bind("AboutWindow", "确定按钮", EventKind::Clicked,
                [&](ui::Window&, EventArgs&) { ++aboutClicks; });
    model_.bindMenuAction("MainWindow", "openSettings", [&](ui::Window&) { ++menuActions; });
    model_.load("MainWindow").popupMenu("选项按钮菜单");
    model_.load("SettingsWindow", true);
    model_.load("AboutWindow", true);

    backend_.click("SettingsWindow", "确定按钮");
    backend_.click("AboutWindow", "确定按钮");
    EXPECT_TRUE(backend_.choose("软件选项"));
    EXPECT_EQ(settingsClicks, 0);
    EXPECT_EQ(aboutClicks, 1);
    EXPECT_EQ(menuActions, 0);

    model_.destroy("AboutWindow");
    backend_.click("SettingsWindow", "确定按钮");
    EXPECT_EQ(settingsClicks, 1);
}

TEST_F(WindowModelTest, AHandlerMayDestroyItsOwnWindowAndTouchItAfterwards) {
    int created = 0;
    model_.bind("ColumnWindow", "", EventKind::Created,
                [&](ui::Window&, EventArgs&) { ++created; });
    model_.bind("ColumnWindow", "关闭按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
        Window& self = *model_.find("ColumnWindow");
        ui::Control& button = self.control("关闭按钮");
        model_.destroy("ColumnWindow");
        // The objects outlive the handler; their setters are inert now.
        EXPECT_FALSE(self.alive());
        button.setText("x");
        self.setTitle("x");
        EXPECT_EQ(button.text(), "");
        EXPECT_EQ(self.title(), gbk("栏目"));
        // Reopening from the same handler builds a new instance.
        Window& fresh = model_.load("ColumnWindow");
        EXPECT_NE(&fresh, &self);
        EXPECT_TRUE(fresh.alive());
        model_.destroy("ColumnWindow");
    });
    Window& w = model_.load("ColumnWindow");

    backend_.click("ColumnWindow", "关闭按钮");

    EXPECT_FALSE(w.alive());  // still readable until the next dispatch starts
    EXPECT_FALSE(model_.isOpen("ColumnWindow"));
    EXPECT_EQ(created, 2);
    EXPECT_EQ(backend_.destroyedCount("ColumnWindow"), 2);
    backend_.click("ColumnWindow", "关闭按钮");  // frees both, runs nothing
    EXPECT_EQ(backend_.destroyedCount("ColumnWindow"), 2);
}

TEST_F(WindowModelTest, ACreatedHandlerMayDestroyItsWindow) {
    model_.bind("PopupWindow", "", EventKind::Created,
                [&](ui::Window&, EventArgs&) { model_.destroy("PopupWindow"); });

    Window& w = model_.load("PopupWindow");

    EXPECT_FALSE(w.alive());
    EXPECT_FALSE(model_.isOpen("PopupWindow"));
    EXPECT_TRUE(backend_.journal().ordered("created PopupWindow", "destroyed PopupWindow"));
    EXPECT_EQ(backend_.nextTick("PopupWindow", "显示时钟"), std::nullopt);
}

TEST_F(WindowModelTest, DestroyingMainWindowDestroysEveryWindowAndStops) {
    model_.load("MainWindow");
    model_.load("ColumnWindow");
    model_.load("SettingsWindow", true);

    model_.destroy("MainWindow");

    EXPECT_FALSE(model_.running());
    EXPECT_TRUE(backend_.quitRequested());
    for (const char* name : {"MainWindow", "ColumnWindow", "SettingsWindow"}) {
        EXPECT_FALSE(model_.isOpen(name)) << name;
    }
    const std::vector<std::string> expected{"destroyed SettingsWindow", "destroyed ColumnWindow",
                                            "destroyed MainWindow", "quit"};
    const std::vector<std::string>& journal = backend_.journal().entries();
    ASSERT_GE(journal.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(journal.end() - 4, journal.end()), expected);
}

TEST_F(WindowModelTest, AfterTheModelStoppedLoadCreatesNothing) {
    int created = 0;
    model_.bind("ColumnWindow", "", EventKind::Created,
                [&](ui::Window&, EventArgs&) { ++created; });
    model_.bind("MainWindow", "关闭按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
        model_.destroy("MainWindow");
        // A later step of the same handler opening a window gets an inert one.
        Window& late = model_.load("ColumnWindow");
        EXPECT_FALSE(late.alive());
        late.show();
        late.control("超文本浏览框1").setAddress("http://x/");
    });
    model_.load("MainWindow");

    backend_.click("MainWindow", "关闭按钮");
    Window& later = model_.load("ColumnWindow");

    EXPECT_FALSE(later.alive());
    EXPECT_EQ(later.name(), "ColumnWindow");
    EXPECT_FALSE(model_.isOpen("ColumnWindow"));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(backend_.createdCount("ColumnWindow"), 0);
    EXPECT_TRUE(backend_.navigations("ColumnWindow", "超文本浏览框1").empty());
    EXPECT_EQ(backend_.journal().entries().back(), "quit");
}

TEST_F(WindowModelTest, DestroyingAWindowThatIsNotOpenDoesNothing) {
    model_.load("MainWindow");
    model_.destroy("ColumnWindow");
    model_.destroy("NoSuchWindow");
    EXPECT_TRUE(model_.running());
    EXPECT_EQ(backend_.destroyedCount("ColumnWindow"), 0);
    EXPECT_FALSE(backend_.quitRequested());
}

TEST_F(WindowModelTest, EventsForClosedWindowsOrUnknownControlsAreDropped) {
    int runs = 0;
    model_.bind("ColumnWindow", "关闭按钮", EventKind::Clicked,
                [&](ui::Window&, EventArgs&) { ++runs; });

    backend_.click("ColumnWindow", "关闭按钮");  // never opened
    model_.load("ColumnWindow");
    backend_.click("ColumnWindow", "不存在");
    backend_.click("ColumnWindow", "关闭按钮");
    model_.destroy("ColumnWindow");
    backend_.click("ColumnWindow", "关闭按钮");

    EXPECT_EQ(runs, 1);
}

TEST_F(WindowModelTest, EventArgumentsReachTheHandlerAndComeBack) {
    model_.load("MainWindow");
    EventArgs seen;
    model_.bind("MainWindow", "WebBrowser1", EventKind::StatusTextChange,
                [&](ui::Window&, EventArgs& a) { seen.text = a.text; });
    model_.bind("MainWindow", "WebBrowser1", EventKind::RightButtonDown,
                [&](ui::Window&, EventArgs& a) { seen.position = a.position; });
    model_.bind("MainWindow", "", EventKind::TrayAction,
                [&](ui::Window&, EventArgs& a) { seen.code = a.code; });

    backend_.statusText("MainWindow", "WebBrowser1", gbk("链接地址"));
    backend_.rightPress("MainWindow", "WebBrowser1", {12, 34});
    backend_.trayAction("MainWindow", 3);
    EXPECT_EQ(seen.text, gbk("链接地址"));
    EXPECT_EQ(seen.position, (ui::Point{12, 34}));
    EXPECT_EQ(seen.code, 3);

    EXPECT_FALSE(backend_.newWindow("MainWindow", "WebBrowser1"));  // nobody answers
    // The engine's answer comes from the bound answer, not from the handler.
    bool handlerSaw = false;
    model_.bind("MainWindow", "WebBrowser1", EventKind::NewWindow2, [&](ui::Window&, EventArgs& a) {
        handlerSaw = a.cancel;
        a.cancel = false;
    });
    EXPECT_FALSE(backend_.newWindow("MainWindow", "WebBrowser1"));
    model_.bindAnswer("MainWindow", "WebBrowser1", EventKind::NewWindow2,
                      [](const EventArgs&) { return true; });
    EXPECT_TRUE(backend_.newWindow("MainWindow", "WebBrowser1"));
    EXPECT_TRUE(handlerSaw);
    EXPECT_FALSE(model_.answer("ColumnWindow", "关闭按钮", EventKind::NewWindow2, {}));
}

struct BadBindingCase {
    const char* window;
    const char* control;
    EventKind event;
    const char* message;
};

class BadBindingDeathTest : public ModelTest,
                            public ::testing::WithParamInterface<BadBindingCase> {};

// A binding that could never run, or that would silently replace another,
// stops the program when it is made, naming window, control and event.
TEST_P(BadBindingDeathTest, EndsTheProgramNamingTheBinding) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const BadBindingCase& c = GetParam();
    model_.bind("MainWindow", "关闭按钮", EventKind::Clicked, [](ui::Window&, EventArgs&) {});
    EXPECT_DEATH(model_.bind(c.window, c.control, c.event, [](ui::Window&, EventArgs&) {}),
                 c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadBindingDeathTest,
    ::testing::Values(
        BadBindingCase{"NoSuchWindow", "", EventKind::Created,
                       "window \"NoSuchWindow\" control \"\" event Created: no such window"},
        BadBindingCase{"MainWindow", "不存在", EventKind::Clicked,
                       "window \"MainWindow\" control \"不存在\" event Clicked: the "
                       "window has no such control"},
        BadBindingCase{"MainWindow", "WebBrowser1", EventKind::Clicked,
                       "control \"WebBrowser1\" event Clicked: the control's kind never raises"},
        BadBindingCase{"MainWindow", "内存时钟", EventKind::DocumentComplete,
                       "event DocumentComplete: the control's kind never raises"},
        BadBindingCase{"MainWindow", "toppic", EventKind::LeftButtonDown, "never raises"},
        BadBindingCase{"MainWindow", "", EventKind::Clicked,
                       "control \"\" event Clicked: a window never raises"},
        BadBindingCase{"MainWindow", "关闭按钮", EventKind::Clicked,
                       "control \"关闭按钮\" event Clicked: already bound"}));

using MenuActionDeathTest = ModelTest;

TEST_F(MenuActionDeathTest, ActionsMustBeNamedByTheWindowsMenusAndBoundOnce) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    model_.bindMenuAction("MainWindow", "quit", [](ui::Window&) {});
    EXPECT_DEATH(model_.bindMenuAction("MainWindow", "quit", [](ui::Window&) {}),
                 "window \"MainWindow\" control \"\" event quit: already bound");
    EXPECT_DEATH(model_.bindMenuAction("MainWindow", "refresh", [](ui::Window&) {}),
                 "event refresh: no menu item of the window names this action");
    EXPECT_DEATH(model_.bindMenuAction("NoSuchWindow", "quit", [](ui::Window&) {}),
                 "no such window");
}

struct MenuCase {
    const char* menu;
    std::size_t index;
    const char* expectedAction;  // empty: nothing runs
};

class MenuDispatchTest : public ModelTest, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(MenuDispatchTest, AChosenItemRunsItsBoundAction) {
    const MenuCase& c = GetParam();
    std::vector<std::string> ran;
    for (const char* action : {"subItem", "openSettings", "quit", "goBack", "stop"}) {
        model_.bindMenuAction("MainWindow", action,
                              [&ran, action](ui::Window&) { ran.push_back(action); });
    }
    // The same action name bound for another window never runs from here.
    model_.bindMenuAction("ColumnWindow", "quit",
                          [&ran](ui::Window&) { ran.push_back("other window"); });
    model_.load("MainWindow");
    model_.load("ColumnWindow");

    model_.chooseMenuItem("MainWindow", c.menu, c.index);

    std::vector<std::string> expected;
    if (*c.expectedAction != '\0') {
        expected.push_back(c.expectedAction);
    }
    EXPECT_EQ(ran, expected);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuDispatchTest,
                         ::testing::Values(MenuCase{"选项按钮菜单", 0, ""},  // submenu head
                                           MenuCase{"选项按钮菜单", 1, ""},  // level 2, not bound
                                           MenuCase{"选项按钮菜单", 2, "subItem"},
                                           MenuCase{"选项按钮菜单", 3, "openSettings"},
                                           MenuCase{"选项按钮菜单", 4, ""},  // separator
                                           MenuCase{"选项按钮菜单", 5, ""},  // action nobody bound
                                           MenuCase{"选项按钮菜单", 6, "quit"},
                                           MenuCase{"选项按钮菜单", 7, ""},  // past the end
                                           MenuCase{"简体右键", 0, "goBack"},
                                           MenuCase{"简体右键", 2, "stop"},
                                           MenuCase{"没有的菜单", 0, ""}));

TEST_F(WindowModelTest, MenuChoicesForClosedWindowsAreDropped) {
    int runs = 0;
    model_.bindMenuAction("MainWindow", "quit", [&](ui::Window&) { ++runs; });
    model_.chooseMenuItem("MainWindow", "选项按钮菜单", 6);
    EXPECT_EQ(runs, 0);
}

using WindowModelDeathTest = ModelTest;

TEST_F(WindowModelDeathTest, UnknownNamesInCodeAreProgrammingErrors) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(model_.load("NoSuchWindow"), "unknown window \"NoSuchWindow\"");
    Window& w = model_.load("MainWindow");
    EXPECT_DEATH(w.control("不存在"), "unknown control of MainWindow \"不存在\"");
    EXPECT_DEATH(w.popupMenu("没有的菜单"), "unknown menu of MainWindow");
    EXPECT_DEATH(w.control("状态条1").setStatusText(-1, "x"), "status bar part");
}

}  // namespace
}  // namespace quillo::test
