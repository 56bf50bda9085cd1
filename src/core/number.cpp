#include "core/number.hpp"

#include <cmath>
#include <cstddef>

namespace quillo {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

}  // namespace

double readNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    double sign = 1.0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        sign = text[i] == '-' ? -1.0 : 1.0;
        ++i;
    }
    // Digits are gathered as an integer mantissa with a decimal exponent so
    // that "2.0000001" is one correctly rounded division, not a sum of
    // inexact fractions. Digits past the 18th significant one cannot change
    // the double and only move the exponent.
    constexpr int kMaxDigits = 18;
    double mantissa = 0.0;
    int exponent = 0;
    int significant = 0;
    bool anyDigit = false;
    auto addDigit = [&](char c, bool fraction) {
        anyDigit = true;
        if (significant < kMaxDigits) {
            mantissa = mantissa * 10.0 + (c - '0');
            if (mantissa != 0.0) {
                ++significant;
            }
            exponent -= fraction ? 1 : 0;
        } else if (!fraction) {
            ++exponent;
        }
    };
    for (; i < text.size() && isDigit(text[i]); ++i) {
        addDigit(text[i], false);
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            addDigit(text[i], true);
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    double magnitude =
        exponent >= 0 ? mantissa * std::pow(10.0, exponent) : mantissa / std::pow(10.0, -exponent);
    return sign * magnitude;
}

bool numberEquals(std::string_view text, int n) {
    return std::fabs(readNumber(text) - static_cast<double>(n)) <= 1e-7;
}

}  // namespace quillo
