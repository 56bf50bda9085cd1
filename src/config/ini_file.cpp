#include "config/ini_file.hpp"

#include <optional>
#include <string>
#include <utility>

#include "config/file_replace.hpp"
#include "config/ini_text.hpp"

namespace quillo {

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

Text IniFile::read(std::string_view section, std::string_view key) const {
    const FileBytes file = readFileBytes(path_);
    if (file.state != FileBytes::State::Read) {
        return {};
    }
    return ini::findValue(file.bytes, section, key);
}

bool IniFile::write(std::string_view section, std::string_view key, std::string_view value) const {
    // A file that exists but cannot be read is never replaced: its settings
    // would be lost.
    const FileBytes file = readFileBytes(path_);
    if (file.state == FileBytes::State::Unreadable) {
        return false;
    }
    const std::optional<std::string> updated = ini::withValue(file.bytes, section, key, value);
    if (!updated) {
        return false;
    }
    return replaceFileAtomically(path_, *updated);
}

void IniFile::removeStaleTemporaries() const {
    removeStaleSiblings(path_);
}

}  // namespace quillo
