#include "online/mini_info_files.h"

#include "online/feed_markers.h"
#include "online/web_address.h"
#include "pinyin/marker_extract.h"

namespace {

constexpr std::string_view kCssRuleBody =
    "{  font-family: \"Verdana\", \"Arial\", \"Helvetica\", \"sans-serif\"; font-size: 12pt; "
    "font-style: normal; line-height: normal; font-weight: normal; font-variant: normal; "
    "text-transform: none; color: ";
constexpr std::string_view kCssRuleEnd = "; text-decoration: none}";

std::string MakeBuiltInMiniCss() {
    struct Rule {
        std::string_view selector;
        std::string_view color;
    };
    constexpr Rule kRules[] = {
        {"a:link", "#3333FF"}, {"a:visited", "#3333FF"}, {"a:hover", "#FF0000"}, {"a:active", "#3333FF"}};
    std::string css = "<!--\r\n";
    for (const Rule& r : kRules) css += ConcatText({r.selector, " ", kCssRuleBody, r.color, kCssRuleEnd, "\r\n"});
    css += "-->";
    return css;
}

// The channel address sits in an attribute, where a bare "&" would start an entity.
std::string EscapeAmpersands(std::string_view address) { return ReplaceText(address, "&", "&amp;"); }

}  // namespace

std::string_view BuiltInMiniCss() {
    static const std::string css = MakeBuiltInMiniCss();
    return css;
}

GbkText BuiltInMiniPage(std::string_view dealsChannelAddress) {
    const std::string link = ConcatText({"      <div align=\"center\"><font size=\"3\"><a href=\"",
                                         EscapeAmpersands(dealsChannelAddress),
                                         "\" target=\"_blank\">淘宝网，淘实惠！</a></font></div>"});
    const std::string_view lines[] = {
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
        link,
        "    </td>",
        "  </tr>",
        "  <tr>",
        "    <td>&nbsp;</td>",
        "  </tr>",
        "</table>",
        "</body>",
        "</html>",
    };
    GbkText page;
    for (const std::string_view line : lines) page += ConcatText({line, "\r\n"});
    return page;
}

std::string ChooseMiniFilesFolder(std::string_view exeDir, const PathTest& entryExists,
                                  const PathTest& createFolder) {
    const std::string ad = ConcatText({exeDir, "\\ad"});
    // An entry "ad" that is a file also counts: the files are then aimed below it, where
    // writing them fails, and the window shows nothing rather than guessing.
    if (entryExists(ad) || createFolder(ad)) return ad + "\\";
    return ConcatText({exeDir, "\\"});
}

MiniInfoFiles MiniInfoFilesFromFeed(std::string_view cut, std::string_view dealsChannelAddress,
                                    const DownloadFunction& download) {
    MiniInfoFiles files;
    const GbkText cssAddress = MarkerExtract(cut, kMiniCssStart, kMiniCssEnd);
    if (IsWebAddress(cssAddress)) {
        files.css = download(cssAddress);
    } else {
        files.css = BuiltInMiniCss();
    }
    const GbkText content = MarkerExtract(cut, kMiniPageStart, kMiniPageEnd);
    files.page = content.empty() ? BuiltInMiniPage(dealsChannelAddress) : ConcatText({kStylesheetLinkHead, content});
    return files;
}
