#include <unistd.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "core/text.hpp"
#include "test_windows.hpp"
#include "ui/model/control.hpp"
#include "ui/model/window.hpp"

namespace quillo::test {
namespace {

using ui::BrowserCommand;
using ui::Control;
using ui::ControlProperty;
using ui::Rect;
using ui::Window;
using ui::WindowProperty;

// A property setter called with the current value, then with a new one.
struct ControlSetterCase {
    const char* name;
    const char* control;
    ControlProperty property;
    std::function<void(Control&)> same;
    std::function<void(Control&)> change;
    std::function<bool(const Control&)> changed;
};

class ControlSetterTest : public ModelTest,
                          public ::testing::WithParamInterface<ControlSetterCase> {};

TEST_P(ControlSetterTest, TellsTheBackendOnlyWhenTheValueChanges) {
    const ControlSetterCase& c = GetParam();
    Window& w = model_.load("MainWindow");
    Control& control = w.control(c.control);

    c.same(control);
    EXPECT_EQ(backend_.changeCount("MainWindow", c.control, c.property), 0);
    EXPECT_FALSE(c.changed(control));

    c.change(control);
    EXPECT_TRUE(c.changed(control));
    EXPECT_EQ(backend_.changeCount("MainWindow", c.control, c.property), 1);
    c.change(control);
    EXPECT_EQ(backend_.changeCount("MainWindow", c.control, c.property), 1);
    EXPECT_EQ(backend_.controlChanges().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, ControlSetterTest,
    ::testing::Values(
        ControlSetterCase{"geometry", "toppic", ControlProperty::Geometry,
                          [](Control& c) { c.move(0, 0, 984, 30); },
                          [](Control& c) { c.move(0, 0, 1366, 30); },
                          [](const Control& c) {
                              return c.geometry() == Rect{0, 0, 1366, 30};
                          }},
        ControlSetterCase{"left", "toppic", ControlProperty::Geometry,
                          [](Control& c) { c.setLeft(0); }, [](Control& c) { c.setLeft(-2); },
                          [](const Control& c) {
                              return c.geometry() == Rect{-2, 0, 984, 30};
                          }},
        ControlSetterCase{"top", "toppic", ControlProperty::Geometry,
                          [](Control& c) { c.setTop(0); }, [](Control& c) { c.setTop(7); },
                          [](const Control& c) {
                              return c.geometry() == Rect{0, 7, 984, 30};
                          }},
        ControlSetterCase{"width", "toppic", ControlProperty::Geometry,
                          [](Control& c) { c.setWidth(984); }, [](Control& c) { c.setWidth(5); },
                          [](const Control& c) {
                              return c.geometry() == Rect{0, 0, 5, 30};
                          }},
        ControlSetterCase{"height", "toppic", ControlProperty::Geometry,
                          [](Control& c) { c.setHeight(30); }, [](Control& c) { c.setHeight(9); },
                          [](const Control& c) {
                              return c.geometry() == Rect{0, 0, 984, 9};
                          }},
        ControlSetterCase{"visible", "文字广告1", ControlProperty::Visible,
                          [](Control& c) { c.hide(); }, [](Control& c) { c.show(); },
                          [](const Control& c) { return c.visible(); }},
        ControlSetterCase{"text", "文字广告1", ControlProperty::Text,
                          [](Control& c) { c.setText(gbk("透明标签")); },
                          [](Control& c) { c.setText(gbk("广告")); },
                          [](const Control& c) { return c.text() == gbk("广告"); }},
        ControlSetterCase{
            "checked", "勾选框", ControlProperty::Checked, [](Control& c) { c.setChecked(true); },
            [](Control& c) { c.setChecked(false); }, [](const Control& c) { return !c.checked(); }},
        ControlSetterCase{"status text", "状态条1", ControlProperty::StatusText,
                          [](Control& c) { c.setStatusText(0, ""); },
                          [](Control& c) { c.setStatusText(0, "http://a/"); },
                          [](const Control& c) { return c.statusText(0) == "http://a/"; }}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

struct WindowSetterCase {
    const char* name;
    WindowProperty property;
    std::function<void(Window&)> same;
    std::function<void(Window&)> change;
    std::function<bool(const Window&)> changed;
};

class WindowSetterTest : public ModelTest,
                         public ::testing::WithParamInterface<WindowSetterCase> {};

TEST_P(WindowSetterTest, TellsTheBackendOnlyWhenTheValueChanges) {
    const WindowSetterCase& c = GetParam();
    Window& w = model_.load("MainWindow");

    c.same(w);
    EXPECT_EQ(backend_.changeCount("MainWindow", c.property), 0);
    EXPECT_FALSE(c.changed(w));
    c.change(w);
    EXPECT_TRUE(c.changed(w));
    c.change(w);
    EXPECT_EQ(backend_.changeCount("MainWindow", c.property), 1);
    EXPECT_EQ(backend_.windowChanges().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, WindowSetterTest,
    ::testing::Values(
        WindowSetterCase{"title", WindowProperty::Title,
                         [](Window& w) { w.setTitle(gbk("测试窗口")); },
                         [](Window& w) { w.setTitle(gbk("影音")); },
                         [](const Window& w) { return w.title() == gbk("影音"); }},
        WindowSetterCase{"geometry", WindowProperty::Geometry,
                         [](Window& w) { w.move(50, 50, 984, 624); },
                         [](Window& w) { w.move(0, 0, 1366, 768); },
                         [](const Window& w) {
                             return w.geometry() == Rect{0, 0, 1366, 768};
                         }},
        WindowSetterCase{"left", WindowProperty::Geometry, [](Window& w) { w.setLeft(50); },
                         [](Window& w) { w.setLeft(80); },
                         [](const Window& w) { return w.left() == 80 && w.top() == 50; }},
        WindowSetterCase{"top", WindowProperty::Geometry, [](Window& w) { w.setTop(50); },
                         [](Window& w) { w.setTop(-3); },
                         [](const Window& w) { return w.top() == -3 && w.left() == 50; }},
        WindowSetterCase{"visible", WindowProperty::Visible, [](Window& w) { w.show(); },
                         [](Window& w) { w.hide(); }, [](const Window& w) { return !w.visible(); }},
        WindowSetterCase{"state", WindowProperty::State,
                         [](Window& w) { w.setState(ui::WindowState::Normal); },
                         [](Window& w) { w.setState(ui::WindowState::Minimized); },
                         [](const Window& w) { return w.state() == ui::WindowState::Minimized; }},
        WindowSetterCase{"keepOnTop", WindowProperty::KeepOnTop,
                         [](Window& w) { w.setKeepOnTop(false); },
                         [](Window& w) { w.setKeepOnTop(true); },
                         [](const Window& w) { return w.keepOnTop(); }}),
    [](const auto& info) { return std::string(info.param.name); });

using ControlTest = ModelTest;

TEST_F(ControlTest, ActingSettersTellTheBackendOnEveryCall) {
    Window& w = model_.load("MainWindow");
    Control& timer = w.control("内存时钟");
    timer.setInterval(200);
    timer.setInterval(200);
    EXPECT_EQ(backend_.changeCount("MainWindow", "内存时钟", ControlProperty::Interval), 2);
    timer.setInterval(-5);
    EXPECT_EQ(timer.interval(), 0);

    Control& top = w.control("toppic");
    top.sendToBottom();
    top.sendToBottom();
    EXPECT_EQ(backend_.changeCount("MainWindow", "toppic", ControlProperty::ZOrder), 2);
}

TEST_F(ControlTest, TextsEndAtTheirFirstZeroByte) {
    Window& w = model_.load("MainWindow");
    w.control("文字广告1").setText(std::string("ab\0cd", 5));
    w.setTitle(std::string("t\0u", 3));
    w.control("状态条1").setStatusText(2, std::string("s\0", 2));
    EXPECT_EQ(w.control("文字广告1").text(), "ab");
    EXPECT_EQ(w.title(), "t");
    EXPECT_EQ(w.control("状态条1").statusText(2), "s");
    EXPECT_EQ(w.control("状态条1").statusText(1), "");
    EXPECT_EQ(w.control("状态条1").statusText(-1), "");
}

TEST_F(ControlTest, SendingToTheBottomReordersTheStackOnly) {
    Window& w = model_.load("MainWindow");
    Control& browser = w.control("WebBrowser1");
    browser.sendToBottom();
    EXPECT_EQ(w.stackingOrder().front(), &browser);
    EXPECT_EQ(w.stackingOrder().size(), w.controls().size());
    EXPECT_EQ(w.stackingOrder()[1]->name(), "toppic");
    EXPECT_EQ(w.controls()[0]->name(), "toppic");
    EXPECT_TRUE(backend_.sentToBottom("MainWindow", "WebBrowser1"));
    EXPECT_FALSE(backend_.sentToBottom("MainWindow", "toppic"));
}

TEST_F(ControlTest, BrowserOperationsReachTheBackendInOrder) {
    Window& w = model_.load("MainWindow");
    Control& browser = w.control("WebBrowser1");
    browser.setSilent(true);
    browser.navigate(gbk("http://127.0.0.1/影视"));
    browser.goBack();
    browser.goForward();
    browser.refresh();
    browser.stop();

    EXPECT_TRUE(browser.silent());
    EXPECT_EQ(browser.address(), gbk("http://127.0.0.1/影视"));
    // The start address of the definition came first, at creation.
    EXPECT_EQ(backend_.navigations("MainWindow", "WebBrowser1"),
              (std::vector<Text>{"about:blank", gbk("http://127.0.0.1/影视")}));
    EXPECT_EQ(backend_.browserCommands("MainWindow", "WebBrowser1"),
              (std::vector<BrowserCommand>{BrowserCommand::Navigate, BrowserCommand::GoBack,
                                           BrowserCommand::GoForward, BrowserCommand::Refresh,
                                           BrowserCommand::Stop}));
    EXPECT_TRUE(
        backend_.journal().contains("navigate MainWindow/WebBrowser1 http://127.0.0.1/影视"));
}

TEST_F(ControlTest, SettingAHypertextViewsAddressNavigatesIt) {
    Window& w = model_.load("ColumnWindow");
    Control& view = w.control("超文本浏览框1");
    view.setAddress("http://127.0.0.1/a.html");
    view.setAddress("http://127.0.0.1/a.html");
    EXPECT_EQ(view.address(), "http://127.0.0.1/a.html");
    EXPECT_EQ(backend_.navigations("ColumnWindow", "超文本浏览框1"),
              (std::vector<Text>{"http://127.0.0.1/start.html", "http://127.0.0.1/a.html",
                                 "http://127.0.0.1/a.html"}));
}

TEST_F(ControlTest, EverySetterIsInertOnADestroyedWindow) {
    Window& w = model_.load("MainWindow");
    model_.load("ColumnWindow");
    Window& column = *model_.find("ColumnWindow");
    model_.destroy("ColumnWindow");
    const std::size_t controlChanges = backend_.controlChanges().size();
    const std::size_t windowChanges = backend_.windowChanges().size();
    const std::size_t calls = backend_.browserCalls().size();
    const std::size_t journal = backend_.journal().entries().size();

    column.setTitle("x");
    column.move(1, 2, 3, 4);
    column.hide();
    column.setState(ui::WindowState::Maximized);
    column.setKeepOnTop(true);
    column.activate();
    column.popupMenu("栏目菜单");
    column.setTrayIcon("icon.ico", "tip");
    column.setBackgroundPicture("missing.gif");
    Control& button = column.control("关闭按钮");
    button.move(1, 2, 3, 4);
    button.hide();
    button.setText("x");
    button.setImage("missing.gif");
    button.setChecked(true);
    button.setInterval(10);
    button.sendToBottom();
    button.setStatusText(0, "x");
    Control& view = column.control("超文本浏览框1");
    view.setAddress("http://x/");
    view.navigate("http://x/");
    view.goBack();

    EXPECT_EQ(column.title(), gbk("栏目"));
    EXPECT_EQ(column.geometry(), (Rect{50, 50, 984, 624}));
    EXPECT_TRUE(column.visible());
    EXPECT_FALSE(column.keepOnTop());
    EXPECT_EQ(column.backgroundPicture().file, std::filesystem::path());
    EXPECT_EQ(button.geometry(), (Rect{950, 4, 26, 20}));
    EXPECT_TRUE(button.visible());
    EXPECT_EQ(button.text(), "");
    EXPECT_EQ(button.image().file, std::filesystem::path());
    EXPECT_EQ(button.interval(), 0);
    EXPECT_EQ(button.statusText(0), "");
    EXPECT_EQ(column.stackingOrder().front(), column.controls().front().get());
    EXPECT_EQ(view.address(), "http://127.0.0.1/start.html");
    EXPECT_EQ(backend_.controlChanges().size(), controlChanges);
    EXPECT_EQ(backend_.windowChanges().size(), windowChanges);
    EXPECT_EQ(backend_.browserCalls().size(), calls);
    EXPECT_EQ(backend_.journal().entries().size(), journal);
    EXPECT_TRUE(backend_.trayIcons().empty());
    EXPECT_TRUE(w.alive());
}

class PictureTest : public ModelTest {
protected:
    PictureTest() { std::filesystem::create_directories(dir_); }
    ~PictureTest() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path write(const char* name, const std::string& bytes) {
        std::filesystem::path file = dir_ / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                                 ("quillo-picture-test-" + std::to_string(::getpid()));
};

TEST_F(PictureTest, AMissingFileGivesAnEmptyPictureThatKeepsItsPath) {
    Control& logo = model_.load("MainWindow").control("toppic");
    logo.setImage(dir_ / "Top.jpg");
    EXPECT_TRUE(logo.image().empty());
    EXPECT_EQ(logo.image().bytes, nullptr);
    EXPECT_EQ(logo.image().file, dir_ / "Top.jpg");
    EXPECT_EQ(backend_.changeCount("MainWindow", "toppic", ControlProperty::Images), 1);
}

TEST_F(PictureTest, PicturesAreReadWholeOnEveryCall) {
    const std::string gif("GIF89a\0\x01\x02", 9);
    std::filesystem::path file = write("Top.gif", gif);
    Control& top = model_.load("MainWindow").control("toppic");

    top.setImage(file);
    ASSERT_FALSE(top.image().empty());
    EXPECT_EQ(*top.image().bytes, gif);

    write("Top.gif", "changed");
    top.setImage(file);
    EXPECT_EQ(*top.image().bytes, "changed");
    EXPECT_EQ(backend_.changeCount("MainWindow", "toppic", ControlProperty::Images), 2);
}

TEST_F(PictureTest, ImageButtonsTakeThreePictures) {
    std::filesystem::path normal = write("CloseA.gif", "normal");
    std::filesystem::path hover = write("CloseB.gif", "hover");
    Control& close = model_.load("MainWindow").control("关闭按钮");

    close.setImages(normal, hover, dir_ / "missing.gif");

    EXPECT_EQ(*close.image(ui::ImageSlot::Normal).bytes, "normal");
    EXPECT_EQ(*close.image(ui::ImageSlot::Hover).bytes, "hover");
    EXPECT_TRUE(close.image(ui::ImageSlot::Pressed).empty());
    EXPECT_EQ(close.image(ui::ImageSlot::Pressed).file, dir_ / "missing.gif");
    EXPECT_EQ(backend_.changeCount("MainWindow", "关闭按钮", ControlProperty::Images), 1);
}

TEST_F(PictureTest, AWindowsBackgroundPictureIsReadOnEveryCall) {
    Window& w = model_.load("MainWindow");
    EXPECT_TRUE(w.backgroundPicture().empty()) << "a window starts without one";
    const std::filesystem::path file = write("BackgroundA.gif", "first");

    w.setBackgroundPicture(file);
    ASSERT_FALSE(w.backgroundPicture().empty());
    EXPECT_EQ(*w.backgroundPicture().bytes, "first");
    write("BackgroundA.gif", "second");
    w.setBackgroundPicture(file);
    EXPECT_EQ(*w.backgroundPicture().bytes, "second");
    w.setBackgroundPicture(dir_ / "missing.gif");
    EXPECT_TRUE(w.backgroundPicture().empty());
    EXPECT_EQ(w.backgroundPicture().file, dir_ / "missing.gif");

    EXPECT_EQ(backend_.changeCount("MainWindow", WindowProperty::BackgroundPicture), 3);
    EXPECT_TRUE(backend_.journal().ordered("background MainWindow BackgroundA.gif",
                                           "background MainWindow missing.gif"));
}

TEST_F(ControlTest, ClientSizeComesFromTheBackend) {
    Window& w = model_.load("MainWindow");
    EXPECT_EQ(w.clientSize(), (ui::Size{984, 624}));
    w.move(0, 0, 1366, 768);
    EXPECT_EQ(w.clientSize(), (ui::Size{1366, 768}));
    backend_.setClientSize("MainWindow", {1360, 740});
    EXPECT_EQ(w.clientSize(), (ui::Size{1360, 740}));
}

TEST_F(ControlTest, MenusAndTrayIconsGoToTheBackend) {
    Window& w = model_.load("MainWindow");
    w.popupMenu("简体右键");
    w.popupMenu("选项按钮菜单", ui::Point{100, 700});
    w.setTrayIcon("/p/Icon/TrayLOGO.ico", gbk("点击本图标显示主程序"));

    ASSERT_EQ(backend_.poppedMenus().size(), 2u);
    EXPECT_EQ(backend_.poppedMenus()[0].menu, "简体右键");
    EXPECT_EQ(backend_.poppedMenus()[0].screenPosition, std::nullopt);
    EXPECT_EQ(backend_.lastMenu()->menu, "选项按钮菜单");
    EXPECT_EQ(backend_.lastMenu()->window, "MainWindow");
    EXPECT_EQ(backend_.lastMenu()->screenPosition, (ui::Point{100, 700}));
    ASSERT_EQ(backend_.trayIcons().size(), 1u);
    EXPECT_EQ(backend_.trayIcons()[0].icon, "/p/Icon/TrayLOGO.ico");
    EXPECT_EQ(backend_.trayIcons()[0].tooltip, gbk("点击本图标显示主程序"));
    EXPECT_TRUE(backend_.journal().ordered("menu MainWindow/选项按钮菜单", "tray MainWindow"));
}

}  // namespace
}  // namespace quillo::test
