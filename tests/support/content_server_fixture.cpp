#include "support/content_server_fixture.hpp"

#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

#include "content/decipher.hpp"

namespace quillo::test {
namespace {

constexpr std::string_view kContentType = "text/html";
constexpr std::size_t kFloodPieceBytes = 16 * 1024;

int portOf(const sockaddr_storage& address) {
    if (address.ss_family == AF_INET) {
        return ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    }
    if (address.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    }
    return -1;
}

// httplib gives handlers no access to the socket, so find it among the
// process's descriptors by its two port numbers. The handler's thread holds
// the socket open meanwhile, so the descriptor found is the right one; -1
// when there is none.
int connectionOf(const httplib::Request& request) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        int fd = -1;
        try {
            fd = std::stoi(entry.path().filename().string());
        } catch (const std::exception&) {
            continue;
        }
        sockaddr_storage local{};
        sockaddr_storage peer{};
        socklen_t localLength = sizeof local;
        socklen_t peerLength = sizeof peer;
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) != 0 ||
            getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0) {
            continue;
        }
        if (portOf(local) == request.local_port && portOf(peer) == request.remote_port) {
            return fd;
        }
    }
    return -1;
}

// Shuts the connection down: the client sees it end before any byte of an
// answer, and httplib's own write fails and closes the descriptor.
void dropConnection(const httplib::Request& request) {
    const int fd = connectionOf(request);
    if (fd >= 0) {
        shutdown(fd, SHUT_RDWR);
    }
}

// Closes the socket with a zero linger time, which resets the connection.
// The descriptor number stays httplib's: it is pointed at /dev/null, where
// httplib's writes go unseen until it closes it.
void resetConnection(const httplib::Request& request) {
    const int fd = connectionOf(request);
    const int null = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (fd >= 0 && null >= 0) {
        const linger immediately{.l_onoff = 1, .l_linger = 0};
        setsockopt(fd, SOL_SOCKET, SO_LINGER, &immediately, sizeof immediately);
        dup3(null, fd, O_CLOEXEC);
    }
    if (null >= 0) {
        close(null);
    }
}

}  // namespace

ContentServerFixture::ContentServerFixture()
    : server_([this](const httplib::Request& request,
                     httplib::Response& response) { answer(request, response); },
              PageServerOptions{.keepAliveTimeout = std::chrono::seconds(2)}) {
    if (!server_.bound()) {
        throw std::runtime_error("content server fixture: cannot bind 127.0.0.1");
    }
    server_.start();
}

ContentServerFixture::~ContentServerFixture() {
    {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
    }
    stopping_.notify_all();
    server_.stop();
}

void ContentServerFixture::setPage(std::string_view path, std::string body) {
    setPage(path, PageReply{.body = std::move(body)});
}

void ContentServerFixture::setPage(std::string_view path, PageReply reply) {
    setPageSequence(path, {std::move(reply)});
}

void ContentServerFixture::setPageSequence(std::string_view path, std::vector<PageReply> replies) {
    const std::lock_guard lock(mutex_);
    if (replies.empty()) {
        pages_.erase(std::string(path));
        return;
    }
    pages_.insert_or_assign(std::string(path), std::move(replies));
}

void ContentServerFixture::removePage(std::string_view path) {
    setPageSequence(path, {});
}

void ContentServerFixture::clearPages() {
    const std::lock_guard lock(mutex_);
    pages_.clear();
}

void ContentServerFixture::setDefaultReply(std::optional<PageReply> reply) {
    const std::lock_guard lock(mutex_);
    defaultReply_ = std::move(reply);
}

std::vector<std::string> ContentServerFixture::requestedPaths() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

void ContentServerFixture::clearRequests() {
    const std::lock_guard lock(mutex_);
    requests_.clear();
}

void ContentServerFixture::setConnectionSetupDelay(std::chrono::milliseconds delay) {
    server_.setConnectionSetupDelay(delay);
}

std::string ContentServerFixture::baseAddress() const {
    return baseAddressWith("");
}

std::string ContentServerFixture::baseAddressWith(std::string_view suffix) const {
    std::string address = "http://127.0.0.1:" + std::to_string(port()) + "/";
    address.append(suffix);
    return address;
}

std::string ContentServerFixture::cipherForBase() const {
    return cipherFor(baseAddress());
}

std::string ContentServerFixture::cipherFor(std::string_view address) {
    return encipherText(address);
}

bool ContentServerFixture::pause(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return !stopping_.wait_for(lock, duration, [this] { return stopped_; });
}

void ContentServerFixture::answer(const httplib::Request& request, httplib::Response& response) {
    const std::string_view fullPath = request.path;
    const std::string path(fullPath.starts_with('/') ? fullPath.substr(1) : fullPath);
    std::optional<PageReply> reply;
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(path);
        const auto page = pages_.find(path);
        if (page != pages_.end()) {
            std::vector<PageReply>& replies = page->second;
            reply = replies.front();
            if (replies.size() > 1) {
                replies.erase(replies.begin());
            }
        } else {
            reply = defaultReply_;
        }
    }
    if (!reply) {
        response.status = 404;
        response.set_content("no such page\n", "text/plain");
        return;
    }
    if (reply->delay.count() > 0 && !pause(reply->delay)) {
        return;
    }
    if (reply->closeWithoutAnswer) {
        dropConnection(request);
        return;
    }
    if (reply->resetWithoutAnswer) {
        resetConnection(request);
        return;
    }
    response.status = reply->status;
    if (!reply->location.empty()) {
        response.set_header("Location", reply->location);
    }
    if (reply->floodBytes > 0) {
        response.set_content_provider(reply->floodBytes, std::string(kContentType),
                                      [](std::size_t, std::size_t length, httplib::DataSink& sink) {
                                          const std::string piece(
                                              std::min(length, kFloodPieceBytes), 'x');
                                          return sink.write(piece.data(), piece.size());
                                      });
    } else if (reply->trickleInterval.count() > 0) {
        response.set_chunked_content_provider(
            std::string(kContentType), [this, body = reply->body, interval = reply->trickleInterval,
                                        pieceBytes = std::max<std::size_t>(reply->trickleBytes, 1)](
                                           std::size_t offset, httplib::DataSink& sink) {
                if (offset >= body.size()) {
                    sink.done();
                    return true;
                }
                if (!pause(interval)) {
                    return false;
                }
                const std::size_t length = std::min(pieceBytes, body.size() - offset);
                return sink.write(body.data() + offset, length);
            });
    } else {
        response.set_content(reply->body, std::string(kContentType));
    }
}

}  // namespace quillo::test
