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

struct Step {
    std::uint32_t cost = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t from = 0;
    PhraseTable::Word word{1, 0, PhraseTable::kOwnReadings};
};

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

void PhraseToneReadings(std::string_view run, const PhraseTable& table, std::vector<std::string_view>& readings) {
    const std::size_t n = run.size() / 2;
    readings.assign(n, std::string_view());
    // best[i]: the cheapest reading of the first i characters as words and single characters,
    // costs being minus the log of their frequencies.
    std::vector<Step> best(n + 1);
    best[0].cost = 0;
    std::vector<PhraseTable::Word> words;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t here = best[i].cost;
        const auto b1 = static_cast<unsigned char>(run[2 * i]);
        const auto b2 = static_cast<unsigned char>(run[2 * i + 1]);
        const std::uint32_t single = here + table.CharCost(b1, b2);
        if (single < best[i + 1].cost) best[i + 1] = {single, static_cast<std::uint32_t>(i), {1, 0, PhraseTable::kOwnReadings}};
        words.clear();
        table.WordsAt(run.substr(2 * i), words);
        for (const PhraseTable::Word& w : words) {
            const std::uint32_t c = here + w.cost;
            // Ties go to the longer word, which is met later here: longest match stays the floor.
            if (c <= best[i + w.chars].cost) best[i + w.chars] = {c, static_cast<std::uint32_t>(i), w};
        }
    }
    for (std::size_t end = n; end > 0;) {
        const Step& s = best[end];
        for (std::uint32_t k = 0; k < s.word.chars; ++k) {
            const std::size_t at = s.from + k;
            readings[at] = s.word.firstReading == PhraseTable::kOwnReadings
                               ? IndexedToneReading(static_cast<unsigned char>(run[2 * at]),
                                                    static_cast<unsigned char>(run[2 * at + 1]))
                               : table.Reading(s.word, k);
        }
        end = s.from;
    }
}

GbkText ConvertHanziRunByPhrase(std::string_view run, PinyinMode mode, bool mixed, const PhraseTable& table) {
    std::vector<std::string_view> readings;
    PhraseToneReadings(run, table, readings);
    GbkText out;
    out.reserve(run.size() * 4);
    GbkText toneless;
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::string_view ch = run.substr(2 * i, 2);
        std::string_view r = readings[i];
        if (mode != PinyinMode::WithTones && !r.empty()) {
            toneless.clear();
            AppendToneless(r, toneless);
            r = toneless;
            if (mode == PinyinMode::InitialsOnly) r = InitialOf(r);
        }
        if (r.empty()) {
            // A character without reading stands for itself, with no space after it.
            if (!mixed && mode != PinyinMode::WithTones && !out.empty()) out += ' ';
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
            if (!out.empty()) out += ' ';
            out += r;
        }
    }
    return out;
}
