#include "win32/screen_metrics.h"

int BottomTaskbarHeight(int screenHeight, int workAreaBottom) {
    const long long height = static_cast<long long>(screenHeight) - workAreaBottom;
    // No strip at the bottom: the taskbar stands at the top or a side, or hides itself.
    if (height == 0) return 40;
    return static_cast<int>(height);
}

ScreenPoint BottomRightPlace(const ScreenMetrics& m, int width, int height) {
    return {m.width - width - 4, m.height - height - BottomTaskbarHeight(m) - 4};
}
