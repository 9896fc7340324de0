#include "win32/startup_trace_win32.h"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "win32/windows_h_win32.h"

namespace {

// A start-up marks about forty steps, and some come again later (each time the main window's
// background is painted); the list stops at this many, so a long traced run cannot grow it.
constexpr std::size_t kMaxSteps = 256;

struct StartUpTrace {
    StartUpTrace() {
        char path[MAX_PATH] = {};
        const DWORD n = GetEnvironmentVariableA("ZYF_STARTUP_TRACE", path, sizeof path);
        if (n == 0 || n >= sizeof path) return;
        file.assign(path, n);
        steps.reserve(kMaxSteps);
    }

    std::string file;  // empty: tracing is off
    std::vector<std::pair<LONGLONG, const char*>> steps;
};

// Made on the first step, from WinMain on; only the window thread traces.
StartUpTrace& Trace() {
    static StartUpTrace trace;
    return trace;
}

}  // namespace

void TraceStartUpStep(const char* step) {
    StartUpTrace& trace = Trace();
    if (trace.file.empty() || trace.steps.size() >= kMaxSteps) return;
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    trace.steps.emplace_back(now.QuadPart, step);
}

void WriteStartUpTrace() {
    StartUpTrace& trace = Trace();
    if (trace.file.empty() || trace.steps.empty()) return;
    std::FILE* f = std::fopen(trace.file.c_str(), "wb");
    if (f) {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        std::fprintf(f, "frequency %lld\n", static_cast<long long>(frequency.QuadPart));
        for (const auto& [counter, step] : trace.steps) std::fprintf(f, "%lld %s\n", static_cast<long long>(counter), step);
        std::fclose(f);
    }
    trace.steps.clear();
}
