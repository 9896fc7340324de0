// The GBK text model: byte strings in code page 936, positions counted from 1.
// Searches and replacements step character-wise (text/gbk_char.h).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "text/gbk_char.h"

using GbkText = std::string;
using TextPos = std::ptrdiff_t;

inline constexpr TextPos kNotFound = -1;
inline constexpr TextPos kNoLimit = -1;

inline TextPos TextLength(std::string_view text) { return static_cast<TextPos>(text.size()); }

// At most count bytes from start; empty when start < 1, start > length or count <= 0.
GbkText MidText(std::string_view text, TextPos start, TextPos count);

// The first byte as a signed 8-bit value; 0 for the empty text.
int FirstByteCode(std::string_view text);

// Character-wise search: a match never begins on the second byte of a character.
TextPos FindText(std::string_view text, std::string_view needle, TextPos start = 1,
                 bool ignoreCase = false);

// Character-wise replacement from start, left to right, without overlap, at most count times.
GbkText ReplaceText(std::string_view text, std::string_view oldText, std::string_view newText,
                    TextPos start = 1, TextPos count = kNoLimit, bool caseSensitive = true);

GbkText ConcatText(std::initializer_list<std::string_view> parts);

// Unsigned byte-wise comparison: negative, 0 when equal, positive.
int CompareText(std::string_view a, std::string_view b);

// Drops every 0x20 and every full-width blank (A1 A1); a final unpaired byte 0x80..0xFF goes too.
GbkText RemoveAllSpaces(std::string_view text);

// Folds the full-width forms A3 A1..A3 FE, the full-width blank, ～, ☆ and ★ to ASCII.
GbkText ToHalfWidth(std::string_view text);
