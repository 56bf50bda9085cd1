#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace quillo::ui {

// A picture read whole from a file. A file that cannot be read gives an
// empty picture (no bytes), which leaves its place blank.
struct Picture {
    std::filesystem::path file;
    std::shared_ptr<const std::string> bytes;  // null when the file could not be read
    bool empty() const { return !bytes || bytes->empty(); }
};

// Reads the file anew on every call; an unreadable file gives an empty
// picture that keeps its path.
Picture readPicture(const std::filesystem::path& file);

}  // namespace quillo::ui
