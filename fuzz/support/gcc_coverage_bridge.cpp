// Coverage for libFuzzer from code compiled by g++.
//
// The program's sources must be compiled by g++: they hold GBK literals (-fexec-charset=GBK),
// and clang only produces UTF-8 literals, so a clang build would fuzz a different program.
// g++ instruments with -fsanitize-coverage=trace-pc (one call per basic block, no guards),
// which libFuzzer 14 refuses at run time. The fuzz build links with
// --wrap=__sanitizer_cov_trace_pc, so those calls land here instead: each block's address is
// hashed into a table of 8-bit counters that libFuzzer is given as a module of its own, with
// a PC table beside it. The comparison hooks of trace-cmp go to libFuzzer directly, but for
// the floating-point ones, which libFuzzer does not have.
//
// This file is compiled without coverage and without sanitizers: it runs inside every block.
#include <cstddef>
#include <cstdint>

extern "C" void __sanitizer_cov_8bit_counters_init(std::uint8_t* start, std::uint8_t* stop);
extern "C" void __sanitizer_cov_pcs_init(const std::uintptr_t* start, const std::uintptr_t* stop);

namespace {

constexpr int kSlotBits = 16;
constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

std::uint8_t g_counters[kSlots];
// Pairs of (PC, flags) as libFuzzer reads them; a slot stands for every block hashed into it,
// so its "PC" is only a number that names the slot.
std::uintptr_t g_pcs[2 * kSlots];

__attribute__((constructor)) void RegisterCounters() {
    for (std::size_t i = 0; i < kSlots; ++i) g_pcs[2 * i] = i + 1;
    __sanitizer_cov_8bit_counters_init(g_counters, g_counters + kSlots);
    __sanitizer_cov_pcs_init(g_pcs, g_pcs + 2 * kSlots);
}

}  // namespace

extern "C" void __wrap___sanitizer_cov_trace_pc() {
    const auto pc = reinterpret_cast<std::uintptr_t>(__builtin_return_address(0));
    // Fibonacci hashing: the top bits of the product mix every bit of the address.
    const std::size_t slot = static_cast<std::size_t>((pc * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
    // Saturating, so that a block run a multiple of 256 times still counts as run.
    g_counters[slot] = static_cast<std::uint8_t>(g_counters[slot] + (g_counters[slot] != 0xFF));
}

extern "C" void __sanitizer_cov_trace_cmpf(float, float) {}
extern "C" void __sanitizer_cov_trace_cmpd(double, double) {}
