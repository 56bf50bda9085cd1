#include "core/number.hpp"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

namespace quillo {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && isDigit(text[i])) {
        ++i;
    }
    return i;
}

}  // namespace

double readNumber(std::string_view text) {
    // The leading text decides what is read: blanks, a sign, digits and a
    // fraction; an exponent, "inf" or hexadecimal digits are not part of it.
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    const std::size_t integerEnd = skipDigits(text, start);
    std::size_t end = integerEnd;
    if (end < text.size() && text[end] == '.') {
        end = skipDigits(text, end + 1);
    }
    const bool anyDigit = integerEnd > start || end > integerEnd + 1;
    if (!anyDigit) {
        return 0.0;  // "", "-", ".", "abc"
    }

    // The standard library's conversion is correctly rounded whatever the
    // number of digits.
    const std::string_view digits = text.substr(start, end - start);
    double magnitude = 0.0;
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(),
                                               magnitude, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double, or too small for anything but zero.
        const bool large = digits.find_first_not_of('0') < integerEnd - start;
        magnitude = large ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc() || stop != digits.data() + digits.size()) {
        return 0.0;
    }
    return negative ? -magnitude : magnitude;
}

bool numberEquals(std::string_view text, int n) {
    return std::fabs(readNumber(text) - static_cast<double>(n)) <= 1e-7;
}

}  // namespace quillo
