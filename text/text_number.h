#pragma once

#include <string_view>

// A number read from a settings value: full-width forms folded, leading blanks skipped,
// the longest leading decimal number (sign, digits, fraction, exponent) cut toward zero;
// 0 when there is none. Values beyond the 32-bit range saturate.
int TextToNumber(std::string_view text);
