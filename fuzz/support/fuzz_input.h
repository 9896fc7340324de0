// The fuzzer's bytes taken apart into the arguments of one run: choices and numbers from the
// front, texts with a length byte before them, and whatever is left. Once the bytes run out
// every choice is 0 and every text empty, so any input is a valid run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    bool Empty() const { return rest_.empty(); }

    std::uint8_t Byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    bool Bool() { return (Byte() & 1) != 0; }
    // 0 .. n-1 (n > 0).
    std::size_t Choice(std::size_t n) { return Byte() % n; }
    std::uint32_t U32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | Byte();
        return v;
    }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    // lo .. hi, both included (lo <= hi).
    long long Between(long long lo, long long hi) {
        const auto span = static_cast<std::uint64_t>(hi - lo) + 1;
        return lo + static_cast<long long>(U32() % span);
    }

    // A text of at most maxLength bytes, its length from one byte.
    std::string_view Text(std::size_t maxLength = 255) { return Take(Byte() % (maxLength + 1)); }
    std::string_view Take(std::size_t n) {
        const std::string_view t = rest_.substr(0, n);
        rest_.remove_prefix(t.size());
        return t;
    }
    std::string_view Rest() { return Take(rest_.size()); }

private:
    std::string_view rest_;
};
