#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "shell/main_layout.h"
#include "shell/main_window_values.h"

namespace {

TEST(LayOutFrame, CentresTheShortenedWindowOnTheScreen) {
    const PixelRect created = CreationPlace({1366, 768, 728});
    EXPECT_EQ(created, (PixelRect{305, 53, 755, 661}));

    const FrameLayout l = LayOutFrame(created, 768, DesignedFrame());
    EXPECT_EQ(l.window, (PixelRect{305, 112, 755, 543}));
    EXPECT_EQ(l.fakeTop, (PixelRect{0, 0, 755, 24}));
    EXPECT_EQ(l.fakeLeft, (PixelRect{0, 0, 2, 543}));
    EXPECT_EQ(l.fakeRight, (PixelRect{753, 0, 2, 543}));
    EXPECT_EQ(l.fakeBottom, (PixelRect{0, 527, 755, 16}));
    EXPECT_EQ(l.closeButton, (PixelRect{733, 4, 20, 17}));
    EXPECT_EQ(l.minimiseButton, (PixelRect{711, 4, 20, 17}));
    EXPECT_EQ(l.moreButton, (PixelRect{688, 4, 21, 17}));
    EXPECT_EQ(l.rule, (PixelRect{7, 457, 741, 8}));
}

TEST(LayOutFrame, CutsTowardZeroOnScreensSmallerThanTheWindow) {
    // (480 - 543) / 2 = -31.5, cut toward zero rather than rounded down.
    EXPECT_EQ(LayOutFrame(CreationPlace({640, 480, 440}), 480, DesignedFrame()).window,
              (PixelRect{-57, -31, 755, 543}));
    EXPECT_EQ(LayOutFrame({0, 0, 755, 661}, 543, DesignedFrame()).window.top, 0);
    EXPECT_EQ(LayOutFrame({0, 0, 755, 661}, 544, DesignedFrame()).window.top, 0);
}

TEST(LayOutFrame, FollowsTheButtonsAndTheWidthItIsGiven) {
    FrameDesign d = DesignedFrame();
    d.convertButton = {308, 500, 138, 30};
    d.closeButton = {0, 0, 30, 17};
    const FrameLayout l = LayOutFrame({10, 0, 600, 661}, 1000, d);
    EXPECT_EQ(l.window, (PixelRect{10, 222, 600, 556}));
    EXPECT_EQ(l.fakeBottom, (PixelRect{0, 540, 600, 16}));
    EXPECT_EQ(l.closeButton, (PixelRect{568, 4, 30, 17}));
    EXPECT_EQ(l.minimiseButton.left, 546);
    EXPECT_EQ(l.moreButton.left, 523);
    EXPECT_EQ(l.rule, (PixelRect{7, 457, 586, 8}));
}

TEST(MainWindowDesign, HoldsEveryControlOnce) {
    std::set<int> ids;
    for (const ControlDesign& d : MainWindowDesign()) {
        EXPECT_TRUE(ids.insert(static_cast<int>(d.id)).second) << static_cast<int>(d.id);
        EXPECT_EQ(DesignOf(d.id).id, d.id);
    }
    EXPECT_EQ(ids.size(), static_cast<std::size_t>(Ctl::去除非汉字后的文本) - static_cast<int>(Ctl::窗口假上) + 1);
    EXPECT_EQ(DesignOf(Ctl::标签_横线).text, std::string(139, '-'));
}

TEST(MainWindowDesign, LabelRowAlternatesToolsAndSeparatorsWithoutOverlap) {
    std::vector<ControlDesign> row;
    for (const ControlDesign& d : MainWindowDesign()) {
        if (d.kind == ControlKind::ToolLabel || d.kind == ControlKind::Separator) row.push_back(d);
    }
    std::sort(row.begin(), row.end(), [](auto& a, auto& b) { return a.place.left < b.place.left; });
    ASSERT_EQ(row.size(), 12u + 11u);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const ControlDesign& d = row[i];
        EXPECT_EQ(d.place.top, 437);
        EXPECT_EQ(d.place.height, 20);
        if (i + 1 < row.size()) {
            EXPECT_LE(d.place.left + d.place.width, row[i + 1].place.left);
        }
        // Tools and separators alternate; 标签8 stands between the two halves.
        const bool separator = d.kind == ControlKind::Separator;
        EXPECT_EQ(separator, i % 2 == 1) << i;
        if (separator) {
            EXPECT_EQ(d.text, "|");
            EXPECT_EQ(d.place.width, 8);
        } else {
            const std::size_t chars = d.text.size() / 2;
            EXPECT_EQ(d.place.width, chars == 2 ? 32 : chars == 3 ? 48 : 56) << i;
        }
    }
    EXPECT_EQ(row.front().id, Ctl::标签3);
    EXPECT_EQ(row.back().id, Ctl::不留空格);
}

TEST(ConvertStatusText, ReportsTheCountOrThatThereWasNothing) {
    EXPECT_EQ(ConvertStatusText(0), "无汉字可转为拼音");
    EXPECT_EQ(ConvertStatusText(3), "已成功转换 3 个汉字为拼音");
    EXPECT_EQ(ConvertStatusText(1000000), "已成功转换 1000000 个汉字为拼音");
}

TEST(DrawStartUpTimerPeriods, DrawsMinutesThenSecondsInTheirRanges) {
    std::vector<std::pair<int, int>> asked;
    const auto lowest = DrawStartUpTimerPeriods([&](int lo, int hi) {
        asked.emplace_back(lo, hi);
        return lo;
    });
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{3, 5}, {15, 25}}));
    EXPECT_EQ(lowest.miniInfoMs, 180000);
    EXPECT_EQ(lowest.onlineMs, 15000);
    const auto highest = DrawStartUpTimerPeriods([](int, int hi) { return hi; });
    EXPECT_EQ(highest.miniInfoMs, 300000);
    EXPECT_EQ(highest.onlineMs, 25000);
}

}  // namespace
