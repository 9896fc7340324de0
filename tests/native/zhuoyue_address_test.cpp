// The bookshop's search address for the text of 编辑框_卓越.
#include <gtest/gtest.h>

#include <string>

#include "searchbox/zhuoyue_address.h"

namespace {

constexpr ZhuoyueIds kIds{"books.example.invalid", "maker-23", "AD0042"};

std::string Address(const std::string& keyword) {
    return "http://books.example.invalid/gp/associates/link-types/searchbox.html?tag=maker-23&creative=2028"
           "&adid=AD0042&campaign=408&mode=blended&keyword=" +
           keyword + "&Submit.x=29&Submit.y=10&Submit=Go";
}

TEST(ZhuoyueSearchAddress, KeysInOrderAroundTheKeyword) {
    const struct {
        const char* text;
        const char* keyword;
    } cases[] = {
        {"harry", "harry"},
        {"", ""},  // an empty box still opens the page
        // "&" and "#" would add a key or cut the rest off; the blank would end the address.
        {"a b&c#d", "a%20b%26c%23d"},
        // The server receives the GBK bytes the user typed: 中 D6D0, 文 CEC4.
        {"中文", "%D6%D0%CE%C4"},
        {"C++ 入门", "C%2B%2B%20%C8%EB%C3%C5"},
    };
    for (const auto& c : cases) EXPECT_EQ(ZhuoyueSearchAddress(c.text, kIds), Address(c.keyword)) << c.text;
}

TEST(PercentEncodeQueryValue, OnlyUnreservedBytesPassUnchanged) {
    const std::string unreserved = "ABCXYZabcxyz0189-._~";
    EXPECT_EQ(PercentEncodeQueryValue(unreserved), unreserved);
    const struct {
        std::string text;
        const char* encoded;
    } cases[] = {
        {"%", "%25"},
        {"+=?/", "%2B%3D%3F%2F"},
        {"\"'<>", "%22%27%3C%3E"},
        {"\r\n\t", "%0D%0A%09"},
        {std::string("\x7F\x80\xFF\x01", 4), "%7F%80%FF%01"},
        {std::string(1, '\0'), "%00"},
        {"@[]:", "%40%5B%5D%3A"},
        {"`{}", "%60%7B%7D"},
    };
    for (const auto& c : cases) EXPECT_EQ(PercentEncodeQueryValue(c.text), c.encoded) << c.text;
}

}  // namespace
