// Line wrapping of the program's own text box, with made-up character widths.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/text_layout.h"

namespace {

// Single bytes 10 pixels, two-byte characters 20, the pinyin letters of row A8 10.
int FakeWidth(std::string_view ch) {
    if (ch.size() == 1) return 10;
    return IsPinyinLetter(static_cast<unsigned char>(ch[0]), static_cast<unsigned char>(ch[1])) ? 10 : 20;
}

TextLayout MakeLayout(int width, int tabStop = 0) {
    TextLayout layout;
    layout.SetMeasure(FakeWidth);
    layout.SetWrapWidth(width, tabStop);
    return layout;
}

std::vector<std::string> Lines(const TextLayout& layout, const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < layout.LineCount(); ++i) {
        const std::size_t end = i + 1 < layout.LineCount() ? layout.LineStart(i + 1) : text.size();
        lines.push_back(text.substr(layout.LineStart(i), end - layout.LineStart(i)));
    }
    return lines;
}

std::vector<std::string> Wrap(const std::string& text, int width) {
    TextLayout layout = MakeLayout(width);
    layout.LayOut(text);
    return Lines(layout, text);
}

using L = std::vector<std::string>;

TEST(TextLayout, WrapsAtTheBoxWidth) {
    struct Case {
        const char* text;
        int width;
        L lines;
    };
    const Case cases[] = {
        {"", 100, {""}},
        {"abc def ghi", 70, {"abc def ", "ghi"}},                 // after a blank; the blank hangs
        {"ab      cd", 30, {"ab      ", "cd"}},                   // a run of blanks never starts a line
        {"abcdefghij", 35, {"abc", "def", "ghi", "j"}},           // a word longer than the line
        {"中文字体", 50, {"中文", "字体"}},                        // between two-byte characters
        {"中文）字", 50, {"中", "文）", "字"}},                    // never before a closing mark
        {"字中（文", 70, {"字", "中（文"}},                        // never beside an opening mark
        {"中文üè", 55, {"中", "文üè"}},                            // pinyin letters hold together
        {"中（zhōng）文（wén）", 120, {"中（zhōng）", "文（wén）"}},
        {"zhōng wén ", 60, {"zhōng ", "wén "}},
        {"ab\r\ncd\n\r\nef", 100, {"ab\r\n", "cd\n", "\r\n", "ef"}},  // hard breaks
        {"ab\r\n", 100, {"ab\r\n", ""}},
        {"abc", 0, {"a", "b", "c"}},                               // at least one character a line
    };
    for (const Case& c : cases) EXPECT_EQ(Wrap(c.text, c.width), c.lines) << c.text << " at " << c.width;
}

TEST(TextLayout, LineEndsLeaveOutTheHardBreak) {
    const std::string text = "ab\r\ncd\nef";
    TextLayout layout = MakeLayout(100);
    layout.LayOut(text);
    ASSERT_EQ(layout.LineCount(), 3u);
    EXPECT_EQ(layout.LineEnd(text, 0), 2u);
    EXPECT_EQ(layout.LineEnd(text, 1), 6u);
    EXPECT_EQ(layout.LineEnd(text, 2), 9u);

    // An LF that is the second byte of a two-byte character is no break at all.
    const std::string odd = "\x81\nz";
    TextLayout narrow = MakeLayout(25);
    narrow.LayOut(odd);
    ASSERT_EQ(Lines(narrow, odd), (L{"\x81\n", "z"}));
    EXPECT_EQ(narrow.LineEnd(odd, 0), 2u);
}

TEST(TextLayout, LineOfFindsTheLineThatHoldsAPosition) {
    const std::string text = "abc def ghi";  // lines start at 0, 8
    TextLayout layout = MakeLayout(70);
    layout.LayOut(text);
    EXPECT_EQ(layout.LineOf(0), 0u);
    EXPECT_EQ(layout.LineOf(7), 0u);
    EXPECT_EQ(layout.LineOf(8), 1u);
    EXPECT_EQ(layout.LineOf(11), 1u);
}

TEST(TextLayout, PositionsAndPixelsOnALine) {
    const std::string text = "ab中\tc";
    TextLayout layout = MakeLayout(1000, 80);
    layout.LayOut(text);
    EXPECT_EQ(layout.XOf(text, 0, 0), 0);
    EXPECT_EQ(layout.XOf(text, 0, 2), 20);
    EXPECT_EQ(layout.XOf(text, 0, 4), 40);
    EXPECT_EQ(layout.XOf(text, 0, 5), 80);  // the tab reaches the next stop
    EXPECT_EQ(layout.XOf(text, 0, 6), 90);
    EXPECT_EQ(layout.PosAtX(text, 0, -5), 0u);
    EXPECT_EQ(layout.PosAtX(text, 0, 14), 1u);
    EXPECT_EQ(layout.PosAtX(text, 0, 29), 2u);  // the nearer edge of 中
    EXPECT_EQ(layout.PosAtX(text, 0, 31), 4u);
    EXPECT_EQ(layout.PosAtX(text, 0, 1000), 6u);
}

TEST(CharWidths, MeasuresEachDistinctCharacterOnce) {
    int calls = 0;
    TextLayout layout;
    layout.SetMeasure([&calls](std::string_view ch) {
        ++calls;
        return FakeWidth(ch);
    });
    layout.SetWrapWidth(50, 0);
    const std::string text = "中中中文文abab  中";
    layout.LayOut(text);
    EXPECT_EQ(calls, 5);  // 中 文 a b and the blank
    layout.LayOut(text);
    EXPECT_EQ(calls, 5);
    layout.SetMeasure([&calls](std::string_view) {
        ++calls;
        return 1;
    });
    layout.LayOut(text);
    EXPECT_EQ(calls, 10);
    EXPECT_EQ(layout.LineCount(), 1u);
}

// Edits anywhere in a text give the same lines as laying the whole new text out.
TEST(TextLayout, UpdateAfterAnEditMatchesAFullLayout) {
    const char* pieces[] = {"a", "bc", " ", "中", "文", "（", "）", "，", "\r\n", "\n", "ü", "è", "\t", "\x81"};
    std::mt19937 random(20240501);
    auto piece = [&] { return std::string(pieces[random() % std::size(pieces)]); };
    for (int round = 0; round < 300; ++round) {
        const int width = 20 + static_cast<int>(random() % 80);
        std::string text;
        const int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) text += piece();
        TextLayout layout = MakeLayout(width, 40);
        layout.LayOut(text);
        for (int edit = 0; edit < 20; ++edit) {
            const std::size_t start = CharStartAtOrBefore(text, random() % (text.size() + 1));
            std::size_t end = start;
            for (int n = static_cast<int>(random() % 4); n > 0; --n) end = NextCharStart(text, end);
            std::string inserted;
            for (int n = static_cast<int>(random() % 4); n > 0; --n) inserted += piece();
            text.replace(start, end - start, inserted);
            layout.Update(text, {start, end - start, inserted.size()});

            TextLayout full = MakeLayout(width, 40);
            full.LayOut(text);
            ASSERT_EQ(Lines(layout, text), Lines(full, text)) << "round " << round << " edit " << edit;
        }
    }
}

}  // namespace
