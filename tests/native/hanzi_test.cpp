#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/hanzi.h"

namespace {

std::vector<std::string> Items(const HanziList& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.Count(); ++i) out.emplace_back(list.Item(i));
    return out;
}

using V = std::vector<std::string>;

TEST(IsHanzi, AcceptsTheThreeBlocksAndNothingElse) {
    struct Case {
        unsigned b1, b2;
        bool hanzi;
    };
    const Case cases[] = {
        {0x81, 0x40, true},  {0xA0, 0xFE, true},  {0x81, 0x3F, false}, {0x81, 0xFF, false},
        {0x81, 0x7F, true},  {0xAA, 0x40, true},  {0xAA, 0xA0, true},  {0xAA, 0xA1, false},
        {0xFE, 0xA0, true},  {0xFE, 0xA1, false}, {0xB0, 0xA1, true},  {0xF7, 0xFE, true},
        {0xB0, 0x40, true},  {0xF8, 0xA1, false}, {0xA1, 0xA1, false}, {0xA3, 0xC1, false},
        {0xA8, 0xA1, false}, {0xA9, 0x40, false}, {0x80, 0x40, false}, {0xFF, 0x40, false},
    };
    for (const Case& c : cases) {
        const char pair[2] = {static_cast<char>(c.b1), static_cast<char>(c.b2)};
        EXPECT_EQ(IsHanzi(std::string_view(pair, 2)), c.hanzi) << std::hex << c.b1 << " " << c.b2;
    }
    EXPECT_FALSE(IsHanzi("中文"));
    EXPECT_FALSE(IsHanzi("\xB0"));
    EXPECT_FALSE(IsHanzi(""));
}

TEST(ExtractHanzi, KeepsHanziInOrderWithDuplicates) {
    EXPECT_EQ(Items(ExtractHanzi("中文")), (V{"中", "文"}));
    EXPECT_EQ(Items(ExtractHanzi("中文形")), (V{"中", "文", "形"}));
    EXPECT_EQ(Items(ExtractHanzi("a中")), (V{"中"}));
    EXPECT_EQ(Items(ExtractHanzi("ab中")), (V{"中"}));
    EXPECT_EQ(Items(ExtractHanzi("中ab文")), (V{"中", "文"}));
    EXPECT_EQ(Items(ExtractHanzi("丂")), (V{"丂"}));
    EXPECT_EQ(Items(ExtractHanzi("你好世界ABC１２３中国")), (V{"你", "好", "世", "界", "中", "国"}));
    EXPECT_EQ(ExtractHanzi("中中中").Count(), 3u);
    EXPECT_EQ(Items(ExtractHanzi(" 中\t文\r\n　形 ")), (V{"中", "文", "形"}));
    EXPECT_EQ(ExtractHanzi("").Count(), 0u);
    EXPECT_EQ(ExtractHanzi("！，。ａ").Count(), 0u);
}

TEST(ExtractHanzi, WalksTheFoldedTextByLeadBytes) {
    // A final lead byte has no partner.
    EXPECT_EQ(Items(ExtractHanzi("中\xB0")), (V{"中"}));
    // 0x80 pairs with B0 under the character-wise rule, so A1 is the unpaired final byte and
    // is dropped before the walk: no 啊 (B0 A1) appears.
    EXPECT_EQ(ExtractHanzi("\x80\xB0\xA1").Count(), 0u);
    // Character-wise FF B0 | A1 B0 | A1 (dropped); after 0xFF the lead-byte walk restarts on
    // B0, so 啊 is found straddling the first two characters, and the last B0 has no partner.
    EXPECT_EQ(Items(ExtractHanzi("\xFF\xB0\xA1\xB0\xA1")), (V{"\xB0\xA1"}));
    // FF B0 | A1 A1 (a full-width blank, removed) | A1 (dropped): nothing is left to pair with B0.
    EXPECT_EQ(Items(ExtractHanzi("\xFF\xB0\xA1\xA1\xA1")), (V{}));
    // FF B0 | 20 | B0 A1: the blank goes, and the walk after FF pairs the two B0 bytes.
    EXPECT_EQ(Items(ExtractHanzi("\xFF\xB0 \xB0\xA1")), (V{"\xB0\xB0"}));
}

TEST(RefreshHanziList, ReplacesTheSharedListAsAWhole) {
    EXPECT_EQ(RefreshHanziList("中文"), 2u);
    EXPECT_EQ(SharedHanziList().Joined(), "中文");
    EXPECT_EQ(RefreshHanziList("abc"), 0u);
    EXPECT_EQ(SharedHanziList().Count(), 0u);
}

}  // namespace

namespace {

// The extraction as defined, step by step, to hold the fast walk against.
std::string ExtractByDefinition(std::string_view text) {
    const std::string t = ToHalfWidth(RemoveAllSpaces(text));
    std::string out;
    for (std::size_t i = 0; i < t.size();) {
        if (IsLeadByte(static_cast<unsigned char>(t[i])) && i + 1 < t.size()) {
            if (IsHanzi(t.substr(i, 2))) out += t.substr(i, 2);
            i += 2;
        } else {
            ++i;
        }
    }
    return out;
}

TEST(ExtractHanzi, AgreesWithItsDefinitionOnArbitraryBytes) {
    // Bytes drawn from the ones that matter: blanks, both ends of the lead range, the
    // full-width row, hanzi rows and ASCII.
    const unsigned char alphabet[] = {0x20, 0x41, 0x80, 0x81, 0x40, 0xA1, 0xA3, 0xB0, 0xD6, 0xD0, 0xFE, 0xFF, 0x7F, 0xA0};
    unsigned state = 12345;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        const int len = round % 13;
        for (int k = 0; k < len; ++k) {
            state = state * 1103515245u + 12345u;
            text += static_cast<char>(alphabet[(state >> 16) % sizeof alphabet]);
        }
        ASSERT_EQ(ExtractHanzi(text).Joined(), ExtractByDefinition(text)) << "round " << round;
    }
}

}  // namespace
