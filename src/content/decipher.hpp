#pragma once

#include <string>
#include <string_view>

#include "core/text.hpp"

namespace quillo {

// Value of a run of hexadecimal digits (either case), most significant
// first. Only ever called with two digits; a character that is not a
// hexadecimal digit counts as 0.
int hexPairValue(std::string_view digits);

// Turns a stored hexadecimal ciphertext back into its text. Total: any input
// gives some text, possibly empty. An odd last digit is ignored; the result
// ends at the first zero byte of the decrypted bytes.
Text decipherText(std::string_view cipherHex);

// The inverse, used at build time by quillo-encipher: plain text to the
// upper-case hexadecimal ciphertext that decipherText turns back into it.
std::string encipherText(std::string_view plain);

}  // namespace quillo
