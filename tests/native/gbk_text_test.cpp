#include <gtest/gtest.h>

#include <string>

#include "text/gbk_text.h"

namespace {

TEST(MidText, CutsBytesAndRefusesPositionsOutsideTheText) {
    EXPECT_EQ(MidText("abcdef", 2, 3), "bcd");
    EXPECT_EQ(MidText("abcdef", 5, 10), "ef");
    EXPECT_EQ(MidText("abcdef", 0, 2), "");
    EXPECT_EQ(MidText("abcdef", 7, 1), "");
    EXPECT_EQ(MidText("abcdef", 1, 0), "");
    EXPECT_EQ(MidText("abcdef", 1, -1), "");
    EXPECT_EQ(MidText("中文", 2, 2), "\xD0\xCE");  // byte-wise: it can cut a character
}

TEST(FirstByteCode, IsSignedAndZeroWhenEmpty) {
    EXPECT_EQ(FirstByteCode(""), 0);
    EXPECT_EQ(FirstByteCode("A"), 65);
    EXPECT_EQ(FirstByteCode("\x80"), -128);
    EXPECT_EQ(FirstByteCode("\xFF"), -1);
    EXPECT_EQ(FirstByteCode("中"), static_cast<signed char>(0xD6));
}

struct FindCase {
    const char* text;
    const char* needle;
    TextPos start;
    bool ignoreCase;
    TextPos expected;
};

TEST(FindText, StepsOverTwoByteCharacters) {
    // 中 D6 D0, 文 CE C4: "\xD0\xCE" only exists across the boundary of 中文.
    const FindCase cases[] = {
        {"中文", "\xD0\xCE", 1, false, kNotFound},
        {"中文", "文", 1, false, 3},
        {"a中文", "文", 1, false, 4},
        {"abcabc", "c", 4, false, 6},
        {"abcabc", "c", 0, false, 3},
        {"abcabc", "c", -5, false, 3},
        {"abc", "c", 4, false, kNotFound},
        {"abc", "", 1, false, 1},
        {"abc", "", 3, false, 1},
        {"abc", "", 4, false, kNotFound},
        {"", "", 1, false, kNotFound},
        {"aBc", "bC", 1, true, 2},
        {"aBc", "bC", 1, false, kNotFound},
        // 0x80 and 0xFF take their next byte along under the character-wise rule.
        {"\x80" "a" "a", "a", 1, false, 3},
        {"\xFF" "a" "a", "a", 1, false, 3},
        // A lone final lead byte is a character of its own and can be found.
        {"ab\xB0", "\xB0", 1, false, 3},
        {"abc", "abcd", 1, false, kNotFound},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(FindText(c.text, c.needle, c.start, c.ignoreCase), c.expected)
            << "needle of " << std::string(c.needle).size() << " bytes from " << c.start;
    }
}

TEST(FindText, IgnoreCaseFoldsLettersInsideTwoByteCharactersToo) {
    // The second byte of 丂 is 0x40 '@', of 丄 (81 41) is 'A': folding looks at bytes wherever they stand.
    EXPECT_EQ(FindText("x\x81\x61", "\x81\x41", 1, true), 2);
    EXPECT_EQ(FindText("x\x81\x61", "\x81\x41", 1, false), kNotFound);
}

struct ReplaceCase {
    const char* text;
    const char* oldText;
    const char* newText;
    TextPos start;
    TextPos count;
    bool caseSensitive;
    const char* expected;
};

TEST(ReplaceText, ReplacesLeftToRightWithinItsLimits) {
    const ReplaceCase cases[] = {
        {"a b c", " ", "", 1, kNoLimit, true, "abc"},
        {"a b c", " ", "", 1, 1, true, "ab c"},
        {"a b c", " ", "", 3, kNoLimit, true, "a bc"},
        {"a b c", " ", "", 1, 0, true, "a b c"},
        {"aaaa", "aa", "b", 1, kNoLimit, true, "bb"},
        {"aaa", "aa", "b", 1, kNoLimit, true, "ba"},
        {"AbAB", "ab", "x", 1, kNoLimit, false, "xx"},
        {"AbAB", "ab", "x", 1, kNoLimit, true, "AbAB"},
        {"中文", "\xD0\xCE", "x", 1, kNoLimit, true, "中文"},
        {"中（zhōng ）文（wén ）", " ）", "）", 1, kNoLimit, true, "中（zhōng）文（wén）"},
        {"abc", "", "x", 1, kNoLimit, true, "abc"},
        {"abc", "c", "x", 9, kNoLimit, true, "abc"},
    };
    for (const ReplaceCase& c : cases) {
        EXPECT_EQ(ReplaceText(c.text, c.oldText, c.newText, c.start, c.count, c.caseSensitive), c.expected)
            << c.text;
    }
}

TEST(ConcatAndCompare, JoinInOrderAndCompareUnsignedBytes) {
    EXPECT_EQ(ConcatText({"中", "（", "zhōng", "）"}), "中（zhōng）");
    EXPECT_EQ(ConcatText({}), "");
    EXPECT_EQ(CompareText("abc", "abc"), 0);
    EXPECT_LT(CompareText("a", "\x80"), 0);  // unsigned: 0x80 sorts after 'a'
    EXPECT_GT(CompareText("ab", "a"), 0);
    EXPECT_NE(CompareText("a", "A"), 0);
}

TEST(RemoveAllSpaces, DropsBothBlanksAndAnUnpairedFinalByte) {
    EXPECT_EQ(RemoveAllSpaces(" 中　文 a\tb\r\n"), "中文a\tb\r\n");
    EXPECT_EQ(RemoveAllSpaces("中\xB0"), "中");
    // A1 A1 only counts as a whole character: here A1 is the second byte of B0 A1 (啊).
    EXPECT_EQ(RemoveAllSpaces("啊\xA1" "a"), "啊\xA1" "a");
    // 0x20 as the second byte of a pair is part of that pair, not a blank.
    EXPECT_EQ(RemoveAllSpaces("\x81 x"), "\x81 x");
}

TEST(ToHalfWidth, FoldsFullWidthFormsAndKeepsEverythingElse) {
    EXPECT_EQ(ToHalfWidth("ＡＢＣ１２３！～"), "ABC123!~");
    EXPECT_EQ(ToHalfWidth("　☆★"), " **");
    EXPECT_EQ(ToHalfWidth("中（文）"), "中(文)");
    EXPECT_EQ(ToHalfWidth("ā中"), "ā中");  // A8 row stays
    EXPECT_EQ(ToHalfWidth("x\xA3"), "x");
}

}  // namespace
