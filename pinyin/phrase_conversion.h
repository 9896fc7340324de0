// Conversion by word: each character's reading taken from the word it belongs to.
#pragma once

#include <string_view>
#include <vector>

#include "pinyin/conversion.h"
#include "pinyin/phrase_table.h"
#include "text/gbk_text.h"

// The tone readings of a run of hanzi (two bytes each) read as the most likely words of the
// table: one per character, the character's ToneReading where no word covers it, empty where
// it has none.
void PhraseToneReadings(std::string_view run, const PhraseTable& table, std::vector<std::string_view>& readings);

// ConvertHanziText of a run of hanzi with the readings by word. Toneless readings and initials
// are spelled from the tone reading: marks dropped, ü as u, then the longest of the 23
// initials shorter than the syllable.
GbkText ConvertHanziRunByPhrase(std::string_view run, PinyinMode mode, bool mixed,
                                const PhraseTable& table = PhraseTable::Embedded());

// A tone reading without its tone: jūn, jun1 and lǜ give jun, jun and lu.
GbkText TonelessSpelling(std::string_view toneReading);
// The initial of a toneless syllable, or the whole syllable when it has none.
std::string_view InitialOf(std::string_view toneless);
