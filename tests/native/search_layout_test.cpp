// The search window's engines and the layout each one leaves.
#include <gtest/gtest.h>

#include "searchbox/search_layout.h"

namespace {

constexpr unsigned kOrange = 24768;     // RGB(192, 96, 0)
constexpr unsigned kBlue = 12607488;    // RGB(0, 96, 192)

TEST(SearchEngineWords, NameTheThreeEnginesExactly) {
    for (const SearchEngine e : {SearchEngine::Taobao, SearchEngine::Dangdang, SearchEngine::Zhuoyue}) {
        EXPECT_EQ(EngineNamed(EngineWord(e)), e) << EngineWord(e);
    }
    EXPECT_EQ(EngineWord(SearchEngine::Dangdang), "dangdang");
    for (const char* word : {"TaoBao", "taobao ", "", "zhuoyu", "dangdang\r"}) {
        EXPECT_FALSE(EngineNamed(word).has_value()) << '"' << word << '"';
    }
}

TEST(DesignedSearchLayout, IsTheWindowBeforeAnyEngine) {
    const SearchLayout d = DesignedSearchLayout();
    EXPECT_EQ(d.caption, " TaoBao");
    EXPECT_EQ(d.color, kOrange);
    EXPECT_EQ(d.windowWidth, 230);
    EXPECT_EQ(d.windowHeight, 392);
    EXPECT_EQ(d.dragStrip, (LayoutRect{0, 0, 242, 16}));
    EXPECT_EQ(d.more, (LayoutRect{206, 0, 14, 16}));
    EXPECT_EQ(d.close, (LayoutRect{220, 0, 14, 16}));
    EXPECT_EQ(d.shopFrame, (LayoutRect{2, 165, 230, 47}));
    EXPECT_EQ(d.view, (LayoutRect{-12, -14, 300, 79}));
    EXPECT_EQ(d.bookFrame, (LayoutRect{2, 16, 226, 41}));
    EXPECT_TRUE(d.shopFrameShown);
    EXPECT_TRUE(d.viewShown);
    EXPECT_TRUE(d.bookFrameShown);
}

// Each engine applied to the designed window: every value the switch sets.
TEST(ApplyEngineLayout, EveryEngineFromTheDesign) {
    const struct {
        SearchEngine engine;
        const char* caption;
        unsigned color;
        int width, height, closeLeft, moreLeft;
        LayoutRect shopFrame, view;
        bool shopShown, bookShown;
    } cases[] = {
        {SearchEngine::Taobao, " TaoBao", kOrange, 234, 62, 218, 202, {2, 13, 230, 47}, {-12, -14, 300, 79}, true, false},
        {SearchEngine::Dangdang, " DangDang", kBlue, 214, 62, 198, 182, {2, 13, 210, 47}, {-93, -14, 600, 79}, true, false},
        // zhuoyue only hides the shop frame and its view; where they stand is left as it was.
        {SearchEngine::Zhuoyue, " ZhuoYue", kOrange, 230, 59, 214, 198, {2, 165, 230, 47}, {-12, -14, 300, 79}, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(EngineWord(c.engine));
        const SearchLayout l = ApplyEngineLayout(DesignedSearchLayout(), c.engine);
        EXPECT_EQ(l.caption, c.caption);
        EXPECT_EQ(l.color, c.color);
        EXPECT_EQ(l.windowWidth, c.width);
        EXPECT_EQ(l.windowHeight, c.height);
        EXPECT_EQ(l.close, (LayoutRect{c.closeLeft, 0, 14, 16}));
        EXPECT_EQ(l.more, (LayoutRect{c.moreLeft, 0, 14, 16}));
        EXPECT_EQ(l.dragStrip, (LayoutRect{0, 0, 242, 16}));
        EXPECT_EQ(l.shopFrame, c.shopFrame);
        EXPECT_EQ(l.view, c.view);
        EXPECT_EQ(l.shopFrameShown, c.shopShown);
        EXPECT_EQ(l.viewShown, c.shopShown);
        EXPECT_EQ(l.bookFrameShown, c.bookShown);
        EXPECT_EQ(l.bookFrame, (LayoutRect{2, 16, 226, 41}));
    }
}

TEST(ApplyEngineLayout, TaobaoToZhuoyueShrinksAndMovesTheLabels) {
    const SearchLayout taobao = ApplyEngineLayout(DesignedSearchLayout(), SearchEngine::Taobao);
    const SearchLayout z = ApplyEngineLayout(taobao, SearchEngine::Zhuoyue);
    EXPECT_EQ(z.windowWidth, 230);
    EXPECT_EQ(z.windowHeight, 59);
    EXPECT_EQ(z.close.left, 214);
    EXPECT_EQ(z.more.left, 198);
    EXPECT_FALSE(z.viewShown);
    EXPECT_FALSE(z.shopFrameShown);
    EXPECT_TRUE(z.bookFrameShown);

    // And back: the shop frame and its view come back, the book frame goes.
    const SearchLayout back = ApplyEngineLayout(z, SearchEngine::Taobao);
    EXPECT_EQ(back, taobao);
}

TEST(ApplyEngineLayout, TaobaoMovesTheViewWithoutSizingIt) {
    const SearchLayout dangdang = ApplyEngineLayout(DesignedSearchLayout(), SearchEngine::Dangdang);
    const SearchLayout taobao = ApplyEngineLayout(dangdang, SearchEngine::Taobao);
    EXPECT_EQ(taobao.view, (LayoutRect{-12, -14, 600, 79}));
    EXPECT_EQ(taobao.shopFrame, (LayoutRect{2, 13, 230, 47}));
    EXPECT_EQ(taobao.windowWidth, 234);
    EXPECT_EQ(taobao.color, kOrange);
    EXPECT_EQ(taobao.caption, " TaoBao");
}

TEST(ApplyEngineLayout, DangdangFromEveryEngine) {
    // Whatever came before, dangdang ends the same: 214 x 62, its frame at the left margin.
    for (const SearchEngine before : {SearchEngine::Taobao, SearchEngine::Dangdang, SearchEngine::Zhuoyue}) {
        SCOPED_TRACE(EngineWord(before));
        const SearchLayout l =
            ApplyEngineLayout(ApplyEngineLayout(DesignedSearchLayout(), before), SearchEngine::Dangdang);
        EXPECT_EQ(l.windowWidth, 214);
        EXPECT_EQ(l.windowHeight, 62);
        EXPECT_EQ(l.shopFrame.left, 2);
        EXPECT_EQ(l.view, (LayoutRect{-93, -14, 600, 79}));
    }
}

}  // namespace
