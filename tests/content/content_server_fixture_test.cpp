// The in-process content server that the client and behaviour tests rely on.

#include "support/content_server_fixture.hpp"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
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

TEST(ContentServerFixtureTest, ResetEndsTheConnectionWithAReset) {
    ContentServerFixture server;
    server.setPage("r.html", PageReply{.body = "never sent", .resetWithoutAnswer = true});
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(server.port()));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    const std::string request = "GET /r.html HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    ASSERT_EQ(send(fd, request.data(), request.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(request.size()));
    char buffer[64];
    const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
    const int error = errno;
    close(fd);
    EXPECT_EQ(got, -1);
    EXPECT_EQ(error, ECONNRESET);
    EXPECT_EQ(server.requestedPaths(), std::vector<std::string>{"r.html"});
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
