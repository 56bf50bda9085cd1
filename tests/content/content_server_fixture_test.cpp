// The in-process content server that the client and behaviour tests rely on.

#include "support/content_server_fixture.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/decipher.hpp"

namespace quillo::test {
namespace {

TEST(ContentServerFixtureTest, UnknownPathGetsNotFoundWithABody) {
    ContentServerFixture server;
    httplib::Client http("127.0.0.1", server.port());
    const auto result = http.Get("/ads/none.html");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 404);
    EXPECT_FALSE(result->body.empty());
    EXPECT_EQ(server.requestedPaths(), std::vector<std::string>{"ads/none.html"});
}

TEST(ContentServerFixtureTest, ServesTheTableAsChangedBetweenRequests) {
    ContentServerFixture server;
    httplib::Client http("127.0.0.1", server.port());
    server.setPage("a.html", "one");
    EXPECT_EQ(http.Get("/a.html")->body, "one");
    server.setPage("a.html", PageReply{.status = 503, .body = "two"});
    const auto changed = http.Get("/a.html");
    EXPECT_EQ(changed->status, 503);
    EXPECT_EQ(changed->body, "two");
    EXPECT_EQ(changed->get_header_value("Content-Type"), "text/html");
    server.removePage("a.html");
    EXPECT_EQ(http.Get("/a.html")->status, 404);
}

TEST(ContentServerFixtureTest, SequenceRepeatsItsLastReply) {
    ContentServerFixture server;
    httplib::Client http("127.0.0.1", server.port());
    server.setPageSequence("s.html", {PageReply{.body = "1"}, PageReply{.body = "2"}});
    EXPECT_EQ(http.Get("/s.html")->body, "1");
    EXPECT_EQ(http.Get("/s.html")->body, "2");
    EXPECT_EQ(http.Get("/s.html")->body, "2");
}

TEST(ContentServerFixtureTest, CountsOneConnectionPerClientAndKeepsItAlive) {
    ContentServerFixture server;
    server.setPage("k.html", "k");
    {
        httplib::Client first("127.0.0.1", server.port());
        first.set_keep_alive(true);
        EXPECT_TRUE(first.Get("/k.html"));
        EXPECT_TRUE(first.Get("/k.html"));
        EXPECT_TRUE(first.Get("/k.html"));
    }
    httplib::Client second("127.0.0.1", server.port());
    EXPECT_TRUE(second.Get("/k.html"));
    EXPECT_EQ(server.connectionsAccepted(), 2);
    EXPECT_EQ(server.requestedPaths().size(), 4U);
}

TEST(ContentServerFixtureTest, FloodSendsTheGivenNumberOfBytes) {
    ContentServerFixture server;
    server.setPage("f.html", PageReply{.floodBytes = 100000});
    httplib::Client http("127.0.0.1", server.port());
    const auto result = http.Get("/f.html");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->body.size(), 100000U);
}

TEST(ContentServerFixtureTest, BaseAddressesAndTheirCipher) {
    ContentServerFixture server;
    const std::string base = "http://127.0.0.1:" + std::to_string(server.port()) + "/";
    EXPECT_EQ(server.baseAddress(), base);
    EXPECT_EQ(server.baseAddressWith("site"), base + "site");
    EXPECT_EQ(decipherText(server.cipherForBase()), base);
}

}  // namespace
}  // namespace quillo::test
