// The yardstick of the start-up benchmark: as little as a program can do to be on screen. It
// registers a class, shows one 755 x 543 popup window where the main window stands on the
// 1366 x 768 screen, and runs its message loop until the window is closed. It marks the same
// two steps as the program, its entry and its window shown, when ZYF_STARTUP_TRACE asks.
#include "win32/windows_h_win32.h"

#include "bench/minimal_window_title.h"
#include "win32/startup_trace_win32.h"

namespace {

LRESULT CALLBACK MinimalWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    TraceStartUpStep("winmain");
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = MinimalWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "ZyfMinimalWindow";
    if (!RegisterClassExA(&wc)) return 1;
    const int width = 755, height = 543;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND hwnd = CreateWindowExA(WS_EX_APPWINDOW, wc.lpszClassName, kMinimalWindowTitle, WS_POPUP, left, top, width,
                                height, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    ShowWindow(hwnd, SW_SHOW);
    TraceStartUpStep("shown");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    WriteStartUpTrace();
    return 0;
}
