#pragma once

#include <string_view>

namespace quillo {

// Reads a number the way a decimal reader does: optional leading blanks, an
// optional sign, digits, an optional fraction. Reading stops at the first
// character that does not fit; a text without a leading number gives 0.
// The result is the double nearest to the digits read, however many there
// are (too large gives infinity). Independent of the process locale.
double readNumber(std::string_view text);

// The configuration's number test: the text read as a number equals n when
// it differs from n by at most 1e-7.
bool numberEquals(std::string_view text, int n);

}  // namespace quillo
