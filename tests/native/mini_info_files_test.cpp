#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/feed_markers.h"
#include "online/mini_info_files.h"
#include "online/page_fetcher.h"

namespace {

constexpr char kChannel[] = "http://127.0.0.1/go/chn/tbk_channel/channelcode.php?pid=mm_1_2_3&eventid=4";

TEST(BuiltInMiniFiles, StylesheetByteForByte) {
    const std::string rule =
        " {  font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 12pt; font-style: normal; "
        "line-height: normal; font-weight: normal; font-variant: normal; text-transform: none; color: ";
    const std::string expected = "<!--\r\n"
                                 "a:link" + rule + "#3333FF; text-decoration: none}\r\n"
                                 "a:visited" + rule + "#3333FF; text-decoration: none}\r\n"
                                 "a:hover" + rule + "#FF0000; text-decoration: none}\r\n"
                                 "a:active" + rule + "#3333FF; text-decoration: none}\r\n"
                                 "-->";
    EXPECT_EQ(BuiltInMiniCss(), expected);
    EXPECT_EQ(BuiltInMiniCss().size(), 947u);
}

TEST(BuiltInMiniFiles, PageByteForByteWithTheChannelLinkEscaped) {
    const std::vector<std::string> lines = {
        "<html>",
        "<head>",
        "<title>无标题文档</title>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">",
        "</head>",
        "",
        "<body bgcolor=\"#FFFFFF\">",
        "<table width=\"295\" border=\"0\" cellspacing=\"0\" cellpadding=\"0\">",
        "  <tr>",
        "    <td>&nbsp;</td>",
        "  </tr>",
        "  <tr>",
        "    <td>",
        "      <div align=\"center\"><font size=\"3\"><a href=\"http://127.0.0.1/go/chn/tbk_channel/channelcode.php"
        "?pid=mm_1_2_3&amp;eventid=4\" target=\"_blank\">淘宝网，淘实惠！</a></font></div>",
        "    </td>",
        "  </tr>",
        "  <tr>",
        "    <td>&nbsp;</td>",
        "  </tr>",
        "</table>",
        "</body>",
        "</html>",
    };
    ASSERT_EQ(lines.size(), 22u);
    std::string expected;
    for (const std::string& line : lines) expected += line + "\r\n";
    EXPECT_EQ(BuiltInMiniPage(kChannel), expected);
}

TEST(BuiltInMiniFiles, StylesheetLinkHead) {
    EXPECT_EQ(kStylesheetLinkHead, "<head><link rel=\"stylesheet\" type=\"text/css\" href=\"css.css\"/> </head>");
    EXPECT_EQ(kStylesheetLinkHead.size(), 69u);
}

struct FolderCase {
    const char* name;
    bool exists;
    bool creates;
    const char* expected;
    std::vector<std::string> asked;  // the paths tested, in order
};

TEST(ChooseMiniFilesFolder, AdFolderWhenItExistsOrCanBeMadeElseBesideTheProgram) {
    const FolderCase cases[] = {
        {"entry exists (folder or file)", true, true, "C:\\zyf\\ad\\", {"exists C:\\zyf\\ad"}},
        {"created", false, true, "C:\\zyf\\ad\\", {"exists C:\\zyf\\ad", "create C:\\zyf\\ad"}},
        {"cannot be created", false, false, "C:\\zyf\\", {"exists C:\\zyf\\ad", "create C:\\zyf\\ad"}},
    };
    for (const FolderCase& c : cases) {
        std::vector<std::string> asked;
        const std::string folder = ChooseMiniFilesFolder(
            "C:\\zyf",
            [&](const std::string& path) {
                asked.push_back("exists " + path);
                return c.exists;
            },
            [&](const std::string& path) {
                asked.push_back("create " + path);
                return c.creates;
            });
        EXPECT_EQ(folder, c.expected) << c.name;
        EXPECT_EQ(asked, c.asked) << c.name;
    }
}

std::string CssPart(std::string_view address) { return ConcatText({kMiniCssStart, address, kMiniCssEnd}); }
std::string PagePart(std::string_view content) { return ConcatText({kMiniPageStart, content, kMiniPageEnd}); }

struct FilesCase {
    const char* name;
    std::string cut;
    std::string css;
    std::string page;
    std::vector<std::string> downloads;
};

TEST(MiniInfoFilesFromFeed, FeedPartsOrTheBuiltInFiles) {
    const std::string content = "<p>今日推荐 <a href=\"http://127.0.0.1/x?a=1&b=2\">看看</a></p>";
    const std::string builtInCss(BuiltInMiniCss());
    const std::string builtInPage = BuiltInMiniPage(kChannel);
    const FilesCase cases[] = {
        {"content without stylesheet", PagePart(content), builtInCss, ConcatText({kStylesheetLinkHead, content}), {}},
        {"stylesheet without content", CssPart("http://127.0.0.1/mini.css"), "a{color:red}", builtInPage,
         {"http://127.0.0.1/mini.css"}},
        {"both", CssPart("HTTPS://127.0.0.1/mini.css") + PagePart(content), "a{color:red}",
         ConcatText({kStylesheetLinkHead, content}), {"HTTPS://127.0.0.1/mini.css"}},
        {"stylesheet download fails", CssPart("http://127.0.0.1/missing.css"), "", builtInPage,
         {"http://127.0.0.1/missing.css"}},
        {"stylesheet at a file address", CssPart("file:///C:/Windows/win.ini"), builtInCss, builtInPage, {}},
        {"stylesheet at a relative address", CssPart("mini.css"), builtInCss, builtInPage, {}},
        {"nothing (failed fetch)", "", builtInCss, builtInPage, {}},
    };
    for (const FilesCase& c : cases) {
        std::vector<std::string> downloads;
        const MiniInfoFiles files = MiniInfoFilesFromFeed(c.cut, kChannel, [&downloads](const std::string& address) {
            downloads.push_back(address);
            return address.find("missing") == std::string::npos ? std::string("a{color:red}") : std::string();
        });
        EXPECT_EQ(files.css, c.css) << c.name;
        EXPECT_EQ(files.page, c.page) << c.name;
        EXPECT_EQ(downloads, c.downloads) << c.name;
    }
}

TEST(MiniInfoFilesFromFeed, EscapedAmpersandOfTheFeedPageReachesThePageBare) {
    const std::string feedPage = ConcatText({"<div>", kInfoFeedStart,
                                             PagePart("<a href=\"http://127.0.0.1/x?a=1&amp;amp;b=2\">x</a>"),
                                             kInfoFeedEnd, "</div>"});
    PageFetcher fetcher([&feedPage](const std::string&) { return feedPage; }, kFetchTimeoutMs * 1000, [] {});
    const GbkText cut = fetcher.Fetch("http://127.0.0.1/mini", kInfoFeedStart, kInfoFeedEnd);
    const MiniInfoFiles files = MiniInfoFilesFromFeed(cut, kChannel, [](const std::string&) { return std::string(); });
    EXPECT_EQ(files.page, ConcatText({kStylesheetLinkHead, "<a href=\"http://127.0.0.1/x?a=1&b=2\">x</a>"}));
}

}  // namespace
