#include <gtest/gtest.h>

#include "win32/screen_win32.h"
#include "win32/windows_h_win32.h"

namespace {

TEST(ReadScreenMetrics, ReadsPrimaryScreenAndWorkArea) {
    const ScreenMetrics m = ReadScreenMetrics();
    EXPECT_EQ(m.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(m.height, GetSystemMetrics(SM_CYSCREEN));
    RECT workArea{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0));
    EXPECT_EQ(m.workAreaBottom, workArea.bottom);
    EXPECT_GT(m.width, 0);
    EXPECT_GT(m.workAreaBottom, 0);
    EXPECT_LE(m.workAreaBottom, m.height);
}

}  // namespace
