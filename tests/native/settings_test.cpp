// config.ini over the platform's profile: the portable reader natively, the Windows
// profile functions in the Windows build.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/settings.h"
#include "tests/support/recording_profile.h"
#include "tests/support/test_paths.h"

namespace {

namespace fs = std::filesystem;

using Call = RecordingProfile::Call;

class ConfigFile : public testing::Test {
protected:
    const std::string& Path() const { return path_; }
    Settings Load() const { return LoadSettings(*OpenPlatformProfile(path_)); }
    void Save(const Settings& s) const { SaveSettings(*OpenPlatformProfile(path_), s); }
    Settings LoadFrom(const std::string& text) const {
        WriteFileBytes(path_, text);
        return Load();
    }

private:
    TempDir dir_;
    std::string path_ = dir_.File("config.ini");
};

TEST(ConfigPath, IsConfigIniInExecutableFolder) {
    EXPECT_EQ(ConfigPathFor("C:\\程序\\字音坊"), "C:\\程序\\字音坊\\config.ini");
}

TEST_F(ConfigFile, FirstRunWritesTheDefaultText) {
    EXPECT_FALSE(PathExists(Path()));
    ASSERT_TRUE(WriteDefaultConfig(Path()));
    EXPECT_EQ(kDefaultConfigText.size(), 96u);
    EXPECT_EQ(ReadFileBytes(Path()), kDefaultConfigText);
    EXPECT_TRUE(PathExists(Path()));
}

TEST_F(ConfigFile, FirstRunTruncatesAFileThatAppeared) {
    WriteFileBytes(Path(), std::string(5000, 'x'));
    ASSERT_TRUE(WriteDefaultConfig(Path()));
    EXPECT_EQ(ReadFileBytes(Path()), kDefaultConfigText);
}

TEST_F(ConfigFile, FirstRunInMissingFolderFails) {
    const std::string path = (fs::path(Path()).parent_path() / "missing" / "config.ini").string();
    EXPECT_FALSE(WriteDefaultConfig(path));
    EXPECT_FALSE(PathExists(path));
}

TEST_F(ConfigFile, FolderOfThatNameCountsAsExisting) {
    fs::create_directory(Path());
    EXPECT_TRUE(PathExists(Path()));
    // Loading it gives the missing-key values.
    const Settings s = Load();
    EXPECT_EQ(s.input.points, 11);
    EXPECT_TRUE(s.mixed);
}

TEST_F(ConfigFile, SecondStartReadsTheDefaultText) {
    ASSERT_TRUE(WriteDefaultConfig(Path()));
    const Settings s = Load();
    // The input box's keys are absent, so it gets their missing-key values: 11 points.
    EXPECT_EQ(s.input.face, "宋体");
    EXPECT_EQ(s.input.points, 11);
    EXPECT_EQ(s.input.color, 0);
    EXPECT_EQ(s.output.face, "宋体");
    EXPECT_EQ(s.output.points, 22);
    EXPECT_EQ(s.output.color, 0);
    EXPECT_EQ(s.mode, PinyinMode::WithTones);
    EXPECT_TRUE(s.mixed);
}

TEST_F(ConfigFile, EmptyFileGivesMissingKeyValues) {
    const Settings s = LoadFrom("");
    EXPECT_EQ(s.input.face, "宋体");
    EXPECT_EQ(s.input.points, 11);
    EXPECT_EQ(s.output.points, 22);
    EXPECT_EQ(s.mode, std::nullopt);
    EXPECT_TRUE(s.mixed);
}

TEST_F(ConfigFile, ValuesAreAppliedAsRead) {
    const Settings s = LoadFrom(
        "[general]\r\nfont_input=Microsoft YaHei\r\nfontsize_input=１２\r\nfontcolor_input=255\r\n"
        "font_output=楷体\r\nfontsize_output=letters\r\nfontcolor_output=16711680.7\r\npinyinopt=zlsm\r\n"
        "showhz=no\r\n");
    EXPECT_EQ(s.input.face, "Microsoft YaHei");
    EXPECT_EQ(s.input.points, 12);
    EXPECT_EQ(s.input.color, 255);  // red
    EXPECT_EQ(s.output.face, "楷体");
    EXPECT_EQ(s.output.points, 0);
    EXPECT_EQ(s.output.color, 16711680);  // blue
    EXPECT_EQ(s.mode, PinyinMode::InitialsOnly);
    EXPECT_FALSE(s.mixed);
}

TEST_F(ConfigFile, OutOfRangeNumbersSaturate) {
    const Settings s = LoadFrom("[general]\r\nfontsize_input=99999999999999\r\nfontcolor_input=-1e300\r\n");
    EXPECT_EQ(s.input.points, 2147483647);
    EXPECT_EQ(s.input.color, -2147483647 - 1);
}

TEST_F(ConfigFile, ModeWordMustMatchExactly) {
    const struct {
        const char* word;
        std::optional<PinyinMode> mode;
    } cases[] = {
        {"dsd", PinyinMode::WithTones}, {"bdsd", PinyinMode::WithoutTones}, {"zlsm", PinyinMode::InitialsOnly},
        {"DSD", std::nullopt},          {"dsd2", std::nullopt},            {"Bdsd", std::nullopt},
        {"", std::nullopt},             {"带声调", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadFrom(std::string("[general]\r\npinyinopt=") + c.word + "\r\n").mode, c.mode)
            << "pinyinopt=" << c.word;
    }
}

TEST_F(ConfigFile, MixedOnlyForExactlyYes) {
    const struct {
        const char* line;
        bool mixed;
    } cases[] = {
        {"showhz=yes", true}, {"showhz=Yes", false}, {"showhz=YES", false}, {"showhz=1", false},
        {"showhz=", false},   {"showhz=no", false},  {"other=1", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadFrom(std::string("[general]\r\n") + c.line + "\r\n").mixed, c.mixed) << c.line;
    }
}

TEST(SettingsOrder, LoadReadsEightKeysInOrderWithTheirMissingValues) {
    RecordingProfile profile;
    LoadSettings(profile);
    const std::vector<Call> expected = {
        {false, "general", "font_input", "宋体"},    {false, "general", "fontsize_input", "11"},
        {false, "general", "fontcolor_input", "0"},  {false, "general", "font_output", "宋体"},
        {false, "general", "fontsize_output", "22"}, {false, "general", "fontcolor_output", "0"},
        {false, "general", "pinyinopt", ""},         {false, "general", "showhz", "yes"},
    };
    EXPECT_EQ(profile.calls, expected);
}

TEST(SettingsOrder, SaveWritesKeysInOrder) {
    RecordingProfile profile;
    Settings s;
    s.input = {"黑体", 9, 255};
    s.output = {"宋体", 22, -1};
    s.mode = PinyinMode::WithoutTones;
    s.mixed = false;
    SaveSettings(profile, s);
    const std::vector<Call> expected = {
        {true, "general", "font_input", "黑体"},    {true, "general", "fontsize_input", "9"},
        {true, "general", "fontcolor_input", "255"}, {true, "general", "font_output", "宋体"},
        {true, "general", "fontsize_output", "22"},  {true, "general", "fontcolor_output", "-1"},
        {true, "general", "pinyinopt", "bdsd"},      {true, "general", "showhz", "no"},
    };
    EXPECT_EQ(profile.calls, expected);
}

TEST_F(ConfigFile, FirstSaveOverTheDefaultText) {
    ASSERT_TRUE(WriteDefaultConfig(Path()));
    Settings s = Load();
    s.input.points = 9;
    s.mode = PinyinMode::InitialsOnly;
    Save(s);
    // Present keys change in place; the input box's keys join the end of the section.
    EXPECT_EQ(ReadFileBytes(Path()),
              "[general]\r\nfont_output=宋体\r\nfontsize_output=22\r\nfontcolor_output=0\r\npinyinopt=zlsm\r\n"
              "showhz=yes\r\nfont_input=宋体\r\nfontsize_input=9\r\nfontcolor_input=0\r\n");
    EXPECT_EQ(Load().input.points, 9);
}

TEST_F(ConfigFile, SaveWithoutModeLeavesModeKeyAlone) {
    WriteFileBytes(Path(), "[general]\r\npinyinopt=bdsd\r\n");
    Settings s;
    s.input = {"宋体", 11, 0};
    s.output = {"宋体", 22, 0};
    s.mode = std::nullopt;
    s.mixed = true;
    Save(s);
    EXPECT_EQ(Load().mode, PinyinMode::WithoutTones);
}

TEST_F(ConfigFile, SaveThenLoadGivesTheSameValues) {
    Settings s;
    s.input = {"Courier New", 14, 24768};
    s.output = {"新宋体", 30, 65280};
    s.mode = PinyinMode::WithTones;
    s.mixed = false;
    Save(s);
    const Settings back = Load();
    EXPECT_EQ(back.input.face, s.input.face);
    EXPECT_EQ(back.input.points, 14);
    EXPECT_EQ(back.input.color, 24768);
    EXPECT_EQ(back.output.face, s.output.face);
    EXPECT_EQ(back.output.points, 30);
    EXPECT_EQ(back.output.color, 65280);
    EXPECT_EQ(back.mode, PinyinMode::WithTones);
    EXPECT_FALSE(back.mixed);
}

TEST_F(ConfigFile, SaveKeepsTheUsersOtherKeys) {
    WriteFileBytes(Path(), "[general]\r\nmy_note=keep me\r\nfontsize_input=11\r\n[mine]\r\nx=1\r\n");
    Settings s = Load();
    s.input.points = 20;
    Save(s);
    const std::string after = ReadFileBytes(Path());
    EXPECT_EQ(after.rfind("[general]\r\nmy_note=keep me\r\nfontsize_input=20\r\n", 0), 0u) << after;
    EXPECT_NE(after.find("[mine]\r\nx=1\r\n"), std::string::npos) << after;
}

TEST_F(ConfigFile, SaveToReadOnlyFileIsSilent) {
    WriteFileBytes(Path(), std::string(kDefaultConfigText));
    fs::permissions(Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Settings s = Load();
    s.output.face = "黑体";
    Save(s);
    EXPECT_EQ(ReadFileBytes(Path()), kDefaultConfigText);
}

}  // namespace
