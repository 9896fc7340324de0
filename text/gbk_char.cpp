#include "text/gbk_char.h"

std::size_t CharStartAtOrBefore(std::string_view text, std::size_t pos, GbkStepRule rule) {
    if (pos >= text.size()) return text.size();
    // A byte below 0x80 is never the first byte of a pair under either rule, so the place
    // after it is always a boundary; walk forward from the last such place.
    std::size_t i = pos;
    while (i > 0 && IsHighByte(static_cast<unsigned char>(text[i - 1]))) --i;
    while (i < pos) {
        const std::size_t next =
            i + (rule == GbkStepRule::CharacterWise ? CharWidthAt(text, i) : ProfileCharWidthAt(text, i));
        if (next > pos) break;
        i = next;
    }
    return i;
}
