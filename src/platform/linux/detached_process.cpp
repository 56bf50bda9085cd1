#include "platform/linux/detached_process.hpp"

#include <optional>

#include "platform/linux/process_spawn.hpp"

namespace quillo::linux_platform {

bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                   ProgramLookup lookup) {
    const std::optional<pid_t> child =
        spawnProgram(program, arguments, {.lookup = lookup, .ownSession = true});
    if (!child) {
        return false;
    }
    reapWhenDone(*child);
    return true;
}

}  // namespace quillo::linux_platform
