#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "cli/gbk_codec.h"

namespace {

// UTF-8 bytes of a u8 literal (narrow literals of this program are GBK).
std::string U8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

std::uint64_t Fnv1a(std::string_view bytes) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (unsigned char b : bytes) {
        h ^= b;
        h *= 0x100000001b3ull;
    }
    return h;
}

TEST(Utf8ToGbkInPlace, GivesTheOffsetOfTheFirstIllFormedSequence) {
    struct Case {
        std::string text;
        std::size_t offset;
    };
    const Case cases[] = {
        {"", kWellFormedUtf8},
        {"abc", kWellFormedUtf8},
        {U8(u8"中文 \U0001F600 \u00E9 \uFFFF \U0010FFFF"), kWellFormedUtf8},
        {std::string("a\0b", 3), kWellFormedUtf8},
        {"ab\x80", 2},                    // continuation byte without lead
        {"\xC0\x80", 0},                  // overlong NUL
        {"\xC1\xBF", 0},                  // overlong of U+007F
        {"x\xE0\x9F\xBF", 1},             // overlong three-byte form
        {"\xF0\x8F\xBF\xBF", 0},          // overlong four-byte form
        {"ok\xED\xA0\x80", 2},            // high surrogate
        {"\xED\xBF\xBF", 0},              // low surrogate
        {"\xED\x9F\xBF\xF4\x90\x80\x80", 3},  // U+D7FF is fine, above U+10FFFF is not
        {"\xF5\x80\x80\x80", 0},
        {"\xFE", 0},
        {"abcdefgh" "\xE4\xB8", 8},       // truncated at the end
        {"\xE4\xB8\x41", 0},              // cut short by ASCII
        {U8(u8"中") + "\xE4\xB8\xAD\xAD", 6},  // one continuation too many
        {std::string(20, 'a') + "\xFF", 20},   // after a long ASCII run
    };
    for (const Case& c : cases) {
        std::string copy = c.text;
        EXPECT_EQ(Utf8ToGbkInPlace(copy), c.offset) << testing::PrintToString(c.text);
    }
}

TEST(Utf8ToGbk, KeepsWhatGbkHasAndDropsTheRest) {
    GbkText gbk;
    ASSERT_TRUE(Utf8ToGbk(U8(u8"中a文（ā）·—"), gbk));
    EXPECT_EQ(gbk, "中a文（ā）·—");
    // Characters GBK lacks (emoji, the euro sign, Hangul, a BOM) and zero bytes go; the
    // characters around them join up.
    ASSERT_TRUE(Utf8ToGbk(U8(u8"\uFEFF中\U0001F600文\u20AC\uD55C") + std::string("\0x\0", 3), gbk));
    EXPECT_EQ(gbk, "中文x");
    EXPECT_FALSE(Utf8ToGbk("\xE4\xB8", gbk));
}

TEST(GbkToUtf8, DropsCodesWithoutCharacter) {
    EXPECT_EQ(GbkToUtf8("中（zhōng）\r\n"), U8(u8"中（zhōng）\r\n"));
    // 0x80 and 0xFF alone, an unassigned code (A2 A0), a lead byte before a byte that cannot
    // follow it, a zero byte and a final lead byte.
    EXPECT_EQ(GbkToUtf8(std::string("\x80" "a\xFF" "\xA2\xA0" "b\xD6" "1", 8) + std::string("\0\xD6", 2)),
              "ab1");
    std::string out = "x";
    AppendGbkAsUtf8("\xD6\xD0", out);
    EXPECT_EQ(out, U8(u8"x中"));
}

// The digests are those of Python's gbk codec (the source of the program's table), worked
// out independently of this code. The same test runs in the Linux and the Windows build,
// so both are shown to map every character alike.
TEST(GbkTable, MapsEveryCodeAndCharacterAsThePythonCodec) {
    std::string codes;
    for (unsigned b1 = 0x81; b1 <= 0xFE; ++b1) {
        for (unsigned b2 = 0x40; b2 <= 0xFE; ++b2) {
            if (b2 == 0x7F) continue;  // not a second byte: it would stand alone as ASCII
            codes += static_cast<char>(b1);
            codes += static_cast<char>(b2);
        }
    }
    const std::string utf8 = GbkToUtf8(codes);
    EXPECT_EQ(utf8.size(), 65216u);
    EXPECT_EQ(Fnv1a(utf8), 0xc16843cbcfef3b50ull);
    GbkText back;
    ASSERT_TRUE(Utf8ToGbk(utf8, back));
    EXPECT_EQ(back.size(), 2u * 21791u);  // every mapped code comes back as itself
    EXPECT_EQ(GbkToUtf8(back), utf8);

    std::string bmp;
    for (char32_t u = 0x80; u <= 0xFFFF; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF) continue;
        if (u < 0x800) {
            bmp += static_cast<char>(0xC0 | (u >> 6));
        } else {
            bmp += static_cast<char>(0xE0 | (u >> 12));
            bmp += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        }
        bmp += static_cast<char>(0x80 | (u & 0x3F));
    }
    GbkText gbk;
    ASSERT_TRUE(Utf8ToGbk(bmp, gbk));
    EXPECT_EQ(gbk.size(), 43582u);
    EXPECT_EQ(Fnv1a(gbk), 0xceb36cae5aced799ull);
}

TEST(RemoveZeroBytes, LeavesEverythingElse) {
    std::string text("\0\xD6\0\xD0z\0", 6);
    RemoveZeroBytes(text);
    EXPECT_EQ(text, "中z");
}

}  // namespace
