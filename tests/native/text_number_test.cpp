#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "text/text_number.h"

namespace {

struct NumberCase {
    const char* text;
    int expected;
};

class TextToNumberCase : public testing::TestWithParam<NumberCase> {};

TEST_P(TextToNumberCase, ReadsLeadingDecimalNumber) {
    EXPECT_EQ(TextToNumber(GetParam().text), GetParam().expected) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Plain, TextToNumberCase, testing::Values(
    NumberCase{"0", 0}, NumberCase{"22", 22}, NumberCase{"255", 255}, NumberCase{"16711680", 16711680},
    NumberCase{"-30", -30}, NumberCase{"+7", 7}, NumberCase{"007", 7}));

// Cut toward zero, never rounded.
INSTANTIATE_TEST_SUITE_P(Fractions, TextToNumberCase, testing::Values(
    NumberCase{"12.9", 12}, NumberCase{"-3.5", -3}, NumberCase{"-0.9", 0}, NumberCase{".5", 0},
    NumberCase{"5.", 5}, NumberCase{"566.5", 566}, NumberCase{"1.5e1", 15}, NumberCase{"25e-1", 2},
    NumberCase{"-25E-1", -2}, NumberCase{"1e+3", 1000}));

// The longest leading number: what follows it, or an exponent without digits, is ignored.
INSTANTIATE_TEST_SUITE_P(Prefixes, TextToNumberCase, testing::Values(
    NumberCase{"12px", 12}, NumberCase{"12e", 12}, NumberCase{"12e+", 12}, NumberCase{"12.5.6", 12},
    NumberCase{"3-4", 3}, NumberCase{"1,000", 1}, NumberCase{"0x1F", 0}, NumberCase{"12 34", 12},
    NumberCase{"   42", 42}, NumberCase{"\t\r\n 8", 8}));

INSTANTIATE_TEST_SUITE_P(NoNumber, TextToNumberCase, testing::Values(
    NumberCase{"", 0}, NumberCase{"abc", 0}, NumberCase{"宋体", 0}, NumberCase{"-", 0}, NumberCase{"+.", 0},
    NumberCase{".", 0}, NumberCase{"- 5", 0}, NumberCase{"e5", 0}, NumberCase{"nan", 0}, NumberCase{"NaN", 0},
    NumberCase{"inf", 0}, NumberCase{"-infinity", 0}, NumberCase{"\x80", 0}));

// Full-width digits, signs, point and blank are read as their ASCII forms.
INSTANTIATE_TEST_SUITE_P(FullWidth, TextToNumberCase, testing::Values(
    NumberCase{"１２", 12}, NumberCase{"－３０", -30}, NumberCase{"＋５", 5}, NumberCase{"１２．９", 12},
    NumberCase{"　１１", 11}, NumberCase{"2２", 22}, NumberCase{"１２号", 12}));

// Beyond the 32-bit range the nearest 32-bit value.
INSTANTIATE_TEST_SUITE_P(Range, TextToNumberCase, testing::Values(
    NumberCase{"2147483647", INT_MAX}, NumberCase{"2147483647.99", INT_MAX}, NumberCase{"2147483648", INT_MAX},
    NumberCase{"-2147483648", INT_MIN}, NumberCase{"-2147483648.9", INT_MIN}, NumberCase{"-2147483649", INT_MIN},
    NumberCase{"99999999999999999999", INT_MAX}, NumberCase{"1e308", INT_MAX}, NumberCase{"1e999", INT_MAX},
    NumberCase{"-1e999", INT_MIN}, NumberCase{"1e99999999999999999999", INT_MAX}, NumberCase{"1e-999", 0},
    NumberCase{"-1e-999", 0}, NumberCase{"0e999999", 0}, NumberCase{"0.000000000000000000001e30", 1000000000}));

TEST(TextToNumber, VeryLongDigitRuns) {
    EXPECT_EQ(TextToNumber(std::string(100000, '9')), INT_MAX);
    EXPECT_EQ(TextToNumber(std::string(100000, '0') + "42"), 42);
}

}  // namespace
