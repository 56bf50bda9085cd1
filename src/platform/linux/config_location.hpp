#pragma once

#include <filesystem>

namespace quillo::linux_platform {

// The file the install step writes into the program directory it installs.
// A directory holding it belongs to an installation (a package, `cmake
// --install`) and the program never writes there, whoever runs it.
inline constexpr const char* kInstallationMarker = "INSTALLATION";

// Whether the program directory belongs to an installation.
bool isInstalledProgramDirectory(const std::filesystem::path& programDirectory);

// Where Config.ini lives: userConfigDirectory() for an installed program,
// even run as root; else the program directory when the program may write
// there (a portable copy, the build tree, an unpacked folder), and
// userConfigDirectory() when it may not.
std::filesystem::path configDirectory(const std::filesystem::path& programDirectory);

// $XDG_CONFIG_HOME/quillo ($HOME/.config/quillo when XDG_CONFIG_HOME is unset
// or not absolute), created if needed.
std::filesystem::path userConfigDirectory();

// The local socket by which a later start finds the program already running
// on the settings file `configFile`: in $XDG_RUNTIME_DIR (else /tmp, with the
// user id in the name), named after a hash of the file's absolute path.
std::filesystem::path instanceSocketPath(const std::filesystem::path& configFile);

}  // namespace quillo::linux_platform
