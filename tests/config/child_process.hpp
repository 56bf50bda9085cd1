#pragma once

#include <functional>
#include <optional>

namespace quillo::test {

// Exit status of a child that could not give up root's right to write
// anywhere.
inline constexpr int kCannotDropPrivileges = 77;

// Runs body in a forked child process and returns its exit status, or
// nullopt when the child did not exit normally. The child never returns into
// the test framework.
std::optional<int> runInChild(const std::function<int()>& body);

// Like runInChild, but a child running as root first becomes user nobody, so
// that file permissions bind it; it exits with kCannotDropPrivileges when it
// cannot.
std::optional<int> runInUnprivilegedChild(const std::function<int()>& body);

}  // namespace quillo::test
