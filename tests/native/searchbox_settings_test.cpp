// RivIriRozezoVov.ini and the bottom taskbar height it places the window by.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "searchbox/searchbox_settings.h"
#include "shell/settings.h"
#include "tests/support/recording_profile.h"
#include "tests/support/test_paths.h"

namespace {

using Call = RecordingProfile::Call;

// 1366 x 768 with a 40-pixel taskbar at the bottom.
constexpr ScreenMetrics kScreen{1366, 768, 728};
constexpr int kTaobaoW = 234, kTaobaoH = 62;
constexpr int kZhuoyueW = 230, kZhuoyueH = 59;

TEST(BottomTaskbarHeight, IsTheStripBelowTheWorkArea) {
    EXPECT_EQ(BottomTaskbarHeight(768, 728), 40);
    EXPECT_EQ(BottomTaskbarHeight(1080, 1000), 80);
    EXPECT_EQ(BottomTaskbarHeight(kScreen), 40);
}

TEST(BottomTaskbarHeight, NoStripAtTheBottomCountsAsForty) {
    // Taskbar at the top or a side, or hidden: the work area reaches the screen's bottom.
    EXPECT_EQ(BottomTaskbarHeight(768, 768), 40);
    EXPECT_EQ(BottomTaskbarHeight(0, 0), 40);
}

TEST(SearchBoxConfigPath, IsBesideTheExecutable) {
    EXPECT_EQ(SearchBoxConfigPathFor("D:\\工具"), "D:\\工具\\RivIriRozezoVov.ini");
}

class SearchBoxFile : public testing::Test {
protected:
    std::unique_ptr<Profile> Open() const { return OpenPlatformProfile(path_); }
    bool Exists() const { return PathExists(path_); }
    void Write(const std::string& text) const { WriteFileBytes(path_, text); }
    std::string Text() const { return ReadFileBytes(path_); }
    SearchBoxPlacement Place(int w, int h, const ScreenMetrics& screen = kScreen) const {
        return LoadSearchBoxPlacement(*Open(), Exists(), screen, w, h);
    }

private:
    TempDir dir_;
    std::string path_ = dir_.File(std::string(kSearchBoxConfigName));
};

TEST_F(SearchBoxFile, NoFileGivesDefaultsAndStaysAbsent) {
    EXPECT_EQ(LoadSearchBoxEngineWord(*Open(), Exists()), "taobao");
    const SearchBoxPlacement p = Place(kTaobaoW, kTaobaoH);
    EXPECT_EQ(p.trans, 20);
    EXPECT_EQ(p.left, 566);
    EXPECT_EQ(p.top, 768 - 40 - 62 - 2);
    EXPECT_FALSE(Exists());
}

TEST(SearchBoxDefaults, NoFileTouchesNoProfileAndIsNotClamped) {
    RecordingProfile profile;
    profile.values["box"] = "dangdang";
    EXPECT_EQ(LoadSearchBoxEngineWord(profile, false), "taobao");
    // A screen narrower than the window: the centred left lies beyond MaxLeft, and stays.
    const SearchBoxPlacement p = LoadSearchBoxPlacement(profile, false, ScreenMetrics{201, 300, 300}, 234, 62);
    EXPECT_EQ(p.left, -16);  // (201 - 234) / 2 = -16.5, cut toward zero
    EXPECT_EQ(p.top, 300 - 40 - 62 - 2);
    EXPECT_EQ(p.trans, 20);
    EXPECT_TRUE(profile.calls.empty());
}

TEST_F(SearchBoxFile, EngineWordIsKeptAsRead) {
    const struct {
        const char* file;
        const char* word;
    } cases[] = {
        {"[general]\r\nbox=zhuoyue\r\n", "zhuoyue"},
        {"[general]\r\nbox=TaoBao\r\n", "TaoBao"},
        {"[general]\r\nbox=\r\n", ""},
        {"[general]\r\ntrans=30\r\n", "taobao"},
        {"", "taobao"},
    };
    for (const auto& c : cases) {
        Write(c.file);
        EXPECT_EQ(LoadSearchBoxEngineWord(*Open(), Exists()), c.word) << c.file;
    }
}

TEST_F(SearchBoxFile, FileWithOnlyEngineGivesCentredBottomPlacement) {
    Write("[general]\r\nbox=zhuoyue\r\n");
    const SearchBoxPlacement p = Place(kZhuoyueW, kZhuoyueH);
    EXPECT_EQ(p.trans, 20);
    EXPECT_EQ(p.left, (1366 - 230) / 2);
    EXPECT_EQ(p.top, 768 - 40 - 59 - 2);
}

TEST_F(SearchBoxFile, PositionIsClampedFromAboveOnly) {
    const int maxLeft = 1366 - kTaobaoW - 2;
    const int maxTop = 768 - 40 - kTaobaoH - 2;
    const struct {
        const char* left;
        const char* top;
        int expectedLeft;
        int expectedTop;
    } cases[] = {
        {"5000", "5000", maxLeft, maxTop},
        {"-30", "-30", -30, -30},
        {"100", "200", 100, 200},
        {"", "", 0, 0},  // present but empty reads as 0
        {"99999999999", "-99999999999", maxLeft, INT_MIN},
        {"１２０", "８０.９", 120, 80},
    };
    for (const auto& c : cases) {
        Write(std::string("[general]\r\nposition_left=") + c.left + "\r\nposition_top=" + c.top + "\r\n");
        const SearchBoxPlacement p = Place(kTaobaoW, kTaobaoH);
        EXPECT_EQ(p.left, c.expectedLeft) << "position_left=" << c.left;
        EXPECT_EQ(p.top, c.expectedTop) << "position_top=" << c.top;
    }
}

TEST_F(SearchBoxFile, TransparencyIsReadAsWritten) {
    const struct {
        const char* value;
        int trans;
    } cases[] = {{"37", 37}, {"0", 0}, {"", 0}, {"12.9", 12}, {"lots", 0}, {"1e99", INT_MAX}};
    for (const auto& c : cases) {
        Write(std::string("[general]\r\ntrans=") + c.value + "\r\n");
        EXPECT_EQ(Place(kTaobaoW, kTaobaoH).trans, c.trans) << "trans=" << c.value;
    }
}

TEST(SearchBoxOrder, SecondStepReadsInOrderWithScreenDefaults) {
    RecordingProfile profile;
    // An odd width: the centred left has half a pixel, which the cut drops.
    LoadSearchBoxPlacement(profile, true, kScreen, 233, 62);
    const std::vector<Call> expected = {
        {false, "general", "trans", "20"},
        {false, "general", "position_left", "566"},
        {false, "general", "position_top", "664"},
    };
    EXPECT_EQ(profile.calls, expected);
}

TEST(SearchBoxOrder, TaskbarAtTheTopPlacesByFortyPixels) {
    RecordingProfile profile;
    const SearchBoxPlacement p = LoadSearchBoxPlacement(profile, true, ScreenMetrics{1366, 768, 768}, 234, 62);
    EXPECT_EQ(p.top, 768 - 40 - 62 - 2);
}

TEST_F(SearchBoxFile, FirstSaveWritesKeysInOrder) {
    SaveSearchBoxSettings(*Open(), 20, 566, 664, "taobao");
    EXPECT_EQ(Text(), "[general]\r\ntrans=20\r\nposition_left=566\r\nposition_top=664\r\nbox=taobao\r\n");
}

TEST_F(SearchBoxFile, SaveWritesUnknownAndEmptyEngineWordsBack) {
    Write("[general]\r\nbox=TaoBao\r\n");
    const GbkText word = LoadSearchBoxEngineWord(*Open(), Exists());
    SaveSearchBoxSettings(*Open(), 37, -30, 5, word);
    EXPECT_EQ(Text(), "[general]\r\nbox=TaoBao\r\ntrans=37\r\nposition_left=-30\r\nposition_top=5\r\n");

    Write("[general]\r\nbox=\r\n");
    SaveSearchBoxSettings(*Open(), 20, 0, 0, LoadSearchBoxEngineWord(*Open(), Exists()));
    EXPECT_EQ(Text(), "[general]\r\nbox=\r\ntrans=20\r\nposition_left=0\r\nposition_top=0\r\n");
}

TEST_F(SearchBoxFile, SaveThenLoadRoundTrips) {
    SaveSearchBoxSettings(*Open(), 37, -30, 100, "dangdang");
    EXPECT_EQ(LoadSearchBoxEngineWord(*Open(), Exists()), "dangdang");
    const SearchBoxPlacement p = Place(214, 62);
    EXPECT_EQ(p.trans, 37);
    EXPECT_EQ(p.left, -30);
    EXPECT_EQ(p.top, 100);
}

TEST_F(SearchBoxFile, SaveKeepsOtherKeysAndSections) {
    Write("; my notes\r\n[general]\r\nbox=zhuoyue\r\nmine=1\r\n[other]\r\ntrans=99\r\n");
    SaveSearchBoxSettings(*Open(), 10, 1, 2, "zhuoyue");
    EXPECT_EQ(Text(),
              "; my notes\r\n[general]\r\nbox=zhuoyue\r\nmine=1\r\ntrans=10\r\nposition_left=1\r\nposition_top=2\r\n"
              "[other]\r\ntrans=99\r\n");
}

}  // namespace
