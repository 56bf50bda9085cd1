#include "content/content_client.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "content/pages.hpp"
#include "content/switch_page.hpp"
#include "page_server/page_server.hpp"
#include "support/content_server_fixture.hpp"

namespace quillo {
namespace {

using namespace std::chrono_literals;
using test::ContentServerFixture;
using test::PageReply;

constexpr std::string_view kPage = pages::kStartupSwitch;

// Small limits keep the failure cases quick.
ContentClientLimits quickLimits() {
    return {
        .connectTimeout = 500ms, .requestTimeout = 500ms, .maxRedirects = 5, .maxBodyBytes = 1024};
}

// An address on which nothing listens: a port that was just free.
std::string refusingAddress() {
    const PageServer probe([](const httplib::Request&, httplib::Response&) {});
    return "http://127.0.0.1:" + std::to_string(probe.port()) + "/";
}

enum class Switch { On, Off, Neither };

Switch switchOf(std::string_view body) {
    if (isOn(body)) {
        return Switch::On;
    }
    return isOff(body) ? Switch::Off : Switch::Neither;
}

struct SwitchCase {
    const char* name;
    std::optional<PageReply> reply;  // nullopt: nothing listens on the server's port
    Switch expected;
};

class SwitchPageTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchPageTest, OnlyTheExactGbkBodiesSwitch) {
    ContentServerFixture server;
    const bool refused = !GetParam().reply.has_value();
    if (!refused) {
        server.setPage(kPage, *GetParam().reply);
    }
    ContentClient client(
        refused ? ContentServerFixture::cipherFor(refusingAddress()) : server.cipherForBase(),
        quickLimits());
    const Text body = client.fetchPage(kPage);
    EXPECT_EQ(switchOf(body), GetParam().expected) << "body bytes: " << body.size();
    if (GetParam().expected == Switch::Neither && !refused && GetParam().reply->status != 200) {
        EXPECT_EQ(body, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, SwitchPageTest,
    ::testing::Values(
        SwitchCase{"GbkOn", PageReply{.body = "\xBF\xAA"}, Switch::On},
        SwitchCase{"GbkOff", PageReply{.body = "\xB9\xD8"}, Switch::Off},
        SwitchCase{"OnWithCrLf", PageReply{.body = "\xBF\xAA\r\n"}, Switch::Neither},
        SwitchCase{"OnWithLf", PageReply{.body = "\xBF\xAA\n"}, Switch::Neither},
        SwitchCase{"Utf8On", PageReply{.body = "\xE5\xBC\x80"}, Switch::Neither},
        SwitchCase{"ByteOrderMarkThenOn", PageReply{.body = "\xEF\xBB\xBF\xBF\xAA"},
                   Switch::Neither},
        SwitchCase{"Empty", PageReply{.body = ""}, Switch::Neither},
        SwitchCase{"NotFoundWithOnBody", PageReply{.status = 404, .body = "\xBF\xAA"},
                   Switch::Neither},
        SwitchCase{"ServerErrorWithOnBody", PageReply{.status = 500, .body = "\xBF\xAA"},
                   Switch::Neither},
        SwitchCase{"RefusedConnection", std::nullopt, Switch::Neither},
        SwitchCase{"TimeOut", PageReply{.body = "\xBF\xAA", .delay = 5000ms}, Switch::Neither},
        SwitchCase{"ClosedWithoutAnswer", PageReply{.body = "\xBF\xAA", .closeWithoutAnswer = true},
                   Switch::Neither},
        SwitchCase{"BodyOverTheCap", PageReply{.body = "\xBF\xAA" + std::string(1023, ' ')},
                   Switch::Neither},
        SwitchCase{"StreamedBodyOverTheCap", PageReply{.floodBytes = 64 * 1024}, Switch::Neither}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SwitchPageTest, CapBoundary) {
    ContentServerFixture server;
    ContentClient client(server.cipherForBase(), quickLimits());
    const std::string atCap(1024, 'a');
    server.setPage("at.html", atCap);
    server.setPage("over.html", atCap + "b");
    EXPECT_EQ(client.fetchPage("at.html"), atCap);
    EXPECT_EQ(client.fetchPage("over.html"), "");
}

class ContentClientTest : public ::testing::Test {
protected:
    ContentServerFixture server;
};

TEST_F(ContentClientTest, BodyComesBackByteForByteUpToTheFirstZeroByte) {
    ContentClient client(server.cipherForBase());
    const std::string gbkText = gbk("影视大全 1.0\r\n第二行  ");
    server.setPage("ads/namejt.html", gbkText);
    server.setPage("ads/zero.html", std::string("ab\0cd", 5));
    EXPECT_EQ(client.fetchPage("ads/namejt.html"), gbkText);
    EXPECT_EQ(client.fetchPage("ads/zero.html"), "ab");
    EXPECT_EQ(server.requestedPaths(),
              (std::vector<std::string>{"ads/namejt.html", "ads/zero.html"}));
}

TEST_F(ContentClientTest, PageAddressIsBaseAddressFollowedByThePath) {
    const ContentClient client(server.cipherForBase());
    EXPECT_EQ(client.baseAddress(), server.baseAddress());
    EXPECT_EQ(client.pageAddress("ads/ksqd.html"), server.baseAddress() + "ads/ksqd.html");
}

TEST_F(ContentClientTest, BaseWithoutTrailingSeparatorGluesThePathToItsLastElement) {
    ContentClient client(ContentServerFixture::cipherFor(server.baseAddressWith("site")));
    server.setPage("siteads/ksqd.html", "\xBF\xAA");
    EXPECT_EQ(client.pageAddress("ads/ksqd.html"), server.baseAddress() + "siteads/ksqd.html");
    EXPECT_TRUE(isOn(client.fetchPage("ads/ksqd.html")));
    EXPECT_EQ(server.requestedPaths(), std::vector<std::string>{"siteads/ksqd.html"});
}

TEST_F(ContentClientTest, BaseWithPrefixPathAndSeparatorKeepsThePrefix) {
    ContentClient client(ContentServerFixture::cipherFor(server.baseAddressWith("site/")));
    server.setPage("site/ads/ksqd.html", "\xB9\xD8");
    EXPECT_TRUE(isOff(client.fetchPage("ads/ksqd.html")));
}

TEST(ContentClientEmptyCipherTest, AddressIsJustThePathAndTheFetchFails) {
    ContentClient client("", quickLimits());
    EXPECT_EQ(client.baseAddress(), "");
    EXPECT_EQ(client.pageAddress("ads/ksqd.html"), "ads/ksqd.html");
    EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "");
}

TEST_F(ContentClientTest, TenFetchesShareOneConnection) {
    ContentClient client(server.cipherForBase());
    server.setPage("ads/ksqd.html", "\xB9\xD8");
    std::vector<std::string> expected;
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(isOff(client.fetchPage("ads/ksqd.html"))) << "fetch " << i;
        expected.emplace_back("ads/ksqd.html");
    }
    EXPECT_EQ(server.requestedPaths(), expected);
    EXPECT_EQ(server.connectionsAccepted(), 1);
}

TEST_F(ContentClientTest, EachFetchAsksTheServerAgain) {
    ContentClient client(server.cipherForBase());
    server.setPageSequence("ads/wz1kg.html",
                           {PageReply{.body = "\xBF\xAA"}, PageReply{.body = "\xB9\xD8"}});
    EXPECT_TRUE(isOn(client.fetchPage("ads/wz1kg.html")));
    EXPECT_TRUE(isOff(client.fetchPage("ads/wz1kg.html")));
    EXPECT_TRUE(isOff(client.fetchPage("ads/wz1kg.html")));
    EXPECT_EQ(server.requestedPaths().size(), 3U);
}

TEST_F(ContentClientTest, AFailedTransferLeavesNothingForTheNext) {
    ContentClientLimits limits = quickLimits();
    limits.failFastPeriod = 0ms;
    ContentClient client(server.cipherForBase(), limits);
    server.setPage("big.html", std::string(1000, 'x') + std::string(1000, 'y'));
    server.setPage("slow.html", PageReply{.body = "late", .delay = 2000ms});
    server.setPage("small.html", "\xBF\xAA");
    EXPECT_EQ(client.fetchPage("big.html"), "");
    EXPECT_EQ(client.fetchPage("small.html"), "\xBF\xAA");
    EXPECT_EQ(client.fetchPage("slow.html"), "");
    EXPECT_EQ(client.fetchPage("small.html"), "\xBF\xAA");
}

TEST_F(ContentClientTest, TrickledBodyWithinTheTimeOutArrivesWhole) {
    ContentClient client(server.cipherForBase(),
                         {.connectTimeout = 1000ms, .requestTimeout = 3000ms});
    const std::string body = gbk("开关开关开关开关开关");
    server.setPage("trickle.html",
                   PageReply{.body = body, .trickleInterval = 20ms, .trickleBytes = 2});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.fetchPage("trickle.html"), body);
    // Ten pieces, 20 ms apart: the body really did arrive slowly.
    EXPECT_GE(std::chrono::steady_clock::now() - start, 180ms);
}

TEST_F(ContentClientTest, TrickleOverTheTimeOutGivesEmptyText) {
    const ContentClientLimits limits = quickLimits();
    ContentClient client(server.cipherForBase(), limits);
    // A byte every 100 ms: the whole body would take four time-outs.
    constexpr auto kInterval = 100ms;
    const std::string body(static_cast<std::size_t>(4 * limits.requestTimeout / kInterval), 'a');
    server.setPage("trickle.html", PageReply{.body = body, .trickleInterval = kInterval});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.fetchPage("trickle.html"), "");
    // The time-out ended the transfer, though bytes kept coming.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 3 * limits.requestTimeout);
}

TEST_F(ContentClientTest, FollowsWebRedirects) {
    ContentClient client(server.cipherForBase());
    server.setPage("ads/old.html", PageReply{.status = 302, .location = "/ads/new.html"});
    server.setPage("ads/new.html", "\xBF\xAA");
    EXPECT_TRUE(isOn(client.fetchPage("ads/old.html")));
    EXPECT_EQ(server.requestedPaths(), (std::vector<std::string>{"ads/old.html", "ads/new.html"}));
}

TEST_F(ContentClientTest, RedirectChainLongerThanTheLimitGivesEmptyText) {
    ContentClient client(server.cipherForBase());
    // r1 -> r2 -> ... -> r7 (the page): five hops are allowed, six are not.
    for (int i = 1; i < 7; ++i) {
        server.setPage("r" + std::to_string(i),
                       PageReply{.status = 302, .location = "/r" + std::to_string(i + 1)});
    }
    server.setPage("r7", "\xBF\xAA");
    EXPECT_TRUE(isOn(client.fetchPage("r2")));
    EXPECT_EQ(client.fetchPage("r1"), "");
}

class NonWebRedirectTest : public ::testing::TestWithParam<std::string> {};

TEST_P(NonWebRedirectTest, IsNotFollowed) {
    ContentServerFixture server;
    // A local file that would read as "on", and schemes that would make a
    // second connection to the fixture's port if they were followed.
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("quillo-redirect-" + std::to_string(server.port()) + ".html");
    std::ofstream(file, std::ios::binary) << "\xBF\xAA";
    std::string location = GetParam() + "://";
    location +=
        GetParam() == "file" ? file.string() : "127.0.0.1:" + std::to_string(server.port()) + "/x";
    server.setPage("ads/ads1dz.html", PageReply{.status = 302, .location = location});

    ContentClient client(server.cipherForBase(), quickLimits());
    EXPECT_EQ(client.fetchPage("ads/ads1dz.html"), "");
    EXPECT_EQ(server.connectionsAccepted(), 1);
    EXPECT_EQ(server.requestedPaths(), std::vector<std::string>{"ads/ads1dz.html"});
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Schemes, NonWebRedirectTest,
                         ::testing::Values("file", "dict", "gopher", "telnet", "ftp"));

TEST_F(ContentClientTest, AfterATimeOutRequestsFailAtOnceUntilThePeriodHasPassed) {
    ContentClientLimits limits = quickLimits();
    limits.requestTimeout = 300ms;
    limits.failFastPeriod = 1500ms;
    ContentClient client(server.cipherForBase(), limits);
    server.setPage("silent.html", PageReply{.body = "late", .delay = 10000ms});
    server.setPage("ads/ksqd.html", "\xBF\xAA");

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.fetchPage("silent.html"), "");
    const auto timedOut = std::chrono::steady_clock::now();
    EXPECT_GE(timedOut - start, limits.requestTimeout);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "") << "fetch " << i;
    }
    // All five failed at once: together they took less than one time-out.
    EXPECT_LT(std::chrono::steady_clock::now() - timedOut, limits.requestTimeout);
    EXPECT_EQ(server.requestedPaths(), std::vector<std::string>{"silent.html"});

    // The period runs from the time-out, which came before the first fetch
    // returned.
    std::this_thread::sleep_until(timedOut + limits.failFastPeriod);
    EXPECT_TRUE(isOn(client.fetchPage("ads/ksqd.html")));
    // A success ends the period at once: the next time-out starts a new one.
    EXPECT_EQ(client.fetchPage("silent.html"), "");
    EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "");
    EXPECT_EQ(server.requestedPaths(),
              (std::vector<std::string>{"silent.html", "ads/ksqd.html", "silent.html"}));
}

// A time-out of the request's own: shorter than the client's, it ends the
// request and starts failing fast; longer, the client's own still holds;
// none left, nothing is asked; and afterwards the client's own apply again.
TEST_F(ContentClientTest, ARequestsOwnTimeOutHoldsForThatRequestOnly) {
    ContentClientLimits limits = quickLimits();
    limits.requestTimeout = 3000ms;
    limits.failFastPeriod = 0ms;
    ContentClient client(server.cipherForBase(), limits);
    server.setPage("silent.html", PageReply{.body = "late", .delay = 10000ms});
    server.setPage("slow.html", PageReply{.body = "\xBF\xAA", .delay = 600ms});

    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.fetchPage("silent.html", 300ms), "");
    EXPECT_LT(std::chrono::steady_clock::now() - start, limits.requestTimeout);
    EXPECT_EQ(client.fetchPage("slow.html", 300ms), "");
    EXPECT_TRUE(isOn(client.fetchPage("slow.html", 60000ms)));
    EXPECT_TRUE(isOn(client.fetchPage("slow.html")));
    EXPECT_EQ(client.fetchPage("slow.html", 0ms), "");
    EXPECT_EQ(client.fetchPage("slow.html", -5ms), "");
    EXPECT_EQ(server.requestedPaths(),
              (std::vector<std::string>{"silent.html", "slow.html", "slow.html", "slow.html"}));
}

TEST_F(ContentClientTest, TryingAgainAsksTheServerWhileFailingFast) {
    ContentClientLimits limits = quickLimits();
    limits.requestTimeout = 300ms;
    limits.failFastPeriod = 60000ms;
    ContentClient client(server.cipherForBase(), limits);
    server.setPage("ads/ksqd.html", PageReply{.body = "late", .delay = 10000ms});
    EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "");
    server.setPage("ads/ksqd.html", "\xBF\xAA");
    EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "");

    client.tryAgain();
    EXPECT_TRUE(isOn(client.fetchPage("ads/ksqd.html")));
    EXPECT_EQ(server.requestedPaths(),
              (std::vector<std::string>{"ads/ksqd.html", "ads/ksqd.html"}));
}

TEST_F(ContentClientTest, OnlyATimeOutMakesTheNextRequestsFailFast) {
    ContentClient client(server.cipherForBase(), quickLimits());
    server.setPage("cut.html", PageReply{.closeWithoutAnswer = true});
    server.setPage("error.html", PageReply{.status = 500, .body = "oops"});
    server.setPage("big.html", std::string(2000, 'x'));
    server.setPage("ads/ksqd.html", "\xB9\xD8");
    for (const char* failing : {"cut.html", "error.html", "big.html", "none.html"}) {
        EXPECT_EQ(client.fetchPage(failing), "") << failing;
        EXPECT_TRUE(isOff(client.fetchPage("ads/ksqd.html"))) << "after " << failing;
    }
}

// Runs each request on a thread of its own, as a user-interface backend does.
class WorkerThreadRunner final : public BlockingCallRunner {
public:
    bool runBlocking(std::function<void()> work) override {
        std::thread worker(work);
        worker.join();
        ++calls;
        return true;
    }
    int calls = 0;
};

TEST_F(ContentClientTest, RequestsRunThroughTheRunnerAndKeepTheirConnection) {
    WorkerThreadRunner runner;
    ContentClient client(server.cipherForBase(), {}, &runner);
    server.setPage("ads/ksqd.html", "\xB9\xD8");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(isOff(client.fetchPage("ads/ksqd.html")));
    }
    EXPECT_EQ(runner.calls, 3);
    EXPECT_EQ(server.connectionsAccepted(), 1);
}

// Gives up waiting for the first request at once, as the window model does
// when the window that asked has closed; the work goes on on its thread.
class GivingUpRunner final : public BlockingCallRunner {
public:
    ~GivingUpRunner() override {
        for (std::thread& worker : workers) {
            worker.join();
        }
    }
    bool runBlocking(std::function<void()> work) override {
        if (!givenUp) {
            givenUp = true;
            workers.emplace_back(std::move(work));
            return false;
        }
        work();
        return true;
    }
    bool givenUp = false;
    std::vector<std::thread> workers;
};

TEST_F(ContentClientTest, AnAbandonedRequestIsAbortedAndLeavesTheNextOneItsOwnAnswer) {
    using namespace std::chrono_literals;
    server.setPage("slow.html", PageReply{.body = "slow body", .delay = 20s});
    server.setPage("fast.html", "fast body");
    const auto start = std::chrono::steady_clock::now();
    {
        GivingUpRunner runner;
        ContentClient client(server.cipherForBase(), {.requestTimeout = 40s}, &runner);
        EXPECT_EQ(client.fetchPage("slow.html"), "");
        EXPECT_EQ(client.fetchPage("fast.html"), "fast body");
        EXPECT_EQ(client.fetchPage("fast.html"), "fast body");
    }  // joins the abandoned worker
    // Aborted at a progress report, long before the slow page's answer.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s / 2);
}

TEST_F(ContentClientTest, UnknownPageGivesEmptyText) {
    ContentClient client(server.cipherForBase());
    EXPECT_EQ(client.fetchPage("ads/none.html"), "");
    EXPECT_EQ(server.requestedPaths(), std::vector<std::string>{"ads/none.html"});
}

}  // namespace
}  // namespace quillo
