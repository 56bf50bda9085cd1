#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "test_windows.hpp"
#include "ui/model/window.hpp"
#include "ui/model/window_model.hpp"

namespace quillo::test {
namespace {

using ui::EventArgs;
using ui::EventKind;

// Handlers that log their runs and notice when one starts inside another.
class HeldInputTest : public ModelTest {
protected:
    ui::Handler logging(std::string name) {
        return [this, name](ui::Window&, EventArgs&) { log(name); };
    }
    void log(const std::string& entry) {
        log_.push_back(entry);
        if (running_ > 0) {
            nested_ = true;
        }
    }
    // Runs `body` as the body of a handler named `name`.
    ui::Handler around(std::string name, std::function<void()> body) {
        return [this, name, body](ui::Window&, EventArgs&) {
            log(name + " begins");
            ++running_;
            body();
            --running_;
            log_.push_back(name + " ends");
        };
    }

    std::vector<std::string> log_;
    int running_ = 0;
    bool nested_ = false;
};

TEST_F(HeldInputTest, InputArrivingWhileAHandlerRunsFollowsItInOrder) {
    model_.bind("MainWindow", "内存时钟", EventKind::Tick, logging("tick"));
    model_.bind("MainWindow", "关闭按钮", EventKind::Clicked, logging("close"));
    model_.bind("MainWindow", "WebBrowser1", EventKind::StatusTextChange,
                [this](ui::Window&, EventArgs& args) { log("status " + args.text); });
    model_.bindMenuAction("MainWindow", "openSettings", [this](ui::Window&) { log("menu"); });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked, around("options", [this] {
                    // What a backend reports while the handler waits on a request.
                    backend_.advance(250);
                    backend_.click("MainWindow", "关闭按钮");
                    backend_.statusText("MainWindow", "WebBrowser1", "a.html");
                    EXPECT_TRUE(backend_.choose("软件选项"));
                }));
    model_.load("MainWindow").popupMenu("选项按钮菜单");

    backend_.click("MainWindow", "选项按钮");

    EXPECT_EQ(log_, (std::vector<std::string>{"options begins", "options ends", "tick", "close",
                                              "status a.html", "menu"}));
    EXPECT_FALSE(nested_);
}

TEST_F(HeldInputTest, InputHeldDuringTheStartUpFollowsTheCreatedEventAndChains) {
    model_.bind("MainWindow", "内存时钟", EventKind::Tick, around("tick", [this] {
                    // Held again: it runs after this tick, not inside it.
                    backend_.click("MainWindow", "关闭按钮");
                }));
    model_.bind("MainWindow", "关闭按钮", EventKind::Clicked, logging("close"));
    model_.bind("MainWindow", "", EventKind::Created,
                around("created", [this] { backend_.advance(200); }));

    model_.load("MainWindow");

    EXPECT_EQ(log_, (std::vector<std::string>{"created begins", "created ends", "tick begins",
                                              "tick ends", "close"}));
    EXPECT_FALSE(nested_);
}

TEST_F(HeldInputTest, AHeldNewWindowIsAnsweredAtOnceAndRunsLater) {
    int newWindows = 0;
    bool answered = false;
    model_.bindAnswer("MainWindow", "WebBrowser1", EventKind::NewWindow2,
                      [](const EventArgs&) { return true; });
    model_.bind("MainWindow", "WebBrowser1", EventKind::NewWindow2,
                [&](ui::Window&, EventArgs& args) {
                    ++newWindows;
                    EXPECT_TRUE(args.cancel);  // the answer the engine got
                });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
        answered = backend_.newWindow("MainWindow", "WebBrowser1");
        EXPECT_EQ(newWindows, 0);
        // A browser whose new windows nobody handles keeps the engine's own.
        EXPECT_FALSE(backend_.newWindow("ColumnWindow", "超文本浏览框1"));
    });
    model_.load("MainWindow");
    model_.load("ColumnWindow");

    backend_.click("MainWindow", "选项按钮");

    EXPECT_TRUE(answered);
    EXPECT_EQ(newWindows, 1);
}

TEST_F(HeldInputTest, AHeldLeavingIsAnsweredAtOnceAndItsHandlerRunsLater) {
    std::vector<Text> addresses;
    bool kept = false;
    model_.bindAnswer("MainWindow", "WebBrowser1", EventKind::BeforeNavigate2,
                      [](const EventArgs& args) { return args.text == "quillo:retry"; });
    model_.bind("MainWindow", "WebBrowser1", EventKind::BeforeNavigate2,
                [&](ui::Window&, EventArgs& args) { addresses.push_back(args.text); });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
        kept = backend_.beforeNavigate("MainWindow", "WebBrowser1", "quillo:retry");
        EXPECT_TRUE(addresses.empty());
        // A browser whose page nobody watches goes on at once.
        EXPECT_FALSE(backend_.beforeNavigate("AboutWindow", "浏览器", "http://a.example/"));
    });
    model_.load("MainWindow");
    model_.load("AboutWindow");

    backend_.click("MainWindow", "选项按钮");

    EXPECT_TRUE(kept);
    EXPECT_EQ(addresses, (std::vector<Text>{"quillo:retry"}));
}

TEST_F(HeldInputTest, HeldInputMeetsTheWindowsAsTheHandlerLeftThem) {
    int columnClicks = 0;
    int mainClicks = 0;
    int ticks = 0;
    model_.bind("ColumnWindow", "关闭按钮", EventKind::Clicked,
                [&](ui::Window&, EventArgs&) { ++columnClicks; });
    model_.bind("MainWindow", "关闭按钮", EventKind::Clicked,
                [&](ui::Window&, EventArgs&) { ++mainClicks; });
    model_.bind("MainWindow", "内存时钟", EventKind::Tick,
                [&](ui::Window&, EventArgs&) { ++ticks; });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked, [&](ui::Window&, EventArgs&) {
        backend_.click("ColumnWindow", "关闭按钮");
        backend_.click("MainWindow", "关闭按钮");
        backend_.advance(200);
        model_.destroy("ColumnWindow");
        model_.load("SettingsWindow", true);
    });
    model_.load("MainWindow");
    model_.load("ColumnWindow");

    backend_.click("MainWindow", "选项按钮");

    EXPECT_EQ(columnClicks, 0);  // its window closed meanwhile
    EXPECT_EQ(mainClicks, 0);    // a modal window now covers it
    EXPECT_EQ(ticks, 1);         // ticks are not user input
}

}  // namespace
}  // namespace quillo::test
