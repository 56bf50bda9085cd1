#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/text.hpp"

namespace quillo::ini {

// The INI format on a whole file's bytes, without any file access.
//
// Lines end at "\n" or "\r\n"; the last line may lack its ending. A line is
// blank, a comment (first non-blank byte ';' or '#'), a section header
// ("[name]"), a key line ("name=value") or anything else, which is kept and
// otherwise ignored. Names are trimmed of spaces and tabs and compared
// without regard to ASCII case; the two bytes of a GBK character are always
// compared exactly. A key line before the first header belongs to no
// section. When a name occurs more than once (a repeated key, a repeated
// section), the first matching key line in file order is the one read and
// written.

// The value of key in section, trimmed of blanks and cut at the first zero
// byte; the empty text when the section or key is missing.
Text findValue(std::string_view content, std::string_view section, std::string_view key);

// The file content with key set to value: an existing key line gets the new
// value in place (its spelling kept, and the blanks after '=' unless the value
// starts with blanks of its own), a missing key is added after the last key
// line of the section's first header, a missing section is appended at the
// end. Every other byte is kept; new lines use the file's own line ending,
// and an unterminated last line ending in CR is completed with LF. Writing
// the same value twice gives the same file. The value is cut at its first
// zero byte.
//
// Returns nullopt, and changes nothing, when the write would break the
// file's structure: an empty name, a section name holding '[', ']', a line
// break or a zero byte, a key name holding '=', '[', a line break or a zero
// byte or starting with a comment mark, or a value holding a line break.
std::optional<std::string> withValue(std::string_view content, std::string_view section,
                                     std::string_view key, std::string_view value);

// The line ending a file uses: "\r\n" when its first line ends in CRLF, "\n"
// when it ends in a bare LF, and "\r\n" for a file without any line ending.
std::string_view lineEnding(std::string_view content);

// True when two names are equal without regard to ASCII case.
bool namesEqual(std::string_view a, std::string_view b);

}  // namespace quillo::ini
