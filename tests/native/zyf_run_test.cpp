#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
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

// A source over bytes in memory, read in whatever amounts are asked for; it can fail
// after a number of bytes.
class MemorySource : public ZyfSource {
public:
    explicit MemorySource(std::string bytes, std::size_t failAt = std::string::npos)
        : bytes_(std::move(bytes)), failAt_(failAt) {}
    bool Read(char* buffer, std::size_t size, std::size_t& got, std::string& reason) override {
        if (pos_ >= failAt_) {
            reason = "Input/output error";
            return false;
        }
        got = std::min({size, bytes_.size() - pos_, failAt_ - pos_});
        bytes_.copy(buffer, got, pos_);
        pos_ += got;
        return true;
    }

private:
    std::string bytes_;
    std::size_t failAt_;
    std::size_t pos_ = 0;
};

// Files, standard input and output in memory.
class MemoryIo : public ZyfIo {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, std::size_t> failingFiles;  // name -> bytes read before the failure
    std::string input;
    std::string output;
    std::string errors;
    bool failWrites = false;
    bool failFinish = false;
    int writes = 0;

    std::unique_ptr<ZyfSource> OpenFile(const std::string& path, std::string& reason) override {
        const auto it = files.find(path);
        if (it == files.end()) {
            reason = "No such file or directory";
            return nullptr;
        }
        const auto failing = failingFiles.find(path);
        return std::make_unique<MemorySource>(it->second, failing == failingFiles.end() ? std::string::npos
                                                                                       : failing->second);
    }
    std::unique_ptr<ZyfSource> StandardInput() override {
        auto source = std::make_unique<MemorySource>(input);
        input.clear();  // read once, as a real stream
        return source;
    }
    bool WriteOutput(std::string_view bytes, std::string& reason) override {
        if (failWrites) {
            reason = "Broken pipe";
            return false;
        }
        ++writes;
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

Outcome RunWith(const std::vector<std::string>& args, const std::string& input,
                std::size_t pieceSize = kZyfPieceSize) {
    MemoryIo io;
    io.input = input;
    const int status = RunZyf(args, io, pieceSize);
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
    // Tiny pieces make every cut of the text a piece boundary.
    for (std::size_t pieceSize : {kZyfPieceSize, std::size_t{1}, std::size_t{3}}) {
        for (const Case& c : cases) {
            const Outcome o = RunWith(c.args, c.input, pieceSize);
            const std::string where = testing::PrintToString(c.args) + " pieces of " + std::to_string(pieceSize);
            EXPECT_EQ(o.status, 0) << where;
            EXPECT_EQ(o.out, c.output) << where;
            EXPECT_EQ(o.err, "") << where;
        }
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

// Random text of the kinds of bytes that matter to extraction: hanzi with and without
// readings, ASCII with spaces and line ends, full-width forms and blanks, 0x80 and 0xFF,
// lone lead bytes and zero bytes.
std::string RandomGbk(std::mt19937& rng, std::size_t parts) {
    static const char* const kParts[] = {"中", "文", "行", "绿", "丆", "丶", "丂", "\xFE\x50", "a", " ", "\n", "\r\n",
                                         "，", "Ａ", "　", "（", "）", "\x80", "\xFF", "\xD6", "\xA3",
                                         "\xA1"};
    std::string text;
    for (std::size_t i = 0; i < parts; ++i) {
        const std::size_t k = rng() % (std::size(kParts) + 1);
        text += k == std::size(kParts) ? std::string(1, '\0') : std::string(kParts[k]);
    }
    return text;
}

// zyf streams its input, so what it writes must be, for any text and any piece size, the
// bytes ConvertText gives for the whole text.
TEST(RunZyf, StreamsTheBytesOfTheWholeTextConversion) {
    std::mt19937 rng(20240611);
    const std::pair<PinyinMode, const char*> modes[] = {
        {PinyinMode::WithTones, "tones"}, {PinyinMode::WithoutTones, "toneless"}, {PinyinMode::InitialsOnly, "initials"}};
    for (int round = 0; round < 40; ++round) {
        const std::string gbk = RandomGbk(rng, 1 + rng() % 300);
        std::string clean = gbk;
        RemoveZeroBytes(clean);
        const std::size_t pieceSize = 1 + rng() % 64;
        for (const auto& [mode, name] : modes) {
            for (bool mixed : {false, true}) {
                for (bool perLine : {false, true}) {
                    const Conversion whole = ConvertText(clean, mode, mixed);
                    const std::string expected = perLine ? LineBreakGroups(whole.text) : whole.text;
                    std::vector<std::string> args = {"--encoding=gbk", "-m", name};
                    if (mixed) args.push_back("--mixed");
                    if (perLine) args.push_back("--per-line");
                    const Outcome o = RunWith(args, gbk, pieceSize);
                    ASSERT_EQ(o.status, 0);
                    ASSERT_TRUE(o.out == expected) << testing::PrintToString(gbk) << " " << name << mixed << perLine
                                                   << " pieces of " << pieceSize;
                    // The same text as UTF-8 (what GBK lacks gone) gives the same result in UTF-8.
                    args[0] = "--encoding=utf-8";
                    const Outcome u = RunWith(args, GbkToUtf8(clean), pieceSize);
                    GbkText back;
                    ASSERT_TRUE(Utf8ToGbk(GbkToUtf8(clean), back));
                    ASSERT_EQ(u.out, GbkToUtf8(perLine ? LineBreakGroups(ConvertText(back, mode, mixed).text)
                                                       : ConvertText(back, mode, mixed).text));
                }
            }
        }
        const Outcome count = RunWith({"--encoding=gbk", "--count"}, gbk, pieceSize);
        EXPECT_EQ(count.out, std::to_string(ConvertText(clean, PinyinMode::WithTones, false).count) + "\n");
    }
}

// At the real piece size: a long text with line ends goes out in several writes, and one
// without any place to cut is converted whole.
TEST(RunZyf, ConvertsLongTextsAtTheRealPieceSize) {
    std::string lines, oneLine;
    for (int i = 0; i < 400000; ++i) {
        lines += i % 50 == 49 ? "\n" : "中行绿文";
        oneLine += "中行绿文";
    }
    for (const char* encoding : {"--encoding=gbk", "--encoding=utf-8"}) {
        for (const std::string* gbk : {&lines, &oneLine}) {
            const bool utf8 = encoding[11] == 'u';
            MemoryIo io;
            io.input = utf8 ? GbkToUtf8(*gbk) : *gbk;
            ASSERT_EQ(RunZyf({encoding, "--mixed"}, io), 0);
            const GbkText expected = ConvertText(*gbk, PinyinMode::WithTones, true).text;
            EXPECT_TRUE(io.output == (utf8 ? GbkToUtf8(expected) : expected)) << encoding;
            if (gbk == &lines) {
                EXPECT_GT(io.writes, 2) << encoding;
            }
        }
    }
}

TEST(RunZyf, StopsAtAReadError) {
    for (const char* encoding : {"--encoding=gbk", "--encoding=utf-8"}) {
        MemoryIo io;
        io.files["a"] = "abc\n";
        io.failingFiles["a"] = 2;
        EXPECT_EQ(RunZyf({encoding, "a"}, io, 1), 1);
        EXPECT_EQ(io.errors, "zyf: cannot read a: Input/output error\n");
    }
}

// A read that fails midway: the output holds everything read before the fault, the hanzi
// held back for a word included, as if the input had ended there; then the fault.
TEST(RunZyf, WritesEverythingReadBeforeAReadFault) {
    const std::string first = "他在银行\n";
    const std::string second = "行长那里，重新开始\n银行";
    const std::vector<std::vector<std::string>> argSets = {
        {"--encoding=gbk"}, {"--encoding=gbk", "--phrases"}, {"--encoding=gbk", "--phrases", "-m", "toneless"},
        {"--encoding=gbk", "--phrases", "--mixed", "--per-line"}};
    for (const auto& args : argSets) {
        for (std::size_t pieceSize : {std::size_t{1}, std::size_t{5}, kZyfPieceSize}) {
            for (std::size_t failAt = 0; failAt <= second.size(); ++failAt) {
                MemoryIo io;
                io.files["a"] = first;
                io.files["b"] = second;
                io.failingFiles["b"] = failAt;
                std::vector<std::string> withFiles = args;
                withFiles.insert(withFiles.end(), {"a", "b"});
                EXPECT_EQ(RunZyf(withFiles, io, pieceSize), 1);
                EXPECT_EQ(io.errors, "zyf: cannot read b: Input/output error\n");

                MemoryIo whole;
                whole.files["a"] = first + second.substr(0, failAt);
                std::vector<std::string> justRead = args;
                justRead.push_back("a");
                ASSERT_EQ(RunZyf(justRead, whole, pieceSize), 0);
                EXPECT_EQ(io.output, whole.output) << args.size() << " " << pieceSize << " " << failAt;
            }
        }
    }
}

// The real streams: files read in binary, output to a file, and a stream that refuses writes.
TEST(StdioZyfIo, ReadsBinaryAndReportsWhatFails) {
    TempDir dir;
    const std::string bytes = std::string("\xE4\xB8\xAD\r\n\x1A\0", 6) + U8(u8"文");
    WriteFileBytes(dir.File("in.txt"), bytes);
    StdioZyfIo io;
    std::string text, reason;
    auto source = io.OpenFile(dir.File("in.txt"), reason);
    ASSERT_TRUE(source);
    EXPECT_EQ(source->SizeHint(), bytes.size());
    char piece[3];
    std::size_t got;
    while (source->Read(piece, sizeof piece, got, reason) && got > 0) text.append(piece, got);
    EXPECT_EQ(text, bytes);
    EXPECT_FALSE(io.OpenFile(dir.File("missing.txt"), reason));
    EXPECT_FALSE(reason.empty());
    reason.clear();
    EXPECT_FALSE(io.OpenFile(dir.Path(), reason));  // a folder is refused before any reading
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
