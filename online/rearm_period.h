// The periods the online timers of the main window re-arm with at each tick.
#pragma once

#include <functional>

// A whole number from lo to hi inclusive.
using RandomRange = std::function<int(int lo, int hi)>;

struct MinuteRange {
    int lo;
    int hi;
};
inline constexpr MinuteRange kAdRefreshMinutes{5, 9};       // 时钟_联机
inline constexpr MinuteRange kMiniInfoRefreshMinutes{25, 35};  // 时钟_迷你资讯

// N whole minutes drawn from range, as N * 60000 ms.
int DrawRearmPeriodMs(MinuteRange range, const RandomRange& random);
