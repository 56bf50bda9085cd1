// Start-up against a content server that answers badly: for each kind of bad
// answer, the text the program fetched, the time the start-up took against
// the content client's limits, and that Config.ini holds only what the
// start-up writes.

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "app_harness.hpp"
#include "content/pages.hpp"
#include "core/text.hpp"
#include "page_server/page_server.hpp"

namespace quillo {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::PageReply;

constexpr ContentClientLimits kLimits{.connectTimeout = 500ms,
                                      .requestTimeout = 1500ms,
                                      .maxRedirects = 5,
                                      .maxBodyBytes = 1024 * 1024};

// How long the start-up may take: no request waited for a time-out, or the
// server cost exactly one time-out (and not one per request).
enum class Time { Quick, OneTimeOut };

// Where the bad answer comes: the start-up switch page, or the display-name
// page of server-name mode (the switch then says "关").
enum class Page { StartupSwitch, Name };

// What stands in for the address that a redirect leads to.
enum class Target { None, RefusingPort, LocalFile };

struct BadAnswer {
    const char* name;
    Page page;
    PageReply reply;
    std::string fetched;  // the text the program got (GBK bytes)
    Time time;
    Target target = Target::None;
    bool silentAfterwards = false;  // every page not set here never answers
};

void PrintTo(const BadAnswer& c, std::ostream* os) {
    *os << c.name;
}

const std::string kOn = "\xBF\xAA";
const std::string kOff = "\xB9\xD8";
const PageReply kNoAnswer{.delay = 60s};

// A port on which nothing listens: one that was just free.
int refusingPort() {
    const PageServer probe([](const httplib::Request&, httplib::Response&) {});
    return probe.port();
}

const BadAnswer kCases[] = {
    {"Utf8On", Page::StartupSwitch, {.body = "\xE5\xBC\x80"}, "\xE5\xBC\x80", Time::Quick},
    {"ByteOrderMarkOn",
     Page::StartupSwitch,
     {.body = "\xEF\xBB\xBF" + kOn},
     "\xEF\xBB\xBF" + kOn,
     Time::Quick},
    {"OnWithCrLf", Page::StartupSwitch, {.body = kOn + "\r\n"}, kOn + "\r\n", Time::Quick},
    {"HtmlPageWithStatus200",
     Page::StartupSwitch,
     {.body = "<html><body>" + kOn + "</body></html>"},
     "<html><body>" + kOn + "</body></html>",
     Time::Quick},
    {"Status404", Page::StartupSwitch, {.status = 404, .body = kOn}, "", Time::Quick},
    {"Status500", Page::StartupSwitch, {.status = 500, .body = kOn}, "", Time::Quick},
    {"RedirectLoop",
     Page::StartupSwitch,
     {.status = 302, .location = "/ads/ksqd.html"},
     "",
     Time::Quick},
    {"RedirectToFile", Page::StartupSwitch, {.status = 302}, "", Time::Quick, Target::LocalFile},
    {"RefusedConnection",
     Page::StartupSwitch,
     {.status = 302},
     "",
     Time::Quick,
     Target::RefusingPort},
    {"ResetConnection", Page::StartupSwitch, {.resetWithoutAnswer = true}, "", Time::Quick},
    {"BodyOverTheCapAnnounced", Page::Name, {.floodBytes = 2 * 1024 * 1024}, "", Time::Quick},
    {"BodyOverTheCapChunked",
     Page::Name,
     {.body = std::string(2 * 1024 * 1024, 'x'),
      .trickleInterval = 1ms,
      .trickleBytes = 256 * 1024},
     "",
     Time::Quick},
    {"TrickledPastTheTimeOut",
     Page::Name,
     {.body = std::string(30, 'n'), .trickleInterval = 100ms},
     "",
     Time::OneTimeOut},
    // Every page after the first silent one fails at once instead of
    // waiting for a time-out of its own.
    {"ServerNeverAnswers", Page::Name, kNoAnswer, "", Time::OneTimeOut, Target::None, true},
    {"InvalidGbk", Page::Name, {.body = "Q\xFF\x81\x20\x80"}, "Q\xFF\x81\x20\x80", Time::Quick},
    {"ZeroByteInsideTheName",
     Page::Name,
     {.body = std::string("Quil\0lo", 7)},
     "Quil",
     Time::Quick},
    {"HundredKibName",
     Page::Name,
     {.body = std::string(100 * 1024, 'N')},
     std::string(100 * 1024, 'N'),
     Time::Quick},
};

class BadAnswers : public ::testing::TestWithParam<BadAnswer> {
protected:
    test::AppHarness h{kLimits};
};

TEST_P(BadAnswers, StartUpGetsTheTextInTimeAndWritesOnlyTheWindowStateKeys) {
    const BadAnswer& c = GetParam();
    h.setConfig("Language", "1");
    const std::string_view page =
        c.page == Page::StartupSwitch ? pages::kStartupSwitch : pages::kNameSimplified;
    if (c.page == Page::Name) {
        h.pageBytes(pages::kStartupSwitch, kOff);
    }
    PageReply reply = c.reply;
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("quillo-bad-answer-" + std::to_string(h.server().port()) + ".html");
    if (c.target == Target::RefusingPort) {
        reply.location = "http://127.0.0.1:" + std::to_string(refusingPort()) + "/ads/ksqd.html";
    } else if (c.target == Target::LocalFile) {
        std::ofstream(file, std::ios::binary) << kOff;
        reply.location = "file://" + file.string();
    }
    h.server().setPage(page, reply);
    if (c.silentAfterwards) {
        h.server().setDefaultReply(kNoAnswer);
    }

    const Clock::time_point start = Clock::now();
    h.start();
    const Clock::duration took = Clock::now() - start;
    std::filesystem::remove(file);

    const StartupState& startup = h.app().state().startup;
    EXPECT_EQ(c.page == Page::StartupSwitch ? startup.startupSwitch : startup.displayName,
              c.fetched);
    if (c.time == Time::Quick) {
        EXPECT_LT(took, kLimits.requestTimeout) << "a request waited for its time-out";
    } else {
        EXPECT_GE(took, kLimits.requestTimeout);
        EXPECT_LT(took, 2 * kLimits.requestTimeout) << "more than one time-out";
    }
    EXPECT_EQ(h.configFile(),
              "[Config]\r\nLanguage=1\r\nAPPWindows=1\r\nPlayerWindows=1\r\nPlayerOpen=1\r\n"
              "APPOpen=1\r\nMaximize=1\r\nAPPMaximize=1\r\nAPPCenterMaximize=1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, BadAnswers, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillo
