// ConvertText over a long text one piece at a time, with the bytes of the whole-text result.
//
// The text may be cut right after any byte below 0x80 other than a space: that byte ends a
// character under both ways of stepping through a text, blank removal and folding keep it,
// so the hanzi of the whole are the hanzi of the pieces in order. The extracted text is
// hanzi only, whose conversion is the readings of its characters in order; the plain
// toneless and initials layouts put one space between readings, which falls between two
// pieces when each has hanzi.
//
// With phrases, the hanzi are read as words. A word is made of hanzi with nothing between them
// but line breaks (a word wrapped at the end of a line is still the word); so the hanzi at
// the end of a piece may begin a word that the next piece ends, and are held back until the
// next piece, or Finish, shows where their word ends.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "pinyin/conversion.h"
#include "pinyin/phrase_conversion.h"
#include "text/gbk_text.h"

// Length of the longest prefix of text that can be converted apart from what follows; 0 when
// no byte allows a cut.
std::size_t ConvertiblePrefix(std::string_view text);

class PiecewiseConverter {
public:
    // perLine: LineBreakGroups on the result.
    PiecewiseConverter(PinyinMode mode, bool mixed, bool perLine, bool phrases = false)
        : mode_(mode), mixed_(mixed), perLine_(perLine), phrases_(phrases) {
        if (phrases) phrase_.emplace();
    }

    struct Piece {
        bool spaceFirst = false;  // one space goes in front of text
        GbkText text;
    };
    // The result for the next piece of the text. Every piece but the last must be a
    // ConvertiblePrefix of what is left of the text; none may hold a zero byte.
    Piece Convert(std::string_view piece);
    // Only counts the hanzi of the next piece.
    void Skip(std::string_view piece);
    // After the last piece: the result for the hanzi still held back (with phrases).
    Piece Finish();

    // Hanzi found so far.
    std::size_t Count() const { return count_; }

private:
    Piece ConvertByPhrase(std::string_view piece);
    // Adds the conversion of a finished run of hanzi to result.
    void AppendRun(std::string_view run, Piece& result);
    Piece Finished(Piece result) const;

    PinyinMode mode_;
    bool mixed_;
    bool perLine_;
    bool phrases_;
    std::size_t count_ = 0;
    std::size_t written_ = 0;  // hanzi whose readings were given out (with phrases)
    GbkText openRun_;          // hanzi of a word that may go on in the next piece
    std::optional<PhraseRunConverter> phrase_;
};
