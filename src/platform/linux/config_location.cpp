#include "platform/linux/config_location.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <system_error>

namespace quillo::linux_platform {
namespace {

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "/tmp";
}

std::filesystem::path userConfigBase() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        return xdg;
    }
    return homeDirectory() / ".config";
}

// FNV-1a: stable across builds and runs, unlike std::hash.
std::uint64_t fnv1a(std::string_view bytes) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

}  // namespace

std::filesystem::path instanceSocketPath(const std::filesystem::path& configFile) {
    std::error_code error;
    std::filesystem::path file = std::filesystem::absolute(configFile, error);
    file = file.lexically_normal();
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx",
                  static_cast<unsigned long long>(fnv1a(file.string())));
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime == '/') {
        return std::filesystem::path(runtime) / ("quillo-" + std::string(hash));
    }
    return std::filesystem::path("/tmp") /
           ("quillo-" + std::to_string(getuid()) + "-" + std::string(hash));
}

bool isInstalledProgramDirectory(const std::filesystem::path& programDirectory) {
    std::error_code error;
    return std::filesystem::exists(programDirectory / kInstallationMarker, error);
}

std::filesystem::path configDirectory(const std::filesystem::path& programDirectory) {
    if (!isInstalledProgramDirectory(programDirectory) &&
        access(programDirectory.c_str(), W_OK) == 0) {
        return programDirectory;
    }
    return userConfigDirectory();
}

std::filesystem::path userConfigDirectory() {
    const std::filesystem::path directory = userConfigBase() / "quillo";
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    return directory;
}

}  // namespace quillo::linux_platform
