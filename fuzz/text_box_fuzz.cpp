// The model of the program's own text box: random sequences of typing, pasting, deleting,
// selecting, undoing and re-wrapping. The text stays well-formed GBK, whatever is pasted;
// the caret and the selection stand on character boundaries, never between CR and LF; every
// change reports where the text changed; the layout updated line by line is the layout made
// afresh; and the lines cover the text exactly once, each fitting the width unless nothing
// could be broken, with a soft break only where one may stand, so that a hanzi is parted from
// the parenthesised reading after it only when the group is wider than the box.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/reference_text.h"
#include "text/text_buffer.h"
#include "text/text_layout.h"

namespace {

unsigned char At(std::string_view t, std::size_t i) { return static_cast<unsigned char>(t[i]); }

// Pieces of what a user types or pastes, many of them the ones the wrapping treats apart.
constexpr std::string_view kPieces[] = {
    "a", "Z", "7", " ", "\t", "\r\n", "\n", "\r", "中", "文", "（", "）", "，", "。", "“", "”",
    "ā", "ǖ", "zhōng", "中（zhōng）", "《", "》", "…", "　", "丂", "\xFE\x40", "\x80\x41", "\xFF\xFF",
};

// A text of pieces and of two-byte characters made from input bytes: always whole.
std::string WholeText(FuzzInput& in) {
    std::string text;
    const std::size_t n = in.Choice(12);
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint8_t how = in.Byte();
        if (how < 0xC0) {
            text += kPieces[how % std::size(kPieces)];
        } else {
            text += static_cast<char>(0x80 | in.Byte());
            text += static_cast<char>(in.Byte() | 1);  // never a zero byte
        }
    }
    return text;
}

// Which positions are character boundaries, walking from the first byte.
std::vector<bool> Boundaries(std::string_view text) {
    std::vector<bool> at(text.size() + 1, false);
    for (std::size_t i = 0; i < text.size(); i += reference::CharWidth(text, i)) at[i] = true;
    at[text.size()] = true;
    return at;
}

bool InsideCrLf(std::string_view text, const std::vector<bool>& boundary, std::size_t pos) {
    return pos > 0 && pos < text.size() && text[pos - 1] == '\r' && text[pos] == '\n' && boundary[pos - 1];
}

void CheckPosition(std::string_view text, const std::vector<bool>& boundary, std::size_t pos) {
    FUZZ_CHECK(pos <= text.size() && boundary[pos] && !InsideCrLf(text, boundary, pos));
}

bool IsClosingMark(unsigned code) {
    switch (code) {
        case 0xA3A9: case 0xA3AC: case 0xA1A3: case 0xA1A2: case 0xA3BB: case 0xA3BA: case 0xA3A1:
        case 0xA3BF: case 0xA1B9: case 0xA1BB: case 0xA1BF: case 0xA1B7: case 0xA1B5: case 0xA1B1:
        case 0xA1AF: case 0xA1AD: case 0xA3DD: case 0xA3FD: case 0xA3AE: case 0xA1B3: case 0xA1BD:
            return true;
        default:
            return false;
    }
}

bool IsOpeningMark(unsigned code) {
    switch (code) {
        case 0xA3A8: case 0xA1B8: case 0xA1BA: case 0xA1BE: case 0xA1B6: case 0xA1B4: case 0xA1B0:
        case 0xA1AE: case 0xA3DB: case 0xA3FB: case 0xA1B2: case 0xA1BC:
            return true;
        default:
            return false;
    }
}

// The reading's letters ā..ɡ belong to their word.
bool IsPinyinLetterCode(unsigned code) { return code >= 0xA8A1 && code <= 0xA8C0; }

struct Char {
    std::size_t pos;
    std::size_t size;
    unsigned code;  // lead << 8 | trail for a two-byte character
};

Char CharAt(std::string_view text, std::size_t pos) {
    const std::size_t n = reference::CharWidth(text, pos);
    return {pos, n, n == 2 ? static_cast<unsigned>(At(text, pos) << 8 | At(text, pos + 1)) : At(text, pos)};
}

bool IsBlankChar(const Char& c) { return c.size == 1 && (c.code == ' ' || c.code == '\t'); }

// Where a line may break between two characters: after a blank that no blank follows, or
// between two two-byte characters that are no pinyin letters, not before a closing mark and
// not beside an opening one.
bool MayBreakBetween(const Char& before, const Char& after) {
    if (IsBlankChar(before)) return !IsBlankChar(after);
    if (before.size != 2 || after.size != 2) return false;
    if (IsPinyinLetterCode(before.code) || IsPinyinLetterCode(after.code)) return false;
    return !IsOpeningMark(before.code) && !IsClosingMark(after.code) && !IsOpeningMark(after.code);
}

struct Widths {
    std::uint8_t seed = 0;
    int Of(std::string_view ch) const {
        unsigned h = seed;
        for (const char c : ch) h = h * 31 + static_cast<unsigned char>(c);
        return static_cast<int>(h % (ch.size() == 2 ? 17 : 9));
    }
};

int WidthAt(std::string_view text, const Char& c, int x, const Widths& widths, int tabStop) {
    if (c.size == 1 && c.code == '\t' && tabStop > 0) return tabStop - (x > 0 ? x % tabStop : 0);
    return widths.Of(text.substr(c.pos, c.size));
}

void CheckLayout(std::string_view text, TextLayout& layout, const Widths& widths, int width, int tabStop) {
    const std::vector<bool> boundary = Boundaries(text);
    const std::size_t lines = layout.LineCount();
    FUZZ_CHECK(lines >= 1 && layout.LineStart(0) == 0);
    for (std::size_t i = 0; i < lines; ++i) {
        const std::size_t s = layout.LineStart(i);
        const std::size_t next = i + 1 < lines ? layout.LineStart(i + 1) : text.size();
        FUZZ_CHECK(s <= text.size());
        CheckPosition(text, boundary, s);
        FUZZ_CHECK(layout.LineOf(s) == i);
        const std::size_t end = layout.LineEnd(text, i);
        FUZZ_CHECK(s <= end && end <= next);
        // The line fits, blanks at its end apart, or holds one character.
        std::vector<Char> chars;
        for (std::size_t p = s; p < end; p += reference::CharWidth(text, p)) chars.push_back(CharAt(text, p));
        std::size_t visible = chars.size();
        while (visible > 1 && IsBlankChar(chars[visible - 1])) --visible;
        int used = 0;
        for (std::size_t k = 0; k < visible; ++k) used += WidthAt(text, chars[k], used, widths, tabStop);
        FUZZ_CHECK(used <= width || visible <= 1);

        if (i + 1 == lines) break;
        FUZZ_CHECK(s < next);
        // A line starts at the end of the text only after a hard break.
        if (next == text.size()) FUZZ_CHECK(text.back() == '\n' && boundary[next - 1]);
        if (boundary[next - 1] && text[next - 1] == '\n') continue;

        // A soft break: where one may stand, or forced where the line has no such place and
        // the character at the break no longer fitted.
        FUZZ_CHECK(end == next);
        const Char breakChar = CharAt(text, next);
        bool anyPlace = false;
        int x = 0;
        for (std::size_t k = 0; k < chars.size(); ++k) {
            if (k > 0 && MayBreakBetween(chars[k - 1], chars[k])) anyPlace = true;
            x += WidthAt(text, chars[k], x, widths, tabStop);
        }
        if (!MayBreakBetween(chars.back(), breakChar)) {
            FUZZ_CHECK(!anyPlace && !IsBlankChar(breakChar));
            FUZZ_CHECK(x + WidthAt(text, breakChar, x, widths, tabStop) > width);
        }
    }
}

void CheckChange(std::string_view before, std::string_view after, const TextChange& c) {
    FUZZ_CHECK(c.start + c.oldLength <= before.size() && c.start + c.newLength <= after.size());
    FUZZ_CHECK(before.size() - c.oldLength == after.size() - c.newLength);
    FUZZ_CHECK(before.substr(0, c.start) == after.substr(0, c.start));
    FUZZ_CHECK(before.substr(c.start + c.oldLength) == after.substr(c.start + c.newLength));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    TextBuffer box;
    TextLayout layout;
    Widths widths{in.Byte()};
    int width = in.Byte() % 64;
    int tabStop = in.Byte() % 24;
    layout.SetMeasure([&widths](std::string_view ch) { return widths.Of(ch); });
    layout.SetWrapWidth(width, tabStop);
    layout.LayOut(box.Text());

    std::vector<std::string> history{box.Text()};  // every text since the last SetText
    for (int step = 0; step < 64 && !in.Empty(); ++step) {
        const std::string before = box.Text();
        TextChange change;
        bool newText = false;
        switch (in.Choice(12)) {
            case 0: {
                change = box.SetText(WholeText(in));
                history.assign(1, box.Text());
                newText = true;
                break;
            }
            case 1:
            case 2: {
                const std::string text = WholeText(in);
                const bool typed = in.Bool();
                const std::size_t kept = box.Size() - (box.SelectionEnd() - box.SelectionStart());
                const std::size_t room = box.Limit() > kept ? box.Limit() - kept : 0;
                bool cut = false;
                change = box.ReplaceSelection(text, typed, &cut);
                FUZZ_CHECK(cut == (text.size() > room));
                FUZZ_CHECK(box.Size() <= std::max(box.Limit(), kept));
                break;
            }
            case 3: {  // any bytes, as a paste of another program's text may bring
                change = box.ReplaceSelection(in.Text(6));
                break;
            }
            case 4: change = box.DeleteBackward(); break;
            case 5: change = box.DeleteForward(); break;
            case 6: box.Select(in.Byte() * 2, in.Byte() * 2); break;
            case 7: {
                const std::size_t caret = box.Caret();
                std::size_t to = caret;
                switch (in.Choice(4)) {
                    case 0: to = NextCharStart(box.Text(), caret); break;
                    case 1: to = PreviousCharStart(box.Text(), caret); break;
                    case 2: to = NextWordStart(box.Text(), caret); break;
                    default: to = PreviousWordStart(box.Text(), caret); break;
                }
                box.MoveCaret(to, in.Bool());
                break;
            }
            case 8: {
                const auto [first, last] = WordAround(box.Text(), in.Byte());
                FUZZ_CHECK(first <= last && last <= box.Size());
                box.Select(first, last);
                FUZZ_CHECK(box.SelectionStart() == first && box.SelectionEnd() == last);
                break;
            }
            case 9: {
                if (box.CanUndo()) {
                    TextBuffer twice = box;
                    twice.Undo();
                    twice.Undo();
                    FUZZ_CHECK(twice.Text() == box.Text());
                }
                change = box.Undo();
                bool earlier = false;
                for (const std::string& t : history) earlier = earlier || t == box.Text();
                FUZZ_CHECK(earlier);
                break;
            }
            case 10: box.SetLimit(in.Byte()); break;
            default: {
                width = in.Byte() % 64;
                tabStop = in.Byte() % 24;
                widths.seed = in.Byte();
                layout.SetMeasure([&widths](std::string_view ch) { return widths.Of(ch); });
                layout.SetWrapWidth(width, tabStop);
                layout.LayOut(box.Text());
                break;
            }
        }
        const std::string& text = box.Text();
        CheckChange(before, text, change);
        if (change.Changed()) {
            FUZZ_CHECK(box.Modified() != newText);
            history.push_back(text);
            layout.Update(text, change);
        }

        const std::vector<bool> boundary = Boundaries(text);
        FUZZ_CHECK(reference::IsWhole(text));
        CheckPosition(text, boundary, box.Caret());
        CheckPosition(text, boundary, box.Anchor());
        FUZZ_CHECK(box.SelectedText() == std::string_view(text).substr(box.SelectionStart(),
                                                                          box.SelectionEnd() - box.SelectionStart()));
        for (const std::size_t pos : {NextCharStart(text, box.Caret()), PreviousCharStart(text, box.Caret()),
                                      NextWordStart(text, box.Caret()), PreviousWordStart(text, box.Caret())}) {
            CheckPosition(text, boundary, pos);
        }
        FUZZ_CHECK(box.Caret() == text.size() || NextCharStart(text, box.Caret()) > box.Caret());
        FUZZ_CHECK(box.Caret() == 0 || PreviousCharStart(text, box.Caret()) < box.Caret());

        // The layout kept up to date against one made afresh.
        TextLayout fresh;
        fresh.SetMeasure([&widths](std::string_view ch) { return widths.Of(ch); });
        fresh.SetWrapWidth(width, tabStop);
        fresh.LayOut(text);
        FUZZ_CHECK(layout.LineCount() == fresh.LineCount());
        for (std::size_t i = 0; i < fresh.LineCount(); ++i) FUZZ_CHECK(layout.LineStart(i) == fresh.LineStart(i));
        CheckLayout(text, fresh, widths, width, tabStop);

        const std::size_t line = fresh.LineOf(box.Caret());
        const std::size_t hit = fresh.PosAtX(text, line, fresh.XOf(text, line, box.Caret()));
        CheckPosition(text, boundary, hit);
        FUZZ_CHECK(hit >= fresh.LineStart(line) && hit <= fresh.LineEnd(text, line));
        FUZZ_CHECK(fresh.XOf(text, line, hit) == fresh.XOf(text, line, box.Caret()) || hit == fresh.LineEnd(text, line));
    }
    return 0;
}
