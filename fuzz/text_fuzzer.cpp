// The text helpers on any bytes: a text ends at the first zero byte, GBK
// decodes to valid UTF-8 and valid GBK comes back unchanged when encoded
// again, the desktop's URI form holds only printable ASCII, and the address
// policy passes no control byte.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "check.hpp"
#include "core/address_policy.hpp"
#include "core/text.hpp"
#include "platform/linux/desktop_uri.hpp"

namespace {

using quillo::fuzz::require;

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = 0;
        std::uint32_t codePoint = 0;
        if (lead < 0x80) {
            length = 1;
            codePoint = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            codePoint = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            codePoint = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            codePoint = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > s.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(s[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < smallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return false;
        }
        i += length;
    }
    return true;
}

bool hasControlByte(std::string_view s) {
    for (const char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const quillo::Text text = quillo::textFromBytes(bytes);
    require(text.find('\0') == std::string::npos && bytes.starts_with(text) &&
                (text.size() == bytes.size() || bytes[text.size()] == '\0'),
            "a text is the bytes up to the first zero byte");

    const std::string utf8 = quillo::utf8FromGbk(bytes);
    require(isValidUtf8(utf8) && utf8.find('\0') == std::string::npos,
            "GBK decodes to valid UTF-8 without zero bytes");
    require(quillo::utf8FromGbk(text) == utf8, "decoding stops at the first zero byte");
    if (utf8.find("\xEF\xBF\xBD") == std::string::npos) {
        require(quillo::gbk(utf8) == text, "valid GBK comes back unchanged");
    }

    const std::string uri = quillo::linux_platform::desktopUri(text);
    for (const char c : uri) {
        require(c > 0x20 && c < 0x7F, "the URI holds only printable ASCII");
    }

    if (quillo::isWebAddress(text) || quillo::isChatAddress(text)) {
        require(!hasControlByte(text), "an address that may be opened holds no control byte");
    }
    if (quillo::isWebAddress(text)) {
        require(text.find(' ') == std::string::npos, "a web address holds no blank");
    }
    return 0;
}
