#include "pinyin/readings.h"

#include <array>
#include <cstdint>
#include <memory>

#include "pinyin/marker_extract.h"
#include "pinyin/reading_tables.h"

namespace {

// For every two-byte code, where its reading lies in the ToneDictionary. The character-wise
// search for a two-byte needle stops at the first character boundary whose two bytes equal
// it, so one walk over the boundaries, keeping the first one of each code, finds what the
// search finds; the reading is then cut exactly as MarkerExtract cuts it.
class ToneIndex {
public:
    ToneIndex() {
        const std::string_view dict = ToneDictionary();
        std::array<bool, 65536> seen{};
        for (std::size_t i = 0; i + 1 < dict.size(); i += CharWidthAt(dict, i)) {
            const unsigned code = (static_cast<unsigned char>(dict[i]) << 8) | static_cast<unsigned char>(dict[i + 1]);
            if (seen[code]) continue;
            seen[code] = true;
            const TextPos q = static_cast<TextPos>(i) + 3;  // 1-based position after the needle
            const TextPos e = FindText(dict, ",", q);
            if (e == kNotFound) continue;
            spans_[code] = {static_cast<std::uint32_t>(q - 1), static_cast<std::uint32_t>(e - q)};
        }
    }

    std::string_view Reading(unsigned code) const {
        const Span s = spans_[code];
        return ToneDictionary().substr(s.offset, s.length);
    }

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    std::array<Span, 65536> spans_{};
};

const ToneIndex& Index() {
    static const auto index = std::make_unique<ToneIndex>();
    return *index;
}

TonelessParts PartsOf(std::string_view text, int n) {
    if (text.size() < 2) return {};
    const int cell = ReadingCellIndex(static_cast<unsigned char>(text[0]), static_cast<unsigned char>(text[1]));
    return CellReading(cell, n < 1 ? 1 : n);
}

}  // namespace

std::string_view IndexedToneReading(unsigned char b1, unsigned char b2) {
    return Index().Reading((static_cast<unsigned>(b1) << 8) | b2);
}

GbkText ToneReading(std::string_view hanzi) {
    if (hanzi.size() != 2) return ToneReadingBySearch(hanzi);
    return GbkText(IndexedToneReading(static_cast<unsigned char>(hanzi[0]), static_cast<unsigned char>(hanzi[1])));
}

GbkText ToneReadingBySearch(std::string_view hanzi) { return MarkerExtract(ToneDictionary(), hanzi, ","); }

GbkText TonelessReading(std::string_view text, int n) {
    const TonelessParts p = PartsOf(text, n);
    return ConcatText({p.first, p.second});
}

GbkText ReadingInitial(std::string_view text, int n) { return GbkText(PartsOf(text, n).first); }
