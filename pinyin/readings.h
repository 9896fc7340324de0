// Lookups of the reading tables.
#pragma once

#include <string_view>

#include "text/gbk_text.h"

// The tone-marked reading of a character: MarkerExtract of the ToneDictionary between the
// character and ",". Two-byte texts go through an index built once from the table.
GbkText ToneReading(std::string_view hanzi);
// The same lookup as a search of the whole table, character by character.
GbkText ToneReadingBySearch(std::string_view hanzi);
// The indexed reading of the two-byte code b1 b2, without building a text.
std::string_view IndexedToneReading(unsigned char b1, unsigned char b2);

// Reading n (from 1; below 1 counts as 1) of the character formed by the first two bytes of
// text, initial and final joined; empty when there is none.
GbkText TonelessReading(std::string_view text, int n = 1);
// The initial of that reading, or the whole final for a syllable without initial.
GbkText ReadingInitial(std::string_view text, int n = 1);
