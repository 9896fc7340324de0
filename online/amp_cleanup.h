#pragma once

#include <functional>

#include "text/gbk_text.h"

// Undoes the hosting site's escaping of "&": removes every "amp;" (letters in any case,
// character-wise) in rounds of one left-to-right pass each, until none is left, calling
// betweenRounds after each round. "&amp;amp;" becomes "&" in one round.
GbkText RemoveAmpEscapes(GbkText text, const std::function<void()>& betweenRounds = {});
