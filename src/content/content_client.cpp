#include "content/content_client.hpp"

#include <curl/curl.h>

#include <algorithm>
#include <mutex>
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

struct ContentClient::Impl {
    explicit Impl(ContentClientLimits limits) : limits(limits) {}

    // Called by libcurl with each piece of the body. Returning less than it
    // was given aborts the transfer, which is how the size cap ends it.
    static std::size_t onBody(char* data, std::size_t size, std::size_t count, void* self) {
        auto& impl = *static_cast<Impl*>(self);
        const std::size_t length = size * count;
        if (impl.body.size() + length > impl.limits.maxBodyBytes) {
            return 0;
        }
        impl.body.append(data, length);
        return length;
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
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, &Impl::onBody);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, this);
    }

    enum class Outcome { Answered, Failed, TimedOut };

    // One transfer, given up after `timeOut` (positive) or the client's own
    // time-outs, whichever is shorter; may run on any thread, one at a time.
    Outcome perform(const Text& address, std::chrono::milliseconds timeOut) {
        const std::lock_guard lock(transfer);
        body.clear();
        failure = "no HTTP client";
        if (!handle) {
            return Outcome::Failed;
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
            return code == CURLE_OPERATION_TIMEDOUT ? Outcome::TimedOut : Outcome::Failed;
        }
        long status = 0;
        if (curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK || status < 200 ||
            status > 299) {
            failure = "HTTP status " + std::to_string(status);
            return Outcome::Failed;
        }
        return Outcome::Answered;
    }

    bool failingFast() const {
        return failFastUntil && std::chrono::steady_clock::now() < *failFastUntil;
    }

    void report(const Text& address, const std::string& why) const {
        if (log) {
            log(LogLevel::Warning, "quillo.content", address + ": " + why);
        }
    }

    ContentClientLimits limits;
    LogSink log;
    CurlHandle handle;
    std::mutex transfer;
    std::string body;
    std::string failure;  // why the last transfer failed
    std::optional<std::chrono::steady_clock::time_point> failFastUntil;
};

ContentClient::ContentClient(std::string baseAddressCipher, ContentClientLimits limits,
                             BlockingCallRunner* runner)
    : baseAddressCipher_(std::move(baseAddressCipher)),
      runner_(runner != nullptr ? *runner : inlineRunner_),
      impl_(std::make_unique<Impl>(limits)) {
    if (curlLibraryReady()) {
        impl_->handle.reset(curl_easy_init());
    }
    if (impl_->handle) {
        impl_->configure();
    }
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
    Impl::Outcome outcome = Impl::Outcome::Failed;
    runner_.runBlocking(
        [this, &address, &outcome, timeOut] { outcome = impl_->perform(address, timeOut); });
    switch (outcome) {
        case Impl::Outcome::Answered:
            impl_->failFastUntil.reset();
            return textFromBytes(impl_->body);
        case Impl::Outcome::TimedOut:
            impl_->failFastUntil = std::chrono::steady_clock::now() + impl_->limits.failFastPeriod;
            break;
        case Impl::Outcome::Failed:
            break;
    }
    // Reported here, on the caller's thread, not on the transfer's.
    impl_->report(address, impl_->failure);
    return {};
}

}  // namespace quillo
