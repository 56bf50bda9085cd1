#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "page_server/page_server.hpp"

namespace quillo::test {

// How the fixture answers one request for a page.
struct PageReply {
    int status = 200;
    std::string body{};  // sent byte for byte, Content-Type text/html without charset
    std::chrono::milliseconds delay{0};  // wait this long before answering
    bool closeWithoutAnswer = false;     // drop the connection, send nothing
    bool resetWithoutAnswer = false;     // reset the connection (TCP RST), send nothing
    // When positive: send the body in pieces of trickleBytes with this pause
    // before each piece (chunked transfer).
    std::chrono::milliseconds trickleInterval{0};
    std::size_t trickleBytes = 1;
    std::size_t floodBytes = 0;  // when positive: a body of this many bytes instead of `body`
    std::string location{};      // sent as the Location header when not empty
};

// An in-process content server on 127.0.0.1 at a free port. It serves a table
// of page path -> reply that a test may change at any time, records the paths
// requested (without the leading '/') in order and counts the TCP connections
// it accepted. Keep-alive stays on. A path not in the table gets 404 with a
// short body, or the default reply when one is set.
class ContentServerFixture {
public:
    ContentServerFixture();
    ~ContentServerFixture();
    ContentServerFixture(const ContentServerFixture&) = delete;
    ContentServerFixture& operator=(const ContentServerFixture&) = delete;

    // Status 200 with these bytes.
    void setPage(std::string_view path, std::string body);
    void setPage(std::string_view path, PageReply reply);
    // Successive answers of one page; the last one repeats.
    void setPageSequence(std::string_view path, std::vector<PageReply> replies);
    void removePage(std::string_view path);
    void clearPages();
    // The reply for paths not in the table; without one they get 404.
    void setDefaultReply(std::optional<PageReply> reply);

    std::vector<std::string> requestedPaths() const;
    void clearRequests();
    int connectionsAccepted() const { return server_.connectionsAccepted(); }
    // Delay before the first request of each new connection is read: stands
    // for the round trips of connection set-up.
    void setConnectionSetupDelay(std::chrono::milliseconds delay);

    int port() const { return server_.port(); }
    // "http://127.0.0.1:PORT/"
    std::string baseAddress() const;
    // The base address immediately followed by `suffix`, e.g. "site" gives a
    // base address without its trailing separator.
    std::string baseAddressWith(std::string_view suffix) const;
    // The enciphered base address, as a ContentClient takes it.
    std::string cipherForBase() const;
    static std::string cipherFor(std::string_view address);

private:
    void answer(const httplib::Request& request, httplib::Response& response);
    // Waits up to `duration`; false when the fixture is shutting down.
    bool pause(std::chrono::milliseconds duration);

    mutable std::mutex mutex_;
    std::condition_variable stopping_;
    bool stopped_ = false;
    std::map<std::string, std::vector<PageReply>, std::less<>> pages_;
    std::optional<PageReply> defaultReply_;
    std::vector<std::string> requests_;
    PageServer server_;  // last: stops before the state its handler uses goes away
};

}  // namespace quillo::test
