#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/zyf_options.h"

namespace {

using Args = std::vector<std::string>;

TEST(ParseZyfOptions, ReadsEveryOptionInItsSpellings) {
    struct Case {
        Args args;
        PinyinMode mode;
        bool mixed, perLine, countOnly;
        TextEncoding encoding;
        Args files;
    };
    const auto T = PinyinMode::WithTones;
    const auto N = PinyinMode::WithoutTones;
    const auto I = PinyinMode::InitialsOnly;
    const auto U = TextEncoding::Utf8;
    const auto G = TextEncoding::Gbk;
    const Case cases[] = {
        {{}, T, false, false, false, U, {}},
        {{"-m", "toneless"}, N, false, false, false, U, {}},
        {{"-minitials"}, I, false, false, false, U, {}},
        {{"--mode", "initials", "--mode=tones"}, T, false, false, false, U, {}},
        {{"--mode=TONELESS"}, N, false, false, false, U, {}},
        {{"--mixed", "--per-line", "a.txt"}, T, true, true, false, U, {"a.txt"}},
        {{"--count", "--encoding", "gbk", "x", "y"}, T, false, false, true, G, {"x", "y"}},
        {{"--encoding=UTF8", "--encoding=cp936"}, T, false, false, false, G, {}},
        {{"a", "--mixed", "b"}, T, true, false, false, U, {"a", "b"}},
        {{"-", "--", "--mixed", "-m"}, T, false, false, false, U, {"-", "--mixed", "-m"}},
    };
    for (const Case& c : cases) {
        const ParsedOptions p = ParseZyfOptions(c.args);
        const std::string where = testing::PrintToString(c.args);
        ASSERT_EQ(p.error, "") << where;
        EXPECT_EQ(p.options.mode, c.mode) << where;
        EXPECT_EQ(p.options.mixed, c.mixed) << where;
        EXPECT_EQ(p.options.perLine, c.perLine) << where;
        EXPECT_EQ(p.options.countOnly, c.countOnly) << where;
        EXPECT_EQ(p.options.encoding, c.encoding) << where;
        EXPECT_EQ(p.options.files, c.files) << where;
        EXPECT_FALSE(p.options.help || p.options.version) << where;
    }
    EXPECT_TRUE(ParseZyfOptions({"-h"}).options.help);
    EXPECT_TRUE(ParseZyfOptions({"--help"}).options.help);
    EXPECT_TRUE(ParseZyfOptions({"--version"}).options.version);
}

TEST(ParseZyfOptions, NamesWhatIsWrong) {
    const std::pair<Args, std::string> cases[] = {
        {{"--bogus"}, "unknown option --bogus"},
        {{"-x"}, "unknown option -x"},
        {{"-hx"}, "unknown option -hx"},
        {{"--mixed=yes"}, "option --mixed takes no value"},
        {{"--bogus=1"}, "unknown option --bogus=1"},
        {{"-m"}, "option -m needs a value"},
        {{"a", "--encoding"}, "option --encoding needs a value"},
        {{"-m", "pinyin"}, "unknown mode 'pinyin'"},
        {{"--mode="}, "unknown mode ''"},
        {{"--encoding", "big5"}, "unknown encoding 'big5'"},
    };
    for (const auto& [args, error] : cases) {
        EXPECT_EQ(ParseZyfOptions(args).error, error) << testing::PrintToString(args);
    }
}

}  // namespace
