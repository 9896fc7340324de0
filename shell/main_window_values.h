// Values of the main window that are functions of plain inputs: status texts and the
// periods the start-up draws for the online timers.
#pragma once

#include <cstddef>
#include <functional>

#include "text/gbk_text.h"

// How long the status line stays: after a conversion, and after a tool's message.
inline constexpr int kStatusAfterConvertMs = 5000;
inline constexpr int kStatusAfterToolMs = 3000;

// "已成功转换 N 个汉字为拼音", or "无汉字可转为拼音" for 0.
GbkText ConvertStatusText(std::size_t count);
// The convert command when the text is too large for the memory left; the input stays as it is.
inline constexpr char kOutOfMemoryText[] = "内存不足，无法转换这么多文字。输入框里的文字没有改动。";

// A whole number from lo to hi inclusive.
using RandomInt = std::function<int(int lo, int hi)>;

struct StartUpTimerPeriods {
    int miniInfoMs = 0;  // 时钟_迷你资讯: 3 to 5 minutes
    int onlineMs = 0;    // 时钟_联机: 15 to 25 seconds
};
// Draws the mini info period first, then the online one.
StartUpTimerPeriods DrawStartUpTimerPeriods(const RandomInt& random);
