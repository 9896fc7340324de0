// Conversion of hanzi into pinyin: three modes, plain or mixed with the hanzi.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/gbk_text.h"

enum class PinyinMode { WithTones, WithoutTones, InitialsOnly };

// Converts an extracted text (the joined items of a HanziList).
GbkText ConvertHanziText(std::string_view text, PinyinMode mode, bool mixed);
// The same, character by character without the pre-rendered table: the definition that the
// fast path must agree with.
GbkText ConvertHanziTextStepByStep(std::string_view text, PinyinMode mode, bool mixed);

struct Conversion {
    GbkText text;
    std::size_t count = 0;
};

// Extracts the hanzi of input into the shared HanziList and converts them.
Conversion ConvertText(std::string_view input, PinyinMode mode, bool mixed);

// The one-group-per-line form of a mixed result: every "）" followed by CR LF, unless the
// text already holds a broken group.
GbkText LineBreakGroups(std::string_view text);

// Layout literals.
inline constexpr std::string_view kOpenParen = "（";
inline constexpr std::string_view kCloseParen = "）";
inline constexpr std::string_view kGroupBreak = "）\r\n";
