// Short definitions of the text model's operations, written again from their documented rules
// and kept deliberately naive (walk from the first byte, build the result a byte at a time),
// so that the fuzz targets can hold the program's versions against them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace reference {

// Character-wise: a byte 0x80..0xFF and the byte after it are one character.
std::size_t CharWidth(std::string_view text, std::size_t i);
// The profile functions' pairs: a lead 0x81..0xFE with a trail 0x40..0x7E or 0x80..0xFE.
std::size_t ProfileCharWidth(std::string_view text, std::size_t i);
// Whether pos (0 .. size) is a boundary of the character-wise walk from the first byte.
bool IsCharBoundary(std::string_view text, std::size_t pos);
// The last boundary of that walk (or of the profile walk) at or before pos.
std::size_t BoundaryAtOrBefore(std::string_view text, std::size_t pos, bool profilePairs);
// No high byte at the end without its partner.
bool IsWhole(std::string_view text);

bool SameByte(unsigned char a, unsigned char b, bool ignoreCase);

std::string Mid(std::string_view text, long long start, long long count);
int FirstByteCode(std::string_view text);
long long Find(std::string_view text, std::string_view needle, long long start, bool ignoreCase);
std::string Replace(std::string_view text, std::string_view oldText, std::string_view newText,
                    long long start, long long count, bool caseSensitive);
int CompareSign(std::string_view a, std::string_view b);
std::string RemoveAllSpaces(std::string_view text);
std::string ToHalfWidth(std::string_view text);

// GBK/3, GBK/4 and the GB2312 hanzi rows.
bool IsHanzi(unsigned char b1, unsigned char b2);
// ToHalfWidth(RemoveAllSpaces(text)), then the lead-byte walk keeping the hanzi.
std::string ExtractHanzi(std::string_view text);

// The text between the first startMarker and the first endMarker after it.
std::string MarkerExtract(std::string_view text, std::string_view startMarker, std::string_view endMarker);
// Rounds of removing every "amp;" (any case, character-wise) until none is left; rounds
// counts them.
std::string RemoveAmpEscapes(std::string text, int* rounds);

}  // namespace reference
