#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/gbk_codec.h"
#include "cli/zyf_options.h"
#include "cli/zyf_run.h"
#include "cli/zyf_stdio.h"
#include "pinyin/conversion.h"
#include "tests/support/test_paths.h"

namespace {

std::string U8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

// Files, standard input and output in memory.
class MemoryIo : public ZyfIo {
public:
    std::map<std::string, std::string> files;
    std::string input;
    std::string output;
    std::string errors;
    bool failWrites = false;
    bool failFinish = false;

    bool AppendFile(const std::string& path, std::string& text, std::string& reason) override {
        const auto it = files.find(path);
        if (it == files.end()) {
            reason = "No such file or directory";
            return false;
        }
        text += it->second;
        return true;
    }
    bool AppendStandardInput(std::string& text, std::string&) override {
        text += input;
        return true;
    }
    bool WriteOutput(std::string_view bytes, std::string& reason) override {
        if (failWrites) {
            reason = "Broken pipe";
            return false;
        }
        output += bytes;
        return true;
    }
    bool FinishOutput(std::string& reason) override {
        if (!failFinish) return true;
        reason = "No space left on device";
        return false;
    }
    void WriteError(std::string_view text) override { errors += text; }
};

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunWith(const std::vector<std::string>& args, const std::string& input) {
    MemoryIo io;
    io.input = input;
    const int status = RunZyf(args, io);
    return {status, io.output, io.errors};
}

TEST(RunZyf, ConvertsStandardInputInEveryLayout) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string output;
    };
    const Case cases[] = {
        {{"--mixed"}, U8(u8"中文"), U8(u8"中（zhōng）文（wén）")},
        {{}, U8(u8"中文"), U8(u8"zhōng wén ")},
        {{"-m", "toneless"}, U8(u8"a,b 中 文!\n"), "zhong wen"},
        {{"--mode=initials", "--mixed"}, U8(u8"中文"), U8(u8"中（zh）文（w）")},
        {{"--mixed", "--per-line"}, U8(u8"中文"), U8(u8"中（zhōng）\r\n文（wén）\r\n")},
        {{"--per-line"}, U8(u8"中文"), U8(u8"zhōng wén ")},  // a plain result has no groups
        {{"--count"}, U8(u8"中中中 abc"), "3\n"},
        {{"--count"}, "", "0\n"},
        {{}, "abc", ""},
        // What GBK lacks and zero bytes go before the conversion, so the hanzi around them meet.
        {{"--mixed"}, U8(u8"中\U0001F600\u20AC") + std::string(1, '\0') + U8(u8"文"), U8(u8"中（zhōng）文（wén）")},
        {{"--encoding", "gbk", "--mixed"}, "中文", "中（zhōng）文（wén）"},
        // In GBK a zero byte would split a character; it goes first, as in UTF-8 input.
        {{"--encoding=gbk", "--count"}, std::string("\xD6\0\xD0", 3), "1\n"},
        {{"--encoding=gbk"}, std::string("\xD6\0\xD0", 3), "zhōng "},
    };
    for (const Case& c : cases) {
        const Outcome o = RunWith(c.args, c.input);
        EXPECT_EQ(o.status, 0) << testing::PrintToString(c.args);
        EXPECT_EQ(o.out, c.output) << testing::PrintToString(c.args);
        EXPECT_EQ(o.err, "") << testing::PrintToString(c.args);
    }
}

TEST(RunZyf, JoinsFilesIntoOneText) {
    MemoryIo io;
    const std::string zhong = U8(u8"中");
    io.files["a"] = zhong.substr(0, 1);  // a character may run across the end of a file
    io.files["b"] = zhong.substr(1) + U8(u8"文");
    io.input = U8(u8"字");
    EXPECT_EQ(RunZyf({"--mixed", "-", "a", "b"}, io), 0);
    EXPECT_EQ(io.output, U8(u8"字（zì）中（zhōng）文（wén）"));
}

TEST(RunZyf, ReportsInputFaultsWithNothingOnStandardOutput) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
        std::string error;
    };
    const std::string ok = U8(u8"中");
    const Case cases[] = {
        {{"a", "missing", "b"}, "", "zyf: cannot read missing: No such file or directory\n"},
        {{}, ok + "ab\xE4\xB8", "zyf: invalid UTF-8 at byte 5\n"},
        {{}, "\xED\xA0\x80" + ok, "zyf: invalid UTF-8 at byte 0\n"},
        {{"--count"}, ok + "\xC0\x80", "zyf: invalid UTF-8 at byte 3\n"},
        // Offsets run over the files joined: "a" holds three bytes.
        {{"a", "bad"}, "", "zyf: invalid UTF-8 at byte 3\n"},
    };
    for (const Case& c : cases) {
        MemoryIo io;
        io.files["a"] = ok;
        io.files["b"] = ok;
        io.files["bad"] = "\xFF" + ok;
        io.input = c.input;
        EXPECT_EQ(RunZyf(c.args, io), 1) << testing::PrintToString(c.args);
        EXPECT_EQ(io.errors, c.error) << testing::PrintToString(c.args);
        EXPECT_EQ(io.output, "") << testing::PrintToString(c.args);
    }
}

TEST(RunZyf, RejectsABadCommandLineWithTheUsage) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--bogus"}, {"-m", "x"}, {"--mode"}}) {
        const Outcome o = RunWith(args, U8(u8"中"));
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err.rfind("zyf: ", 0), 0u) << o.err;
        EXPECT_NE(o.err.find(ZyfUsage()), std::string::npos);
    }
    const Outcome help = RunWith({"--help"}, "");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, ZyfUsage());
    const Outcome version = RunWith({"--version"}, "");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "zyf 1.05\n");
}

TEST(RunZyf, FailsWhenTheOutputCannotBeWritten) {
    for (bool atFinish : {false, true}) {
        MemoryIo io;
        io.input = U8(u8"中文");
        io.failWrites = !atFinish;
        io.failFinish = atFinish;
        EXPECT_EQ(RunZyf({}, io), 1);
        EXPECT_EQ(io.errors, atFinish ? "zyf: cannot write output: No space left on device\n"
                                      : "zyf: cannot write output: Broken pipe\n");
    }
}

// The UTF-8 result goes out in pieces of a megabyte; a character that straddles a piece's
// end must come out whole.
TEST(RunZyf, WritesALongResultInPiecesWithoutSplittingCharacters) {
    std::string gbkInput;
    for (int i = 0; i < 120000; ++i) gbkInput += "中行绿文";
    const std::string expected = GbkToUtf8(ConvertText(gbkInput, PinyinMode::WithTones, true).text);
    ASSERT_GT(expected.size(), std::size_t{3} << 20);
    const Outcome o = RunWith({"--mixed"}, GbkToUtf8(gbkInput));
    EXPECT_EQ(o.status, 0);
    EXPECT_TRUE(o.out == expected) << "the output differs from the whole-text conversion";
}

// The real streams: files read in binary, output to a file, and a stream that refuses writes.
TEST(StdioZyfIo, ReadsBinaryAndReportsWhatFails) {
    TempDir dir;
    const std::string bytes = std::string("\xE4\xB8\xAD\r\n\x1A\0", 6) + U8(u8"文");
    WriteFileBytes(dir.File("in.txt"), bytes);
    StdioZyfIo io;
    std::string text, reason;
    ASSERT_TRUE(io.AppendFile(dir.File("in.txt"), text, reason));
    EXPECT_EQ(text, bytes);
    EXPECT_FALSE(io.AppendFile(dir.File("missing.txt"), text, reason));
    EXPECT_FALSE(reason.empty());

    std::FILE* out = std::fopen(dir.File("out.txt").c_str(), "wb");
    std::FILE* err = std::fopen(dir.File("err.txt").c_str(), "wb");
    ASSERT_TRUE(out && err);
    StdioZyfIo files(stdin, out, err);
    EXPECT_EQ(RunZyf({"--mixed", dir.File("in.txt")}, files), 0);
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(ReadFileBytes(dir.File("out.txt")), U8(u8"中（zhōng）文（wén）"));
    EXPECT_EQ(ReadFileBytes(dir.File("err.txt")), "");

    // A stream open only for reading stands in for a closed standard output.
    std::FILE* closed = std::fopen(dir.File("out.txt").c_str(), "rb");
    err = std::fopen(dir.File("err.txt").c_str(), "wb");
    ASSERT_TRUE(closed && err);
    StdioZyfIo refusing(stdin, closed, err);
    EXPECT_EQ(RunZyf({dir.File("in.txt")}, refusing), 1);
    std::fclose(closed);
    std::fclose(err);
    EXPECT_EQ(ReadFileBytes(dir.File("err.txt")).rfind("zyf: cannot write output: ", 0), 0u);
}

}  // namespace
