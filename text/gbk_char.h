// How the program steps through GBK bytes. Three rules are in use, and they differ on purpose:
// - character-wise: any byte 0x80..0xFF takes the next byte with it (searches, replacements,
//   blank removal, the text box, every cut to a byte count);
// - the lead-byte rule of code page 936: only 0x81..0xFE leads (hanzi extraction); it parts
//   from the character-wise rule for 0x80 and 0xFF alone;
// - the pair rule of the Windows profile functions: a lead 0x81..0xFE only with a trail
//   0x40..0x7E or 0x80..0xFE (the INI reader, so that it cuts lines and names as Windows does).
#pragma once

#include <cstddef>
#include <string_view>

inline bool IsHighByte(unsigned char byte) { return byte >= 0x80; }

// Byte length of the character at index i under the character-wise rule; a high byte at the
// end of the text stands alone.
inline std::size_t CharWidthAt(std::string_view text, std::size_t i) {
    return IsHighByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

// Lead byte of code page 936.
inline bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Byte length of the character at index i under the profile functions' pair rule.
inline std::size_t ProfileCharWidthAt(std::string_view text, std::size_t i) {
    if (!IsLeadByte(static_cast<unsigned char>(text[i])) || i + 1 >= text.size()) return 1;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

enum class GbkStepRule { CharacterWise, ProfilePairs };

// The character boundary at or before pos (the text's size when pos is past it): the length
// of the longest prefix of at most pos bytes that never ends inside a two-byte character.
std::size_t CharStartAtOrBefore(std::string_view text, std::size_t pos,
                                GbkStepRule rule = GbkStepRule::CharacterWise);

// At most maxBytes bytes of text, never half a two-byte character.
inline std::string_view CutOnCharBoundary(std::string_view text, std::size_t maxBytes,
                                          GbkStepRule rule = GbkStepRule::CharacterWise) {
    return text.substr(0, CharStartAtOrBefore(text, maxBytes, rule));
}

// ASCII letters folded to lower case; every other byte unchanged.
inline unsigned char AsciiLower(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}
