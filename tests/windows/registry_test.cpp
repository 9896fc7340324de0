#include <gtest/gtest.h>

#include <string>

#include "tests/support/machine_registry_win32.h"
#include "win32/registry_win32.h"
#include "win32/windows_h_win32.h"

namespace {

constexpr const char kScratch[] = "SOFTWARE\\ZiyinfangRegistryTest";

class ReadMachineDefaultTextTest : public ::testing::Test {
protected:
    SavedMachineKey saved_{kScratch};
};

TEST_F(ReadMachineDefaultTextTest, ReadsStringsAndExpandsExpandableOnes) {
    const std::string key = std::string(kScratch) + "\\value";
    ASSERT_TRUE(SetEnvironmentVariableA("ZYF_REGISTRY_TEST_DIR", "C:\\某 目录"));
    struct Case {
        DWORD type;
        std::string stored;
        bool zeroTerminated;
        std::string expected;
    };
    const Case cases[] = {
        {REG_SZ, "\"C:\\Program Files\\浏览器\\b.exe\" -x", true, "\"C:\\Program Files\\浏览器\\b.exe\" -x"},
        {REG_SZ, "no final zero", false, "no final zero"},
        {REG_SZ, std::string("first\0second", 12), true, "first"},
        {REG_SZ, "", true, ""},
        {REG_SZ, "%ZYF_REGISTRY_TEST_DIR%", true, "%ZYF_REGISTRY_TEST_DIR%"},
        {REG_EXPAND_SZ, "\"%ZYF_REGISTRY_TEST_DIR%\\b.exe\"", true, "\"C:\\某 目录\\b.exe\""},
        {REG_EXPAND_SZ, "%ZYF_REGISTRY_TEST_UNSET%\\b.exe", true, "%ZYF_REGISTRY_TEST_UNSET%\\b.exe"},
        {REG_EXPAND_SZ, std::string(3000, 'a') + "%ZYF_REGISTRY_TEST_DIR%", false,
         std::string(3000, 'a') + "C:\\某 目录"},
    };
    for (const Case& c : cases) {
        SetMachineDefault(key, c.type, c.stored, c.zeroTerminated);
        EXPECT_EQ(ReadMachineDefaultText(key, "fallback"), c.expected) << c.stored.substr(0, 40);
    }
    SetEnvironmentVariableA("ZYF_REGISTRY_TEST_DIR", nullptr);
}

TEST_F(ReadMachineDefaultTextTest, GivesTheFallbackForMissingKeysValuesAndOtherTypes) {
    const std::string key = std::string(kScratch) + "\\value";
    EXPECT_EQ(ReadMachineDefaultText(key, "IEXPLORE.EXE"), "IEXPLORE.EXE");
    EXPECT_EQ(ReadMachineDefaultText(key), "");

    SetMachineDefault(key + "\\child", REG_SZ, "x");  // the key exists, its default value does not
    EXPECT_EQ(ReadMachineDefaultText(key, "fallback"), "fallback");

    SetMachineDefault(key, REG_DWORD, std::string("\x01\x00\x00\x00", 4), false);
    EXPECT_EQ(ReadMachineDefaultText(key, "fallback"), "fallback");
    SetMachineDefault(key, REG_MULTI_SZ, std::string("a\0b\0", 4), true);
    EXPECT_EQ(ReadMachineDefaultText(key, "fallback"), "fallback");
    SetMachineDefault(key, REG_BINARY, "abc", false);
    EXPECT_EQ(ReadMachineDefaultText(key), "");
}

}  // namespace
