#include "pinyin/phrase_conversion.h"

#include <cstdint>
#include <limits>

#include "pinyin/readings.h"

namespace {

// The initials, two-letter ones first, so the first that fits is the longest.
constexpr std::string_view kInitials[] = {"zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g",
                                          "k",  "h",  "j",  "q", "x", "r", "z", "c", "s", "y", "w"};

// The vowel under each pinyin letter of GBK row A8, A1..B9: āáǎà ēéěè īíǐì ōóǒò ūúǔù ǖǘǚǜ ü.
constexpr char kVowelOfA8[] = "aaaaeeeeiiiioooouuuuuuuuu";

void AppendToneless(std::string_view r, GbkText& out) {
    for (std::size_t i = 0; i < r.size(); ++i) {
        const auto b = static_cast<unsigned char>(r[i]);
        if (b == 0xA8 && i + 1 < r.size()) {
            const auto t = static_cast<unsigned char>(r[i + 1]);
            if (t >= 0xA1 && t <= 0xB9) {
                out += kVowelOfA8[t - 0xA1];
                ++i;
                continue;
            }
        }
        if (b >= '0' && b <= '9') continue;  // jun1, jun4
        out += static_cast<char>(b);
    }
}

}  // namespace

GbkText TonelessSpelling(std::string_view toneReading) {
    GbkText out;
    AppendToneless(toneReading, out);
    return out;
}

std::string_view InitialOf(std::string_view toneless) {
    for (std::string_view initial : kInitials) {
        if (toneless.size() > initial.size() && toneless.substr(0, initial.size()) == initial) {
            return toneless.substr(0, initial.size());
        }
    }
    return toneless;
}

const std::vector<std::string_view>& PhraseRunConverter::ToneReadings(std::string_view run) {
    const PhraseTable& table = *table_;
    const std::size_t n = run.size() / 2;
    readings_.assign(n, std::string_view());
    // best[i]: the cheapest reading of the first i characters as words and single characters,
    // costs being minus the log of their frequencies.
    constexpr PhraseTable::Word kAlone{1, 0, PhraseTable::kOwnReadings};
    best_.assign(n + 1, Step{std::numeric_limits<std::uint32_t>::max(), 0, kAlone});
    best_[0].cost = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t here = best_[i].cost;
        const auto b1 = static_cast<unsigned char>(run[2 * i]);
        const auto b2 = static_cast<unsigned char>(run[2 * i + 1]);
        const std::uint32_t single = here + table.CharCost(b1, b2);
        if (single < best_[i + 1].cost) best_[i + 1] = {single, static_cast<std::uint32_t>(i), kAlone};
        words_.clear();
        table.WordsAt(run.substr(2 * i), words_);
        for (const PhraseTable::Word& w : words_) {
            const std::uint32_t c = here + w.cost;
            // Ties go to the longer word, which is met later here: longest match stays the floor.
            if (c <= best_[i + w.chars].cost) best_[i + w.chars] = {c, static_cast<std::uint32_t>(i), w};
        }
    }
    for (std::size_t end = n; end > 0;) {
        const Step& s = best_[end];
        for (std::uint32_t k = 0; k < s.word.chars; ++k) {
            const std::size_t at = s.from + k;
            const auto b1 = static_cast<unsigned char>(run[2 * at]);
            const auto b2 = static_cast<unsigned char>(run[2 * at + 1]);
            std::string_view r = s.word.firstReading == PhraseTable::kOwnReadings ? table.AloneReading(b1, b2)
                                                                                  : table.Reading(s.word, k);
            readings_[at] = r.empty() ? IndexedToneReading(b1, b2) : r;
        }
        end = s.from;
    }
    return readings_;
}

void PhraseRunConverter::Append(std::string_view run, PinyinMode mode, bool mixed, GbkText& out) {
    const std::vector<std::string_view>& readings = ToneReadings(run);
    const std::size_t start = out.size();
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::string_view ch = run.substr(2 * i, 2);
        std::string_view r = readings[i];
        if (mode != PinyinMode::WithTones && !r.empty()) {
            toneless_.clear();
            AppendToneless(r, toneless_);
            r = toneless_;
            if (mode == PinyinMode::InitialsOnly) r = InitialOf(r);
        }
        if (r.empty()) {
            // A character without reading stands for itself, with no space after it.
            if (!mixed && mode != PinyinMode::WithTones && out.size() > start) out += ' ';
            out += ch;
            continue;
        }
        if (mixed) {
            out += ch;
            out += kOpenParen;
            out += r;
            out += kCloseParen;
        } else if (mode == PinyinMode::WithTones) {
            out += r;
            out += ' ';
        } else {
            if (out.size() > start) out += ' ';
            out += r;
        }
    }
}

void PhraseToneReadings(std::string_view run, const PhraseTable& table, std::vector<std::string_view>& readings) {
    PhraseRunConverter converter(table);
    readings = converter.ToneReadings(run);
}

GbkText ConvertHanziRunByPhrase(std::string_view run, PinyinMode mode, bool mixed, const PhraseTable& table) {
    PhraseRunConverter converter(table);
    GbkText out;
    out.reserve(run.size() * 4);
    converter.Append(run, mode, mixed, out);
    return out;
}
