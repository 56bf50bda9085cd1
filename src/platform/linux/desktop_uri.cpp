#include "platform/linux/desktop_uri.hpp"

namespace quillo::linux_platform {

std::string desktopUri(const Text& address) {
    constexpr char kHex[] = "0123456789ABCDEF";
    const std::string utf8 = utf8FromGbk(address);
    std::string uri;
    uri.reserve(utf8.size());
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > 0x20 && byte < 0x7F) {
            uri.push_back(c);
        } else {
            uri.push_back('%');
            uri.push_back(kHex[byte >> 4]);
            uri.push_back(kHex[byte & 0x0F]);
        }
    }
    return uri;
}

}  // namespace quillo::linux_platform
