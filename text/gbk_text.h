// The GBK text model: byte strings in code page 936, positions counted from 1.
//
// Two ways of stepping through a text are in use. The character-wise rule treats a
// byte 0x80..0xFF and the byte after it as one character (searches, replacements,
// blank removal); the lead-byte rule of code page 936 only accepts 0x81..0xFE as a
// lead byte (hanzi extraction). They differ for 0x80 and 0xFF alone.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

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

inline bool IsHighByte(unsigned char byte) { return byte >= 0x80; }

// Byte length of the character that starts at index i under the character-wise rule.
inline std::size_t CharWidthAt(std::string_view text, std::size_t i) {
    return IsHighByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}
