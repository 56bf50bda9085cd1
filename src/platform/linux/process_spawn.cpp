#include "platform/linux/process_spawn.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <thread>

// A program started without an environment of its own gets this process's.
extern char** environ;

namespace quillo::linux_platform {
namespace {

// posix_spawn attribute and file-action objects with their destroy calls.
class SpawnAttributes {
public:
    explicit SpawnAttributes(bool ownSession) {
        posix_spawnattr_init(&attributes_);
        sigset_t none;
        sigemptyset(&none);
        posix_spawnattr_setsigmask(&attributes_, &none);
        sigset_t all;
        sigfillset(&all);
        posix_spawnattr_setsigdefault(&attributes_, &all);
        int flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        if (ownSession) {
            flags |= POSIX_SPAWN_SETSID;
        }
        posix_spawnattr_setflags(&attributes_, static_cast<short>(flags));
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
    explicit SpawnFileActions(int passDescriptor) {
        posix_spawn_file_actions_init(&actions_);
        int firstClosed = kPassedDescriptor;
        if (passDescriptor >= 0) {
            // The copy made by dup2 does not close on exec; the original
            // may. Onto itself dup2 would leave the flag as it is.
            posix_spawn_file_actions_adddup2(&actions_, passDescriptor, kPassedDescriptor);
            firstClosed = kPassedDescriptor + 1;
        }
        // Libraries (the browser engine among them) hold files, sockets,
        // pipes and shared memory without close-on-exec; none of it is the
        // started program's business.
        posix_spawn_file_actions_addclosefrom_np(&actions_, firstClosed);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    }
    ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnFileActions(const SpawnFileActions&) = delete;
    SpawnFileActions& operator=(const SpawnFileActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    result.reserve(strings.size() + 1);
    for (std::string& text : strings) {
        result.push_back(text.data());
    }
    result.push_back(nullptr);
    return result;
}

}  // namespace

std::optional<pid_t> spawnProgram(const std::string& program,
                                  const std::vector<std::string>& arguments,
                                  const SpawnOptions& options) {
    std::vector<std::string> argvStrings;
    argvStrings.reserve(arguments.size() + 1);
    argvStrings.push_back(program);
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv = pointers(argvStrings);
    std::vector<std::string> environmentStrings =
        options.environment.value_or(std::vector<std::string>{});
    std::vector<char*> ownEnvironment = pointers(environmentStrings);
    char* const* environment = options.environment ? ownEnvironment.data() : environ;

    const SpawnAttributes attributes(options.ownSession);
    const SpawnFileActions actions(options.passDescriptor);
    pid_t child = 0;
    // posix_spawn reports a program that cannot be executed, so success
    // means the program runs.
    const int result = options.lookup == ProgramLookup::Path
                           ? ::posix_spawnp(&child, program.c_str(), actions.get(),
                                            attributes.get(), argv.data(), environment)
                           : ::posix_spawn(&child, program.c_str(), actions.get(), attributes.get(),
                                           argv.data(), environment);
    if (result != 0) {
        return std::nullopt;
    }
    return child;
}

void reapWhenDone(pid_t child) {
    std::thread([child] {
        while (::waitpid(child, nullptr, 0) == -1 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace quillo::linux_platform
