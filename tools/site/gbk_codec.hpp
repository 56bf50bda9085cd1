#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillo::site {

// Strict conversions between GBK and UTF-8: nullopt when the input is not
// valid in its encoding or a character has no form in the other.
std::optional<std::string> gbkToUtf8(std::string_view gbkBytes);
std::optional<std::string> utf8ToGbk(std::string_view utf8);

}  // namespace quillo::site
