#include "content/content_client.hpp"

#include <curl/curl.h>

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
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS,
                         static_cast<long>(limits.connectTimeout.count()));
        curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, static_cast<long>(limits.requestTimeout.count()));
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

    Text get(const Text& address) {
        body.clear();
        if (!handle) {
            return {};
        }
        CURL* h = handle.get();
        curl_easy_setopt(h, CURLOPT_URL, address.c_str());
        if (const CURLcode result = curl_easy_perform(h); result != CURLE_OK) {
            report(address, curl_easy_strerror(result));
            return {};
        }
        long status = 0;
        if (curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &status) != CURLE_OK || status < 200 ||
            status > 299) {
            report(address, "HTTP status " + std::to_string(status));
            return {};
        }
        return textFromBytes(body);
    }

    void report(const Text& address, const std::string& why) const {
        if (log) {
            log(LogLevel::Warning, "quillo.content", address + ": " + why);
        }
    }

    ContentClientLimits limits;
    LogSink log;
    CurlHandle handle;
    std::string body;
};

ContentClient::ContentClient(std::string baseAddressCipher, ContentClientLimits limits)
    : baseAddressCipher_(std::move(baseAddressCipher)), impl_(std::make_unique<Impl>(limits)) {
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

void ContentClient::setLogSink(LogSink sink) {
    impl_->log = std::move(sink);
}

Text ContentClient::fetchPage(std::string_view path) {
    return impl_->get(pageAddress(path));
}

}  // namespace quillo
