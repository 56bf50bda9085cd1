#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace quillo {

// Whole-file reading and atomic replacement, for small settings files.

struct FileBytes {
    enum class State { Read, Missing, Unreadable };
    State state = State::Missing;
    std::string bytes;
};

// Reads the whole file. A file that does not exist is Missing; one that
// exists but cannot be read (no permission, a directory, an I/O error) is
// Unreadable. Both leave `bytes` empty.
FileBytes readFileBytes(const std::filesystem::path& path);

// Replaces the file's content with bytes so that a crash at any moment leaves
// either the old or the new file: a uniquely named sibling is written, synced
// and renamed over the file, and the directory is synced. The file keeps its
// permission bits; a symbolic link is followed and the file it names is
// replaced. Returns false when the replacement could not be made; the old
// file is then untouched and no sibling is left behind.
bool replaceFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// Removes the siblings that interrupted replacements of the file left behind
// (a crash or a kill between writing and renaming): regular files named
// ".<file name>.tmp-" and 16 lower-case hexadecimal digits, beside the file
// (beside the file a symbolic link names), that no running write holds.
// Nothing else is touched. Returns how many were removed.
std::size_t removeStaleSiblings(const std::filesystem::path& path);

}  // namespace quillo
