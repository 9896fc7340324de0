#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "win32/clipboard_win32.h"
#include "win32/windows_h_win32.h"

namespace {

TEST(Clipboard, RunsUnderTheChineseCodePage) { EXPECT_EQ(GetACP(), 936u); }

TEST(Clipboard, KeepsGbkTextByteForByte) {
    const std::string texts[] = {
        "中文拼音 abc\r\n第二行　全角空格（括号）",
        std::string("x"),
        std::string(100000, 'a') + "字",
        "",
    };
    for (const std::string& text : texts) {
        ASSERT_TRUE(WriteClipboardText(nullptr, text));
        EXPECT_EQ(ReadClipboardText(nullptr), text) << text.substr(0, 40);
    }
}

TEST(Clipboard, OtherProgramsSeeTheTextAsCodePage936) {
    ASSERT_TRUE(WriteClipboardText(nullptr, "拼音"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE wide = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(wide, nullptr);
    const auto* chars = static_cast<const wchar_t*>(GlobalLock(wide));
    ASSERT_NE(chars, nullptr);
    const std::wstring got(chars);
    GlobalUnlock(wide);
    CloseClipboard();
    EXPECT_EQ(got, L"\u62FC\u97F3");
}

TEST(Clipboard, TextEndsAtItsFirstZeroByte) {
    ASSERT_TRUE(WriteClipboardText(nullptr, std::string("前\0后", 5)));
    EXPECT_EQ(ReadClipboardText(nullptr), "前");
}

TEST(Clipboard, ReadsEmptyTextWhenTheClipboardHoldsNoText) {
    const UINT format = RegisterClipboardFormatA("ZiyinfangTestPicture");
    ASSERT_NE(format, 0u);
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    ASSERT_NE(memory, nullptr);
    ASSERT_NE(SetClipboardData(format, memory), nullptr);
    CloseClipboard();

    EXPECT_EQ(ReadClipboardText(nullptr), "");
}

TEST(Clipboard, GivesUpWhileAnotherThreadHoldsIt) {
    ASSERT_TRUE(WriteClipboardText(nullptr, "before"));
    std::atomic<int> holding{-1};  // -1 not yet tried, then whether the thread holds it
    std::atomic<bool> release{false};
    // Another program holds the clipboard with a window of its own.
    std::thread holder([&] {
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        const bool opened = window && OpenClipboard(window);
        holding = opened ? 1 : 0;
        while (!release) Sleep(1);
        if (opened) CloseClipboard();
        if (window) DestroyWindow(window);
    });
    while (holding < 0) Sleep(1);
    if (holding != 1) {
        release = true;
        holder.join();
        FAIL() << "the second thread could not open the clipboard";
    }
    EXPECT_FALSE(WriteClipboardText(nullptr, "after"));
    EXPECT_EQ(ReadClipboardText(nullptr), "");
    release = true;
    holder.join();

    EXPECT_EQ(ReadClipboardText(nullptr), "before");
    EXPECT_TRUE(WriteClipboardText(nullptr, "after"));
    EXPECT_EQ(ReadClipboardText(nullptr), "after");
}

}  // namespace
