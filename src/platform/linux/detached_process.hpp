#pragma once

#include <string>
#include <vector>

#include "platform/linux/process_spawn.hpp"

namespace quillo::linux_platform {

// Starts a program with the given arguments (argv[1..]), without a shell
// and without waiting for it: its standard input is /dev/null, standard
// output and error are this process's and no other descriptor is passed on,
// whether marked close-on-exec or not. It runs in a session of its own with
// the default signal dispositions and an empty signal mask. A detached thread reaps it when it
// ends, so no zombie is left behind. Returns whether the program was started; a program that cannot
// be found or executed gives false and leaves nothing behind.
bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                   ProgramLookup lookup);

}  // namespace quillo::linux_platform
