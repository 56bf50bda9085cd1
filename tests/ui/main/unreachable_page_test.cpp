// The main window when the start-up gets no usable start-up switch from the
// content server: the local unreachable page in the content area, and its
// retry link running the start-up again from the switch page.

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "app_harness.hpp"
#include "content/pages.hpp"
#include "core/text.hpp"
#include "ui/main/unreachable_page.hpp"

namespace quillo {
namespace {

using namespace std::chrono_literals;
using Paths = std::vector<std::string>;

const Text kRetry{kRetryAddress};

const Paths kServerNameRequests{
    "ads/ksqd.html",   "ads/namejt.html", "ads/zdylm1.html", "ads/zdylm2.html", "ads/wz1kg.html",
    "ads/ads1rn.html", "ads/wz1kg.html",  "ads/qzsj.html",   "ads/btkg.html",   "ads/ytkg.html"};

class UnreachablePage : public ::testing::Test {
protected:
    explicit UnreachablePage(ContentClientLimits limits = {}) : h(limits) {
        h.setConfig("Language", "1");
        h.languageTable("Chinese Simplified.db", "[Config]\r\nName=本地名称\r\nColumn 2=直播\r\n");
        h.languageTable("Chinese Traditional.db", "[Config]\r\nName=本地名稱\r\n");
        h.languageTable("English.db", "[Config]\r\nName=Local name\r\n");
    }

    // The pages of a working server in server-name mode.
    void serverComesUp() {
        h.page("ads/ksqd.html", "关");
        h.page("ads/namejt.html", "服务器名称");
        h.page("ads/zdylm1.html", "开");
        h.page("ads/zdylm2.html", "关");
        h.page("ads/wz1kg.html", "开");
        h.page("ads/ads1rn.html", "看大片");
        h.page("ads/qzsj.html", "关");
        h.page("ads/btkg.html", "开");
    }

    std::string page(const char* file) const {
        return (h.programDirectory() / "Html" / file).string();
    }
    std::vector<Text> loadingNavigations() const {
        return h.navigations("MainWindow", "WebBrowser2");
    }

    test::AppHarness h;
};

struct ServerFault {
    const char* name;
    test::PageReply reply;
};

void PrintTo(const ServerFault& c, std::ostream* os) {
    *os << c.name;
}

class UnreachableServer : public UnreachablePage,
                          public ::testing::WithParamInterface<ServerFault> {};

TEST_P(UnreachableServer, ShowsTheLocalPageAndAsksNothingMore) {
    h.server().setDefaultReply(GetParam().reply);
    h.setConfig("Maximize", "2");
    h.start();

    EXPECT_EQ(h.requests(), Paths{"ads/ksqd.html"});
    ui::Window& main = h.main();
    ui::Control& loading = main.control("WebBrowser2");
    // The loading page while the switch page is asked, then the unreachable page.
    EXPECT_EQ(loadingNavigations(),
              (std::vector<Text>{page("Loading.html"), page("Unreachable.zh-CN.html")}));
    EXPECT_TRUE(loading.visible());
    EXPECT_EQ(loading.geometry(), (ui::Rect{0, 28, 984, 596}));
    EXPECT_FALSE(main.control("WebBrowser1").visible());
    EXPECT_TRUE(h.navigations("MainWindow", "WebBrowser1").empty());
    // The title is the local name; the title bar keeps its design-time texts.
    EXPECT_EQ(main.title(), gbk("本地名称"));
    EXPECT_EQ(main.control("软件名称标签").text(), gbk("Quillo影音"));
    EXPECT_EQ(main.control("栏目2标签").text(), gbk("电视直播"));
    EXPECT_TRUE(h.messageBoxes().empty());
    EXPECT_EQ(h.config("Maximize"), "1");
    // Other links of the page go their way.
    EXPECT_FALSE(h.beforeNavigate("MainWindow", "WebBrowser2", "http://example.com/"));
    EXPECT_EQ(h.requests().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnreachableServer,
    ::testing::Values(ServerFault{"NotFound", {.status = 404}},
                      ServerFault{"ServerError", {.status = 500, .body = "\xBF\xAA"}},
                      ServerFault{"ConnectionReset", {.resetWithoutAnswer = true}},
                      ServerFault{"SwitchNeitherOnNorOff", {.body = "\xBF\xAA\r\n"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnreachablePage, RetryRunsTheStartUpAgainFromTheSwitchPage) {
    h.server().setDefaultReply(test::PageReply{.status = 503});
    h.start();
    ASSERT_EQ(loadingNavigations().back(), page("Unreachable.zh-CN.html"));
    // Meanwhile the user opened the column window, which holds its key.
    h.setConfig("APPWindows", "2");
    h.advance(200);
    ASSERT_EQ(h.workingSetTrims(), 1);

    h.server().setDefaultReply(std::nullopt);
    serverComesUp();
    h.clearRequests();
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));

    EXPECT_EQ(h.requests(), kServerNameRequests);
    ui::Window& main = h.main();
    EXPECT_EQ(main.title(), gbk("服务器名称"));
    EXPECT_EQ(main.control("栏目2标签").text(), gbk("直播"));
    EXPECT_EQ(loadingNavigations().back(), page("Loading.html"));
    EXPECT_EQ(h.navigations("MainWindow", "WebBrowser1"), std::vector<Text>{h.baseAddress()});
    EXPECT_TRUE(h.isOpen("CornerPopupWindow"));
    h.documentComplete("MainWindow", "WebBrowser1");
    EXPECT_TRUE(main.control("WebBrowser1").visible());
    EXPECT_FALSE(main.control("WebBrowser2").visible());

    // Nothing of the first run again: the window, its keys, its timer.
    EXPECT_EQ(h.createdCount("MainWindow"), 1);
    EXPECT_EQ(h.config("APPWindows"), "2");
    h.advance(200);
    EXPECT_EQ(h.workingSetTrims(), 2);

    // The page is gone: a late retry is caught but runs nothing.
    h.clearRequests();
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));
    EXPECT_TRUE(h.requests().empty());
    EXPECT_EQ(h.createdCount("CornerPopupWindow"), 1);
}

TEST_F(UnreachablePage, RetryWhileStillDownShowsThePageAgain) {
    h.server().setDefaultReply(test::PageReply{.status = 404});
    h.start();
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));

    EXPECT_EQ(h.requests(), (Paths{"ads/ksqd.html", "ads/ksqd.html", "ads/ksqd.html"}));
    const std::vector<Text> threeTimes{page("Loading.html"), page("Unreachable.zh-CN.html"),
                                       page("Loading.html"), page("Unreachable.zh-CN.html"),
                                       page("Loading.html"), page("Unreachable.zh-CN.html")};
    EXPECT_EQ(loadingNavigations(), threeTimes);
    EXPECT_EQ(h.main().title(), gbk("本地名称"));

    // The server answers in local-name mode at the third try.
    h.server().setDefaultReply(std::nullopt);
    serverComesUp();
    h.page("ads/ksqd.html", "开");
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));
    EXPECT_EQ(h.main().title(), gbk("本地名称"));
    EXPECT_EQ(loadingNavigations().back(), page("Loading.html"));
    EXPECT_FALSE(h.isOpen("CornerPopupWindow"));
}

TEST_F(UnreachablePage, RetryStopsAfterTheSwitchPageForALanguageCodeTheStartUpRefuses) {
    h.setConfig("Language", "1.0");
    h.start();
    EXPECT_EQ(loadingNavigations(),
              (std::vector<Text>{page("Loading.html"), page("Unreachable.zh-CN.html")}));

    serverComesUp();
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));

    // As at a first start with this code: the switch page and no more.
    EXPECT_EQ(h.requests(), (Paths{"ads/ksqd.html", "ads/ksqd.html"}));
    EXPECT_EQ(loadingNavigations().back(), page("Loading.html"));
    EXPECT_TRUE(h.navigations("MainWindow", "WebBrowser1").empty());
}

struct LanguageCase {
    const char* name;
    const char* code;  // nullptr: key missing
    const char* page;
    const char* title;  // UTF-8
};

void PrintTo(const LanguageCase& c, std::ostream* os) {
    *os << c.name;
}

class UnreachablePageLanguage : public UnreachablePage,
                                public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(UnreachablePageLanguage, PageAndTitleInTheUsersLanguage) {
    const LanguageCase& c = GetParam();
    h.removeConfig();
    if (c.code != nullptr) {
        h.setConfig("Language", c.code);
    }
    h.start();

    EXPECT_EQ(loadingNavigations().back(), page(c.page));
    EXPECT_EQ(h.main().title(), gbk(c.title));
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnreachablePageLanguage,
    ::testing::Values(LanguageCase{"Simplified", "1", "Unreachable.zh-CN.html", "本地名称"},
                      LanguageCase{"Traditional", "2", "Unreachable.zh-TW.html", "本地名稱"},
                      LanguageCase{"English", "3", "Unreachable.en.html", "Local name"},
                      // As the other windows read the code: a number.
                      LanguageCase{"EnglishAsNumber", "3.0", "Unreachable.en.html", "Local name"},
                      LanguageCase{"Missing", nullptr, "Unreachable.zh-CN.html", "本地名称"},
                      LanguageCase{"Unknown", "7", "Unreachable.zh-CN.html", "本地名称"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(UnreachablePage, WithoutANameInTheLanguageTableTheTitleIsTheNameLabels) {
    h.languageTable("English.db", "[Config]\r\nColumn 1=Films\r\n");
    h.setConfig("Language", "3");
    h.start();
    EXPECT_EQ(h.main().title(), gbk("Quillo影音"));
}

// After a time-out the content client fails fast for a while; the user's
// retry still reaches the server.
class UnreachablePageAfterATimeOut : public UnreachablePage {
protected:
    UnreachablePageAfterATimeOut()
        : UnreachablePage(ContentClientLimits{
              .connectTimeout = 300ms, .requestTimeout = 300ms, .failFastPeriod = 60s}) {}
};

TEST_F(UnreachablePageAfterATimeOut, RetryAsksTheServerAtOnce) {
    h.slowPage("ads/ksqd.html", "开", 5s);
    h.start();
    EXPECT_EQ(loadingNavigations().back(), page("Unreachable.zh-CN.html"));

    serverComesUp();
    h.clearRequests();
    EXPECT_TRUE(h.beforeNavigate("MainWindow", "WebBrowser2", kRetry));
    EXPECT_EQ(h.requests(), kServerNameRequests);
}

}  // namespace
}  // namespace quillo
