// The two files a mini info window shows: css.css and miniweb1.html in MiniFilesFolder.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "online/download.h"
#include "text/gbk_text.h"

inline constexpr char kMiniCssFileName[] = "css.css";
inline constexpr char kMiniPageFileName[] = "miniweb1.html";

// The stylesheet written when the feed names none (947 bytes).
std::string_view BuiltInMiniCss();
// The page written when the feed has no content: 22 lines ended by CR LF, with a link to
// the channel page.
GbkText BuiltInMiniPage(std::string_view dealsChannelAddress);
// Put before the feed's page content, so that the page uses the css.css beside it.
inline constexpr std::string_view kStylesheetLinkHead =
    "<head><link rel=\"stylesheet\" type=\"text/css\" href=\"css.css\"/> </head>";

// exeDir (without trailing separator) + "\ad\" when an entry "ad" exists there or the
// folder can be created, else exeDir + "\". createFolder is asked only when nothing exists.
using PathTest = std::function<bool(const std::string& path)>;
std::string ChooseMiniFilesFolder(std::string_view exeDir, const PathTest& entryExists,
                                  const PathTest& createFolder);

struct MiniInfoFiles {
    std::string css;
    std::string page;
};
// What to write from the fetched mini info page: the stylesheet downloaded from the feed's
// web address (empty when that download fails) or the built-in one, and the feed's content
// after kStylesheetLinkHead or the built-in page. download is called only for a web address.
MiniInfoFiles MiniInfoFilesFromFeed(std::string_view cut, std::string_view dealsChannelAddress,
                                    const DownloadFunction& download);
