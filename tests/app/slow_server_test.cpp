#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "app_harness.hpp"

namespace quillo {
namespace {

using namespace std::chrono_literals;
using Paths = std::vector<std::string>;

void serverNameModeSite(test::AppHarness& h) {
    h.setConfig("Language", "1");
    h.page("ads/ksqd.html", "关");
    h.page("ads/namejt.html", "服务器名称");
    h.page("ads/qzsj.html", "关");
    h.page("ads/btkg.html", "开");
}

TEST(SlowServer, ATickFallingDueDuringARequestRunsAfterTheHandlerThatMadeIt) {
    test::AppHarness h;
    serverNameModeSite(h);
    // The memory timer (200 ms) falls due while the name page is on its way.
    h.slowPage("ads/namejt.html", "服务器名称", 350ms);
    h.clockRunsDuringRequests();

    h.start();

    const std::vector<std::string> journal = h.journal();
    const auto startupEnd = std::find(journal.begin(), journal.end(), "created CornerPopupWindow");
    ASSERT_NE(startupEnd, journal.end());
    EXPECT_EQ(std::find(journal.begin(), startupEnd, "trim"), startupEnd)
        << "a tick ran inside the start-up";
    EXPECT_GE(h.workingSetTrims(), 1) << "the held tick never ran";
    // The start-up itself kept its order.
    EXPECT_EQ(h.requests(), (Paths{"ads/ksqd.html", "ads/namejt.html", "ads/zdylm1.html",
                                   "ads/zdylm2.html", "ads/wz1kg.html", "ads/wz1kg.html",
                                   "ads/qzsj.html", "ads/btkg.html", "ads/ytkg.html"}));
}

TEST(SlowServer, ASilentServerCostsOneTimeOutUpToTheEndOfTheProgram) {
    constexpr auto kTimeOut = 1000ms;
    test::AppHarness h(ContentClientLimits{.connectTimeout = kTimeOut, .requestTimeout = kTimeOut});
    h.setConfig("Language", "1");
    for (const char* page :
         {"ads/ksqd.html", "ads/ttkg.html", "ads/rjyyqz.html", "ads/rjyy.html"}) {
        h.slowPage(page, "关", 60s);
    }
    const auto start = std::chrono::steady_clock::now();

    h.start();
    h.click("MainWindow", "选项按钮");
    h.choose("退出");

    EXPECT_FALSE(h.windows().running());
    // One time-out, not two: after it the client fails at once.
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, kTimeOut);
    EXPECT_LT(took, 2 * kTimeOut);
    EXPECT_EQ(h.requests(), Paths{"ads/ksqd.html"});
}

}  // namespace
}  // namespace quillo
