// The conversion's pre-rendered path against the step-by-step path, in all three modes and
// both layouts: on texts of hanzi only (where the fast path is taken), on any bytes (where it
// must fall back), and through ConvertText from an input box's text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/reference_text.h"
#include "pinyin/conversion.h"
#include "text/hanzi.h"

namespace {

constexpr PinyinMode kModes[] = {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly};

// Every pair of input bytes made into a hanzi code: pairs that are hanzi stay, the others are
// moved into the GB2312 rows, which hold the characters with readings.
std::string HanziOnly(std::string_view bytes) {
    std::string out;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        auto b1 = static_cast<unsigned char>(bytes[i]);
        auto b2 = static_cast<unsigned char>(bytes[i + 1]);
        if (!reference::IsHanzi(b1, b2)) {
            b1 = static_cast<unsigned char>(0xB0 + b1 % 72);
            b2 = static_cast<unsigned char>(0xA1 + b2 % 94);
        }
        out += static_cast<char>(b1);
        out += static_cast<char>(b2);
    }
    return out;
}

void CheckBothPaths(std::string_view text) {
    for (const PinyinMode mode : kModes) {
        for (const bool mixed : {false, true}) {
            FUZZ_CHECK(ConvertHanziText(text, mode, mixed) == ConvertHanziTextStepByStep(text, mode, mixed));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 3) {
        case 0:
            CheckBothPaths(HanziOnly(bytes));
            break;
        case 1: {
            // Any characters, but whole ones, as an extracted text holds: a final half
            // character only sends the step-by-step path through the whole dictionary.
            std::string_view whole = bytes;
            if (!reference::IsWhole(whole)) whole.remove_suffix(1);
            CheckBothPaths(whole);
            break;
        }
        default:
            for (const PinyinMode mode : kModes) {
                for (const bool mixed : {false, true}) {
                    const Conversion c = ConvertText(bytes, mode, mixed);
                    const std::string hanzi = reference::ExtractHanzi(bytes);
                    FUZZ_CHECK(c.count * 2 == hanzi.size());
                    FUZZ_CHECK(c.text == ConvertHanziTextStepByStep(hanzi, mode, mixed));
                    // The per-line form breaks after every group of a mixed result, and only there.
                    const GbkText lines = LineBreakGroups(c.text);
                    if (!mixed) FUZZ_CHECK(lines == c.text);
                }
            }
            break;
    }
    return 0;
}
