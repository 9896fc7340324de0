#include <gtest/gtest.h>

#include <string>

#include "pinyin/conversion.h"
#include "text/hanzi.h"

namespace {

struct Row {
    const char* input;
    PinyinMode mode;
    const char* plain;
    const char* mixed;
};

const Row kRows[] = {
    {"中文", PinyinMode::WithTones, "zhōng wén ", "中（zhōng）文（wén）"},
    {"中文", PinyinMode::WithoutTones, "zhong wen", "中（zhong）文（wen）"},
    {"中文", PinyinMode::InitialsOnly, "zh w", "中（zh）文（w）"},
    {"中丆文", PinyinMode::WithTones, "zhōng 丆wén ", "中（zhōng）丆文（wén）"},
    {"中丶文", PinyinMode::WithoutTones, "zhong 丶 wen", "中（zhong）丶文（wen）"},
    {"丂中", PinyinMode::InitialsOnly, "丂 zh", "丂中（zh）"},
    {"安", PinyinMode::InitialsOnly, "an", "安（an）"},
    {"行绿", PinyinMode::WithTones, "háng lǜ ", "行（háng）绿（lǜ）"},
    {"行绿", PinyinMode::WithoutTones, "xing lu", "行（xing）绿（lu）"},
    {"a,b 中 文!", PinyinMode::WithoutTones, "zhong wen", "中（zhong）文（wen）"},
};

TEST(ConvertText, GivesTheLayoutsOfEveryMode) {
    for (const Row& row : kRows) {
        EXPECT_EQ(ConvertText(row.input, row.mode, false).text, row.plain) << row.input;
        EXPECT_EQ(ConvertText(row.input, row.mode, true).text, row.mixed) << row.input;
    }
}

TEST(ConvertText, CountsEveryOccurrenceAndLeavesTheListShared) {
    const Conversion c = ConvertText("中中中", PinyinMode::WithTones, false);
    EXPECT_EQ(c.count, 3u);
    EXPECT_EQ(SharedHanziList().Joined(), "中中中");
    for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
        for (bool mixed : {false, true}) {
            for (const char* none : {"abc", ""}) {
                const Conversion empty = ConvertText(none, mode, mixed);
                EXPECT_EQ(empty.text, "");
                EXPECT_EQ(empty.count, 0u);
            }
        }
    }
}

TEST(LineBreakGroups, BreaksOnceAndLeavesPlainTextAlone) {
    const std::string once = LineBreakGroups("中（zhōng）文（wén）");
    EXPECT_EQ(once, "中（zhōng）\r\n文（wén）\r\n");
    EXPECT_EQ(LineBreakGroups(once), once);
    const std::string partly = "中（zhōng）\r\n文（wén）字（zì）";
    EXPECT_EQ(LineBreakGroups(partly), partly);
    EXPECT_EQ(LineBreakGroups("zhōng wén "), "zhōng wén ");
}

TEST(ConvertHanziText, FastPathAgreesWithTheStepByStepConversion) {
    // A trailing ASCII byte is dropped by the conversion, but it sends the text down the
    // general step-by-step path, so both paths meet on the same hanzi.
    const char* const pool[] = {"中", "文", "丆", "丶", "丂", "行", "绿", "君", "俊", "嗯", "啊", "\xFD\x9C", "\xD7\xFA", "\xAA\x40"};
    unsigned state = 7;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (int k = 0; k < round % 9; ++k) {
            state = state * 1103515245u + 12345u;
            text += pool[(state >> 16) % (sizeof pool / sizeof pool[0])];
        }
        for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
            for (bool mixed : {false, true}) {
                ASSERT_EQ(ConvertHanziText(text, mode, mixed), ConvertHanziText(text + "a", mode, mixed))
                    << "round " << round;
            }
        }
    }
}

// Every hanzi code alone, after each other hanzi, and all of them in one text, in every mode
// and layout: the pre-rendered table holds exactly what the step-by-step conversion writes.
TEST(ConvertHanziTextExhaustive, FastPathAgreesWithTheStepByStepPathOnEveryHanzi) {
    std::string all;
    for (unsigned b1 = 0x81; b1 <= 0xFE; ++b1) {
        for (unsigned b2 = 0x40; b2 <= 0xFE; ++b2) {
            const char pair[2] = {static_cast<char>(b1), static_cast<char>(b2)};
            if (IsHanzi(std::string_view(pair, 2))) all.append(pair, 2);
        }
    }
    ASSERT_GT(all.size(), 2u * 20000);
    for (PinyinMode mode : {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly}) {
        for (bool mixed : {false, true}) {
            for (std::size_t i = 0; i < all.size(); i += 2) {
                const std::string_view one(all.data() + i, 2);
                ASSERT_EQ(ConvertHanziText(one, mode, mixed), ConvertHanziTextStepByStep(one, mode, mixed))
                    << std::hex << (static_cast<unsigned char>(one[0]) << 8 | static_cast<unsigned char>(one[1]));
                const std::string two = std::string("中") + std::string(one);
                ASSERT_EQ(ConvertHanziText(two, mode, mixed), ConvertHanziTextStepByStep(two, mode, mixed));
            }
            ASSERT_EQ(ConvertHanziText(all, mode, mixed), ConvertHanziTextStepByStep(all, mode, mixed));
        }
    }
}

TEST(ConvertHanziText, StepsOverAnythingThatIsNotAHanzi) {
    // Only extracted text reaches the conversion from the program, but any text is handled:
    // single bytes are dropped, a two-byte character without reading stands for itself.
    EXPECT_EQ(ConvertHanziText("a中\r\n文", PinyinMode::WithoutTones, false), "zhong wen");
    EXPECT_EQ(ConvertHanziText("中（", PinyinMode::WithTones, false), "zhōng （");
    EXPECT_EQ(ConvertHanziText("中\xB0", PinyinMode::InitialsOnly, true), "中（zh）\xB0");
}

}  // namespace
