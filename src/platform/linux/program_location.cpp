#include "platform/linux/program_location.hpp"

#include <system_error>

namespace quillo::linux_platform {

std::filesystem::path executableFile() {
    std::error_code error;
    std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path{} : file;
}

}  // namespace quillo::linux_platform
