#pragma once

#include <sys/types.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

namespace quillo::linux_platform {

enum class ProgramLookup {
    Path,       // a bare name is looked up on PATH (like execvp)
    ExactFile,  // the program is a file path used as given
};

// The first descriptor after the standard streams: where a passed
// descriptor lands in the started program.
inline constexpr int kPassedDescriptor = STDERR_FILENO + 1;

struct SpawnOptions {
    ProgramLookup lookup = ProgramLookup::ExactFile;
    // A session of its own (detached from this process's terminal and
    // process group); otherwise the program stays in this process group.
    bool ownSession = false;
    // A descriptor of this process passed on as kPassedDescriptor; -1 passes
    // none.
    int passDescriptor = -1;
    // The program's environment, "NAME=value" each; none: this process's.
    std::optional<std::vector<std::string>> environment{};
};

// Starts `program` with `arguments` (argv[1..]) without a shell and without
// waiting for it: standard input from /dev/null, standard output and error
// this process's, no other descriptor passed on (whether marked
// close-on-exec or not) but the one the options name, default signal
// dispositions and an empty signal mask. Returns the child's id, or nothing
// when the program cannot be found or executed (nothing is left behind).
std::optional<pid_t> spawnProgram(const std::string& program,
                                  const std::vector<std::string>& arguments,
                                  const SpawnOptions& options);

// Reaps the child on a detached thread when it ends, so that no zombie is
// left behind.
void reapWhenDone(pid_t child);

}  // namespace quillo::linux_platform
