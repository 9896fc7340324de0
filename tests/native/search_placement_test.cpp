// The search window's placement presets and its transparency.
#include <gtest/gtest.h>

#include <climits>

#include "searchbox/search_placement.h"

namespace {

// 1366 x 768 with a 40-pixel taskbar at the bottom.
constexpr ScreenMetrics kScreen{1366, 768, 728};

struct PresetCase {
    PlacePreset preset;
    ScreenMetrics screen;
    int w, h;
    int left, top;
};

TEST(PresetPlace, PresetsOnTheTestScreen) {
    const PresetCase cases[] = {
        {PlacePreset::BottomRight, kScreen, 234, 62, 1128, 662},
        {PlacePreset::Centre, kScreen, 234, 62, 566, 353},
        {PlacePreset::BottomMiddle, kScreen, 234, 62, 566, 664},
        {PlacePreset::BottomRight, kScreen, 230, 59, 1132, 665},  // zhuoyue
        {PlacePreset::Centre, kScreen, 230, 59, 568, 354},        // odd height: 354.5 cut
        {PlacePreset::BottomMiddle, kScreen, 214, 62, 576, 664},  // dangdang
        // The designed window, when no engine was applied.
        {PlacePreset::Centre, kScreen, 230, 392, 568, 188},
    };
    for (const PresetCase& c : cases) {
        const ScreenPoint p = PresetPlace(c.preset, c.screen, c.w, c.h);
        EXPECT_EQ(p.left, c.left) << static_cast<int>(c.preset) << ' ' << c.w << 'x' << c.h;
        EXPECT_EQ(p.top, c.top) << static_cast<int>(c.preset) << ' ' << c.w << 'x' << c.h;
    }
}

TEST(PresetPlace, TaskbarAtTheTopStillLeavesFortyPixelsBelow) {
    const ScreenMetrics topTaskbar{1366, 768, 768};
    EXPECT_EQ(PresetPlace(PlacePreset::BottomRight, topTaskbar, 234, 62).top, 768 - 62 - 44);
    EXPECT_EQ(PresetPlace(PlacePreset::BottomMiddle, topTaskbar, 234, 62).top, 768 - 62 - 42);
    // 居中 uses the whole screen, whatever the taskbar.
    EXPECT_EQ(PresetPlace(PlacePreset::Centre, topTaskbar, 234, 62).top, 353);
    const ScreenMetrics tallTaskbar{1366, 768, 688};
    EXPECT_EQ(PresetPlace(PlacePreset::Centre, tallTaskbar, 234, 62).top, 353);
    EXPECT_EQ(PresetPlace(PlacePreset::BottomMiddle, tallTaskbar, 234, 62).top, 768 - 62 - 80 - 2);
}

TEST(PresetPlace, AScreenSmallerThanTheWindowIsNotClamped) {
    const ScreenMetrics tiny{201, 50, 30};
    // (201 - 234) / 2 = -16.5 and (50 - 62) / 2 = -6: cut toward zero, not floored.
    const ScreenPoint centre = PresetPlace(PlacePreset::Centre, tiny, 234, 62);
    EXPECT_EQ(centre.left, -16);
    EXPECT_EQ(centre.top, -6);
    const ScreenPoint bottom = PresetPlace(PlacePreset::BottomMiddle, tiny, 234, 62);
    EXPECT_EQ(bottom.left, -16);
    EXPECT_EQ(bottom.top, 50 - 62 - 20 - 2);
    const ScreenPoint right = PresetPlace(PlacePreset::BottomRight, tiny, 234, 62);
    EXPECT_EQ(right.left, 201 - 234 - 4);
    EXPECT_EQ(right.top, 50 - 62 - 20 - 4);
}

TEST(AlphaForTransparency, StepsAndOutOfRange) {
    const struct {
        int percent;
        int alpha;
    } cases[] = {
        {0, 255},  {20, 204}, {37, 160}, {40, 153}, {60, 102}, {80, 51}, {99, 2}, {100, 0},
        // Beyond either end the window stays opaque rather than wrapping round.
        {101, 255}, {-1, 255}, {1000, 255}, {INT_MAX, 255}, {INT_MIN, 255},
    };
    for (const auto& c : cases) EXPECT_EQ(AlphaForTransparency(c.percent), c.alpha) << c.percent;
}

}  // namespace
