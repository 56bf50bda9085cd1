#include "platform/linux/detached_process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

// The spawned program gets the environment of this process.
extern char** environ;

namespace quillo::linux_platform {
namespace {

// posix_spawn attribute and file-action objects with their destroy calls.
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
        posix_spawnattr_setflags(
            &attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
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
    SpawnFileActions() {
        posix_spawn_file_actions_init(&actions_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        // Libraries (the browser engine among them) hold files, sockets,
        // pipes and shared memory without close-on-exec; none of it is the
        // started program's business.
        posix_spawn_file_actions_addclosefrom_np(&actions_, STDERR_FILENO + 1);
    }
    ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnFileActions(const SpawnFileActions&) = delete;
    SpawnFileActions& operator=(const SpawnFileActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

void reapWhenDone(pid_t child) {
    std::thread([child] {
        while (waitpid(child, nullptr, 0) == -1 && errno == EINTR) {
        }
    }).detach();
}

}  // namespace

bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                   ProgramLookup lookup) {
    std::vector<std::string> argvStrings;
    argvStrings.reserve(arguments.size() + 1);
    argvStrings.push_back(program);
    argvStrings.insert(argvStrings.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    argv.reserve(argvStrings.size() + 1);
    for (std::string& argument : argvStrings) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    const SpawnAttributes attributes;
    const SpawnFileActions actions;
    pid_t child = 0;
    const int result = lookup == ProgramLookup::Path
                           ? posix_spawnp(&child, program.c_str(), actions.get(), attributes.get(),
                                          argv.data(), environ)
                           : posix_spawn(&child, program.c_str(), actions.get(), attributes.get(),
                                         argv.data(), environ);
    if (result != 0) {
        return false;
    }
    reapWhenDone(child);
    return true;
}

}  // namespace quillo::linux_platform
