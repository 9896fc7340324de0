// The search window's online menu item, from its deciphered feed.
#include <gtest/gtest.h>

#include <string>

#include "online/feed_markers.h"
#include "searchbox/online_menu.h"

namespace {

std::string Title(const std::string& t) { return std::string(kMenuTitleStart) + t + kMenuTitleEnd; }
std::string Link(const std::string& l) { return std::string(kMenuLinkStart) + l + kMenuLinkEnd; }

TEST(OnlineMenuFromFeed, TitleAndWebLinkMakeTheItem) {
    const struct {
        std::string feed;
        const char* title;
        const char* link;
    } cases[] = {
        {Title("新品推荐") + "\r\n" + Link("http://127.0.0.1/new"), "新品推荐", "http://127.0.0.1/new"},
        // Each field is cut from the start of the text, in whichever order they stand.
        {"前言" + Link("HTTPS://127.0.0.1/a?b=1&c=2") + Title("特价"), "特价", "HTTPS://127.0.0.1/a?b=1&c=2"},
        {Title("甲") + Title("乙") + Link("https://127.0.0.1/") + Link("http://127.0.0.1/x"), "甲",
         "https://127.0.0.1/"},
    };
    for (const auto& c : cases) {
        const auto entry = OnlineMenuFromFeed(c.feed);
        ASSERT_TRUE(entry.has_value()) << c.feed;
        EXPECT_EQ(entry->title, c.title);
        EXPECT_EQ(entry->link, c.link);
    }
}

TEST(OnlineMenuFromFeed, NoItemWithoutBothFields) {
    const std::string link = Link("http://127.0.0.1/new");
    const std::string title = Title("新品推荐");
    const std::string cases[] = {
        "",
        title,
        link,
        Title("") + link,
        title + Link(""),
        // An unclosed field is a missing one.
        std::string(kMenuTitleStart) + "新品推荐" + link,
        title + kMenuLinkStart + "http://127.0.0.1/new",
        // The end marker before the start marker does not close it.
        std::string(kMenuTitleEnd) + "新品推荐" + kMenuTitleStart + link,
    };
    for (const std::string& feed : cases) EXPECT_FALSE(OnlineMenuFromFeed(feed).has_value()) << feed;
}

TEST(OnlineMenuFromFeed, ALinkThatIsNoWebAddressMakesNoItem) {
    // The item hands its link to the browser: a feed must not make it open a local file or
    // run a script.
    for (const char* link : {"file:///C:/Windows/System32/calc.exe", "javascript:alert(1)", "C:\\evil.exe",
                             " http://127.0.0.1/", "ftp://127.0.0.1/", "http:/127.0.0.1/", "www.example.invalid"}) {
        EXPECT_FALSE(OnlineMenuFromFeed(Title("新品推荐") + Link(link)).has_value()) << link;
    }
}

}  // namespace
