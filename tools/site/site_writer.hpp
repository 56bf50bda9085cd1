#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillo::site {

struct WriteResult {
    bool ok = false;
    std::string message;  // what was written, or why nothing was
};

// Writes one page exactly as the program reads it: a switch page as the GBK
// bytes of 开 ("on") or 关 ("off"), any other page as the GBK form of the
// UTF-8 value, with no line break. Values the program would not take (an
// address it refuses, a language code other than 1..3, a text GBK cannot
// hold) are refused and nothing is written. The file is replaced atomically.
WriteResult setPage(const std::filesystem::path& root, std::string_view page,
                    std::string_view value);

// Writes a complete starter tree: every page the program fetches or
// navigates to, a home page and README.txt describing each page. Existing
// files are left as they are.
WriteResult initTree(const std::filesystem::path& root);

}  // namespace quillo::site
