#include "platform/linux/successor_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>

#include "platform/linux/process_spawn.hpp"

// The successor gets the environment of this process, less the hand-over
// variable of an earlier restart.
extern char** environ;

namespace quillo::linux_platform {
namespace {

// Where the successor finds the read end of the hand-over pipe.
constexpr int kHandOverDescriptor = kPassedDescriptor;

// A descriptor closed when it goes out of scope, unless released.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

// Both pipe ends close on exec, so no other program this process starts
// meanwhile inherits them. The read end is kept off descriptor 3, where
// dup2 onto itself would leave its close-on-exec flag set.
bool makeHandOverPipe(int& readEnd, int& writeEnd) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) {
        return false;
    }
    if (fds[0] == kHandOverDescriptor) {
        const int moved = ::fcntl(fds[0], F_DUPFD_CLOEXEC, kHandOverDescriptor + 1);
        ::close(fds[0]);
        if (moved < 0) {
            ::close(fds[1]);
            return false;
        }
        fds[0] = moved;
    }
    readEnd = fds[0];
    writeEnd = fds[1];
    return true;
}

std::vector<std::string> successorEnvironment() {
    const std::string prefix = std::string(kPredecessorVariable) + "=";
    std::vector<std::string> entries;
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
        if (std::string_view(*entry).substr(0, prefix.size()) != prefix) {
            entries.emplace_back(*entry);
        }
    }
    entries.push_back(prefix + std::to_string(kHandOverDescriptor));
    return entries;
}

std::optional<int> descriptorFrom(const char* text) {
    int fd = -1;
    const char* end = text + std::strlen(text);
    const auto [next, error] = std::from_chars(text, end, fd);
    if (error != std::errc{} || next != end || fd < 0) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISFIFO(status.st_mode)) {
        return std::nullopt;
    }
    return fd;
}

}  // namespace

bool startSuccessor(const std::string& program, const std::vector<std::string>& arguments) {
    int readFd = -1;
    int writeFd = -1;
    if (!makeHandOverPipe(readFd, writeFd)) {
        return false;
    }
    const Descriptor readEnd(readFd);
    Descriptor writeEnd(writeFd);

    // The successor stays in this process group: it continues the program
    // the user started, in the same terminal if there is one.
    const std::optional<pid_t> child =
        spawnProgram(program, arguments,
                     {.passDescriptor = readEnd.get(), .environment = successorEnvironment()});
    if (!child) {
        return false;
    }
    reapWhenDone(*child);
    // The write end stays open for the rest of this process's life: the
    // kernel closes it when the process ends, and that releases the
    // successor. Closing it any earlier would let the successor meet this
    // process half-ended.
    writeEnd.release();
    return true;
}

void awaitPredecessor(std::chrono::milliseconds limit) {
    const char* value = std::getenv(kPredecessorVariable);
    if (value == nullptr) {
        return;
    }
    const std::optional<int> found = descriptorFrom(value);
    ::unsetenv(kPredecessorVariable);
    if (!found) {
        return;
    }
    const Descriptor pipe(*found);
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + limit;
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            return;
        }
        pollfd waiting{.fd = pipe.get(), .events = POLLIN, .revents = 0};
        const int ready = ::poll(&waiting, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return;
        }
        char byte = 0;
        const ssize_t got = ::read(pipe.get(), &byte, 1);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN)) {
            return;  // every writer is gone: the predecessor has ended
        }
    }
}

std::vector<std::string> ownArguments() {
    std::ifstream in("/proc/self/cmdline", std::ios::binary);
    const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\0', start);
        if (end == std::string::npos) {
            end = all.size();
        }
        arguments.push_back(all.substr(start, end - start));
        start = end + 1;
    }
    if (!arguments.empty()) {
        arguments.erase(arguments.begin());
    }
    return arguments;
}

}  // namespace quillo::linux_platform
