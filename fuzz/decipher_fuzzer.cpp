// The decipher routine on any text: it never fails, gives at most one byte
// per digit pair and no zero byte, reads hexadecimal digits in either case,
// and turns every enciphered text back into itself.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check.hpp"
#include "content/decipher.hpp"
#include "core/text.hpp"

namespace {

using quillo::fuzz::require;

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const quillo::Text plain = quillo::decipherText(input);
    require(plain.size() <= input.size() / 2 && plain.find('\0') == std::string::npos,
            "at most one byte per digit pair, ending at the first zero byte");

    require(quillo::decipherText(lowerCase(input)) == plain, "digits read the same in either case");
    if (input.size() >= 2 && isHexDigit(input[0]) && isHexDigit(input[1])) {
        const std::string pair(input.substr(0, 2));
        require(quillo::hexPairValue(pair) == std::strtol(pair.c_str(), nullptr, 16),
                "a digit pair is its hexadecimal value");
    }

    const quillo::Text text = quillo::textFromBytes(input);
    const std::string cipher = quillo::encipherText(text);
    require(cipher.size() == 2 * text.size(), "two digits per byte");
    require(quillo::decipherText(cipher) == text, "an enciphered text deciphers to itself");
    return 0;
}
