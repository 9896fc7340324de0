// Start-up time of ziyinfang.exe beside the minimal window program, in one run so that the
// load of the machine falls on both alike. Each round starts the minimal window once, the
// program once as a first start (no config.ini or search window settings beside it) and once
// as a later start (with the files the previous exit wrote), and, when a second build is
// given, that build the same two ways; the order turns from round to round. Each start is
// timed from CreateProcess to the main window visible, and to the search window visible,
// each found by its title and process with FindWindowA and IsWindowVisible. Once the process
// is idle its working set is read, and it is ended cleanly: the tray menu's 退出 for the
// program, WM_CLOSE for the minimal window. Killing the program instead leaves the system
// busy with what it left behind and makes the next start slower. Starts with
// ZYF_STARTUP_TRACE set follow the timed rounds, for the split of the time by step.
//   startup_bench PROGRAM.exe MINIMAL.exe OUT.json [ROUNDS [TRACED-STARTS [BASELINE.exe]]]
#include "win32/windows_h_win32.h"

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/minimal_window_title.h"
#include "searchbox/search_box_window_win32.h"
#include "shell/main_menus_win32.h"
#include "version.h"

namespace {

constexpr double kStartLimitMs = 30000;  // a start that takes longer counts as failed
constexpr DWORD kExitLimitMs = 20000;
constexpr DWORD kSettleMs = 300;  // after input idle, before the working set is read
constexpr DWORD kPauseMs = 200;   // between an exit and the next start

LONGLONG Now() {
    LARGE_INTEGER c;
    QueryPerformanceCounter(&c);
    return c.QuadPart;
}

double Frequency() {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
}

double MsSince(LONGLONG started) { return 1000.0 * static_cast<double>(Now() - started) / Frequency(); }

// One way of starting one program.
struct Subject {
    std::string name;    // as the report shows it
    std::string folder;  // where the executable and its files are
    std::string exe;
    bool program = true;      // false: the minimal window
    bool firstStart = false;  // its settings files are removed before each start
};

struct Start {
    std::string error;  // empty: the start went through
    double mainMs = -1;    // CreateProcess to the main window visible
    double searchMs = -1;  // to the search window visible; the program only
    double workingSet = 0, peakWorkingSet = 0;  // bytes, once idle
    std::vector<std::pair<std::string, double>> trace;  // ms after CreateProcess
};

// A top-level window of the process with this title, hidden ones included.
HWND FindOwnWindow(const char* title, DWORD pid) {
    HWND h = nullptr;
    while ((h = FindWindowExA(nullptr, h, nullptr, title)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner == pid) return h;
    }
    return nullptr;
}

bool VisibleNow(const char* title, DWORD pid, HWND& found) {
    HWND h = FindOwnWindow(title, pid);
    if (!h || !IsWindowVisible(h)) return false;
    found = h;
    return true;
}

// The program's trace file: a "frequency" line, then "counter step" lines.
std::vector<std::pair<std::string, double>> ReadTrace(const std::string& path, LONGLONG started) {
    std::vector<std::pair<std::string, double>> steps;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return steps;
    long long frequency = 0;
    if (std::fscanf(f, "frequency %lld\n", &frequency) == 1 && frequency > 0) {
        long long counter = 0;
        char name[64];
        while (std::fscanf(f, "%lld %63s\n", &counter, name) == 2) {
            steps.emplace_back(name, 1000.0 * static_cast<double>(counter - started) / static_cast<double>(frequency));
        }
    }
    std::fclose(f);
    return steps;
}

Start Run(const Subject& subject, bool traced) {
    Start s;
    const auto file = [&subject](const char* name) { return subject.folder + "\\" + name; };
    if (subject.firstStart) {
        DeleteFileA(file("config.ini").c_str());
        DeleteFileA(file("RivIriRozezoVov.ini").c_str());
    }
    const std::string tracePath = file("startup_trace.txt");
    DeleteFileA(tracePath.c_str());
    SetEnvironmentVariableA("ZYF_STARTUP_TRACE", traced ? tracePath.c_str() : nullptr);

    std::string commandLine = "\"" + subject.exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const LONGLONG started = Now();
    if (!CreateProcessA(subject.exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        subject.folder.c_str(), &si, &pi)) {
        s.error = "CreateProcess failed";
        return s;
    }
    CloseHandle(pi.hThread);

    const std::string mainTitle(subject.program ? kProgramTitle : std::string_view(kMinimalWindowTitle));
    HWND mainWindow = nullptr, searchWindow = nullptr;
    for (;;) {
        if (s.mainMs < 0 && VisibleNow(mainTitle.c_str(), pi.dwProcessId, mainWindow)) s.mainMs = MsSince(started);
        if (subject.program && s.searchMs < 0 && VisibleNow(kSearchBoxTitle, pi.dwProcessId, searchWindow)) {
            s.searchMs = MsSince(started);
        }
        if (s.mainMs >= 0 && (!subject.program || s.searchMs >= 0)) break;
        if (WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) {
            s.error = "the process ended before its windows showed";
            break;
        }
        if (MsSince(started) > kStartLimitMs) {
            s.error = "no window within the time limit";
            break;
        }
        Sleep(1);
    }

    if (s.error.empty()) {
        WaitForInputIdle(pi.hProcess, 5000);
        Sleep(kSettleMs);
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory)) {
            s.workingSet = static_cast<double>(memory.WorkingSetSize);
            s.peakWorkingSet = static_cast<double>(memory.PeakWorkingSetSize);
        }
        if (subject.program) {
            PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kMenu退出, 0), 0);
        } else {
            PostMessageA(mainWindow, WM_CLOSE, 0, 0);
        }
    }
    if (WaitForSingleObject(pi.hProcess, kExitLimitMs) != WAIT_OBJECT_0) {
        if (s.error.empty()) s.error = "no clean exit within the time limit";
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, kExitLimitMs);
    }
    CloseHandle(pi.hProcess);
    if (traced) {
        s.trace = ReadTrace(tracePath, started);
        // Where the launcher saw the windows, among the program's own steps.
        if (s.mainMs >= 0) s.trace.emplace_back("(seen)_main_window_visible", s.mainMs);
        if (s.searchMs >= 0) s.trace.emplace_back("(seen)_search_window_visible", s.searchMs);
    }
    Sleep(kPauseMs);
    return s;
}

struct Series {
    std::vector<double> mainMs, searchMs, workingSet, peakWorkingSet;
    std::vector<std::string> errors;
    // Steps in the order first met, each with its times over the traced starts.
    std::vector<std::pair<std::string, std::vector<double>>> trace;

    void Add(const Start& s) {
        if (!s.error.empty()) {
            errors.push_back(s.error);
            return;
        }
        mainMs.push_back(s.mainMs);
        if (s.searchMs >= 0) searchMs.push_back(s.searchMs);
        workingSet.push_back(s.workingSet);
        peakWorkingSet.push_back(s.peakWorkingSet);
    }

    void AddTrace(const Start& s) {
        if (!s.error.empty()) return;
        std::set<std::string> seen;  // a step met again in one start keeps its first time
        for (const auto& [name, ms] : s.trace) {
            if (!seen.insert(name).second) continue;
            auto it = trace.begin();
            while (it != trace.end() && it->first != name) ++it;
            if (it == trace.end()) it = trace.insert(trace.end(), {name, {}});
            it->second.push_back(ms);
        }
    }
};

void WriteNumbers(std::FILE* f, const std::vector<double>& values) {
    std::fprintf(f, "[");
    for (std::size_t i = 0; i < values.size(); ++i) std::fprintf(f, "%s%.3f", i ? ", " : "", values[i]);
    std::fprintf(f, "]");
}

void WriteSeries(std::FILE* f, const Subject& subject, const Series& s, bool last) {
    std::fprintf(f, "    {\"name\": \"%s\", \"program\": %s, \"first_start\": %s,\n", subject.name.c_str(),
                 subject.program ? "true" : "false", subject.firstStart ? "true" : "false");
    std::fprintf(f, "     \"errors\": [");
    for (std::size_t i = 0; i < s.errors.size(); ++i) std::fprintf(f, "%s\"%s\"", i ? ", " : "", s.errors[i].c_str());
    std::fprintf(f, "],\n     \"main_ms\": ");
    WriteNumbers(f, s.mainMs);
    std::fprintf(f, ",\n     \"search_ms\": ");
    WriteNumbers(f, s.searchMs);
    std::fprintf(f, ",\n     \"working_set_bytes\": ");
    WriteNumbers(f, s.workingSet);
    std::fprintf(f, ",\n     \"peak_working_set_bytes\": ");
    WriteNumbers(f, s.peakWorkingSet);
    std::fprintf(f, ",\n     \"trace\": [");
    for (std::size_t i = 0; i < s.trace.size(); ++i) {
        std::fprintf(f, "%s\n       {\"step\": \"%s\", \"ms\": ", i ? "," : "", s.trace[i].first.c_str());
        WriteNumbers(f, s.trace[i].second);
        std::fprintf(f, "}");
    }
    std::fprintf(f, "]}%s\n", last ? "" : ",");
}

std::string TempFolder() {
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    return std::string(base) + "zyf_startup_bench_" + std::to_string(GetCurrentProcessId());
}

void RemoveFolder(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = dir + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolder(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(find, &found));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

// A folder of its own for one executable, which the program keeps its files beside.
bool CopyInto(const std::string& folder, const char* from, const char* name, std::string& exe) {
    CreateDirectoryA(folder.c_str(), nullptr);
    exe = folder + "\\" + name;
    return CopyFileA(from, exe.c_str(), FALSE) != FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup_bench PROGRAM.exe MINIMAL.exe OUT.json [ROUNDS [TRACED-STARTS [BASELINE.exe]]]\n");
        return 2;
    }
    const int rounds = argc > 4 ? std::atoi(argv[4]) : 10;
    const int tracedStarts = argc > 5 ? std::atoi(argv[5]) : 5;
    const char* baseline = argc > 6 ? argv[6] : nullptr;

    const std::string root = TempFolder();
    CreateDirectoryA(root.c_str(), nullptr);
    std::vector<Subject> subjects;
    std::string programExe, minimalExe, baselineExe;
    bool copied = CopyInto(root + "\\minimal", argv[2], "minimal_window.exe", minimalExe) &&
                  CopyInto(root + "\\program", argv[1], "ziyinfang.exe", programExe);
    subjects.push_back({"minimal window", root + "\\minimal", minimalExe, false, false});
    subjects.push_back({"first start", root + "\\program", programExe, true, true});
    subjects.push_back({"later start", root + "\\program", programExe, true, false});
    if (baseline) {
        copied = copied && CopyInto(root + "\\baseline", baseline, "ziyinfang.exe", baselineExe);
        subjects.push_back({"baseline first start", root + "\\baseline", baselineExe, true, true});
        subjects.push_back({"baseline later start", root + "\\baseline", baselineExe, true, false});
    }
    if (!copied) {
        std::fprintf(stderr, "startup_bench: cannot copy the programs into %s\n", root.c_str());
        RemoveFolder(root);
        return 1;
    }

    // One start of each, not counted: the first starts after a pause load the system's files.
    for (const Subject& subject : subjects) Run(subject, false);

    std::vector<Series> series(subjects.size());
    const std::size_t n = subjects.size();
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t k = (static_cast<std::size_t>(round) + i) % n;
            const Start s = Run(subjects[k], false);
            series[k].Add(s);
            std::fprintf(stderr, "round %2d  %-22s main %7.1f ms  search %7.1f ms%s%s\n", round + 1,
                         subjects[k].name.c_str(), s.mainMs, s.searchMs, s.error.empty() ? "" : "  FAILED: ",
                         s.error.c_str());
        }
    }
    for (int i = 0; i < tracedStarts; ++i) {
        for (std::size_t k = 0; k < n; ++k) series[k].AddTrace(Run(subjects[k], true));
    }
    RemoveFolder(root);

    std::FILE* f = std::fopen(argv[3], "wb");
    if (!f) {
        std::fprintf(stderr, "startup_bench: cannot write %s\n", argv[3]);
        return 1;
    }
    std::fprintf(f, "{\n  \"rounds\": %d,\n  \"traced_starts\": %d,\n  \"subjects\": [\n", rounds, tracedStarts);
    for (std::size_t k = 0; k < n; ++k) WriteSeries(f, subjects[k], series[k], k + 1 == n);
    std::fprintf(f, "  ]\n}\n");
    std::fclose(f);
    std::size_t failures = 0;
    for (const Series& s : series) failures += s.errors.size();
    return failures == 0 ? 0 : 1;
}
