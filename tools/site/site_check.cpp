#include "site/site_check.hpp"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>

#include "content/switch_page.hpp"
#include "core/address_policy.hpp"
#include "site/gbk_codec.hpp"

namespace quillo::site {
namespace {

constexpr std::string_view kOnUtf8 = "\xE5\xBC\x80";   // 开
constexpr std::string_view kOffUtf8 = "\xE5\x85\xB3";  // 关
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineBreaks = "\r\n";

// The body shown for a problem: printable ASCII as it is, other bytes as \xNN,
// shortened.
std::string quoted(std::string_view body) {
    constexpr std::size_t kShown = 40;
    std::string out = "\"";
    for (std::size_t i = 0; i < body.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(body[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    if (body.size() > kShown) {
        out += "...";
    }
    return out + "\"";
}

// The body without a byte-order mark, surrounding blanks and line breaks.
std::string_view stripped(std::string_view body) {
    if (body.starts_with(kByteOrderMark)) {
        body.remove_prefix(kByteOrderMark.size());
    }
    const std::string padding = std::string(kBlanks) + std::string(kLineBreaks);
    const auto first = body.find_first_not_of(padding);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = body.find_last_not_of(padding);
    return body.substr(first, last - first + 1);
}

// What surrounds the meaningful part of a body: byte-order mark, blanks,
// line breaks. Empty when nothing does.
std::vector<std::string> paddingFaults(std::string_view body) {
    std::vector<std::string> faults;
    if (body.starts_with(kByteOrderMark)) {
        faults.emplace_back("starts with a UTF-8 byte-order mark");
        body.remove_prefix(kByteOrderMark.size());
    }
    if (body.find_first_of(kLineBreaks) != std::string_view::npos) {
        faults.emplace_back("holds a line break");
    }
    if (!body.empty() && (kBlanks.find(body.front()) != std::string_view::npos ||
                          kBlanks.find(body.back()) != std::string_view::npos)) {
        faults.emplace_back("has leading or trailing blanks");
    }
    return faults;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (const std::string& part : parts) {
        out += out.empty() ? part : ", " + part;
    }
    return out;
}

std::string setCommand(std::string_view page, std::string_view value) {
    return "quillo-site set DIR " + std::string(page) + " " + std::string(value);
}

// A command-line word for a UTF-8 text: single-quoted when it holds
// anything but letters and digits.
std::string shellWord(std::string_view text) {
    bool plain = !text.empty();
    for (char c : text) {
        plain = plain &&
                (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '/' || c == ':' ||
                 c == '-' || c == '_' || c == '%' || static_cast<unsigned char>(c) >= 0x80);
    }
    if (plain) {
        return std::string(text);
    }
    std::string out = "'";
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out + "'";
}

// Where a body that is not valid GBK probably came from.
bool isUtf8(std::string_view body) {
    std::size_t i = 0;
    while (i < body.size()) {
        const auto c = static_cast<unsigned char>(body[i]);
        const std::size_t length = c < 0x80         ? 1
                                   : (c >> 5) == 6  ? 2
                                   : (c >> 4) == 14 ? 3
                                   : (c >> 3) == 30 ? 4
                                                    : 0;
        if (length == 0 || i + length > body.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(body[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// What a web server or proxy sends in place of a page, saved or served
// where a text belongs: HTML markup, or an HTTP status such as
// "502 Bad Gateway". Returns how to describe the body, or nothing.
std::optional<std::string> errorPageFault(std::string_view body) {
    static constexpr std::string_view kReasons[] = {
        "Bad Request",
        "Unauthorized",
        "Forbidden",
        "Not Found",
        "Method Not Allowed",
        "Request Timeout",
        "Gone",
        "Too Many Requests",
        "Internal Server Error",
        "Bad Gateway",
        "Service Unavailable",
        "Gateway Timeout",
        "Gateway Time-out",
    };
    std::optional<std::string> status;
    for (std::size_t at = 0; !status && at + 4 < body.size(); ++at) {
        const char first = body[at];
        const bool code = (first == '4' || first == '5') &&
                          std::isdigit(static_cast<unsigned char>(body[at + 1])) &&
                          std::isdigit(static_cast<unsigned char>(body[at + 2])) &&
                          body[at + 3] == ' ' &&
                          (at == 0 || !std::isdigit(static_cast<unsigned char>(body[at - 1])));
        if (!code) {
            continue;
        }
        for (const std::string_view reason : kReasons) {
            if (body.substr(at + 4).starts_with(reason)) {
                status = std::string(body.substr(at, 4 + reason.size()));
                break;
            }
        }
    }
    bool markup = false;
    for (std::size_t at = body.find('<'); at != std::string_view::npos && !markup;
         at = body.find('<', at + 1)) {
        const char next = at + 1 < body.size() ? body[at + 1] : '\0';
        markup = (std::isalpha(static_cast<unsigned char>(next)) || next == '!' || next == '/') &&
                 body.find('>', at) != std::string_view::npos;
    }
    if (status) {
        return (markup ? "is an HTML error page (" : "is an HTTP error message (") + *status + ")";
    }
    if (markup) {
        return std::string("holds HTML markup");
    }
    return std::nullopt;
}

std::vector<Problem> checkSwitch(const PageEntry& page, std::string_view body) {
    if (isOn(body) || isOff(body)) {
        return {};
    }
    const std::string_view core = stripped(body);
    std::vector<std::string> faults = paddingFaults(body);
    std::optional<std::string_view> meant;
    if (core == "\xBF\xAA" || core == kOnUtf8) {
        meant = "on";
    } else if (core == "\xB9\xD8" || core == kOffUtf8) {
        meant = "off";
    }
    if (core == kOnUtf8 || core == kOffUtf8) {
        faults.insert(faults.begin(), "is UTF-8, not GBK");
    }
    if (body.empty()) {
        faults.emplace_back("is empty");
    } else if (!meant) {
        faults.emplace_back(quoted(body) + " is neither \xE5\xBC\x80 nor \xE5\x85\xB3");
    }
    return {{std::string(page.path),
             "switch " + joined(faults) + ": the program reads it as neither on nor off",
             meant ? setCommand(page.path, *meant) : setCommand(page.path, "on") + " (or off)"}};
}

std::vector<Problem> checkText(const PageEntry& page, std::string_view body) {
    std::vector<std::string> faults;
    std::string fixText;
    if (const auto zero = body.find('\0'); zero != std::string_view::npos) {
        faults.emplace_back("holds a zero byte, where the program cuts it off");
        body = body.substr(0, zero);
    }
    const std::optional<std::string> decoded = gbkToUtf8(stripped(body));
    if (!decoded) {
        faults.emplace_back(isUtf8(stripped(body)) ? "is UTF-8, not GBK" : "is not valid GBK");
        fixText = isUtf8(stripped(body)) ? std::string(stripped(body)) : "TEXT";
    } else {
        fixText = *decoded;
    }
    for (std::string& fault : paddingFaults(body)) {
        faults.push_back(std::move(fault));
    }
    if (const std::optional<std::string> error = errorPageFault(body)) {
        faults.insert(faults.begin(),
                      *error + (page.kind == PageKind::Name
                                    ? ", not a name: window titles would show it as it is"
                                    : ", not a text: the program would show it as it is"));
        fixText = page.kind == PageKind::Name ? "NAME" : "TEXT";
    }
    if (page.kind == PageKind::Name && stripped(body).empty()) {
        faults.emplace_back("is empty: window titles would be blank");
        fixText = "NAME";
    }
    if (faults.empty()) {
        return {};
    }
    return {{std::string(page.path), "text " + joined(faults),
             setCommand(page.path, shellWord(fixText))}};
}

std::string_view exampleValue(PageKind kind);

std::string addressFaultText(AddressFault fault) {
    switch (fault) {
        case AddressFault::NotWeb:
            return " is no http:// or https:// address";
        case AddressFault::ControlCharacter:
            return " holds a control character";
        case AddressFault::NoHost:
            return " names no host";
        case AddressFault::Blank:
            return " holds a blank (write %20 for one in a path)";
        case AddressFault::None:
            break;
    }
    return {};
}

std::string percentEscapedBlanks(std::string_view address) {
    std::string out;
    for (const char c : address) {
        out += c == ' ' ? std::string("%20") : std::string(1, c);
    }
    return out;
}

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<Problem> checkValue(const PageEntry& page, std::string_view body) {
    const std::string_view core = stripped(body);
    std::vector<std::string> faults = paddingFaults(body);
    std::string example;
    bool valueOk = false;
    const std::optional<std::string> error = errorPageFault(core);
    if (error && page.kind != PageKind::Address) {
        faults.insert(faults.begin(), *error + ", not a value the program can read");
        return {{std::string(page.path), joined(faults),
                 setCommand(page.path, exampleValue(page.kind))}};
    }
    switch (page.kind) {
        case PageKind::Number: {
            const auto dot = core.find('.');
            const std::string_view whole = core.substr(0, dot);
            const std::string_view fraction =
                dot == std::string_view::npos ? std::string_view{} : core.substr(dot + 1);
            valueOk = allDigits(whole) && (dot == std::string_view::npos || allDigits(fraction)) &&
                      whole.find_first_not_of('0') != std::string_view::npos;
            if (!valueOk) {
                faults.emplace_back(quoted(core) + " is not a positive number of seconds");
            }
            example = valueOk ? std::string(core) : "60";
            break;
        }
        case PageKind::Digits:
            valueOk = allDigits(core);
            if (!valueOk) {
                faults.emplace_back(quoted(core) + " is not a number (digits only)");
            }
            example = valueOk ? std::string(core) : "10000";
            break;
        case PageKind::Language:
            valueOk = core == "1" || core == "2" || core == "3";
            if (!valueOk) {
                faults.emplace_back(quoted(core) + " is not a language code (1, 2 or 3)");
            }
            example = valueOk ? std::string(core) : "1";
            break;
        case PageKind::Address: {
            const AddressFault fault = webAddressFault(core);
            valueOk = fault == AddressFault::None;
            example = valueOk ? std::string(core) : "https://www.example.com/";
            if (core.empty()) {
                faults.emplace_back("is empty: a click opens nothing");
            } else if (fault != AddressFault::None) {
                faults.emplace_back(quoted(core) + addressFaultText(fault) +
                                    "; the program refuses to open it");
            }
            // A blank in the path has a ready fix; one in the host has none.
            const std::size_t hostEnd = core.find_first_of("/?#", core.find("//") + 2);
            if (fault == AddressFault::Blank && core.find(' ') > hostEnd) {
                example = percentEscapedBlanks(core);
            }
            break;
        }
        default:
            break;
    }
    if (faults.empty()) {
        return {};
    }
    return {{std::string(page.path), joined(faults), setCommand(page.path, shellWord(example))}};
}

// What `set` takes for a page of the kind, for the fix of a missing page.
std::string_view exampleValue(PageKind kind) {
    switch (kind) {
        case PageKind::Switch:
            return "on|off";
        case PageKind::Name:
            return "NAME";
        case PageKind::Number:
            return "60";
        case PageKind::Digits:
            return "10000";
        case PageKind::Language:
            return "1|2|3";
        case PageKind::Address:
            return "https://www.example.com/";
        default:
            return "TEXT";
    }
}

std::optional<std::string> readFile(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::vector<Problem> checkPage(const PageEntry& page, std::string_view body) {
    switch (page.kind) {
        case PageKind::Switch:
            return checkSwitch(page, body);
        case PageKind::Name:
        case PageKind::Text:
            return checkText(page, body);
        case PageKind::Navigated:
            if (stripped(body).empty()) {
                return {{std::string(page.path), "page is empty: its browser view stays blank",
                         "write the HTML page " + std::string(page.path)}};
            }
            return {};
        default:
            return checkValue(page, body);
    }
}

std::vector<Problem> checkTree(const std::filesystem::path& root, std::string_view treeName) {
    std::vector<Problem> problems;
    for (const PageEntry& page : pageCatalog()) {
        const std::optional<std::string> body = readFile(root / page.path);
        std::vector<Problem> found;
        if (!body) {
            found.push_back({std::string(page.path),
                             "missing (" + std::string(page.purpose) +
                                 (page.kind == PageKind::Navigated
                                      ? "): its browser view shows the server's error page"
                                      : "): the program gets an empty page"),
                             page.kind == PageKind::Navigated
                                 ? "write the HTML page " + std::string(page.path)
                                 : setCommand(page.path, exampleValue(page.kind))});
        } else {
            found = checkPage(page, *body);
        }
        for (Problem& problem : found) {
            if (const auto at = problem.fix.find(" DIR "); at != std::string::npos) {
                problem.fix.replace(at + 1, 3, shellWord(treeName));
            }
            problems.push_back(std::move(problem));
        }
    }
    return problems;
}

std::string formatProblem(const Problem& problem) {
    return problem.page + ": " + problem.problem + "; fix: " + problem.fix;
}

}  // namespace quillo::site
