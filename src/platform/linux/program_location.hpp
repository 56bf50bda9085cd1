#pragma once

#include <filesystem>

namespace quillo::linux_platform {

// The running executable (/proc/self/exe resolved); empty if unreadable.
std::filesystem::path executableFile();

}  // namespace quillo::linux_platform
