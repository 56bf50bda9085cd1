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
        plain =
            plain && (std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '/' ||
                      c == ':' || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80);
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

bool allDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<Problem> checkValue(const PageEntry& page, std::string_view body) {
    const std::string_view core = stripped(body);
    std::vector<std::string> faults = paddingFaults(body);
    std::string example;
    bool valueOk = false;
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
        case PageKind::Address:
            valueOk = isWebAddress(core);
            if (core.empty()) {
                faults.emplace_back("is empty: a click opens nothing");
            } else if (!valueOk) {
                faults.emplace_back(
                    quoted(core) +
                    " is no http:// or https:// address; the program refuses to open it");
            }
            example = valueOk ? std::string(core) : "https://www.example.com/";
            break;
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
            found.push_back(
                {std::string(page.path),
                 "missing (" + std::string(page.purpose) + "): the program gets an empty page",
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
