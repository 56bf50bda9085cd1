#include "core/address_policy.hpp"

#include <algorithm>

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

}  // namespace

bool isWebAddress(std::string_view address) {
    bool web = (startsWithIgnoringCase(address, "http://") && address.size() > 7) ||
               (startsWithIgnoringCase(address, "https://") && address.size() > 8);
    return web && !hasControlCharacters(address);
}

bool isBrowsableAddress(std::string_view address) {
    return address == "about:blank" || isWebAddress(address);
}

bool isChatAddress(std::string_view address) {
    return address.starts_with("tencent://message/?uin=") && !hasControlCharacters(address);
}

}  // namespace quillo
