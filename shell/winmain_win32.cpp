// Program start: common controls, the main window (whose creation runs the start-up), and
// the message loop until the exit ends it.
#include "win32/windows_h_win32.h"

#include <commctrl.h>

#include <random>
#include <string>

#include "shell/main_window_win32.h"
#include "text/gbk_text.h"
#include "win32/screen_win32.h"
#include "win32/startup_trace_win32.h"

namespace {

// The folder of the running executable, without trailing separator.
std::string ExecutableDirectory() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return ".";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    // Walked character by character: the second byte of a GBK character may be 0x5C.
    std::size_t slash = std::string::npos;
    for (std::size_t i = 0; i < path.size(); i += CharWidthAt(path, i)) {
        if (path[i] == '\\' || path[i] == '/') slash = i;
    }
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TraceStartUpStep("winmain");
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    TraceStartUpStep("common-controls");

    // The start-up draws the online timers' periods from a generator seeded by the tick count.
    std::mt19937 generator(GetTickCount());
    MainWindowOptions options;
    options.exeDir = ExecutableDirectory();
    options.screen = ReadScreenMetrics();
    options.random = [&generator](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(generator); };

    TraceStartUpStep("screen-metrics");
    MainWindow window(std::move(options));
    TraceStartUpStep("main-window-object");
    if (!window.Create()) return 1;
    TraceStartUpStep("main-window-created");

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    WriteStartUpTrace();
    return 0;
}
