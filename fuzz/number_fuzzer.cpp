// The number reader against the C library's strtod on the same leading text:
// blanks, a sign, digits and a fraction, nothing else (no exponent, no
// hexadecimal, no "inf"). Both must give the same double, and the number test
// must agree with it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check.hpp"
#include "core/number.hpp"

namespace {

using quillo::fuzz::require;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The sign, digits and fraction at the start of text after its blanks; the
// empty string when that holds no digit.
std::string leadingNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(" \t\r\n\f\v");
    if (i == std::string_view::npos) {
        return {};
    }
    const std::size_t start = i;
    if (text[i] == '+' || text[i] == '-') {
        ++i;
    }
    bool digits = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits = true;
        }
    }
    return digits ? std::string(text.substr(start, i - start)) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = quillo::readNumber(text);

    const std::string number = leadingNumber(text);
    double expected = 0.0;
    if (!number.empty()) {
        char* end = nullptr;
        expected = std::strtod(number.c_str(), &end);
        require(end == number.c_str() + number.size(), "strtod reads the whole leading number");
        require(std::signbit(value) == std::signbit(expected), "the sign is kept");
    }
    require(value == expected, "the same double as strtod");
    for (int n = 1; n <= 3; ++n) {
        require(quillo::numberEquals(text, n) == (std::fabs(expected - n) <= 1e-7),
                "the number test agrees with the value");
    }
    return 0;
}
