#include "core/address_policy.hpp"

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/text.hpp"

namespace quillo {
namespace {

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        return lower(a) == lower(b);
    });
}

bool hasControlCharacters(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The bytes with every "%XY" escape replaced by the byte it stands for.
std::string percentDecoded(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            const int high = hexValue(text[i + 1]);
            const int low = hexValue(text[i + 2]);
            if (high >= 0 && low >= 0) {
                out.push_back(static_cast<char>(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out.push_back(text[i]);
    }
    return out;
}

// C1 controls and the characters that change the direction of the text
// around them.
bool isHiddenControl(std::uint32_t codePoint) {
    return (codePoint >= 0x80 && codePoint <= 0x9F) || codePoint == 0x061C || codePoint == 0x200E ||
           codePoint == 0x200F || (codePoint >= 0x202A && codePoint <= 0x202E) ||
           (codePoint >= 0x2066 && codePoint <= 0x2069);
}

// Length of the UTF-8 sequence a lead byte starts, 0 for a byte that
// starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead >> 5) == 0x6) {
        return 2;
    }
    if ((lead >> 4) == 0xE) {
        return 3;
    }
    return (lead >> 3) == 0x1E ? 4 : 0;
}

// Whether UTF-8 text holds a hidden control. Bytes that form no valid
// sequence are skipped.
bool hasHiddenControls(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > utf8.size()) {
            ++i;
            continue;
        }
        std::uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            valid = valid && (next & 0xC0) == 0x80;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (!valid) {
            ++i;
            continue;
        }
        if (isHiddenControl(codePoint)) {
            return true;
        }
        i += length;
    }
    return false;
}

// An address is shown decoded: the GBK text as characters and its escapes
// as the UTF-8 characters they stand for.
bool isSafeToShow(std::string_view address) {
    return !hasControlCharacters(address) &&
           !hasHiddenControls(percentDecoded(utf8FromGbk(address)));
}

}  // namespace

AddressFault webAddressFault(std::string_view address) {
    std::size_t hostStart = 0;
    if (startsWithIgnoringCase(address, "http://")) {
        hostStart = 7;
    } else if (startsWithIgnoringCase(address, "https://")) {
        hostStart = 8;
    } else {
        return AddressFault::NotWeb;
    }
    if (!isSafeToShow(address)) {
        return AddressFault::ControlCharacter;
    }
    if (address.find_first_of("/?#", hostStart) == hostStart || address.size() == hostStart) {
        return AddressFault::NoHost;
    }
    if (address.find(' ') != std::string_view::npos) {
        return AddressFault::Blank;
    }
    return AddressFault::None;
}

bool isWebAddress(std::string_view address) {
    return webAddressFault(address) == AddressFault::None;
}

bool isBrowsableAddress(std::string_view address) {
    return address == "about:blank" || isWebAddress(address);
}

bool isChatAddress(std::string_view address) {
    return address.starts_with("tencent://message/?uin=") && isSafeToShow(address);
}

}  // namespace quillo
