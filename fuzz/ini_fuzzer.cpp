// The INI reader and writer on whole-file texts: write one key of section
// "Config", then read back. The written value reads back, writing it again
// changes nothing, every other key keeps its value, and every byte of the
// file outside the replaced value is kept.
//
// Input: key, a zero byte, value, a zero byte, then the file content.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "check.hpp"
#include "config/ini_text.hpp"
#include "core/text.hpp"

namespace {

using quillo::fuzz::require;
namespace ini = quillo::ini;

constexpr std::string_view kSection = "Config";

std::string_view trimBlanks(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Takes the text up to the next zero byte off the front of input.
std::string_view takeField(std::string_view& input) {
    const std::size_t zero = input.find('\0');
    const std::string_view field = input.substr(0, zero);
    input.remove_prefix(zero == std::string_view::npos ? input.size() : zero + 1);
    return field;
}

// Every (section, key) name pair the content might hold, found by a plain
// scan; the reader decides what they hold.
std::vector<std::pair<std::string, std::string>> namesIn(std::string_view content) {
    std::vector<std::pair<std::string, std::string>> names;
    std::string section;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        const std::string_view line = trimBlanks(content.substr(start, end - start));
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            if (close != std::string_view::npos) {
                section = trimBlanks(line.substr(1, close - 1));
            }
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            names.emplace_back(section, trimBlanks(line.substr(0, equals)));
        }
        start = end + 1;
    }
    return names;
}

// The bytes of before that after does not keep lie inside the value of one
// line for key (after its '='), or there are none.
bool onlyTheValueChanged(std::string_view before, std::string_view after, std::string_view key) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    const std::string_view lost = before.substr(prefix, before.size() - prefix - suffix);
    if (lost.empty()) {
        return true;
    }
    if (lost.find('\n') != std::string_view::npos) {
        return false;
    }
    const std::size_t lineStart = prefix == 0 ? 0 : before.rfind('\n', prefix - 1) + 1;
    const std::string_view line = before.substr(lineStart, before.find('\n', prefix) - lineStart);
    const std::size_t equals = line.find('=');
    return equals != std::string_view::npos && prefix > lineStart + equals &&
           ini::namesEqual(trimBlanks(line.substr(0, equals)), trimBlanks(key));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view key = takeField(input);
    const std::string_view value = takeField(input);
    const std::string_view content = input;

    const std::optional<std::string> written = ini::withValue(content, kSection, key, value);
    if (!written) {
        return 0;
    }
    const std::string& after = *written;
    require(ini::findValue(after, kSection, key) == trimBlanks(quillo::textFromBytes(value)),
            "the written value reads back");
    require(ini::withValue(after, kSection, key, value) == after,
            "writing the same value again changes nothing");
    for (const auto& [section, name] : namesIn(content)) {
        if (ini::namesEqual(section, kSection) && ini::namesEqual(name, trimBlanks(key))) {
            continue;
        }
        require(ini::findValue(after, section, name) == ini::findValue(content, section, name),
                "every other key keeps its value");
    }
    require(onlyTheValueChanged(content, after, key),
            "every byte outside the replaced value is kept");
    return 0;
}
