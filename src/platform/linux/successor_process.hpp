#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace quillo::linux_platform {

// A restart hands the program over to a new instance of itself. The old
// process starts the new one with the read end of a pipe whose write end
// only the old process holds; the new process waits at its very start until
// the pipe reports its end, which the kernel does once the old process has
// ended (cleanly or not). So the successor never meets a half-ended
// predecessor: its windows, tray icon, server connection and Config.ini
// writes are all gone before the successor does anything.

// The environment variable that tells the successor which descriptor to wait
// on.
inline constexpr const char* kPredecessorVariable = "QUILLO_PREDECESSOR_FD";

// Starts `program` with `arguments` (argv[1..]) as the successor of this
// process: no shell, standard input from /dev/null, the same process group,
// default signal dispositions, no inherited descriptors beyond the standard
// streams and the hand-over pipe. Returns whether it was started (its
// executable runs). On true the caller must end this process, which the
// successor waits for; the write end stays open, unreferenced, until then.
// On false nothing is left behind and this process goes on as before.
bool startSuccessor(const std::string& program, const std::vector<std::string>& arguments);

// The successor's side, to be called first in main: when this process was
// started by startSuccessor, waits until the predecessor has ended, but no
// longer than `limit`. Always removes the variable from the environment, so
// that no program started later inherits it. Returns at once otherwise.
void awaitPredecessor(std::chrono::milliseconds limit = std::chrono::seconds(10));

// This process's own arguments (argv[1..]) as the kernel recorded them.
std::vector<std::string> ownArguments();

}  // namespace quillo::linux_platform
