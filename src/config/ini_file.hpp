#pragma once

#include <filesystem>
#include <string_view>

#include "core/text.hpp"

namespace quillo {

// Private-profile (INI) access to one file, as users of INI files expect:
// section and key names match without regard to ASCII case, blanks around
// names and values are ignored, names may hold inner blanks ("Column 1").
// Values are GBK bytes, returned and stored untouched.
//
// Nothing is cached: every call opens the file anew.
class IniFile {
public:
    explicit IniFile(std::filesystem::path path);

    // A missing file, section or key reads as the empty text.
    Text read(std::string_view section, std::string_view key) const;

    // Writes key=value into the section, adding the key or the section when
    // missing and creating the file when needed. Every other line is kept as
    // it was, and the file's own line ending (CRLF or LF) is kept. The file is
    // replaced atomically (a sibling is written, flushed and renamed over it),
    // so a crash leaves either the old or the new file. Returns false when the
    // write could not be made; the old file is then untouched.
    bool write(std::string_view section, std::string_view key, std::string_view value) const;

    // Removes the temporary siblings that writes interrupted by a crash left
    // beside the file; files of any other name are never touched.
    void removeStaleTemporaries() const;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace quillo
