#pragma once

#include <string>
#include <string_view>

namespace quillo {

// Every text the program handles is a GBK (code page 936) byte string that
// ends at its first zero byte. The alias documents intent; comparisons on it
// are byte-exact.
using Text = std::string;

// Bytes taken as a text: everything up to the first zero byte.
Text textFromBytes(std::string_view bytes);

// Converts a UTF-8 source literal to GBK. Source files are UTF-8; this is the
// one way a Chinese literal reaches the program. A literal that GBK cannot
// represent is a programming error and aborts.
Text gbk(std::string_view utf8);

// Decodes a GBK text to UTF-8 for display. Invalid sequences become U+FFFD;
// decoding stops at the first zero byte like every other text operation.
std::string utf8FromGbk(std::string_view gbkText);

}  // namespace quillo
