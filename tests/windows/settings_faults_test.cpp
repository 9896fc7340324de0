// The settings files when something is wrong with them: held open by another program while
// the program saves, or not settings at all. Nothing is lost and nothing is reported.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "searchbox/search_box_win32.h"
#include "tests/support/main_window_harness_win32.h"
#include "tests/support/test_paths.h"
#include "win32/handles_win32.h"

namespace {

// Holds a file open without sharing, as another program's exclusive open would.
UniqueKernelHandle LockFile(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return UniqueKernelHandle(h == INVALID_HANDLE_VALUE ? nullptr : h);
}

const std::string kSaved = "[general]\r\nfont_input=黑体\r\nfontsize_input=11\r\npinyinopt=zlsm\r\nshowhz=no\r\n";

TEST(SettingsFaults, ASaveIntoALockedConfigFileKeepsTheOldFile) {
    MainWindowHarness h;
    h.WriteConfig(kSaved);
    ASSERT_TRUE(h.Start());
    h.SelectMode(PinyinMode::WithTones);
    {
        const UniqueKernelHandle lock = LockFile(h.dir.File("config.ini"));
        ASSERT_TRUE(lock);
        h.Window().SaveAndCleanUpForExit();
    }
    EXPECT_EQ(ReadFileBytes(h.dir.File("config.ini")), kSaved);
    EXPECT_TRUE(h.messages.empty());

    MainWindowHarness next;
    next.WriteConfig(ReadFileBytes(h.dir.File("config.ini")));
    ASSERT_TRUE(next.Start());
    EXPECT_TRUE(next.IsChecked(Ctl::只留声母));
    EXPECT_EQ(next.Window().BoxFont(Box::Input).points, 11);
}

TEST(SettingsFaults, ASaveIntoALockedSearchBoxFileKeepsTheOldFile) {
    MainWindowHarness h;
    const std::string saved = "[general]\r\ntrans=40\r\nposition_left=10\r\nposition_top=20\r\nbox=dangdang\r\n";
    WriteFileBytes(h.dir.File("RivIriRozezoVov.ini"), saved);
    ASSERT_TRUE(h.Start());
    SearchBoxWindow* search = h.Window().SearchWindow().Window();
    ASSERT_NE(search, nullptr);
    EXPECT_EQ(search->Transparency(), 40);
    search->ApplyTransparency(80);
    {
        const UniqueKernelHandle lock = LockFile(h.dir.File("RivIriRozezoVov.ini"));
        ASSERT_TRUE(lock);
        search->Close();
    }
    EXPECT_EQ(ReadFileBytes(h.dir.File("RivIriRozezoVov.ini")), saved);
    EXPECT_TRUE(h.messages.empty());
}

// Start-up takes the defaults from what it cannot read, and writes nothing over it.
TEST(SettingsFaults, StartUpTakesDefaultsFromFilesThatHoldNoSettings) {
    std::mt19937 random(7);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string("[general]\r\nfontsize_input=abc\r\n")) utf16 += std::string{c, '\0'};
    struct Row {
        const char* name;
        std::string bytes;
    };
    const Row rows[] = {
        {"random bytes", noise},
        {"UTF-16", utf16},
        {"100 MB of blanks and brackets", std::string(100u << 20, ' ') + "[general"},
    };
    for (const Row& row : rows) {
        MainWindowHarness h;
        h.WriteConfig(row.bytes);
        ASSERT_TRUE(h.Start()) << row.name;
        EXPECT_TRUE(h.IsChecked(Ctl::带声调)) << row.name;
        EXPECT_EQ(h.Window().BoxFont(Box::Output).points, 22) << row.name;
        EXPECT_TRUE(ReadFileBytes(h.dir.File("config.ini")) == row.bytes) << row.name;
        EXPECT_TRUE(h.messages.empty()) << row.name;
    }
}

TEST(SettingsFaults, ASettingsFileThatIsAFolderIsLeftAlone) {
    MainWindowHarness h;
    ASSERT_TRUE(CreateDirectoryA(h.dir.File("config.ini").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(h.dir.File("RivIriRozezoVov.ini").c_str(), nullptr));
    ASSERT_TRUE(h.Start());
    EXPECT_TRUE(h.IsChecked(Ctl::带声调));
    EXPECT_EQ(h.Window().BoxFont(Box::Input).points, 11);  // a missing key's value
    h.Window().SaveAndCleanUpForExit();
    const DWORD config = GetFileAttributesA(h.dir.File("config.ini").c_str());
    const DWORD search = GetFileAttributesA(h.dir.File("RivIriRozezoVov.ini").c_str());
    EXPECT_NE(config & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_NE(search & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(h.messages.empty());
    RemoveDirectoryA(h.dir.File("config.ini").c_str());
    RemoveDirectoryA(h.dir.File("RivIriRozezoVov.ini").c_str());
}

}  // namespace
