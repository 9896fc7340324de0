// Times the convert command on the real main window: from the click on 转拼音 to the
// output box holding the whole result, for an input box of N hanzi (default 1,000,000).
//   gui_convert_bench [N] [limit-seconds]
#include "win32/windows_h_win32.h"

#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "pinyin/conversion.h"
#include "shell/main_window_win32.h"
#include "text/hanzi.h"
#include "win32/controls_win32.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// An article of n hanzi: lines of 40 characters with a full-width comma in the middle.
GbkText Article(std::size_t n) {
    static const char kText[] = "请输入欲取拼音的汉字点击考题模式可将输入的汉字排版成考题模式即每个字独占一行其后紧跟可供填空的括号";
    const std::string_view pool(kText);
    GbkText text;
    text.reserve(n * 2 + n / 20 * 3);
    for (std::size_t i = 0; i < n; ++i) {
        text.append(pool.substr(i % (pool.size() / 2) * 2, 2));
        if (i % 40 == 19) text += "，";
        if (i % 40 == 39) text += "\r\n";
    }
    return text;
}

std::string MakeTempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    std::string dir = std::string(base) + "zyf_gui_bench_" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(dir.c_str(), nullptr);
    return dir;
}

}  // namespace

int main(int argc, char** argv) {
    const std::size_t n = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000000;
    const int limitSeconds = argc > 2 ? std::atoi(argv[2]) : 600;
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    const std::string dir = MakeTempFolder();
    MainWindowOptions options;
    options.exeDir = dir;
    options.screen = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 0};
    options.popUpMenu = [](HWND, HMENU) {};
    options.endProcess = [] {};
    MainWindow window(std::move(options));
    if (!window.Create()) {
        std::fprintf(stderr, "gui_convert_bench: no window\n");
        return 1;
    }

    const GbkText input = Article(n);
    // The engine alone, for comparison: extraction and conversion without any window.
    double t = NowMs();
    const Conversion engine = ConvertText(input, PinyinMode::WithTones, true);
    const double engineMs = NowMs() - t;

    std::printf("hanzi: %zu (input %zu bytes, output %zu bytes)\n", engine.count, input.size(), engine.text.size());
    std::printf("engine (extract + convert, no window): %.0f ms\n", engineMs);
    std::fflush(stdout);

    t = NowMs();
    SetText(window.Control(Ctl::输入的汉字), input);
    std::printf("input box filled: %.0f ms\n", NowMs() - t);
    std::fflush(stdout);

    // A watchdog: the window thread is busy inside the click until the output is shown.
    std::thread([limitSeconds] {
        Sleep(static_cast<DWORD>(limitSeconds) * 1000);
        std::printf("gui convert: not done after %d s\n", limitSeconds);
        std::fflush(stdout);
        ExitProcess(2);
    }).detach();

    HWND output = window.Control(Ctl::转成的拼音);
    // Painted before the clock stops: "shown" means on the screen, not only in the box.
    RedrawWindow(window.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    struct Mode {
        Ctl radio;
        const char* name;
    };
    const Mode modes[] = {{Ctl::带声调, "带声调"}, {Ctl::不带声调, "不带声调"}, {Ctl::只留声母, "只留声母"}};
    GbkText result;
    for (bool mixed : {true, false}) {
        for (const Mode& mode : modes) {
            for (const Mode& other : modes) SetChecked(window.Control(other.radio), other.radio == mode.radio);
            SetChecked(window.Control(Ctl::混排), mixed);
            t = NowMs();
            SendMessageA(window.Control(Ctl::转拼音), BM_CLICK, 0, 0);
            RedrawWindow(window.Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            const LRESULT shown = SendMessageA(output, WM_GETTEXTLENGTH, 0, 0);
            const double clickMs = NowMs() - t;
            std::printf("gui convert %s%s (click on 转拼音 to output shown, %ld bytes): %.0f ms\n", mode.name,
                        mixed ? " 混排" : "", static_cast<long>(shown), clickMs);
            std::fflush(stdout);
            if (mixed && mode.radio == Ctl::带声调) result = GetText(output);
        }
    }

    // The output box alone: the longest result set again and painted.
    ClearText(output);
    t = NowMs();
    SetText(output, result);
    RedrawWindow(output, nullptr, nullptr, RDW_UPDATENOW);
    std::printf("output box alone (set and paint the 带声调 混排 result): %.0f ms\n", NowMs() - t);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory)) {
        std::printf("peak working set: %.0f MB\n", static_cast<double>(memory.PeakWorkingSetSize) / (1 << 20));
    }
    std::fflush(stdout);
    window.SaveAndCleanUpForExit();
    DeleteFileA((dir + "\\config.ini").c_str());
    RemoveDirectoryA(dir.c_str());
    ExitProcess(0);
}
