#include "platform/linux/autostart_entry.hpp"

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>

#include "config/file_replace.hpp"
#include "core/text.hpp"

namespace quillo::linux_platform {
namespace {

// The line that marks an entry as written by this program. An entry of the
// same file name without it belongs to someone else and is left alone.
constexpr std::string_view kOwnMark = "X-Quillo-Autostart=true";

// Characters that make the desktop-entry format require a quoted argument.
constexpr std::string_view kReserved = " \t\n\"'\\><~|&;$*?#()`";

// One-line values: line breaks and other control characters would end the
// key or break the file.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return text;
}

bool isOwnEntry(const std::filesystem::path& entry) {
    std::ifstream in(entry, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line == kOwnMark) {
            return true;
        }
    }
    return false;
}

// Whether something other than this program's own entry is at that path.
bool foreignEntryAt(const std::filesystem::path& entry) {
    std::error_code error;
    const bool present = std::filesystem::symlink_status(entry, error).type() !=
                         std::filesystem::file_type::not_found;
    return present && !isOwnEntry(entry);
}

std::filesystem::path absoluteDirectory(const char* value) {
    if (value == nullptr || *value == '\0') {
        return {};
    }
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path{};
}

}  // namespace

std::filesystem::path autostartDirectory() {
    // The XDG base-directory convention: XDG_CONFIG_HOME, else ~/.config.
    std::filesystem::path configHome = absoluteDirectory(std::getenv("XDG_CONFIG_HOME"));
    if (configHome.empty()) {
        const std::filesystem::path home = absoluteDirectory(std::getenv("HOME"));
        if (home.empty()) {
            return {};
        }
        configHome = home / ".config";
    }
    return configHome / "autostart";
}

std::string autostartFileName(std::string_view gbkEntryName) {
    std::string name = oneLine(utf8FromGbk(gbkEntryName));
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    if (name.empty() || name == "." || name == "..") {
        name = "_" + name;
    }
    return name + ".desktop";
}

std::string quoteExecArgument(std::string_view argument) {
    std::string quoted;
    if (!argument.empty() && argument.find_first_of(kReserved) == std::string_view::npos) {
        quoted = argument;
    } else {
        quoted = "\"";
        for (char c : argument) {
            if (c == '"' || c == '`' || c == '$' || c == '\\') {
                quoted += '\\';
            }
            quoted += c;
        }
        quoted += '"';
    }
    std::string value;
    for (char c : quoted) {
        if (c == '%') {
            value += "%%";
        } else if (c == '\\') {
            value += "\\\\";
        } else {
            value += c;
        }
    }
    return value;
}

std::string autostartEntryText(std::string_view gbkEntryName, std::string_view program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           oneLine(utf8FromGbk(gbkEntryName)) +
           "\n"
           "Exec=" +
           quoteExecArgument(oneLine(std::string(program))) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n" +
           std::string(kOwnMark) + "\n";
}

bool writeAutostartEntry(const std::filesystem::path& directory, std::string_view gbkEntryName,
                         std::string_view program) {
    if (directory.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        return false;
    }
    const std::filesystem::path entry = directory / autostartFileName(gbkEntryName);
    if (foreignEntryAt(entry)) {
        return false;
    }
    return replaceFileAtomically(entry, autostartEntryText(gbkEntryName, program));
}

bool removeAutostartEntry(const std::filesystem::path& directory, std::string_view gbkEntryName) {
    if (directory.empty()) {
        return false;
    }
    const std::filesystem::path entry = directory / autostartFileName(gbkEntryName);
    if (foreignEntryAt(entry)) {
        return false;
    }
    std::error_code error;
    std::filesystem::remove(entry, error);
    return !error;
}

}  // namespace quillo::linux_platform
