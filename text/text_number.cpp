#include "text/text_number.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <optional>
#include <string>

#include "text/gbk_text.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLeadingBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

struct NumberSpan {
    bool negative = false;
    std::string_view digits;   // mantissa with its decimal point, without the sign
    std::string_view exponent; // the exponent with its sign, without the 'e'; may be empty
};

// The longest leading decimal number: sign, digits with an optional fraction (at least one
// digit in all), then an exponent only when it has digits of its own ("12e" reads 12).
// Hexadecimal forms and the words "nan" and "inf" are no numbers here.
std::optional<NumberSpan> LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    NumberSpan span;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) span.negative = text[i++] == '-';
    const std::size_t start = i;
    std::size_t digitCount = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) ++digitCount;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digitCount;
    }
    if (digitCount == 0) return std::nullopt;
    span.digits = text.substr(start, i - start);
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t expDigits = j;
        while (j < text.size() && IsDigit(text[j])) ++j;
        if (j > expDigits) span.exponent = text.substr(i + 1, j - i - 1);
    }
    return span;
}

// Whether a number that the conversion found out of range is too large (rather than too
// small): its first significant digit stands before the decimal point once the exponent
// has moved it.
bool Overflows(const NumberSpan& span) {
    const std::size_t point = span.digits.find('.');
    const std::size_t intDigits = point == std::string_view::npos ? span.digits.size() : point;
    const std::size_t first = span.digits.find_first_of("123456789");
    if (first == std::string_view::npos) return false;
    // The power of ten just above the first significant digit.
    const long long position = first < intDigits ? static_cast<long long>(intDigits - first)
                                 : -static_cast<long long>(first - intDigits - 1);
    long long exponent = 0;
    std::size_t k = 0;
    bool negativeExponent = false;
    if (k < span.exponent.size() && (span.exponent[k] == '+' || span.exponent[k] == '-')) {
        negativeExponent = span.exponent[k++] == '-';
    }
    for (; k < span.exponent.size(); ++k) {
        if (exponent < 1'000'000'000) exponent = exponent * 10 + (span.exponent[k] - '0');
    }
    return position + (negativeExponent ? -exponent : exponent) > 0;
}

}  // namespace

int TextToNumber(std::string_view text) {
    const GbkText folded = ToHalfWidth(text);
    std::string_view rest(folded);
    while (!rest.empty() && IsLeadingBlank(rest.front())) rest.remove_prefix(1);
    const auto span = LeadingNumber(rest);
    if (!span) return 0;

    std::string number(span->digits);
    if (!span->exponent.empty()) number.append("e").append(span->exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                              std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        value = Overflows(*span) ? HUGE_VAL : 0.0;
    } else if (error != std::errc()) {
        return 0;
    }
    if (span->negative) value = -value;

    // Cut toward zero; what lies beyond the 32-bit range saturates.
    if (value >= 2147483648.0) return INT_MAX;
    if (value <= -2147483649.0) return INT_MIN;
    return static_cast<int>(value);
}
