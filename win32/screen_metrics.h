#pragma once

// The primary screen as the placement formulas see it.
struct ScreenMetrics {
    int width = 0;           // SM_CXSCREEN
    int height = 0;          // SM_CYSCREEN
    int workAreaBottom = 0;  // bottom of SPI_GETWORKAREA (0 when it could not be read)
};

// Screen height minus the work area's bottom; 40 when that is 0 (taskbar at the top or a side, or hidden).
int BottomTaskbarHeight(int screenHeight, int workAreaBottom);
inline int BottomTaskbarHeight(const ScreenMetrics& m) { return BottomTaskbarHeight(m.height, m.workAreaBottom); }

struct ScreenPoint {
    int left = 0;
    int top = 0;
};

// Where a window of the given size stands 4 pixels from the screen's right edge and 4 pixels
// above the bottom taskbar.
ScreenPoint BottomRightPlace(const ScreenMetrics& m, int width, int height);
