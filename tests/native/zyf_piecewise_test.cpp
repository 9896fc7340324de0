#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cli/piecewise_conversion.h"
#include "pinyin/conversion.h"
#include "text/hanzi.h"

namespace {

TEST(ConvertiblePrefix, EndsAfterTheLastByteBelow0x80ThatIsNoSpace) {
    EXPECT_EQ(ConvertiblePrefix(""), 0u);
    EXPECT_EQ(ConvertiblePrefix("中文"), 0u);
    EXPECT_EQ(ConvertiblePrefix("中\n文"), 3u);
    EXPECT_EQ(ConvertiblePrefix("a中 文 "), 1u);  // a space may vanish, so it cannot end a piece
    EXPECT_EQ(ConvertiblePrefix("\xD6" "a\xD0"), 2u);  // a second byte below 0x80 ends a character too
}

// Cuts at every allowed place of random byte strings: the pieces' hanzi and results, joined,
// are those of the whole text, in every mode and layout.
TEST(PiecewiseConverter, GivesTheWholeTextResultForAnyCuts) {
    std::mt19937 rng(7);
    const unsigned char kBytes[] = {0xD6, 0xD0, 0xCE, 0xC4, 0x81, 0x40, 0xFE, 0x50, 0xA3, 0xC1, 0xA1,
                                    0x80, 0xFF, 'a', ' ', '\n', '7', 0xB0, 0xA1, 0xA8, 0xA9};
    const PinyinMode modes[] = {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly};
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const std::size_t length = rng() % 40;
        for (std::size_t i = 0; i < length; ++i) text += static_cast<char>(kBytes[rng() % std::size(kBytes)]);
        for (PinyinMode mode : modes) {
            for (bool mixed : {false, true}) {
                for (bool perLine : {false, true}) {
                    PiecewiseConverter converter(mode, mixed, perLine);
                    GbkText out;
                    std::string_view rest = text;
                    while (!rest.empty()) {
                        // A random allowed cut, or the rest as the last piece.
                        std::size_t cut = ConvertiblePrefix(rest.substr(0, rng() % (rest.size() + 1)));
                        if (cut == 0) cut = rest.size();
                        const PiecewiseConverter::Piece piece = converter.Convert(rest.substr(0, cut));
                        if (piece.spaceFirst) out += ' ';
                        out += piece.text;
                        rest.remove_prefix(cut);
                    }
                    const Conversion whole = ConvertText(text, mode, mixed);
                    ASSERT_EQ(out, perLine ? LineBreakGroups(whole.text) : whole.text)
                        << testing::PrintToString(text) << " mode " << static_cast<int>(mode) << mixed << perLine;
                    ASSERT_EQ(converter.Count(), whole.count);
                }
            }
        }
    }
}

}  // namespace
