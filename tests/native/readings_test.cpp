#include <gtest/gtest.h>

#include <string>

#include "pinyin/marker_extract.h"
#include "pinyin/reading_tables.h"
#include "pinyin/readings.h"
#include "text/hanzi.h"

namespace {

TEST(MarkerExtract, CutsBetweenTheFirstStartMarkerAndTheNextEndMarker) {
    EXPECT_EQ(MarkerExtract("[s]x[e]", "[s]", "[e]"), "x");
    EXPECT_EQ(MarkerExtract("[s]x", "[s]", "[e]"), "");
    EXPECT_EQ(MarkerExtract("[e][s]x", "[s]", "[e]"), "");
    EXPECT_EQ(MarkerExtract("[s][e]", "[s]", "[e]"), "");
    EXPECT_EQ(MarkerExtract("x[e]", "[s]", "[e]"), "");
    EXPECT_EQ(MarkerExtract("[s]a[s]b[e]", "[s]", "[e]"), "a[s]b");
    EXPECT_EQ(MarkerExtract("[s]a[e][s]b[e]", "[s]", "[e]"), "a");
    // A marker never matches from the second byte of a character.
    EXPECT_EQ(MarkerExtract("中文x,", "\xD0\xCE", ","), "");
}

TEST(ToneDictionary, HasTheFormTheLookupReliesOn) {
    const std::string_view dict = ToneDictionary();
    EXPECT_EQ(dict.substr(0, 25), "吖ā,阿ā,啊ā,锕ā,錒ā,");
    EXPECT_EQ(dict.substr(dict.size() - 9), "\x82\xF6shu\xA8\xA3n,");
    // Entries: hanzi, then a reading of ASCII letters, digits or A8 pinyin letters, then ",".
    std::size_t entries = 0;
    for (std::size_t i = 0; i < dict.size();) {
        ASSERT_TRUE(IsHanzi(dict.substr(i, 2))) << "at byte " << i;
        std::size_t j = i + 2;
        while (j < dict.size() && dict[j] != ',') {
            const auto b = static_cast<unsigned char>(dict[j]);
            if (b == 0xA8) {
                j += 2;
            } else {
                ASSERT_TRUE((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) << "at byte " << j;
                ++j;
            }
        }
        ASSERT_LT(j, dict.size());
        ASSERT_GT(j, i + 2) << "empty reading at byte " << i;
        i = j + 1;
        ++entries;
    }
    EXPECT_GT(entries, 20000u);
}

TEST(ToneReading, GivesTheTableReadings) {
    EXPECT_EQ(ToneReading("中"), "zhōng");
    EXPECT_EQ(ToneReading("君"), "jun1");
    EXPECT_EQ(ToneReading("俊"), "jun4");
    EXPECT_EQ(ToneReading("绿"), "lǜ");
    EXPECT_EQ(ToneReading("略"), "luè");
    EXPECT_EQ(ToneReading("行"), "háng");
    EXPECT_EQ(ToneReading("了"), "le");
    EXPECT_EQ(ToneReading("丆"), "");
    EXPECT_EQ(ToneReading("\xFD\x9C"), "");
}

TEST(ToneReadingExhaustive, IndexAnswersLikeTheSearchForEveryTwoByteCode) {
    for (unsigned code = 0x0101; code <= 0xFFFF; ++code) {
        if ((code & 0xFF) == 0) continue;  // texts hold no zero bytes
        const char pair[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        const std::string_view ch(pair, 2);
        ASSERT_EQ(ToneReading(ch), ToneReadingBySearch(ch)) << std::hex << code;
    }
}

TEST(ToneReading, TextsOfOtherLengthsAreSearched) {
    EXPECT_EQ(ToneReading(""), ToneReadingBySearch(""));
    EXPECT_EQ(ToneReading("\xB0"), ToneReadingBySearch("\xB0"));
    EXPECT_EQ(ToneReading("中文"), "");
}

TEST(TonelessReading, PicksTheNthReadingOfAGb2312Cell) {
    struct Case {
        const char* text;
        int n;
        const char* toneless;
        const char* initial;
    };
    const Case cases[] = {
        {"中", 1, "zhong", "zh"}, {"中", 2, "", ""},    {"文", 1, "wen", "w"},   {"安", 1, "an", "an"},
        {"一", 1, "yi", "y"},     {"二", 1, "er", "er"}, {"饿", 1, "e", "e"},     {"绿", 1, "lu", "l"},
        {"行", 0, "xing", "x"},   {"行", 1, "xing", "x"}, {"行", 2, "hang", "h"}, {"行", 3, "heng", "h"},
        {"行", 4, "", ""},        {"丶", 1, "", ""},     {"丂", 1, "", ""},       {"a", 1, "", ""},
        {"", 1, "", ""},          {"\xD7\xFA", 1, "", ""}, {"中文", 1, "zhong", "zh"},
        {"长", 1, "chang", "ch"}, {"重", 1, "zhong", "zh"}, {"和", 1, "he", "h"}, {"乐", 1, "le", "l"},
        {"朝", 1, "chao", "ch"},  {"地", 1, "di", "d"},  {"得", 1, "de", "d"},    {"的", 1, "de", "d"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TonelessReading(c.text, c.n), c.toneless) << c.text << " " << c.n;
        EXPECT_EQ(ReadingInitial(c.text, c.n), c.initial) << c.text << " " << c.n;
    }
}

TEST(ReadingTable, SplitsEveryReadingAtItsLongestInitial) {
    const std::string_view initials[] = {"zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g",
                                         "k",  "h",  "j",  "q", "x", "r", "z", "c", "s", "y", "w"};
    int withReadings = 0;
    for (int cell = 0; cell < static_cast<int>(kReadingTableCells); ++cell) {
        const int count = CellReadingCount(cell);
        if (count > 0) ++withReadings;
        for (int n = 1; n <= count; ++n) {
            const TonelessParts p = CellReading(cell, n);
            const std::string whole = std::string(p.first) + std::string(p.second);
            std::string_view expected = whole;
            for (std::string_view ini : initials) {
                if (whole.size() > ini.size() && whole.compare(0, ini.size(), ini) == 0) {
                    if (expected == whole || ini.size() > expected.size()) expected = ini;
                }
            }
            EXPECT_EQ(p.first, expected) << whole;
            for (char c : whole) EXPECT_TRUE(c >= 'a' && c <= 'z' && c != 'v') << whole;
        }
    }
    EXPECT_EQ(withReadings, 6725);
}

}  // namespace
