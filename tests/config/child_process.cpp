#include "child_process.hpp"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillo::test {
namespace {

constexpr uid_t kNobody = 65534;

bool dropRoot() {
    if (::geteuid() != 0) {
        return true;
    }
    return ::setgroups(0, nullptr) == 0 && ::setresgid(kNobody, kNobody, kNobody) == 0 &&
           ::setresuid(kNobody, kNobody, kNobody) == 0;
}

}  // namespace

std::optional<int> runInChild(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid < 0) {
        return std::nullopt;
    }
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
        return std::nullopt;
    }
    return WEXITSTATUS(status);
}

std::optional<int> runInUnprivilegedChild(const std::function<int()>& body) {
    return runInChild([&body] { return dropRoot() ? body() : kCannotDropPrivileges; });
}

}  // namespace quillo::test
