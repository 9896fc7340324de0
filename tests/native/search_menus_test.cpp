// The search window's two menus, item by item, and what their items stand for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "searchbox/search_menus.h"

namespace {

// One row per item, depth first: the level, the caption, the command.
struct Row {
    int depth;
    std::string caption;
    unsigned command;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) { *os << r.depth << ' ' << r.caption << " #" << r.command; }

void Flatten(const std::vector<SearchMenuItem>& items, int depth, std::vector<Row>& rows) {
    for (const SearchMenuItem& item : items) {
        rows.push_back({depth, item.caption, item.command});
        Flatten(item.submenu, depth + 1, rows);
    }
}

std::vector<Row> Rows(const std::vector<SearchMenuItem>& menu) {
    std::vector<Row> rows;
    Flatten(menu, 0, rows);
    return rows;
}

const Row kSep{0, "-", kSearchMenuNone};
const Row kSubSep{1, "-", kSearchMenuNone};

TEST(SearchTrayMenu, WithoutOnlineItemGoesFromUpdateStraightToExit) {
    const std::vector<Row> expected = {
        {0, "显示主窗口", kSearchMenu显示主窗口}, kSep,
        {0, "淘宝淘实惠", kSearchMenu淘宝淘实惠}, kSep,
        {0, "特别推荐", kSearchMenu特别推荐},     kSep,
        {0, "检查更新", kSearchMenu检查更新},     kSep,
        {0, "退出", kSearchMenu退出},
    };
    EXPECT_EQ(Rows(SearchTrayMenu(std::nullopt)), expected);
}

TEST(SearchTrayMenu, OnlineItemAndItsSeparatorStandBeforeExit) {
    const std::vector<Row> expected = {
        {0, "显示主窗口", kSearchMenu显示主窗口}, kSep,
        {0, "淘宝淘实惠", kSearchMenu淘宝淘实惠}, kSep,
        {0, "特别推荐", kSearchMenu特别推荐},     kSep,
        {0, "检查更新", kSearchMenu检查更新},     kSep,
        {0, "新品推荐", kSearchMenuOnline},       kSep,
        {0, "退出", kSearchMenu退出},
    };
    EXPECT_EQ(Rows(SearchTrayMenu(GbkText("新品推荐"))), expected);
}

TEST(SearchMoreMenu, DesignedTree) {
    const std::vector<Row> expected = {
        {0, "更换搜索框", kSearchMenuNone},
        {1, "淘宝", kSearchMenu淘宝}, kSubSep, {1, "当当", kSearchMenu当当}, kSubSep, {1, "卓越", kSearchMenu卓越},
        kSep,
        {0, "淘宝淘实惠", kSearchMenu淘宝淘实惠},
        kSep,
        {0, "窗口位置", kSearchMenuNone},
        {1, "右下", kSearchMenu右下}, kSubSep, {1, "居中", kSearchMenu居中}, kSubSep, {1, "中下", kSearchMenu中下},
        kSep,
        {0, "透明度", kSearchMenuNone},
        {1, "不透明", kSearchMenu不透明}, kSubSep,
        {1, "20%", kSearchMenu透明20},    kSubSep,
        {1, "40%", kSearchMenu透明40},    kSubSep,
        {1, "60%", kSearchMenu透明60},    kSubSep,
        {1, "80%", kSearchMenu透明80},
        kSep,
        {0, "特别推荐", kSearchMenu特别推荐},
    };
    EXPECT_EQ(Rows(SearchMoreMenu()), expected);
}

TEST(TransparencyOf, TheFiveStepsOnly) {
    const struct {
        unsigned command;
        int percent;
    } steps[] = {{kSearchMenu不透明, 0}, {kSearchMenu透明20, 20}, {kSearchMenu透明40, 40},
                 {kSearchMenu透明60, 60}, {kSearchMenu透明80, 80}};
    for (const auto& s : steps) EXPECT_EQ(TransparencyOf(s.command), s.percent) << s.command;
    for (const unsigned other : {unsigned{kSearchMenuNone}, unsigned{kSearchMenu退出}, unsigned{kSearchMenu淘宝},
                                 unsigned{kSearchMenu中下}, 9999u}) {
        EXPECT_FALSE(TransparencyOf(other).has_value()) << other;
    }
}

TEST(EngineWordOf, TheThreeEngineItemsOnly) {
    EXPECT_EQ(EngineWordOf(kSearchMenu淘宝), "taobao");
    EXPECT_EQ(EngineWordOf(kSearchMenu当当), "dangdang");
    EXPECT_EQ(EngineWordOf(kSearchMenu卓越), "zhuoyue");
    // 淘宝淘实惠 opens the deals channel; it is no engine switch.
    for (const unsigned other : {unsigned{kSearchMenuNone}, unsigned{kSearchMenu淘宝淘实惠},
                                 unsigned{kSearchMenu不透明}, 9999u}) {
        EXPECT_FALSE(EngineWordOf(other).has_value()) << other;
    }
}

}  // namespace
