#include "platform/linux/autostart_entry.hpp"

#include <cstdlib>
#include <system_error>

#include "config/file_replace.hpp"
#include "core/text.hpp"

namespace quillo::linux_platform {
namespace {

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
           "X-GNOME-Autostart-enabled=true\n";
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
    return replaceFileAtomically(directory / autostartFileName(gbkEntryName),
                                 autostartEntryText(gbkEntryName, program));
}

bool removeAutostartEntry(const std::filesystem::path& directory, std::string_view gbkEntryName) {
    if (directory.empty()) {
        return false;
    }
    std::error_code error;
    std::filesystem::remove(directory / autostartFileName(gbkEntryName), error);
    return !error;
}

}  // namespace quillo::linux_platform
