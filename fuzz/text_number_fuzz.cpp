// Text to number against a model of its rule: full-width forms folded, leading blanks
// skipped, the longest leading decimal number (sign, digits, fraction, exponent with digits)
// read as the nearest double by the C library, cut toward zero, and saturated at the 32-bit
// limits. Inputs are any bytes, often with their digits, signs and points turned full-width.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/reference_text.h"
#include "text/gbk_text.h"
#include "text/text_number.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int NumberByModel(std::string_view text) {
    const std::string t = reference::ToHalfWidth(text);
    std::size_t i = 0;
    while (i < t.size() && (t[i] == ' ' || (t[i] >= '\t' && t[i] <= '\r'))) ++i;
    std::string number;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) number += t[i++];
    std::size_t digits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i, ++digits) number += t[i];
    if (i < t.size() && t[i] == '.') {
        number += t[i++];
        for (; i < t.size() && IsDigit(t[i]); ++i, ++digits) number += t[i];
    }
    if (digits == 0) return 0;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        const std::size_t first = j;
        while (j < t.size() && IsDigit(t[j])) ++j;
        if (j > first) number += t.substr(i, j - i);
    }
    // The number is now plain decimal text, which strtod reads whole, rounding to nearest and
    // giving infinity past the largest double.
    const double value = std::strtod(number.c_str(), nullptr);
    if (value >= 2147483648.0) return INT_MAX;
    if (value <= -2147483649.0) return INT_MIN;
    return static_cast<int>(std::trunc(value));
}

// The full-width form of an ASCII character that the rule folds, or the character itself.
std::string FullWidth(char c) {
    if (c == ' ') return "\xA1\xA1";
    if (c > ' ' && c <= '~') return std::string{'\xA3', static_cast<char>(c + 0x80)};
    return std::string(1, c);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t mask = data[0];
    std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (mask & 1) {
        std::string wide;
        for (std::size_t i = 0; i < text.size(); ++i) wide += (mask >> (1 + i % 7)) & 1 ? FullWidth(text[i]) : text.substr(i, 1);
        text = wide;
    }
    const int number = TextToNumber(text);
    FUZZ_CHECK(number == NumberByModel(text));
    FUZZ_CHECK(TextToNumber(ToHalfWidth(text)) == number);
    return 0;
}
