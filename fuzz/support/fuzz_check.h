// How a fuzz target reports a property that does not hold: it names the check and aborts, so
// that libFuzzer keeps the input as a crash and a replayed regression file fails its test.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FuzzPropertyFailed(const char* check, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property does not hold: %s\n", file, line, check);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                     \
    do {                                                                          \
        if (!(condition)) FuzzPropertyFailed(#condition, __FILE__, __LINE__);     \
    } while (0)
