#pragma once

#include <filesystem>

namespace quillo::linux_platform {

// Where Config.ini lives: the program directory when the program may write
// there (a portable copy, the build tree), else userConfigDirectory().
std::filesystem::path configDirectory(const std::filesystem::path& programDirectory);

// $XDG_CONFIG_HOME/quillo ($HOME/.config/quillo when XDG_CONFIG_HOME is unset
// or not absolute), created if needed.
std::filesystem::path userConfigDirectory();

// The local socket by which a later start finds the program already running
// on the settings file `configFile`: in $XDG_RUNTIME_DIR (else /tmp, with the
// user id in the name), named after a hash of the file's absolute path.
std::filesystem::path instanceSocketPath(const std::filesystem::path& configFile);

}  // namespace quillo::linux_platform
