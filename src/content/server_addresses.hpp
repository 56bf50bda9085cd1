#pragma once

#include <string_view>

namespace quillo {

// The two addresses the program holds only enciphered, as produced at build
// time by quillo-encipher from the CMake options QUILLO_CONTENT_SERVER and
// QUILLO_SITE_LINK. Turn them into addresses with decipherText.

// Base address of the content server; ends with its own '/'.
std::string_view serverAddressCipher();

// Address of the official site, opened from the About window.
std::string_view siteLinkCipher();

}  // namespace quillo
