#include "config/ini_text.hpp"

#include <cstddef>
#include <vector>

namespace quillo::ini {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool isGbkLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

char foldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// One line of the file: `raw` holds its ending, `body` does not.
struct Line {
    std::string_view raw;
    std::string_view body;

    std::string_view ending() const { return raw.substr(body.size()); }
};

std::vector<Line> splitLines(std::string_view content) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t newline = content.find('\n', start);
        const std::size_t end = newline == std::string_view::npos ? content.size() : newline + 1;
        const std::string_view raw = content.substr(start, end - start);
        std::string_view body = raw;
        if (!body.empty() && body.back() == '\n') {
            body.remove_suffix(1);
        }
        if (!body.empty() && body.back() == '\r') {
            body.remove_suffix(1);
        }
        lines.push_back({raw, body});
        start = end;
    }
    return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
    // Offsets in the body just after '=' and where the value starts (after
    // the blanks that follow '=').
    std::size_t equalsEnd = 0;
    std::size_t valueOffset = 0;
};

ParsedLine parseLine(std::string_view body) {
    const std::string_view trimmed = trimBlanks(body);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') {
        return {};
    }
    if (trimmed.front() == '[') {
        const std::size_t close = trimmed.find(']');
        if (close == std::string_view::npos) {
            return {};
        }
        return {LineKind::Section, trimBlanks(trimmed.substr(1, close - 1)), {}, 0, 0};
    }
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    const std::string_view name = trimBlanks(body.substr(0, equals));
    if (name.empty()) {
        return {};
    }
    std::size_t valueOffset = equals + 1;
    while (valueOffset < body.size() && isBlank(body[valueOffset])) {
        ++valueOffset;
    }
    return {LineKind::Key, name, trimBlanks(body.substr(valueOffset)), equals + 1, valueOffset};
}

// Where a section's key lives, or where it would go.
struct Location {
    // Index of the first matching key line, if any.
    std::optional<std::size_t> keyLine;
    // Index of the first matching section header, if any.
    std::optional<std::size_t> sectionHeader;
    // Index of the last key line under that first header, if any.
    std::optional<std::size_t> lastKeyOfSection;
};

Location locate(const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location where;
    bool inMatchingSection = false;
    bool inFirstMatchingSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ParsedLine line = parseLine(lines[i].body);
        if (line.kind == LineKind::Section) {
            inMatchingSection = namesEqual(line.name, section);
            inFirstMatchingSection = inMatchingSection && !where.sectionHeader;
            if (inFirstMatchingSection) {
                where.sectionHeader = i;
            }
            continue;
        }
        if (line.kind != LineKind::Key || !inMatchingSection) {
            continue;
        }
        if (inFirstMatchingSection) {
            where.lastKeyOfSection = i;
        }
        if (!where.keyLine && namesEqual(line.name, key)) {
            where.keyLine = i;
        }
    }
    return where;
}

bool containsAny(std::string_view s, std::string_view bytes) {
    return s.find_first_of(bytes) != std::string_view::npos;
}

constexpr std::string_view kLineBreaksAndZero("\r\n\0", 3);

bool isWritableSectionName(std::string_view name) {
    return !name.empty() && !containsAny(name, kLineBreaksAndZero) && !containsAny(name, "[]");
}

bool isWritableKeyName(std::string_view name) {
    return !name.empty() && name.front() != ';' && name.front() != '#' &&
           !containsAny(name, kLineBreaksAndZero) && !containsAny(name, "=[");
}

}  // namespace

bool namesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    std::size_t i = 0;
    while (i < a.size()) {
        if (isGbkLeadByte(a[i]) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) {
                return false;
            }
            i += 2;
            continue;
        }
        if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
        ++i;
    }
    return true;
}

std::string_view lineEnding(std::string_view content) {
    const std::size_t newline = content.find('\n');
    if (newline != std::string_view::npos && (newline == 0 || content[newline - 1] != '\r')) {
        return "\n";
    }
    return "\r\n";
}

Text findValue(std::string_view content, std::string_view section, std::string_view key) {
    const std::vector<Line> lines = splitLines(content);
    const Location where = locate(lines, trimBlanks(section), trimBlanks(key));
    if (!where.keyLine) {
        return {};
    }
    return textFromBytes(parseLine(lines[*where.keyLine].body).value);
}

std::optional<std::string> withValue(std::string_view content, std::string_view section,
                                     std::string_view key, std::string_view value) {
    section = trimBlanks(section);
    key = trimBlanks(key);
    value = value.substr(0, value.find('\0'));
    if (!isWritableSectionName(section) || !isWritableKeyName(key) || containsAny(value, "\r\n")) {
        return std::nullopt;
    }

    const std::string_view ending = lineEnding(content);
    const std::vector<Line> lines = splitLines(content);
    const Location where = locate(lines, section, key);

    std::string out;
    out.reserve(content.size() + section.size() + key.size() + value.size() + 8);
    auto appendKeyLine = [&] { out.append(key).append("=").append(value).append(ending); };
    // Appends a line, giving an unterminated last line an ending first when
    // something is to follow it. Every byte of the line is kept: one that
    // ends in CR is completed to CRLF, so that CR stays its ending and the
    // line reads as before.
    auto appendLineBefore = [&](const Line& line) {
        out.append(line.raw);
        if (line.raw.back() == '\r') {
            out.append("\n");
        } else if (line.raw.back() != '\n') {
            out.append(ending);
        }
    };

    if (where.keyLine) {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Line& line = lines[i];
            if (i != *where.keyLine) {
                out.append(line.raw);
                continue;
            }
            // The spacing after '=' is kept for a plain value; a value with
            // blanks of its own brings them instead, so they are written once.
            const ParsedLine parsed = parseLine(line.body);
            const bool ownBlanks = !value.empty() && isBlank(value.front());
            const std::size_t keep = ownBlanks ? parsed.equalsEnd : parsed.valueOffset;
            out.append(line.body.substr(0, keep)).append(value).append(line.ending());
        }
        return out;
    }

    if (where.sectionHeader) {
        const std::size_t insertAfter = where.lastKeyOfSection.value_or(*where.sectionHeader);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i == insertAfter) {
                appendLineBefore(lines[i]);
                appendKeyLine();
            } else {
                out.append(lines[i].raw);
            }
        }
        return out;
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i + 1 == lines.size()) {
            appendLineBefore(lines[i]);
        } else {
            out.append(lines[i].raw);
        }
    }
    out.append("[").append(section).append("]").append(ending);
    appendKeyLine();
    return out;
}

}  // namespace quillo::ini
