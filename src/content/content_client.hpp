#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "core/blocking_call.hpp"
#include "core/log.hpp"
#include "core/text.hpp"

namespace quillo {

struct ContentClientLimits {
    std::chrono::milliseconds connectTimeout{5000};
    std::chrono::milliseconds requestTimeout{10000};
    long maxRedirects = 5;
    std::size_t maxBodyBytes = 1024 * 1024;
    // After a request timed out, requests fail at once for this long (or
    // until one succeeds), so that a server that accepts and never answers
    // costs one time-out and not one per request.
    std::chrono::milliseconds failFastPeriod{30000};
};

// Blocking client for the content server. One HTTP handle lives as long as
// the client, so consecutive requests reuse a kept-alive connection. Each
// request runs through the BlockingCallRunner it was given: the caller waits
// for it, but the runner may keep the caller's event loop going meanwhile.
// One request at a time, which the runner enforces (the window model's
// request path ends the program on a request inside another). Each request
// has its own transfer state, so nothing of one request reaches another. A
// request whose wait the runner gives up is aborted and answers nothing: the
// empty text, or the runner's exception passes through.
//
// The base address is held only enciphered and deciphered anew for every
// address formed; nothing is cached or retried.
class ContentClient {
public:
    explicit ContentClient(std::string baseAddressCipher, ContentClientLimits limits = {},
                           BlockingCallRunner* runner = nullptr);
    ~ContentClient();
    ContentClient(const ContentClient&) = delete;
    ContentClient& operator=(const ContentClient&) = delete;

    // The deciphered base address (the site's home page).
    Text baseAddress() const;

    // Base address immediately followed by the path; nothing is added.
    Text pageAddress(std::string_view path) const;

    // One GET of the page address. The body as text, or the empty text on any
    // failure: no connection, time-out, a status other than 2xx, a body over
    // the size cap; at once, without a request, while failing fast after a
    // time-out.
    Text fetchPage(std::string_view path);
    // The same with a time-out of its own for this one request, connecting
    // included, where it is shorter than the client's; a time-out of zero or
    // less asks nothing and fails at once.
    Text fetchPage(std::string_view path, std::chrono::milliseconds timeOut);

    // The user asked to try again: the next request goes to the server even
    // while failing fast after a time-out.
    void tryAgain();

    // Failed requests are reported here (category "quillo.content").
    void setLogSink(LogSink sink);

private:
    struct Impl;
    std::string baseAddressCipher_;
    InlineCallRunner inlineRunner_;
    BlockingCallRunner& runner_;
    std::unique_ptr<Impl> impl_;
};

}  // namespace quillo
