#include "shell/main_window_values.h"

#include <string>

GbkText ConvertStatusText(std::size_t count) {
    if (count == 0) return "无汉字可转为拼音";
    return ConcatText({"已成功转换 ", std::to_string(count), " 个汉字为拼音"});
}

StartUpTimerPeriods DrawStartUpTimerPeriods(const RandomInt& random) {
    StartUpTimerPeriods p;
    p.miniInfoMs = random(3, 5) * 60000;
    p.onlineMs = random(15, 25) * 1000;
    return p;
}
