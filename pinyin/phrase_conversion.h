// Conversion by word: each character's reading taken from the word it belongs to.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "pinyin/conversion.h"
#include "pinyin/phrase_table.h"
#include "text/gbk_text.h"

// The tone readings of a run of hanzi (two bytes each) read as the most likely words of the
// table: one per character; where no word covers it, the reading the table gives it alone,
// else its ToneReading, and empty where it has none.
void PhraseToneReadings(std::string_view run, const PhraseTable& table, std::vector<std::string_view>& readings);

// ConvertHanziText of a run of hanzi with the readings by word. Toneless readings and initials
// are spelled from the tone reading: marks dropped, ü as u, then the longest of the 23
// initials shorter than the syllable.
GbkText ConvertHanziRunByPhrase(std::string_view run, PinyinMode mode, bool mixed,
                                const PhraseTable& table = PhraseTable::Embedded());

// ConvertHanziRunByPhrase run after run, its buffers kept from one run to the next.
class PhraseRunConverter {
public:
    explicit PhraseRunConverter(const PhraseTable& table = PhraseTable::Embedded()) : table_(&table) {}
    // Appends the conversion of run to out.
    void Append(std::string_view run, PinyinMode mode, bool mixed, GbkText& out);
    // PhraseToneReadings of run, valid until the next call.
    const std::vector<std::string_view>& ToneReadings(std::string_view run);

    struct Step;

private:
    const PhraseTable* table_;
    std::vector<Step> best_;
    std::vector<PhraseTable::Word> words_;
    std::vector<std::string_view> readings_;
    GbkText toneless_;
};

struct PhraseRunConverter::Step {
    std::uint32_t cost;
    std::uint32_t from;
    PhraseTable::Word word;
};

// A tone reading without its tone: jūn, jun1 and lǜ give jun, jun and lu.
GbkText TonelessSpelling(std::string_view toneReading);
// The initial of a toneless syllable, or the whole syllable when it has none.
std::string_view InitialOf(std::string_view toneless);
