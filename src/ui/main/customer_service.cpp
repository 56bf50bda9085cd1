#include "ui/main/customer_service.hpp"

#include <algorithm>

#include "app/app.hpp"
#include "content/pages.hpp"

namespace quillo {
namespace {

constexpr std::string_view kChatPrefix = "tencent://message/?uin=";

bool isPlainNumber(const Text& text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Every byte outside the unreserved set of RFC 3986 as "%XY".
Text percentEncoded(const Text& text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    Text out;
    out.reserve(text.size() * 3);
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~';
        if (unreserved) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        }
    }
    return out;
}

// The page body as it may be shown in a log line: short, control bytes as
// escapes.
Text shownInLog(const Text& body) {
    constexpr std::size_t kShown = 32;
    Text out;
    for (std::size_t i = 0; i < body.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(body[i]);
        if (byte < 0x20 || byte == 0x7F || byte == '"' || byte == '\\') {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0x0F]);
        } else {
            out.push_back(body[i]);
        }
    }
    return body.size() > kShown ? out + "..." : out;
}

}  // namespace

std::optional<Text> customerServiceAddress(const Text& number, const Text& displayName) {
    if (!isPlainNumber(number)) {
        return std::nullopt;
    }
    return Text(kChatPrefix) + number + "&Site=" + percentEncoded(displayName) + "&Menu=yes";
}

void contactCustomerService(App& app) {
    const Text number = app.content().fetchPage(pages::kCustomerServiceNumber);
    const std::optional<Text> address =
        customerServiceAddress(number, app.state().startup.displayName);
    if (!address) {
        const Text why = number.empty() ? Text("is empty or could not be fetched")
                                        : "is not a plain number: \"" + shownInLog(number) + "\"";
        app.log(
            LogLevel::Warning, "quillo.app",
            "customer service not contacted: " + Text(pages::kCustomerServiceNumber) + " " + why);
        return;
    }
    app.platform().openAddress(*address);
}

}  // namespace quillo
