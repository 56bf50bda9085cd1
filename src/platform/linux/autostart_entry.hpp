#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quillo::linux_platform {

// Log-on start through the XDG autostart convention: a desktop entry
// <name>.desktop in $XDG_CONFIG_HOME/autostart (~/.config/autostart when
// unset). Entry names arrive as GBK texts and are written in UTF-8, the
// encoding of desktop entries; the command line is one program path whose
// bytes are kept as they are.

// The autostart directory of the user; empty when neither XDG_CONFIG_HOME
// nor HOME gives an absolute directory.
std::filesystem::path autostartDirectory();

// The file name of the entry: the UTF-8 name with '/' replaced, + ".desktop".
std::string autostartFileName(std::string_view gbkEntryName);

// Quotes one argument for the Exec key: wrapped in double quotes when it
// holds a reserved character, with '"', '`', '$' and '\' escaped inside the
// quotes, '%' doubled, and the result escaped once more as a string value
// (backslash doubled).
std::string quoteExecArgument(std::string_view argument);

// The whole desktop entry.
std::string autostartEntryText(std::string_view gbkEntryName, std::string_view program);

// Writes the entry atomically (creating the directory), or removes it.
// Both return whether they succeeded; a missing entry counts as removed.
// An entry of the same file name that this program did not write (it lacks
// the program's mark) belongs to another program: both leave it as it is
// and return false.
bool writeAutostartEntry(const std::filesystem::path& directory, std::string_view gbkEntryName,
                         std::string_view program);
bool removeAutostartEntry(const std::filesystem::path& directory, std::string_view gbkEntryName);

}  // namespace quillo::linux_platform
