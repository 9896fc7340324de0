// Line wrapping of the program's own text box: where each line of a text begins, as a
// function of the text, the width of each character and the width of the box, in one pass.
//
// A line ends at a hard break (CR LF, or LF alone) or where the next character would pass
// the box width. It is then broken at the last place where a break may stand: after a run of
// blanks, or between two two-byte characters (not before closing punctuation such as "）"
// and "，", not beside opening punctuation such as "（", so that "中（zhōng）" holds
// together). Blanks hang past the edge instead of starting a line. A word longer than the
// line is broken where it passes the edge.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "text/text_buffer.h"

// Widths of characters in pixels, each distinct character measured once.
class CharWidths {
public:
    // Measures one character: one byte, or two for a two-byte character.
    using Measure = std::function<int(std::string_view character)>;

    // Forgets every width; a new font measures anew.
    void Reset(Measure measure);

    int Single(unsigned char byte) {
        int& w = single_[byte];
        if (w < 0) w = MeasureOnce(std::string_view(reinterpret_cast<const char*>(&byte), 1));
        return w;
    }
    int Double(unsigned char lead, unsigned char trail);
    // The character at pos, of byteCount bytes (1 or 2).
    int At(std::string_view text, std::size_t pos, std::size_t byteCount) {
        return byteCount == 2 ? Double(static_cast<unsigned char>(text[pos]), static_cast<unsigned char>(text[pos + 1]))
                              : Single(static_cast<unsigned char>(text[pos]));
    }

private:
    int MeasureOnce(std::string_view character) const;

    Measure measure_;
    std::array<int, 256> single_ = Unknown<256>();
    std::array<std::unique_ptr<std::array<int, 256>>, 256> double_;  // by lead, then trail; rows made on first use

    template <std::size_t N>
    static std::array<int, N> Unknown() {
        std::array<int, N> a{};
        a.fill(-1);
        return a;
    }
};

class TextLayout {
public:
    TextLayout();

    // The font's character widths; every width is measured again.
    void SetMeasure(CharWidths::Measure measure) { widths_.Reset(std::move(measure)); }
    // Wrap width in pixels, and the distance of tab stops (0: a tab is as wide as measured).
    void SetWrapWidth(int width, int tabStop) {
        width_ = width;
        tabStop_ = tabStop;
    }
    int WrapWidth() const { return width_; }

    // Lays the whole text out.
    void LayOut(std::string_view text);
    // The text has changed as change says; only the lines it can reach are laid out again.
    void Update(std::string_view text, const TextChange& change);

    // There is always at least one line, empty for the empty text.
    std::size_t LineCount() const { return starts_.size(); }
    std::size_t LineStart(std::size_t line) const { return starts_[line]; }
    // Where the line's visible text ends: before its hard break, if it has one.
    std::size_t LineEnd(std::string_view text, std::size_t line) const;
    // The line that holds pos: the last line that starts at or before it.
    std::size_t LineOf(std::size_t pos) const;

    // The width of the character at pos (1 or 2 bytes) when it stands x pixels into its line.
    int CharWidthAt(std::string_view text, std::size_t pos, std::size_t byteCount, int x);
    // Pixels from the start of the line to pos, which lies on it.
    int XOf(std::string_view text, std::size_t line, std::size_t pos);
    // The character boundary of the line nearest to x pixels from its start.
    std::size_t PosAtX(std::string_view text, std::size_t line, int x);

private:
    // The start of the line after the one that starts at start; 0 when it runs to the end.
    std::size_t NextLineStart(std::string_view text, std::size_t start);

    CharWidths widths_;
    std::vector<std::size_t> starts_;
    int width_ = 0;
    int tabStop_ = 0;
};
