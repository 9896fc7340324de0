// The two widget pages, byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "searchbox/widget_pages.h"

namespace {

constexpr WidgetIds kIds{"mm_11_22_33", "widgets.example.invalid", "P-4455", "union.example.invalid"};

std::vector<std::string> LinesOf(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = page.find("\r\n", start);
        lines.push_back(page.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 2;
    }
}

// Every line break is CR LF, and none ends the page.
void ExpectCrLfBetweenLinesOnly(const std::string& page) {
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.back(), '\n');
    EXPECT_NE(page.back(), '\r');
    for (std::size_t i = 0; i < page.size(); ++i) {
        if (page[i] == '\r') {
            EXPECT_EQ(page[i + 1], '\n') << "at " << i;
        }
        if (page[i] == '\n') {
            EXPECT_TRUE(i > 0 && page[i - 1] == '\r') << "at " << i;
        }
    }
    EXPECT_EQ(page.find('\0'), std::string::npos);
}

TEST(WidgetPages, TaobaoPageLineByLine) {
    const std::string page = TaobaoWidgetPage(kIds);
    ExpectCrLfBetweenLinesOnly(page);
    const std::vector<std::string> expected = {
        "<script type='text/javascript'>",
        "alimama_pid='mm_11_22_33';",
        "alimama_type='g';",
        "alimama_tks={};",
        "alimama_tks.style_i=1;",
        "alimama_tks.lg_i=0;",
        "alimama_tks.w_i=249;",
        "alimama_tks.h_i=45;",
        "alimama_tks.btn_i=1;",
        "alimama_tks.txt_s='';",
        "alimama_tks.hot_i=0;",
        "alimama_tks.hc_c='#0065FF';",
        "alimama_tks.c_i=0;",
        "alimama_tks.cid_i=0;",
        "</script>",
        "<script type='text/javascript' src='http://widgets.example.invalid/inf.js'></script>",
    };
    EXPECT_EQ(LinesOf(page), expected);
    EXPECT_EQ(LinesOf(page).size(), 16u);
}

TEST(WidgetPages, DangdangPageLineByLine) {
    const std::string page = DangdangWidgetPage(kIds);
    ExpectCrLfBetweenLinesOnly(page);
    const std::vector<std::string> expected = {
        "<script type=\"text/javascript\"><!-- ",
        "dd_ad_output=\"html\";",
        "dd_ad_client=\"P-4455\";",
        "dd_ad_format=40;",
        "dd_ad_width=300;",
        "dd_ad_height=40;",
        "dd_open_target=\"_blank\";",
        "//--></script>",
        "<script type=\"text/javascript\" src=\"http://union.example.invalid/union/script/dd_ads.js\"></script>",
    };
    EXPECT_EQ(LinesOf(page), expected);
    EXPECT_EQ(LinesOf(page).size(), 9u);
}

}  // namespace
