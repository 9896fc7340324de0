// ConvertText over a long text one piece at a time, with the bytes of the whole-text result.
//
// The text may be cut right after any byte below 0x80 other than a space: that byte ends a
// character under both ways of stepping through a text, blank removal and folding keep it,
// so the hanzi of the whole are the hanzi of the pieces in order. The extracted text is
// hanzi only, whose conversion is the readings of its characters in order; the plain
// toneless and initials layouts put one space between readings, which falls between two
// pieces when each has hanzi.
#pragma once

#include <cstddef>
#include <string_view>

#include "pinyin/conversion.h"
#include "text/gbk_text.h"

// Length of the longest prefix of text that can be converted apart from what follows; 0 when
// no byte allows a cut.
std::size_t ConvertiblePrefix(std::string_view text);

class PiecewiseConverter {
public:
    // perLine: LineBreakGroups on the result.
    PiecewiseConverter(PinyinMode mode, bool mixed, bool perLine)
        : mode_(mode), mixed_(mixed), perLine_(perLine) {}

    struct Piece {
        bool spaceFirst = false;  // one space goes in front of text
        GbkText text;
    };
    // The result for the next piece of the text. Every piece but the last must be a
    // ConvertiblePrefix of what is left of the text; none may hold a zero byte.
    Piece Convert(std::string_view piece);
    // Only counts the hanzi of the next piece.
    void Skip(std::string_view piece);

    // Hanzi found so far.
    std::size_t Count() const { return count_; }

private:
    PinyinMode mode_;
    bool mixed_;
    bool perLine_;
    std::size_t count_ = 0;
};
