#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/gbk_codec.h"
#include "feedtool/feed_tool.h"
#include "feedtool/feed_tool_stdio.h"
#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "pinyin/marker_extract.h"
#include "tests/support/test_paths.h"

namespace {

std::string U8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

// Files, standard input and output in memory.
class MemoryFeedToolIo : public FeedToolIo {
public:
    std::map<std::string, std::string> files;
    std::string input;
    std::string output;
    std::string errors;
    bool failWrites = false;

    bool ReadFile(const std::string& path, std::string& bytes, std::string& reason) override {
        const auto it = files.find(path);
        if (it == files.end()) {
            reason = "No such file or directory";
            return false;
        }
        bytes = it->second;
        return true;
    }
    bool ReadStandardInput(std::string& bytes, std::string& reason) override {
        (void)reason;
        bytes = input;
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
    void WriteError(std::string_view text) override { errors += text; }
};

struct ToolRun {
    int status;
    std::string output;
    std::string errors;
};

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = "") {
    MemoryFeedToolIo io;
    io.input = input;
    const int status = RunFeedTool(args, io);
    return {status, io.output, io.errors};
}

const std::string kPlainUtf8 = U8(u8"[广告文本开始]新版上线 & 更快[广告文本结束]\n[广告链接开始]http://127.0.0.1/a?b=1&c=2[广告链接结束]\n");

TEST(ZyfFeed, EncodedPayloadIsWhatTheProgramDeciphers) {
    // The program's way: a page served in GBK, cut between the markers, then deciphered.
    const ToolRun ad = RunTool({"encode", "--encoding", "gbk"}, "[广告文本开始]新版上线[广告文本结束]");
    ASSERT_EQ(ad.status, 0) << ad.errors;
    const std::string page = "<html><body><p>" + ad.output + "</p></body></html>";
    EXPECT_EQ(DecodeFeedText(MarkerExtract(page, kAdFeedStart, kAdFeedEnd)), "[广告文本开始]新版上线[广告文本结束]");
    EXPECT_EQ(ad.output.back(), '\n');

    const ToolRun menu = RunTool({"encode", "--markers", "menu", "--encoding=gbk"}, "[菜单标题开始]特价[菜单标题结束]");
    ASSERT_EQ(menu.status, 0) << menu.errors;
    EXPECT_EQ(DecodeFeedText(MarkerExtract(menu.output, kInfoFeedStart, kInfoFeedEnd)), "[菜单标题开始]特价[菜单标题结束]");
    EXPECT_EQ(MarkerExtract(menu.output, kAdFeedStart, kAdFeedEnd), "");
}

TEST(ZyfFeed, Utf8TextTravelsAsGbkAndComesBackAsUtf8) {
    const ToolRun encoded = RunTool({"encode"}, kPlainUtf8);
    ASSERT_EQ(encoded.status, 0) << encoded.errors;
    // Markers in UTF-8 for pasting into an editor; the payload is upper-case hex.
    const std::string start = U8(u8"[联机开始]");
    const std::string end = U8(u8"[联机结束]\n");
    ASSERT_EQ(encoded.output.substr(0, start.size()), start);
    ASSERT_EQ(encoded.output.substr(encoded.output.size() - end.size()), end);
    const std::string payload = encoded.output.substr(start.size(), encoded.output.size() - start.size() - end.size());
    EXPECT_EQ(payload.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    GbkText gbk;
    ASSERT_TRUE(Utf8ToGbk(kPlainUtf8, gbk));
    EXPECT_EQ(DecodeFeedText(payload), gbk);

    for (const std::string& input : {encoded.output, payload, payload + "\r\n", "  " + payload}) {
        const ToolRun decoded = RunTool({"decode"}, input);
        EXPECT_EQ(decoded.status, 0) << decoded.errors;
        EXPECT_EQ(decoded.output, kPlainUtf8);
    }
    const ToolRun asGbk = RunTool({"decode", "--encoding", "gbk"}, payload);
    EXPECT_EQ(asGbk.output, gbk);
    // A UTF-8 file from a Windows editor starts with a byte order mark, which is not text.
    EXPECT_EQ(RunTool({"encode"}, "\xEF\xBB\xBF" + kPlainUtf8).output, encoded.output);
}

TEST(ZyfFeed, DecodesASavedGbkPageAsTheProgramCutsIt) {
    GbkText gbk;
    ASSERT_TRUE(Utf8ToGbk(kPlainUtf8, gbk));
    const std::string payload = EncryptFeedText(gbk);
    const std::string lower = [&] {
        std::string s = payload;
        for (char& ch : s) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return s;
    }();
    const std::string page = ConcatText({"<p>", kInfoFeedStart, lower, kInfoFeedEnd, "</p>\r\n"});
    const ToolRun menu = RunTool({"decode", "--markers", "menu"}, page);
    EXPECT_EQ(menu.status, 0) << menu.errors;
    EXPECT_EQ(menu.output, kPlainUtf8);
    // With the other feed's markers the page is no payload at all.
    const ToolRun ad = RunTool({"decode"}, page);
    EXPECT_EQ(ad.status, 1);
    EXPECT_EQ(ad.errors, "zyf-feed: no start marker of the chosen feed, and the input is no bare payload: "
                         "the payload holds a character that is not a hex digit\n");
}

TEST(ZyfFeed, ReadsAndWritesRealFiles) {
    TempDir dir;
    WriteFileBytes(dir.File("plain.txt"), kPlainUtf8);
    std::FILE* out = std::fopen(dir.File("out.txt").c_str(), "wb");
    std::FILE* err = std::fopen(dir.File("err.txt").c_str(), "wb");
    ASSERT_TRUE(out && err);
    StdioFeedToolIo io(stdin, out, err);
    const int status = RunFeedTool({"encode", dir.File("plain.txt")}, io);
    std::fclose(out);
    std::fclose(err);
    EXPECT_EQ(status, 0) << ReadFileBytes(dir.File("err.txt"));
    EXPECT_EQ(ReadFileBytes(dir.File("out.txt")), RunTool({"encode"}, kPlainUtf8).output);

    StdioFeedToolIo files;
    std::string bytes, reason;
    EXPECT_FALSE(files.ReadFile(dir.File("missing.txt"), bytes, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(files.ReadFile(dir.Path(), bytes, reason));
}

struct ErrorCase {
    std::vector<std::string> args;
    std::string input;
    int status;
    const char* message;
};

TEST(ZyfFeed, ReportsBadCommandLinesInputsAndPayloads) {
    const ErrorCase cases[] = {
        {{}, "", 2, "no command given"},
        {{"frob"}, "", 2, "unknown command 'frob'"},
        {{"encode", "--markers", "news"}, "x", 2, "unknown markers 'news'"},
        {{"encode", "--markers"}, "x", 2, "option --markers needs a value"},
        {{"encode", "--encoding=latin1"}, "x", 2, "unknown encoding 'latin1'"},
        {{"encode", "--quiet"}, "x", 2, "unknown option --quiet"},
        {{"encode", "a.txt", "b.txt"}, "x", 2, "more than one input file"},
        {{"encode", "missing.txt"}, "", 1, "cannot read missing.txt: No such file or directory"},
        {{"encode"}, "", 1, "the text is empty"},
        {{"encode"}, "ab\xFF", 1, "invalid UTF-8 at byte 2"},
        {{"encode"}, "\xEF\xBB\xBF" "ab\xFF", 1, "invalid UTF-8 at byte 5"},  // counted in the file
        {{"encode"}, U8(u8"表情 \U0001F600"), 1, "the text holds characters that GBK cannot express"},
        {{"encode"}, std::string("a\0b", 3), 1, "the text holds a zero byte"},
        {{"encode", "--encoding", "gbk"}, std::string("a\0b", 3), 1, "the text holds a zero byte"},
        {{"decode"}, " \r\n", 1, "the input holds no payload"},
        {{"decode"}, "0A00x0", 1, "no start marker of the chosen feed, and the input is no bare payload"},
        {{"decode"}, ConcatText({kAdFeedStart, "0A00 0A", kAdFeedEnd}), 1,
         "the payload holds a character that is not a hex digit"},
        {{"decode"}, "0A000000000000", 1, "the payload is shorter than its 8-byte header"},
        {{"decode"}, "0000000000000000", 1, "the payload's bytes after the header are not whole 16-byte blocks"},
        {{"decode"}, ConcatText({kAdFeedStart, "0A00"}), 1, "nothing between the start marker"},
        {{"decode"}, U8(u8"[联机开始][联机结束]"), 1, "nothing between the start marker"},
    };
    for (const ErrorCase& c : cases) {
        const ToolRun run = RunTool(c.args, c.input);
        const std::string line = std::string("zyf-feed: ") + c.message;
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_EQ(run.errors.substr(0, line.size()), line) << run.errors;
        EXPECT_EQ(run.output, "") << c.message;
        // A bad command line shows the usage too.
        EXPECT_EQ(run.errors.find("usage: zyf-feed") != std::string::npos, c.status == 2) << c.message;
    }
}

TEST(ZyfFeed, HelpAndFailedWrites) {
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.output.rfind("usage: zyf-feed encode", 0), 0u);
    EXPECT_EQ(RunTool({"decode", "-h"}).output, help.output);

    MemoryFeedToolIo io;
    io.input = "text";
    io.failWrites = true;
    EXPECT_EQ(RunFeedTool({"encode"}, io), 1);
    EXPECT_EQ(io.errors, "zyf-feed: cannot write output: Broken pipe\n");
}

}  // namespace
