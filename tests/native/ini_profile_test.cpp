// The portable INI reader and writer: the shared table of profile cases, and what the
// table cannot show (files that are huge, binary or read-only).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "profile/profile.h"
#include "tests/support/profile_cases.h"
#include "tests/support/test_paths.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;
using namespace std::string_view_literals;

class IniProfileCase : public testing::TestWithParam<ProfileCase> {};

TEST_P(IniProfileCase, BehavesAsDocumented) {
    const ProfileCase& c = GetParam();
    const ProfileOutcome outcome = RunProfileCase(c, [](std::string path) { return OpenIniFileProfile(path); });
    EXPECT_EQ(CheckProfileOutcome(c, outcome, /*wineAllowed=*/false), "");
}

INSTANTIATE_TEST_SUITE_P(Table, IniProfileCase, testing::ValuesIn(ProfileCases()),
                         [](const testing::TestParamInfo<ProfileCase>& param) {
                             return std::string(param.param.name);
                         });

class IniProfileFile : public testing::Test {
protected:
    std::string Path() const { return dir_.File("settings.ini"); }
    std::unique_ptr<Profile> Open() const { return OpenIniFileProfile(Path()); }

    TempDir dir_;
};

TEST_F(IniProfileFile, WritesOfSeveralKeysBuildOneSection) {
    auto profile = Open();
    profile->Write("general", "trans", "20");
    profile->Write("general", "position_left", "566");
    profile->Write("other", "x", "1");
    profile->Write("general", "box", "taobao");
    profile->Write("general", "trans", "37");
    EXPECT_EQ(ReadFileBytes(Path()), "[general]\r\ntrans=37\r\nposition_left=566\r\nbox=taobao\r\n[other]\r\nx=1\r\n");
    EXPECT_EQ(profile->Read("general", "trans", ""), "37");
}

TEST_F(IniProfileFile, ReplacedValueKeepsTheLineItStandsOn) {
    // The blanks around the value and the line's own ending stay; only the value changes.
    WriteFileBytes(Path(), "[general]\nkey = \"old\"  \nb=2\n");
    Open()->Write("general", "key", "new");
    EXPECT_EQ(ReadFileBytes(Path()), "[general]\nkey = new  \nb=2\n");
}

TEST_F(IniProfileFile, NewKeyFollowsLastLineOfItsSection) {
    WriteFileBytes(Path(), "[general]\r\na=1\r\n; end of general\r\n\r\n\r\n[other]\r\n");
    Open()->Write("general", "key", "v");
    EXPECT_EQ(ReadFileBytes(Path()), "[general]\r\na=1\r\n; end of general\r\nkey=v\r\n\r\n\r\n[other]\r\n");
}

TEST_F(IniProfileFile, ValueWithGbkBytesRoundTrips) {
    // Every byte pair of the GBK range, and high bytes alone, pass through unchanged.
    std::string value;
    for (int lead = 0x81; lead <= 0xFE; lead += 7) {
        for (int trail = 0x40; trail <= 0xFE; trail += 11) {
            if (trail == 0x7F) continue;
            value += static_cast<char>(lead);
            value += static_cast<char>(trail);
        }
    }
    value += "\x80\xFF";
    auto profile = Open();
    profile->Write("general", "font_input", value);
    EXPECT_EQ(profile->Read("general", "font_input", ""), value);
}

TEST_F(IniProfileFile, LongGbkValueIsNotCutInsideACharacter) {
    // 5,120 two-byte characters are 10,240 bytes; the read buffer holds 10,239 of them,
    // so the last whole character that fits ends at byte 10,238.
    std::string value;
    for (int i = 0; i < 5120; ++i) value += "宋";
    WriteFileBytes(Path(), "[general]\r\nkey=a" + value + "\r\n");
    const GbkText read = Open()->Read("general", "key", "");
    EXPECT_EQ(read.size(), kMaxProfileValue);
    std::string expected = "a";
    expected.append(value, 0, kMaxProfileValue - 1);
    EXPECT_EQ(read, expected);

    WriteFileBytes(Path(), "[general]\r\nkey=" + value + "\r\n");
    EXPECT_EQ(Open()->Read("general", "key", "").size(), kMaxProfileValue - 1);
}

TEST_F(IniProfileFile, ZeroByteEndsAValue) {
    WriteFileBytes(Path(), std::string("[general]\r\nkey=ab\0cd\r\nnext=1\r\n"sv));
    auto profile = Open();
    EXPECT_EQ(profile->Read("general", "key", "d"), "ab");
    EXPECT_EQ(profile->Read("general", "next", "d"), "1");
}

TEST_F(IniProfileFile, HugeBinaryFileKeepsEveryByteOnSave) {
    // Several megabytes of every byte value, with a long line without any line end, around
    // a section: the read finds its key and a write changes nothing else.
    std::string junk;
    for (unsigned i = 0; i < 3'000'000; ++i) junk += static_cast<char>((i * 7919u) % 256);
    const std::string longLine(2'000'000, 'x');
    const std::string before = junk + "\r\n[general]\r\nkey=old\r\n" + longLine;
    WriteFileBytes(Path(), before);
    auto profile = Open();
    EXPECT_EQ(profile->Read("general", "key", "d"), "old");
    profile->Write("general", "key", "new");
    const std::string after = ReadFileBytes(Path());
    EXPECT_EQ(after.size(), before.size());
    EXPECT_TRUE(after == junk + "\r\n[general]\r\nkey=new\r\n" + longLine);
}

TEST_F(IniProfileFile, FileOfOneEndlessLineReadsAsDefault) {
    WriteFileBytes(Path(), std::string(5'000'000, '['));
    auto profile = Open();
    EXPECT_EQ(profile->Read("general", "key", "d"), "d");
    profile->Write("general", "key", "v");
    EXPECT_EQ(ReadFileBytes(Path()), std::string(5'000'000, '[') + "\r\n[general]\r\nkey=v\r\n");
}

TEST_F(IniProfileFile, ReadOnlyFileIsLeftAsItWas) {
    const std::string before = "[general]\r\nkey=old\r\n";
    WriteFileBytes(Path(), before);
    fs::permissions(Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto profile = Open();
    profile->Write("general", "key", "new");
    profile->Write("general", "added", "1");
    EXPECT_EQ(ReadFileBytes(Path()), before);
    EXPECT_EQ(profile->Read("general", "key", "d"), "old");
}

TEST_F(IniProfileFile, FolderInPlaceOfFileIsLeftAlone) {
    fs::create_directory(Path());
    auto profile = Open();
    EXPECT_EQ(profile->Read("general", "key", "d"), "d");
    profile->Write("general", "key", "v");
    EXPECT_TRUE(fs::is_directory(Path()));
}

TEST_F(IniProfileFile, MissingFolderWritesNothing) {
    const std::string path = (fs::path(dir_.Path()) / "missing" / "settings.ini").string();
    auto profile = OpenIniFileProfile(path);
    profile->Write("general", "key", "v");
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ(profile->Read("general", "key", "d"), "d");
}

#ifndef _WIN32
// Folder rights are a POSIX matter here; Windows ignores the read-only attribute of folders.
TEST_F(IniProfileFile, ReadOnlyFolderCreatesNoFile) {
    const std::string folder = dir_.File("locked");
    fs::create_directory(folder);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    auto profile = OpenIniFileProfile(folder + "/settings.ini");
    profile->Write("general", "key", "v");
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_FALSE(FileExists(folder + "/settings.ini"));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(IniProfileFile, ReadOnlyFolderStillTakesWritableFile) {
    // The file itself may be written, as on Windows; it is then rewritten in place.
    const std::string folder = dir_.File("locked");
    fs::create_directory(folder);
    const std::string path = folder + "/settings.ini";
    WriteFileBytes(path, "[general]\r\nkey=old\r\n");
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    OpenIniFileProfile(path)->Write("general", "key", "new");
    fs::permissions(folder, fs::perms::owner_all);
    EXPECT_EQ(ReadFileBytes(path), "[general]\r\nkey=new\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(IniProfileFile, SaveKeepsRightsAndLinks) {
    WriteFileBytes(Path(), "[general]\r\nkey=old\r\n");
    fs::permissions(Path(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const std::string link = dir_.File("link.ini");
    fs::create_symlink(Path(), link);
    OpenIniFileProfile(link)->Write("general", "key", "new");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(Path()), "[general]\r\nkey=new\r\n");
    OpenIniFileProfile(Path())->Write("general", "key", "newer");
    EXPECT_EQ(fs::status(Path()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReadFileBytes(Path()), "[general]\r\nkey=newer\r\n");
    // Nothing is left behind beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.Path()), fs::directory_iterator()), 2);
}
#endif

}  // namespace
