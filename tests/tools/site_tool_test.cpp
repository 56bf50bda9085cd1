#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "site/site_arguments.hpp"
#include "site/site_check.hpp"
#include "site/site_writer.hpp"

namespace quillo::site {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class SiteToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/quillo-site-test-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(root_); }

    void write(const std::string& page, const std::string& bytes) {
        std::filesystem::create_directories((root_ / page).parent_path());
        std::ofstream(root_ / page, std::ios::binary) << bytes;
    }
    std::string read(const std::string& page) {
        std::ifstream in(root_ / page, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Problems found, by page.
    std::map<std::string, std::string> problems() {
        std::map<std::string, std::string> byPage;
        for (const Problem& problem : checkTree(root_, "site")) {
            byPage[problem.page] += formatProblem(problem) + "\n";
        }
        return byPage;
    }

    std::filesystem::path root_;
};

TEST_F(SiteToolTest, StarterTreeIsCompleteAndClean) {
    ASSERT_TRUE(initTree(root_).ok);
    EXPECT_THAT(problems(), IsEmpty());
    EXPECT_EQ(read("ads/ksqd.html"), "\xBF\xAA");
    EXPECT_TRUE(std::filesystem::exists(root_ / "README.txt"));
    // The home page reads on the site's dark background and says what it is
    // and how to replace it.
    const std::string home = read("index.html");
    EXPECT_THAT(home, HasSubstr("background: #15181c"));
    EXPECT_THAT(home, HasSubstr("color: #ececec"));
    EXPECT_THAT(home, HasSubstr("quillo-site init"));
    EXPECT_THAT(home, HasSubstr("Replace <code>index.html</code>"));

    // An existing page is kept.
    write("ads/namejt.html", "Mine");
    ASSERT_TRUE(initTree(root_).ok);
    EXPECT_EQ(read("ads/namejt.html"), "Mine");
}

TEST_F(SiteToolTest, CheckReportsEveryKindOfFaultWithItsFix) {
    ASSERT_TRUE(initTree(root_).ok);
    struct Fault {
        std::string page;
        std::string bytes;  // nothing written when "<missing>"
        std::string problem;
        std::string fix;
    };
    const Fault faults[] = {
        {"ads/ksqd.html", "\xE5\xBC\x80", "is UTF-8, not GBK",
         "quillo-site set site ads/ksqd.html on"},
        {"ads/zdylm1.html", "\xEF\xBB\xBF\xB9\xD8", "byte-order mark",
         "set site ads/zdylm1.html off"},
        {"ads/zdylm2.html", "\xBF\xAA\r\n", "line break", "set site ads/zdylm2.html on"},
        {"ads/wz1kg.html", " \xB9\xD8", "blanks", "ads/wz1kg.html off"},
        {"ads/wz2kg.html", "", "is empty", "ads/wz2kg.html on (or off)"},
        {"ads/wz3kg.html", "<html>404</html>", "is neither", "ads/wz3kg.html on (or off)"},
        {"ads/btkg.html", "<missing>", "missing", "set site ads/btkg.html on|off"},
        {"ads/tuitan.html", "<missing>", "missing", "write the HTML page ads/tuitan.html"},
        {"ads/btsj.html", "soon", "not a positive number", "set site ads/btsj.html 60"},
        {"ads/rjyy.html", "4", "not a language code", "set site ads/rjyy.html 1"},
        {"ads/kefuqq.html", "12a", "digits only", "set site ads/kefuqq.html 10000"},
        {"ads/ads1dz.html", "javascript:alert(1)", "refuses to open", "set site ads/ads1dz.html"},
        {"ads/zdylm1dz.html", "https://a.example/\n", "line break",
         "set site ads/zdylm1dz.html https://a.example/"},
        {"ads/nameyy.html", "\xFF\xFF", "not valid GBK", "set site ads/nameyy.html TEXT"},
        {"ads/namejt.html", "\xE5\xBD\xB1\xE8\xA7\x86", "is UTF-8, not GBK",
         "set site ads/namejt.html \xE5\xBD\xB1\xE8\xA7\x86"},
        {"ads/nameft.html", "", "is empty", "set site ads/nameft.html NAME"},
        {"ads/ads2rn.html", std::string("Ad\0x", 4), "zero byte", "set site ads/ads2rn.html Ad"},
        {"ads/bb.html", "1.0\r\n", "line break", "set site ads/bb.html 1.0"},
    };
    for (const Fault& fault : faults) {
        if (fault.bytes == "<missing>") {
            std::filesystem::remove(root_ / fault.page);
        } else {
            write(fault.page, fault.bytes);
        }
    }
    const std::map<std::string, std::string> found = problems();
    EXPECT_EQ(found.size(), std::size(faults));
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.page);
        ASSERT_EQ(found.count(fault.page), 1U);
        EXPECT_THAT(found.at(fault.page), HasSubstr(fault.problem));
        EXPECT_THAT(found.at(fault.page), HasSubstr("fix: "));
        EXPECT_THAT(found.at(fault.page), HasSubstr(fault.fix));
    }
}

// What a server or proxy answers in place of a page, saved where a text or
// value belongs, and addresses the program refuses; texts that merely look
// alike pass.
TEST_F(SiteToolTest, CheckReportsErrorPagesMissingHomePageAndRefusedAddresses) {
    ASSERT_TRUE(initTree(root_).ok);
    struct Case {
        std::string page;
        std::string bytes;    // removed when "<missing>"
        std::string problem;  // empty: no problem
        std::string fix;
    };
    const Case cases[] = {
        {"ads/namejt.html", "<html><body><h1>502 Bad Gateway</h1></body></html>",
         "is an HTML error page (502 Bad Gateway), not a name", "set site ads/namejt.html NAME"},
        {"ads/ads1rn.html", "404 Not Found", "is an HTTP error message (404 Not Found)",
         "set site ads/ads1rn.html TEXT"},
        {"ads/ads3rn.html", "<b>Sale</b>", "holds HTML markup", "set site ads/ads3rn.html TEXT"},
        {"ads/sjbb.html",
         "<html><head><title>503 Service Unavailable</title></head><body></body></html>",
         "HTML error page (503 Service Unavailable)", "set site ads/sjbb.html TEXT"},
        {"ads/btsj.html", "<html>500 Internal Server Error</html>",
         "HTML error page (500 Internal Server Error), not a value", "set site ads/btsj.html 60"},
        {"ads/kefuqq.html", "404 Not Found", "HTTP error message",
         "set site ads/kefuqq.html 10000"},
        {"ads/zdylm1dz.html", "http://ex ample/", "holds a blank",
         "set site ads/zdylm1dz.html https://www.example.com/"},
        {"ads/ads1dz.html", "https://a.example/x y", "holds a blank",
         "set site ads/ads1dz.html https://a.example/x%20y"},
        {"ads/ads2dz.html", "http:///x", "names no host", "set site ads/ads2dz.html"},
        {"index.html", "<missing>", "missing (home page", "write the HTML page index.html"},
        {"ads/ads4rn.html", "Top 500 Free films, 4 < 5", "", ""},
        {"ads/nameft.html", "A<B", "", ""},
    };
    for (const Case& c : cases) {
        if (c.bytes == "<missing>") {
            std::filesystem::remove(root_ / c.page);
        } else {
            write(c.page, c.bytes);
        }
    }
    const std::map<std::string, std::string> found = problems();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        if (c.problem.empty()) {
            EXPECT_EQ(found.count(c.page), 0U) << found.at(c.page);
            continue;
        }
        ASSERT_EQ(found.count(c.page), 1U);
        EXPECT_THAT(found.at(c.page), HasSubstr(c.problem));
        EXPECT_THAT(found.at(c.page), HasSubstr("fix: "));
        EXPECT_THAT(found.at(c.page), HasSubstr(c.fix));
    }
}

// Options are never operands: --help and --version answer for the tool and
// for each command, and "--" lets a directory start with '-'.
TEST(SiteArguments, OptionsAreNeverTakenForOperands) {
    using Action = Invocation::Action;
    struct Case {
        std::vector<std::string_view> words;
        Action action;
        std::string command;
        std::vector<std::string> operands;
    };
    const Case cases[] = {
        {{"--help"}, Action::ShowHelp, "", {}},
        {{"-h"}, Action::ShowHelp, "", {}},
        {{"--version"}, Action::ShowVersion, "", {}},
        {{"init", "--help"}, Action::ShowHelp, "init", {}},
        {{"check", "--version"}, Action::ShowVersion, "check", {}},
        {{"set", "site", "--help"}, Action::ShowHelp, "set", {"site"}},
        {{"init", "site"}, Action::Run, "init", {"site"}},
        {{"init", "--", "--help"}, Action::Run, "init", {"--help"}},
        {{"set", "site", "ads/ksqd.html", "on"},
         Action::Run,
         "set",
         {"site", "ads/ksqd.html", "on"}},
        {{"check", "-"}, Action::Run, "check", {"-"}},
        {{}, Action::Refuse, "", {}},
        {{"init"}, Action::Refuse, "init", {}},
        {{"init", "a", "b"}, Action::Refuse, "init", {"a", "b"}},
        {{"init", "--bogus"}, Action::Refuse, "init", {}},
        {{"bogus", "--help"}, Action::Refuse, "", {}},
    };
    for (const Case& c : cases) {
        const Invocation run = parseArguments(c.words);
        EXPECT_EQ(run.action, c.action) << run.message;
        EXPECT_EQ(run.command, c.command);
        EXPECT_EQ(run.operands, c.operands);
        EXPECT_EQ(run.message.empty(), c.action != Action::Refuse);
    }
    EXPECT_THAT(helpText(""), HasSubstr("quillo-site init DIR"));
    EXPECT_THAT(helpText("set"), HasSubstr("Usage: quillo-site set DIR PAGE on|off|TEXT"));
}

TEST_F(SiteToolTest, SetWritesPagesAsTheProgramReadsThem) {
    struct Case {
        std::string page;
        std::string value;
        std::string bytes;
    };
    const Case cases[] = {
        {"ads/ksqd.html", "on", "\xBF\xAA"},
        {"ttkg.html", "off", "\xB9\xD8"},
        {"ads/ytkg.html", "\xE5\xBC\x80", "\xBF\xAA"},
        {"ads/namejt.html", "\xE5\xBD\xB1\xE8\xA7\x86", "\xD3\xB0\xCA\xD3"},  // 影视
        {"ads/btsj.html", "90", "90"},
        {"ads/ads3dz.html", "https://a.example/x", "https://a.example/x"},
        {"ads/ads3rn.html", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const WriteResult result = setPage(root_, c.page, c.value);
        ASSERT_TRUE(result.ok) << result.message;
        const std::string page = c.page.starts_with("ads/") ? c.page : "ads/" + c.page;
        EXPECT_EQ(read(page), c.bytes);
    }
}

TEST_F(SiteToolTest, SetRefusesWhatTheProgramWouldNotTake) {
    write("ads/ads1dz.html", "https://kept.example/");
    const std::pair<std::string, std::string> refused[] = {
        {"ads/ksqd.html", "yes"},
        {"ads/ads1dz.html", "file:///etc/passwd"},
        {"ads/rjyy.html", "English"},
        {"ads/namejt.html", "\xF0\x9F\x8E\xAC"},  // an emoji GBK cannot hold
        {"ads/nothing.html", "on"},
        {"ads/tv.html", "<html></html>"},
        {"ads/bb.html", "1.0\n"},
        {"ads/ads2dz.html", "https://a.example/x y"},
        {"index.html", "<html></html>"},
    };
    for (const auto& [page, value] : refused) {
        SCOPED_TRACE(page);
        EXPECT_FALSE(setPage(root_, page, value).ok);
    }
    EXPECT_EQ(read("ads/ads1dz.html"), "https://kept.example/");
    EXPECT_FALSE(std::filesystem::exists(root_ / "ads/ksqd.html"));
}

TEST(SiteToolDemoTest, DemoSitePassesCheck) {
    const std::vector<Problem> problems = checkTree(QUILLO_DEMO_SITE, "demo/site");
    for (const Problem& problem : problems) {
        ADD_FAILURE() << formatProblem(problem);
    }
}

}  // namespace
}  // namespace quillo::site
