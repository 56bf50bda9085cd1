#include "content/content_client.hpp"

#include <curl/curl.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <utility>

#include "content/decipher.hpp"

namespace quillo {
namespace {

// libcurl needs one process-wide initialisation before the first handle and
// one clean-up after the last. A function-local static does it once, thread
// safely, on first use, and undoes it at process exit; no client outlives
// that because clients are never static.
class CurlLibrary {
public:
    CurlLibrary() : ok_(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}
    ~CurlLibrary() {
        if (ok_) {
            curl_global_cleanup();
        }
    }
    CurlLibrary(const CurlLibrary&) = delete;
    CurlLibrary& operator=(const CurlLibrary&) = delete;

    bool ok() const { return ok_; }

private:
    bool ok_;
};

bool curlLibraryReady() {
    static const CurlLibrary library;
    return library.ok();
}

struct CurlEasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlHandle = std::unique_ptr<CURL, CurlEasyCleanup>;

}  // namespace

// One HTTP handle and what one request on it produced. A request's worker
// owns its transfer for as long as it runs, so a request whose caller gave up
// waiting (see BlockingCallRunner) ends on its own, aborted at the next
// progress report, and never touches the client again.
struct Transfer {
    explicit Transfer(const ContentClientLimits& limits) : limits(limits) {
        if (curlLibraryReady()) {
            handle.reset(curl_easy_init());
        }
        if (handle) {
            configure();
        }
    }

    // Called by libcurl with each piece of the body. Returning less than it
    // was given aborts the transfer, which is how the size cap ends it.
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self) {
        auto& transfer = *static_cast<Transfer*>(self);
        const std::size_t length = size * count;
        if (transfer.body.size() + length > transfer.limits.maxBodyBytes) {
            return 0;
        }
        transfer.body.append(data, length);
        return length;
    }

    // Called by libcurl while the transfer runs (at least about once a
    // second, also while nothing arrives); non-zero aborts it.
    static int onProgress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
        return static_cast<Transfer*>(self)->abandoned.load() ? 1 : 0;
    }

    void configure() {
        CURL* h = handle.get();
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
        curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
        curl_easy_setopt(h, CURLOPT_MAXREDIRS, limits.maxRedirects);
        // Only web addresses, for the first request and for every redirect.
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
        // The program reads no environment variables, proxy settings included.
        curl_easy_setopt(h, CURLOPT_PROXY, "");
        // Refuse early when the announced length is already over the cap; the
        // write callback enforces the cap for bodies of unannounced length.
        curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE,
                         static_cast<curl_off_t>(limits.maxBodyBytes));
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Transfer::onBody);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, this);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Transfer::onProgress);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    }

    enum class Outcome { Answered, Failed, TimedOut };

    // One transfer of `address`, given up after `timeOut` (positive) or the
    // client's own time-outs, whichever is shorter; runs on any thread, one
    // at a time.
    void perform(std::chrono::milliseconds timeOut) {
        body.clear();
        failure = "no HTTP client";
        outcome = Outcome::Failed;
        if (!handle) {
            return;
        }
        CURL* h = handle.get();
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(std::min(limits.connectTimeout, timeOut).count()));
        curl_easy_setopt(h, CURLOPT_TIMEOUT_MS,
                         static_cast<long>(std::min(limits.requestTimeout, timeOut).count()));
        curl_easy_setopt(h, CURLOPT_URL, address.c_str());
        const CURLcode code = curl_easy_perform(h);
        if (code != CURLE_OK) {
            failure = curl_easy_strerror(code);
            outcome = code == CURLE_OPERATION_TIMEDOUT ? Outcome::TimedOut : Outcome::Failed;
            return;
        }
        long status = 0;
        if (curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK || status < 200 ||
            status > 299) {
            failure = "HTTP status " + std::to_string(status);
            return;
        }
        outcome = Outcome::Answered;
    }

    ContentClientLimits limits;
    CurlHandle handle;
    Text address;
    std::string body;
    std::string failure;  // why the transfer failed
    Outcome outcome = Outcome::Failed;
    std::atomic<bool> abandoned{false};
};

struct ContentClient::Impl {
    explicit Impl(ContentClientLimits limits) : limits(limits) {}

    bool failingFast() const {
        return failFastUntil && std::chrono::steady_clock::now() < *failFastUntil;
    }

    void report(const Text& address, const std::string& why) const {
        if (log) {
            log(LogLevel::Warning, "quillo.content", address + ": " + why);
        }
    }

    // The kept-alive transfer, or a new one when the last request was given
    // up and its worker still has it.
    std::shared_ptr<Transfer> takeTransfer() {
        std::shared_ptr<Transfer> transfer = std::move(idle);
        if (!transfer) {
            transfer = std::make_shared<Transfer>(limits);
        }
        return transfer;
    }

    ContentClientLimits limits;
    LogSink log;
    std::shared_ptr<Transfer> idle;
    std::optional<std::chrono::steady_clock::time_point> failFastUntil;
};

ContentClient::ContentClient(std::string baseAddressCipher, ContentClientLimits limits,
                             BlockingCallRunner* runner)
    : baseAddressCipher_(std::move(baseAddressCipher)),
      runner_(runner != nullptr ? *runner : inlineRunner_),
      impl_(std::make_unique<Impl>(limits)) {
    impl_->idle = std::make_shared<Transfer>(limits);
}

ContentClient::~ContentClient() = default;

Text ContentClient::baseAddress() const {
    return decipherText(baseAddressCipher_);
}

Text ContentClient::pageAddress(std::string_view path) const {
    Text address = baseAddress();
    address.append(path);
    return address;
}

void ContentClient::tryAgain() {
    impl_->failFastUntil.reset();
}

void ContentClient::setLogSink(LogSink sink) {
    impl_->log = std::move(sink);
}

Text ContentClient::fetchPage(std::string_view path) {
    return fetchPage(path, impl_->limits.requestTimeout);
}

Text ContentClient::fetchPage(std::string_view path, std::chrono::milliseconds timeOut) {
    const Text address = pageAddress(path);
    if (impl_->failingFast()) {
        impl_->report(address, "not asked: the server let a request time out a moment ago");
        return {};
    }
    // libcurl takes a time-out of 0 for none at all.
    if (timeOut <= std::chrono::milliseconds::zero()) {
        impl_->report(address, "not asked: no time left for it");
        return {};
    }
    // Whether a request may start now is the runner's to check (the window
    // model's request path allows one at a time). A request that starts while
    // an abandoned one still has the kept-alive handle gets a handle of its own.
    std::shared_ptr<Transfer> transfer = impl_->takeTransfer();
    transfer->address = address;
    // However the wait ends without the answer (false, or an exception of
    // the runner's), the worker keeps the transfer and aborts it.
    struct InFlight {
        Transfer& transfer;
        bool ended = false;
        ~InFlight() {
            if (!ended) {
                transfer.abandoned = true;
            }
        }
    } inFlight{*transfer};
    inFlight.ended = runner_.runBlocking([transfer, timeOut] { transfer->perform(timeOut); });
    if (!inFlight.ended) {
        impl_->report(address, "given up waiting");
        return {};
    }
    impl_->idle = transfer;
    switch (transfer->outcome) {
        case Transfer::Outcome::Answered:
            impl_->failFastUntil.reset();
            return textFromBytes(transfer->body);
        case Transfer::Outcome::TimedOut:
            impl_->failFastUntil = std::chrono::steady_clock::now() + impl_->limits.failFastPeriod;
            break;
        case Transfer::Outcome::Failed:
            break;
    }
    // Reported here, on the caller's thread, not on the transfer's.
    impl_->report(address, transfer->failure);
    return {};
}

}  // namespace quillo
