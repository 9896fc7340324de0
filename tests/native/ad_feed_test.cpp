#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "online/ad_feed.h"
#include "online/feed_markers.h"
#include "online/rearm_period.h"
#include "online/web_address.h"

namespace {

constexpr char kChannel[] = "http://127.0.0.1/go/chn/tbk_channel/channelcode.php?pid=mm_1_2_3&eventid=4";

std::string Caption(std::string_view text) { return ConcatText({kAdCaptionStart, text, kAdCaptionEnd}); }
std::string Link(std::string_view text) { return ConcatText({kAdLinkStart, text, kAdLinkEnd}); }

struct TickCase {
    const char* name;
    std::string plain;
    std::string caption;
    std::string link;
};

TEST(AdCaptionFromFeed, TakesCaptionAndLinkOrTheirDefaults) {
    const TickCase cases[] = {
        {"caption and link", Caption("新版上线") + Link("http://127.0.0.1/new"), "新版上线", "http://127.0.0.1/new"},
        {"link before caption, text around", ConcatText({"x", Link("https://127.0.0.1/a?b=1&c=2"), "y", Caption("看看")}),
         "看看", "https://127.0.0.1/a?b=1&c=2"},
        {"caption without link", Caption("新版上线"), "新版上线", kChannel},
        {"link without caption", Link("http://127.0.0.1/new"), kDefaultAdCaption, "http://127.0.0.1/new"},
        {"nothing (failed fetch or decoding)", "", kDefaultAdCaption, kChannel},
        {"empty caption", Caption("") + Link("http://127.0.0.1/new"), kDefaultAdCaption, "http://127.0.0.1/new"},
        {"file address", Caption("c") + Link("file:///C:/Windows/notepad.exe"), "c", kChannel},
        {"script address", Caption("c") + Link("javascript:alert(1)"), "c", kChannel},
        {"blank before the scheme", Caption("c") + Link(" http://127.0.0.1/"), "c", kChannel},
        {"scheme in capitals", Caption("c") + Link("HTTP://127.0.0.1/"), "c", "HTTP://127.0.0.1/"},
    };
    for (const TickCase& c : cases) {
        const AdCaption ad = AdCaptionFromFeed(c.plain, kChannel);
        EXPECT_EQ(ad.caption, c.caption) << c.name;
        EXPECT_EQ(ad.link, c.link) << c.name;
    }
}

TEST(AdClickAddress, DefaultCaptionOpensTheChannelPage) {
    // Before the first tick: the form text, nothing stored.
    EXPECT_EQ(AdClickAddress(kDefaultAdCaption, "", kChannel), kChannel);
    // A feed with a link but no caption, or with the default caption itself.
    for (const std::string& caption : {std::string(), Caption("淘宝淘实惠")}) {
        const AdCaption ad = AdCaptionFromFeed(caption + Link("http://127.0.0.1/new"), kChannel);
        EXPECT_EQ(AdClickAddress(ad.caption, ad.link, kChannel), kChannel) << caption;
    }
    const AdCaption ad = AdCaptionFromFeed(Caption("新版上线") + Link("http://127.0.0.1/new"), kChannel);
    EXPECT_EQ(AdClickAddress(ad.caption, ad.link, kChannel), "http://127.0.0.1/new");
    // Compared byte for byte: a caption that only begins like the default is the feed's.
    EXPECT_EQ(AdClickAddress("淘宝淘实惠 ", "http://127.0.0.1/new", kChannel), "http://127.0.0.1/new");
}

TEST(IsWebAddress, AcceptsHttpAndHttpsInAnyCaseOnly) {
    for (const char* yes : {"http://127.0.0.1/", "https://127.0.0.1/", "HTTP://A", "hTtPs://a", "http://"}) {
        EXPECT_TRUE(IsWebAddress(yes)) << yes;
    }
    for (const char* no : {"", "http:/a", "http:127.0.0.1", "https:\\\\a", "ftp://a", "file:///C:/a.html",
                           "javascript:alert(1)", "vbscript:x", " http://a", "httpx://a", "res://ieframe.dll/",
                           "\\\\server\\share"}) {
        EXPECT_FALSE(IsWebAddress(no)) << no;
    }
}

TEST(DrawRearmPeriodMs, WholeMinutesOfEachTimersRange) {
    std::vector<std::pair<int, int>> asked;
    auto lowest = [&asked](int lo, int hi) {
        asked.emplace_back(lo, hi);
        return lo;
    };
    auto highest = [](int, int hi) { return hi; };
    EXPECT_EQ(DrawRearmPeriodMs(kAdRefreshMinutes, lowest), 5 * 60000);
    EXPECT_EQ(DrawRearmPeriodMs(kAdRefreshMinutes, highest), 9 * 60000);
    EXPECT_EQ(DrawRearmPeriodMs(kMiniInfoRefreshMinutes, lowest), 25 * 60000);
    EXPECT_EQ(DrawRearmPeriodMs(kMiniInfoRefreshMinutes, highest), 35 * 60000);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{5, 9}, {25, 35}}));
    // A source that strays outside its range is held to it.
    EXPECT_EQ(DrawRearmPeriodMs(kAdRefreshMinutes, [](int, int) { return 0; }), 5 * 60000);
    EXPECT_EQ(DrawRearmPeriodMs(kAdRefreshMinutes, [](int, int) { return 1000; }), 9 * 60000);
}

}  // namespace
