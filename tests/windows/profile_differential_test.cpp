// The one table of profile cases against both implementations in the Windows build: the
// Windows profile functions and the portable INI reader and writer.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <tuple>

#include "profile/profile.h"
#include "tests/support/profile_cases.h"
#include "tests/support/test_paths.h"
#include "win32/windows_h_win32.h"

namespace {

namespace fs = std::filesystem;

enum class Implementation { Windows, Portable };

std::unique_ptr<Profile> OpenWith(Implementation which, std::string path) {
    return which == Implementation::Windows ? OpenPlatformProfile(std::move(path))
                                            : OpenIniFileProfile(std::move(path));
}

class ProfileDifferential : public testing::TestWithParam<std::tuple<Implementation, ProfileCase>> {};

TEST_P(ProfileDifferential, BehavesAsDocumented) {
    const auto& [which, c] = GetParam();
    const ProfileOutcome outcome =
        RunProfileCase(c, [which = which](std::string path) { return OpenWith(which, std::move(path)); });
    // Only the Windows functions may show Wine's known departures.
    EXPECT_EQ(CheckProfileOutcome(c, outcome, which == Implementation::Windows), "");
    if (c.wineGives && outcome.result != c.expected && outcome.result == *c.wineGives) {
        std::printf("note: %s gives Wine's known departure from Windows\n", std::string(c.name).c_str());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProfileDifferential,
    testing::Combine(testing::Values(Implementation::Windows, Implementation::Portable),
                     testing::ValuesIn(ProfileCases())),
    [](const testing::TestParamInfo<std::tuple<Implementation, ProfileCase>>& param) {
        return std::string(std::get<0>(param.param) == Implementation::Windows ? "Windows_" : "Portable_") +
               std::string(std::get<1>(param.param).name);
    });

class ProfileFile : public testing::TestWithParam<Implementation> {
protected:
    std::string Path() const { return dir_.File("settings.ini"); }
    std::unique_ptr<Profile> Open() const { return OpenWith(GetParam(), Path()); }

    TempDir dir_;
};

TEST_P(ProfileFile, ReadOnlyFileIsLeftAsItWas) {
    const std::string before = "[general]\r\nkey=old\r\n";
    WriteFileBytes(Path(), before);
    fs::permissions(Path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    auto profile = Open();
    profile->Write("general", "key", "new");
    profile->Write("general", "added", "1");
    EXPECT_EQ(ReadFileBytes(Path()), before);
    EXPECT_EQ(profile->Read("general", "key", "d"), "old");
}

TEST_P(ProfileFile, WriteThenReadInOneProfile) {
    // The Windows functions cache the file; a read after a write must see the write.
    auto profile = Open();
    EXPECT_EQ(profile->Read("general", "box", "taobao"), "taobao");
    profile->Write("general", "box", "dangdang");
    EXPECT_EQ(profile->Read("general", "box", "taobao"), "dangdang");
    WriteFileBytes(Path(), "[general]\r\nbox=zhuoyue\r\n");
    EXPECT_EQ(Open()->Read("general", "box", "taobao"), "zhuoyue");
}

TEST_P(ProfileFile, GbkPathIsUsedAsIs) {
    // The executable may live in a folder with a Chinese name; its path is GBK text.
    const std::string folder = dir_.File("字音坊");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = folder + "\\config.ini";
    OpenWith(GetParam(), path)->Write("general", "font_output", "宋体");
    EXPECT_NE(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(OpenWith(GetParam(), path)->Read("general", "font_output", ""), "宋体");
}

INSTANTIATE_TEST_SUITE_P(Both, ProfileFile, testing::Values(Implementation::Windows, Implementation::Portable),
                         [](const testing::TestParamInfo<Implementation>& param) {
                             return std::string(param.param == Implementation::Windows ? "Windows" : "Portable");
                         });

}  // namespace
