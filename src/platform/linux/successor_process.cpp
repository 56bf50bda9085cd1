#include "platform/linux/successor_process.hpp"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <thread>

// The successor gets the environment of this process.
extern char** environ;

namespace quillo::linux_platform {
namespace {

// Where the successor finds the read end of the hand-over pipe.
constexpr int kHandOverDescriptor = 3;

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

class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        // The successor stays in this process group: it continues the
        // program the user started, in the same terminal if there is one.
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

class SpawnFileActions {
public:
    explicit SpawnFileActions(int handOverRead) {
        posix_spawn_file_actions_init(&actions_);
        // The copy made by dup2 does not close on exec; the original does.
        posix_spawn_file_actions_adddup2(&actions_, handOverRead, kHandOverDescriptor);
        posix_spawn_file_actions_addclosefrom_np(&actions_, kHandOverDescriptor + 1);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnFileActions(const SpawnFileActions&) = delete;
    SpawnFileActions& operator=(const SpawnFileActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
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

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    result.reserve(strings.size() + 1);
    for (std::string& text : strings) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

void reapWhenDone(pid_t child) {
    std::thread([child] {
        while (::waitpid(child, nullptr, 0) == -1 && errno == EINTR) {
        }
    }).detach();
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

    std::vector<std::string> argvStrings;
    argvStrings.reserve(arguments.size() + 1);
    argvStrings.push_back(program);
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv = pointers(argvStrings);
    std::vector<std::string> environmentStrings = successorEnvironment();
    std::vector<char*> environment = pointers(environmentStrings);

    const SpawnAttributes attributes;
    const SpawnFileActions actions(readEnd.get());
    pid_t child = 0;
    // posix_spawn reports a program that cannot be executed, so success
    // means the successor runs.
    if (::posix_spawn(&child, program.c_str(), actions.get(), attributes.get(), argv.data(),
                      environment.data()) != 0) {
        return false;
    }
    reapWhenDone(child);
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
