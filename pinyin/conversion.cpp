#include "pinyin/conversion.h"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>

#include "pinyin/readings.h"
#include "text/hanzi.h"

namespace {

// The reading r of one character, before the layout is applied.
GbkText ReadingFor(std::string_view ch, PinyinMode mode) {
    switch (mode) {
        case PinyinMode::WithTones: {
            GbkText r = ToneReading(ch) + " ";
            return r == " " ? GbkText(ch) : r;
        }
        case PinyinMode::WithoutTones: {
            GbkText r = TonelessReading(ch, 1);
            return r.empty() ? GbkText(ch) : r;
        }
        case PinyinMode::InitialsOnly: {
            GbkText r = ReadingInitial(ch, 1);
            return r.empty() ? GbkText(ch) : r;
        }
    }
    return GbkText(ch);
}

// What one character contributes to the output before the clean-up passes.
GbkText PieceFor(std::string_view ch, PinyinMode mode, bool mixed) {
    const GbkText r = ReadingFor(ch, mode);
    if (mixed) return r == ch ? GbkText(ch) : ConcatText({ch, kOpenParen, r, kCloseParen});
    return mode == PinyinMode::WithTones ? r : ConcatText({" ", r});
}

GbkText CleanUp(GbkText out, PinyinMode mode) {
    if (mode == PinyinMode::WithTones) return ReplaceText(out, " ）", "）", 1, kNoLimit, true);
    return ReplaceText(out, " ", "", 1, 1, true);
}

// The conversion step by step, for any text.
GbkText ConvertLiteral(std::string_view text, PinyinMode mode, bool mixed) {
    GbkText out;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsHighByte(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        const std::string_view ch = text.substr(i, 2);
        out += PieceFor(ch, mode, mixed);
        i += 2;
    }
    return CleanUp(std::move(out), mode);
}

// Rendered pieces for the hanzi codes, with the clean-up already applied to each piece.
// On a text of hanzi only this is exact: there the output is well-formed GBK, a " ）" can only
// be the end of a mixed tone group, and the first space is the one in front of the first piece.
//
// A code's slot is rendered the first time a text holds it: the program's first conversion
// at start-up has a few dozen hanzi, and rendering all 21,000 codes before it took a hundred
// times as long as that conversion. Slots are rendered under a lock and published by their
// length, so that threads converting at the same time can share a table.
class PieceTable {
public:
    static constexpr std::size_t kSlot = 32;

    PieceTable(PinyinMode mode, bool mixed)
        : mode_(mode), mixed_(mixed), dropFirstByte_(mode != PinyinMode::WithTones && !mixed),
          slots_(std::make_unique<Slot[]>(kCodes)) {}

    // Converts a text of hanzi only; false (and out untouched) when it holds anything else or
    // a hanzi whose piece is too long for a slot.
    bool Convert(std::string_view text, GbkText& out) const {
        if (text.size() % 2 != 0) return false;
        const auto* const begin = reinterpret_cast<const unsigned char*>(text.data());
        const auto* const end = begin + text.size();
        std::size_t total = 0;
        for (const auto* p = begin; p < end; p += 2) {
            if (!IsHanziPair(p[0], p[1])) return false;
            std::uint8_t length = slots_[Code(p[0], p[1])].length.load(std::memory_order_acquire);
            if (length == kNotRendered) length = Render(p[0], p[1]);
            if (length == kTooLong) return false;
            total += length;
        }
        out.assign(total + kSlot, '\0');
        char* dst = out.data();
        for (const auto* p = begin; p < end; p += 2) {
            const Slot& s = slots_[Code(p[0], p[1])];
            std::memcpy(dst, s.bytes, kSlot);  // fixed-size copy; the slack absorbs the overrun
            dst += s.length.load(std::memory_order_relaxed);
        }
        out.resize(total);
        if (dropFirstByte_ && !out.empty()) out.erase(0, 1);
        return true;
    }

private:
    static constexpr std::uint8_t kNotRendered = 0;  // a piece is never empty
    static constexpr std::uint8_t kTooLong = 0xFF;   // texts with this code convert step by step

    struct Slot {
        char bytes[kSlot];
        std::atomic<std::uint8_t> length;
    };
    static constexpr std::size_t kCodes = 0x8000;
    static std::size_t Code(unsigned char b1, unsigned char b2) { return (static_cast<std::size_t>(b1 - 0x80) << 8) | b2; }

    std::uint8_t Render(unsigned char b1, unsigned char b2) const {
        const std::lock_guard<std::mutex> hold(renderLock_);
        Slot& s = slots_[Code(b1, b2)];
        const std::uint8_t known = s.length.load(std::memory_order_relaxed);
        if (known != kNotRendered) return known;  // rendered by another thread meanwhile
        const char ch[2] = {static_cast<char>(b1), static_cast<char>(b2)};
        GbkText piece = PieceFor(std::string_view(ch, 2), mode_, mixed_);
        if (mode_ == PinyinMode::WithTones && mixed_) piece = CleanUp(std::move(piece), mode_);
        std::uint8_t length = kTooLong;
        if (!piece.empty() && piece.size() <= kSlot) {
            std::memcpy(s.bytes, piece.data(), piece.size());
            length = static_cast<std::uint8_t>(piece.size());
        }
        s.length.store(length, std::memory_order_release);
        return length;
    }

    const PinyinMode mode_;
    const bool mixed_;
    const bool dropFirstByte_;
    std::unique_ptr<Slot[]> slots_;  // zeroed: every slot not rendered yet
    mutable std::mutex renderLock_;
};

// Each combination is made on its first use; its slots are filled as texts need them.
template <PinyinMode M, bool Mixed>
const PieceTable& Table() {
    static const PieceTable table(M, Mixed);
    return table;
}

const PieceTable& TableFor(PinyinMode mode, bool mixed) {
    switch (mode) {
        case PinyinMode::WithTones:
            return mixed ? Table<PinyinMode::WithTones, true>() : Table<PinyinMode::WithTones, false>();
        case PinyinMode::WithoutTones:
            return mixed ? Table<PinyinMode::WithoutTones, true>() : Table<PinyinMode::WithoutTones, false>();
        case PinyinMode::InitialsOnly:
            break;
    }
    return mixed ? Table<PinyinMode::InitialsOnly, true>() : Table<PinyinMode::InitialsOnly, false>();
}

}  // namespace

GbkText ConvertHanziText(std::string_view text, PinyinMode mode, bool mixed) {
    GbkText out;
    if (TableFor(mode, mixed).Convert(text, out)) return out;
    return ConvertLiteral(text, mode, mixed);
}

GbkText ConvertHanziTextStepByStep(std::string_view text, PinyinMode mode, bool mixed) {
    return ConvertLiteral(text, mode, mixed);
}

Conversion ConvertText(std::string_view input, PinyinMode mode, bool mixed) {
    Conversion result;
    result.count = RefreshHanziList(input);
    result.text = ConvertHanziText(SharedHanziList().Joined(), mode, mixed);
    return result;
}

GbkText LineBreakGroups(std::string_view text) {
    if (FindText(text, kGroupBreak, 1) != kNotFound) return GbkText(text);
    return ReplaceText(text, kCloseParen, kGroupBreak, 1, kNoLimit, true);
}
