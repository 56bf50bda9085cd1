#include <functional>
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

// Requests made through the model's request path on the headless backend,
// whose wait runs the work at once and then the test's whileWaiting action:
// what a user does while the request is pending.
class RequestPathTest : public ModelTest {
protected:
    // A request as the content client makes it.
    void request(const std::string& name) {
        log_.push_back(name + " asked");
        model_.runBlocking([this, name] { log_.push_back(name + " answered"); });
        log_.push_back(name + " used");
    }
    ui::Handler logging(std::string name) {
        return [this, name](ui::Window&, EventArgs&) { log_.push_back(name); };
    }
    void whileWaiting(std::function<void()> action) {
        backend_.whileWaiting([this, action = std::move(action)] {
            backend_.whileWaiting({});
            action();
        });
    }

    std::vector<std::string> log_;
};

using RequestPathDeathTest = RequestPathTest;

TEST_F(RequestPathDeathTest, ARequestOutsideAHandlerOrInsideAnotherEndsTheProgram) {
    EXPECT_DEATH(model_.runBlocking([] {}), "programming error: a request outside any handler");

    model_.bind("MainWindow", "选项按钮", EventKind::Clicked,
                [this](ui::Window&, EventArgs&) { request("a"); });
    model_.bind("MainWindow", "内存时钟", EventKind::Tick,
                [this](ui::Window&, EventArgs&) { request("b"); });
    model_.load("MainWindow");
    // A timer reported while the request waits is held: no request inside.
    whileWaiting([this] { backend_.advance(200); });
    backend_.click("MainWindow", "选项按钮");
    EXPECT_EQ(log_, (std::vector<std::string>{"a asked", "a answered", "a used", "b asked",
                                              "b answered", "b used"}));

    // Anything that would make its request inside the wait of another.
    whileWaiting([this] { model_.runBlocking([] {}); });
    EXPECT_DEATH(backend_.click("MainWindow", "选项按钮"),
                 "programming error: a request while another request is in flight");
}

TEST_F(RequestPathDeathTest, AnAnswerToTheEngineMakesNoRequest) {
    EXPECT_DEATH(model_.bindAnswer("MainWindow", "WebBrowser1", EventKind::StatusTextChange,
                                   [](const EventArgs&) { return true; }),
                 "the event asks no answer");
    model_.bindAnswer("MainWindow", "WebBrowser1", EventKind::NewWindow2,
                      [this](const EventArgs&) { return model_.runBlocking([] {}); });
    model_.load("MainWindow");
    EXPECT_DEATH(backend_.newWindow("MainWindow", "WebBrowser1", "http://a.example/"),
                 "programming error: a request while answering the browser engine");
}

TEST_F(RequestPathTest, HeldInputOlderThanTwoSecondsIsDroppedButPagesAndTicksAreNot) {
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked,
                [this](ui::Window&, EventArgs&) { request("start"); });
    model_.bind("MainWindow", "勾选框", EventKind::Clicked, logging("box"));
    model_.bind("MainWindow", "文字广告1", EventKind::LeftButtonDown, logging("press"));
    model_.bind("MainWindow", "WebBrowser1", EventKind::DocumentComplete, logging("page"));
    model_.bind("MainWindow", "WebBrowser1", EventKind::NewWindow2, logging("new window"));
    model_.bind("MainWindow", "时钟1", EventKind::Tick, logging("tick"));
    model_.bindMenuAction("MainWindow", "openSettings",
                          [this](ui::Window&) { log_.push_back("menu"); });
    model_.load("MainWindow").popupMenu("选项按钮菜单");
    model_.find("MainWindow")->control("时钟1").setInterval(100);
    backend_.advance(0);

    whileWaiting([this] {
        backend_.click("MainWindow", "勾选框");                // waits 2100 ms: dropped
        EXPECT_TRUE(backend_.choose("软件选项"));              // 2100 ms: dropped
        backend_.newWindow("MainWindow", "WebBrowser1", "x");  // 2100 ms: dropped
        backend_.documentComplete("MainWindow", "WebBrowser1");
        backend_.advance(100);  // one tick, kept
        model_.find("MainWindow")->control("时钟1").setInterval(0);
        backend_.advance(2000);
        backend_.leftPress("MainWindow", "文字广告1");  // waits 0 ms: delivered
    });
    backend_.click("MainWindow", "选项按钮");

    EXPECT_EQ(log_, (std::vector<std::string>{"start asked", "start answered", "start used", "page",
                                              "tick", "press"}));
}

TEST_F(RequestPathTest, InputThatWaitedExactlyTwoSecondsStillRuns) {
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked,
                [this](ui::Window&, EventArgs&) { request("start"); });
    model_.bind("MainWindow", "勾选框", EventKind::Clicked, logging("box"));
    model_.load("MainWindow");
    whileWaiting([this] {
        backend_.click("MainWindow", "勾选框");
        backend_.advance(ui::WindowModel::kHeldInputMaxAge);
    });
    backend_.click("MainWindow", "选项按钮");
    EXPECT_EQ(log_.back(), "box");
}

TEST_F(RequestPathTest, ClosingTheWaitingWindowTakesEffectAtOnceAndAbandonsItsWait) {
    model_.bind("PopupWindow", "", EventKind::Created, [this](ui::Window&, EventArgs&) {
        request("popup page");
        // Never reached: the window closed while its request was pending.
        model_.find("PopupWindow")->show();
        log_.push_back("popup shown");
    });
    model_.bind("PopupWindow", "关闭按钮", EventKind::Clicked, [this](ui::Window&, EventArgs&) {
        log_.push_back("close");
        model_.destroy("PopupWindow");
    });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked, [this](ui::Window&, EventArgs&) {
        ui::Window& popup = model_.load("PopupWindow");
        // The opener goes on with the window it loaded, closed and inert.
        EXPECT_FALSE(popup.alive());
        popup.show();
        log_.push_back("opener goes on");
    });
    model_.bind("MainWindow", "勾选框", EventKind::Clicked, logging("box"));
    model_.load("MainWindow");

    whileWaiting([this] {
        backend_.click("MainWindow", "勾选框");  // held, after the opener
        backend_.click("PopupWindow", "关闭按钮");
        log_.push_back("after the close click");
    });
    backend_.click("MainWindow", "选项按钮");

    EXPECT_EQ(log_, (std::vector<std::string>{"popup page asked", "popup page answered", "close",
                                              "after the close click", "opener goes on", "box"}));
    EXPECT_EQ(backend_.abandonedWaits(), 1);
    EXPECT_FALSE(model_.isOpen("PopupWindow"));
}

TEST_F(RequestPathTest, ClosingAnotherWindowLeavesTheWaitAlone) {
    model_.bind("PopupWindow", "关闭按钮", EventKind::Clicked, [this](ui::Window&, EventArgs&) {
        log_.push_back("close");
        model_.destroy("PopupWindow");
    });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked,
                [this](ui::Window&, EventArgs&) { request("main page"); });
    model_.load("MainWindow");
    model_.load("PopupWindow");

    whileWaiting([this] { backend_.click("PopupWindow", "关闭按钮"); });
    backend_.click("MainWindow", "选项按钮");

    EXPECT_EQ(log_, (std::vector<std::string>{"main page asked", "main page answered", "close",
                                              "main page used"}));
    EXPECT_EQ(backend_.abandonedWaits(), 0);
}

TEST_F(RequestPathTest, QuitDuringAWaitMakesItsOwnRequestsAndEndsEverything) {
    model_.bindMenuAction("MainWindow", "quit", [this](ui::Window&) {
        request("quit page");
        model_.destroy("MainWindow");
    });
    model_.bind("MainWindow", "", EventKind::Created, [this](ui::Window&, EventArgs&) {
        request("start-up page");
        request("never asked");
    });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked, logging("held click"));

    whileWaiting([this] {
        backend_.click("MainWindow", "选项按钮");
        model_.find("MainWindow")->popupMenu("选项按钮菜单");
        EXPECT_TRUE(backend_.choose("退出"));
    });
    model_.load("MainWindow");

    EXPECT_EQ(log_, (std::vector<std::string>{"start-up page asked", "start-up page answered",
                                              "quit page asked", "quit page answered",
                                              "quit page used"}));
    EXPECT_FALSE(model_.running());
    EXPECT_TRUE(backend_.quitRequested());
    EXPECT_EQ(backend_.abandonedWaits(), 1);
}

TEST_F(RequestPathTest, AnEngineQuestionIsAnsweredAtOnceAndItsEventKeepsTheAnswer) {
    std::vector<bool> seen;
    model_.bindAnswer("MainWindow", "WebBrowser1", EventKind::NewWindow2,
                      [](const EventArgs& args) { return args.text == "player"; });
    model_.bind("MainWindow", "WebBrowser1", EventKind::NewWindow2,
                [&seen](ui::Window&, EventArgs& args) { seen.push_back(args.cancel); });
    model_.bind("MainWindow", "选项按钮", EventKind::Clicked,
                [this](ui::Window&, EventArgs&) { request("page"); });
    model_.load("MainWindow");
    model_.load("ColumnWindow");

    std::vector<bool> answers;
    whileWaiting([&] {
        // Held or not, the engine gets the same answer, at once.
        answers.push_back(backend_.newWindow("MainWindow", "WebBrowser1", "player"));
        answers.push_back(backend_.newWindow("MainWindow", "WebBrowser1", "elsewhere"));
        EXPECT_TRUE(seen.empty());
    });
    backend_.click("MainWindow", "选项按钮");
    answers.push_back(backend_.newWindow("MainWindow", "WebBrowser1", "player"));
    // A browser that nobody answers for keeps the engine's own window.
    answers.push_back(backend_.newWindow("ColumnWindow", "超文本浏览框1", "player"));

    EXPECT_EQ(answers, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
}

}  // namespace
}  // namespace quillo::test
