#include "content_server/site_files.hpp"

#include "content_server/page_reports.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "content/content_client.hpp"
#include "support/content_server_fixture.hpp"

namespace quillo {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& file, std::string_view bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// A site tree beside a file that must stay out of reach.
class SiteTree : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string("quillo-site-") + info->test_suite_name() + "-" +
                           info->name() + "-" + std::to_string(getpid());
        std::replace(name.begin(), name.end(), '/', '_');
        base_ = fs::temp_directory_path() / name;
        fs::remove_all(base_);
        writeFile(base_ / "secret.txt", "outside");
        writeFile(base_ / "site" / "index.html", "<p>home</p>");
        writeFile(base_ / "site" / "ads" / "ksqd.html", "\xBF\xAA");
        writeFile(base_ / "site" / "ads" / "name.html", gbk("影视大全"));
        writeFile(base_ / "site" / "docs" / "index.html", "docs");
        fs::create_symlink(base_ / "secret.txt", base_ / "site" / "link.txt");
        root_ = fs::canonical(base_ / "site");
    }
    void TearDown() override { fs::remove_all(base_); }

    fs::path base_;
    fs::path root_;
};

struct LookupCase {
    const char* request;
    SiteLookup lookup;
    const char* file;  // relative to the root, when found
};

class SiteLookupTest : public SiteTree, public ::testing::WithParamInterface<LookupCase> {};

TEST_P(SiteLookupTest, MapsRequestPathsInsideTheRootOnly) {
    const SiteFile found = findSiteFile(root_, GetParam().request);
    EXPECT_EQ(found.lookup, GetParam().lookup) << GetParam().request;
    if (GetParam().lookup == SiteLookup::Found) {
        EXPECT_EQ(found.file, root_ / GetParam().file);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SiteLookupTest,
    ::testing::Values(LookupCase{"/", SiteLookup::Found, "index.html"},
                      LookupCase{"/ads/ksqd.html", SiteLookup::Found, "ads/ksqd.html"},
                      LookupCase{"//ads/./ksqd.html", SiteLookup::Found, "ads/ksqd.html"},
                      LookupCase{"/docs", SiteLookup::Found, "docs/index.html"},
                      LookupCase{"/docs/", SiteLookup::Found, "docs/index.html"},
                      LookupCase{"/ads/", SiteLookup::Missing, ""},
                      LookupCase{"/ads/none.html", SiteLookup::Missing, ""},
                      LookupCase{"/../secret.txt", SiteLookup::Refused, ""},
                      LookupCase{"/ads/../../secret.txt", SiteLookup::Refused, ""},
                      LookupCase{"/ads/../index.html", SiteLookup::Refused, ""},
                      LookupCase{"/..", SiteLookup::Refused, ""},
                      LookupCase{"/ads\\..\\..\\secret.txt", SiteLookup::Refused, ""},
                      LookupCase{"/link.txt", SiteLookup::Refused, ""},
                      LookupCase{"ads/ksqd.html", SiteLookup::Refused, ""}));

TEST(ContentTypeTest, ByExtensionWithoutCharset) {
    EXPECT_EQ(contentTypeFor("a/ksqd.html"), "text/html");
    EXPECT_EQ(contentTypeFor("A.HTM"), "text/html");
    EXPECT_EQ(contentTypeFor("logo.png"), "image/png");
    EXPECT_EQ(contentTypeFor("notes.txt"), "text/plain");
    EXPECT_EQ(contentTypeFor("clips/trailer.MP4"), "video/mp4");
    EXPECT_EQ(contentTypeFor("data.bin"), "application/octet-stream");
    EXPECT_EQ(contentTypeFor("README"), "application/octet-stream");
}

class SiteServerTest : public SiteTree {
protected:
    void SetUp() override {
        SiteTree::SetUp();
        server_.emplace(siteHandler(root_));
        ASSERT_TRUE(server_->bound());
        server_->start();
    }
    void TearDown() override {
        server_.reset();
        SiteTree::TearDown();
    }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(server_->port()) + "/"; }

    std::optional<PageServer> server_;
};

TEST_F(SiteServerTest, ServesFilesByteForByte) {
    ContentClient client(test::ContentServerFixture::cipherFor(base()));
    EXPECT_EQ(client.fetchPage("ads/ksqd.html"), "\xBF\xAA");
    EXPECT_EQ(client.fetchPage("ads/name.html"), gbk("影视大全"));
    EXPECT_EQ(client.fetchPage(""), "<p>home</p>");
    EXPECT_EQ(client.fetchPage("ads/none.html"), "");
}

TEST_F(SiteServerTest, AnswersWithoutCharsetAndRefusesEncodedTraversal) {
    httplib::Client http("127.0.0.1", server_->port());
    const auto page = http.Get("/ads/ksqd.html");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html");
    EXPECT_EQ(page->body, "\xBF\xAA");

    const auto traversal = http.Get("/ads/%2e%2e/%2e%2e/secret.txt");
    ASSERT_TRUE(traversal);
    EXPECT_EQ(traversal->status, 403);
    EXPECT_EQ(traversal->body.find("outside"), std::string::npos);

    const auto missing = http.Get("/nothing.html");
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->status, 404);
}

TEST_F(SiteTree, PagesReportWhatHappensInThemAndTheLogReadsItBack) {
    PageReports reports;
    PageServer server(demoSiteHandler(root_, reports));
    ASSERT_TRUE(server.bound());
    server.start();
    httplib::Client http("127.0.0.1", server.port());

    const auto played = http.Get("/report?film=3&event=playing&time=0.52");
    ASSERT_TRUE(played);
    EXPECT_EQ(played->status, 204);
    const auto remembered =
        http.Get("/report?page=index%0Aforged", {{"Cookie", "visitor=v42; theme=dark"}});
    ASSERT_TRUE(remembered);
    EXPECT_EQ(http.Get("/report")->status, 204);

    const auto log = http.Get("/report/log");
    ASSERT_TRUE(log);
    EXPECT_EQ(log->status, 200);
    EXPECT_EQ(log->body,
              "film=3&event=playing&time=0.52\n"
              "page=index%0Aforged cookie=visitor=v42; theme=dark\n"
              "\n");
    // The site itself is still served around the two addresses.
    EXPECT_EQ(http.Get("/ads/ksqd.html")->body, "\xBF\xAA");
    EXPECT_EQ(http.Get("/report/other")->status, 404);
}

}  // namespace
}  // namespace quillo
