// The text of the program's own text box: character steps, selection, editing and undo.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_buffer.h"

namespace {

TEST(TextBufferSteps, StepOverTwoByteCharactersAndCrLf) {
    const std::string text = "a中\r\nb";
    EXPECT_EQ(NextCharStart(text, 0), 1u);
    EXPECT_EQ(NextCharStart(text, 1), 3u);
    EXPECT_EQ(NextCharStart(text, 3), 5u);
    EXPECT_EQ(NextCharStart(text, 5), 6u);
    EXPECT_EQ(NextCharStart(text, 6), 6u);
    EXPECT_EQ(PreviousCharStart(text, 6), 5u);
    EXPECT_EQ(PreviousCharStart(text, 5), 3u);
    EXPECT_EQ(PreviousCharStart(text, 3), 1u);
    EXPECT_EQ(PreviousCharStart(text, 1), 0u);
    EXPECT_EQ(PreviousCharStart(text, 0), 0u);
}

TEST(TextBufferSteps, FindCharacterStartsWhateverTheSecondByteIs) {
    struct Case {
        std::string text;
        std::size_t pos;
        std::size_t start;
    };
    const Case cases[] = {
        {"\x81@\x81@", 1, 0},  // the second byte of a pair may look like ASCII
        {"\x81@\x81@", 3, 2},
        {"\x81@\x81@", 2, 2},
        {"a\x81\x81\x81" "b", 4, 3},
        {"a\x81\x81\x81" "b", 2, 1},
        {"a\x81\x81\x81" "b", 5, 5},
        {"\x81\r\n", 1, 0},    // CR as a second byte
        {"abc", 9, 3},
    };
    for (const Case& c : cases) EXPECT_EQ(CharStartAtOrBefore(c.text, c.pos), c.start) << c.pos;
    EXPECT_EQ(PreviousCharStart("\x81\r\n", 3), 2u);  // the CR belongs to the pair; the LF is alone
}

TEST(TextBufferSteps, WordSteps) {
    const std::string text = "abc  中文 def\r\nzhōng";
    EXPECT_EQ(NextWordStart(text, 0), 5u);
    EXPECT_EQ(NextWordStart(text, 5), 7u);   // a two-byte character is a word of its own
    EXPECT_EQ(NextWordStart(text, 7), 10u);
    EXPECT_EQ(NextWordStart(text, 10), 13u);
    EXPECT_EQ(NextWordStart(text, 13), 15u);  // the line break
    EXPECT_EQ(NextWordStart(text, 15), text.size());
    EXPECT_EQ(PreviousWordStart(text, text.size()), 15u);
    EXPECT_EQ(PreviousWordStart(text, 15), 13u);
    EXPECT_EQ(PreviousWordStart(text, 13), 10u);
    EXPECT_EQ(PreviousWordStart(text, 10), 7u);
    EXPECT_EQ(PreviousWordStart(text, 7), 5u);
    EXPECT_EQ(PreviousWordStart(text, 5), 0u);
    // A pinyin letter is part of its word.
    EXPECT_EQ(WordAround(text, 17), (std::pair<std::size_t, std::size_t>{15, text.size()}));
    EXPECT_EQ(WordAround(text, 5), (std::pair<std::size_t, std::size_t>{5, 7}));
    EXPECT_EQ(WordAround(text, 3), (std::pair<std::size_t, std::size_t>{3, 5}));
}

TEST(TextBuffer, SelectionIsClampedToCharacterStarts) {
    TextBuffer b;
    b.SetText("中文\r\nab");
    b.Select(1, 100);
    EXPECT_EQ(b.Anchor(), 0u);
    EXPECT_EQ(b.Caret(), 8u);
    EXPECT_EQ(b.SelectedText(), "中文\r\nab");
    b.Select(5, 3);  // between CR and LF, and inside 文
    EXPECT_EQ(b.Anchor(), 4u);
    EXPECT_EQ(b.Caret(), 2u);
    EXPECT_EQ(b.SelectionStart(), 2u);
    EXPECT_EQ(b.SelectionEnd(), 4u);
    EXPECT_EQ(b.SelectedText(), "文");
    b.SetText("xyz");
    EXPECT_EQ(b.Caret(), 0u);
    EXPECT_FALSE(b.HasSelection());
}

TEST(TextBuffer, DeletesWholeCharacters) {
    TextBuffer b;
    b.SetText("a中\r\nb");
    b.Select(5, 5);
    EXPECT_EQ(b.DeleteBackward().oldLength, 2u);  // CR LF together
    EXPECT_EQ(b.Text(), "a中b");
    EXPECT_EQ(b.DeleteBackward().oldLength, 2u);
    EXPECT_EQ(b.Text(), "ab");
    b.Select(0, 0);
    EXPECT_FALSE(b.DeleteBackward().Changed());
    b.SetText("中文");
    b.Select(0, 0);
    b.DeleteForward();
    EXPECT_EQ(b.Text(), "文");
    b.Select(2, 2);
    EXPECT_FALSE(b.DeleteForward().Changed());
    b.SetText("abc中");
    b.Select(1, 5);
    const TextChange change = b.DeleteForward();
    EXPECT_EQ(b.Text(), "a");
    EXPECT_EQ(change.start, 1u);
    EXPECT_EQ(change.oldLength, 4u);
    EXPECT_EQ(change.newLength, 0u);
}

TEST(TextBuffer, ReplacesTheSelectionWithinTheLimit) {
    TextBuffer b;
    b.SetText("abc");
    b.Select(1, 2);
    b.ReplaceSelection("中文");
    EXPECT_EQ(b.Text(), "a中文c");
    EXPECT_EQ(b.Caret(), 5u);
    EXPECT_FALSE(b.HasSelection());

    b.SetLimit(8);
    bool cut = false;
    b.ReplaceSelection("字字", false, &cut);  // room for 2 bytes: one whole character
    EXPECT_TRUE(cut);
    EXPECT_EQ(b.Text(), "a中文字c");
    b.ReplaceSelection("x", false, &cut);
    EXPECT_TRUE(cut);
    EXPECT_EQ(b.Text(), "a中文字c");
    b.Select(0, 1);
    b.ReplaceSelection("y", false, &cut);  // what is replaced makes room
    EXPECT_FALSE(cut);
    EXPECT_EQ(b.Text(), "y中文字c");
}

TEST(TextBuffer, UndoesTheLastStepAndRedoesIt) {
    TextBuffer b;
    b.SetText("中文");
    EXPECT_FALSE(b.CanUndo());
    b.Select(2, 2);
    for (const char* ch : {"a", "b", "c"}) b.ReplaceSelection(ch, true);
    EXPECT_EQ(b.Text(), "中abc文");
    b.Undo();  // the typed word goes in one step
    EXPECT_EQ(b.Text(), "中文");
    b.Undo();
    EXPECT_EQ(b.Text(), "中abc文");
    EXPECT_EQ(b.SelectedText(), "abc");

    b.Select(5, 5);
    b.DeleteBackward();
    b.DeleteBackward();
    EXPECT_EQ(b.Text(), "中a文");
    b.Undo();
    EXPECT_EQ(b.Text(), "中abc文");

    b.Select(0, 0);
    b.DeleteForward();
    b.DeleteForward();
    EXPECT_EQ(b.Text(), "bc文");
    b.Undo();
    EXPECT_EQ(b.Text(), "中abc文");

    b.Select(0, 2);
    b.ReplaceSelection("x", true);  // a typed character over a selection
    b.ReplaceSelection("y", true);
    EXPECT_EQ(b.Text(), "xyabc文");
    b.Undo();
    EXPECT_EQ(b.Text(), "中abc文");
    EXPECT_TRUE(b.Modified());

    b.SetText("new");
    EXPECT_FALSE(b.CanUndo());
    EXPECT_FALSE(b.Modified());
}

}  // namespace
