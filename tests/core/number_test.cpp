#include "core/number.hpp"

#include <gtest/gtest.h>

namespace quillo {
namespace {

struct NumberCase {
    const char* text;
    double value;
    int equalsCode;  // the code 1..3 the text passes the number test for, 0 for none
};

class NumberReading : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, ReadsLikeADecimalReader) {
    const NumberCase& c = GetParam();
    EXPECT_DOUBLE_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(numberEquals(c.text, n), c.equalsCode == n) << '"' << c.text << "\" vs " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberReading,
                         ::testing::Values(NumberCase{"1", 1.0, 1}, NumberCase{"1.0", 1.0, 1},
                                           NumberCase{" 1", 1.0, 1}, NumberCase{"02", 2.0, 2},
                                           NumberCase{"2.0000001", 2.0000001, 2},
                                           NumberCase{"2.0000002", 2.0000002, 0},
                                           // No exponent part: reading stops at the letter.
                                           NumberCase{"1e-9", 1.0, 1}, NumberCase{"3abc", 3.0, 3},
                                           NumberCase{"abc", 0.0, 0}, NumberCase{"", 0.0, 0},
                                           NumberCase{"-3", -3.0, 0}, NumberCase{"+3", 3.0, 3},
                                           NumberCase{".5", 0.5, 0},
                                           NumberCase{"0.0004", 0.0004, 0}, NumberCase{"-", 0.0, 0},
                                           NumberCase{"1,5", 1.0, 1}));

// The number taken from the leading text is the nearest double, however
// many digits it has (the same value a compiler gives the literal).
TEST(NumberReadingLimits, IsCorrectlyRounded) {
    EXPECT_EQ(readNumber("6756821523118.1112900"), 6756821523118.1112900);
    EXPECT_EQ(readNumber("2.0000000000000002220446049250313081"),
              2.0000000000000002220446049250313081);
    EXPECT_EQ(readNumber("123456789012345678901234567890"), 123456789012345678901234567890.0);
    EXPECT_EQ(readNumber("-0.1000000000000000055511151231257827xyz"),
              -0.1000000000000000055511151231257827);
    // A long fraction of a tiny number is still that number, not 0.
    EXPECT_EQ(readNumber("0." + std::string(310, '0') + "123456789012345678"),
              1.23456789012345678e-311);
    EXPECT_EQ(readNumber("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberReadingLimits, VeryLongDigitRunsStayFinite) {
    std::string ones(400, '1');
    EXPECT_GT(readNumber(ones), 1e300);
    EXPECT_DOUBLE_EQ(readNumber("1." + std::string(400, '0')), 1.0);
    EXPECT_TRUE(numberEquals("3." + std::string(400, '0') + "1", 3));
}

}  // namespace
}  // namespace quillo
