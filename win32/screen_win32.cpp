#include "win32/screen_win32.h"

#include "win32/handles_win32.h"
#include "win32/windows_h_win32.h"

ScreenMetrics ReadScreenMetrics() {
    ScreenMetrics m;
    m.width = GetSystemMetrics(SM_CXSCREEN);
    m.height = GetSystemMetrics(SM_CYSCREEN);
    // The rectangle starts zeroed, so a failed query leaves a bottom of 0.
    RECT workArea{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    m.workAreaBottom = workArea.bottom;
    return m;
}

int ScreenDpiY() {
    const WindowDc screen;
    const int dpi = screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

void PlaceAtBottomRight(HWND hwnd, const ScreenMetrics& m) {
    RECT r{};
    if (!hwnd || !IsWindow(hwnd) || !GetWindowRect(hwnd, &r)) return;
    const ScreenPoint at = BottomRightPlace(m, r.right - r.left, r.bottom - r.top);
    SetWindowPos(hwnd, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
