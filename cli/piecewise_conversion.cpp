#include "cli/piecewise_conversion.h"

#include "text/hanzi.h"

std::size_t ConvertiblePrefix(std::string_view text) {
    for (std::size_t i = text.size(); i > 0; --i) {
        const auto b = static_cast<unsigned char>(text[i - 1]);
        if (b < 0x80 && b != ' ' && b != 0) return i;
    }
    return 0;
}

void PiecewiseConverter::Convert(std::string_view piece, GbkText* out) {
    const HanziList list = ExtractHanzi(piece);
    if (list.Count() == 0) return;
    const bool spaced = !mixed_ && mode_ != PinyinMode::WithTones;
    const bool first = count_ == 0;
    count_ += list.Count();
    if (!out) return;
    if (spaced && !first) *out += ' ';
    const GbkText result = ConvertHanziText(list.Joined(), mode_, mixed_);
    if (perLine_) {
        // A result never holds a broken group, so each piece is broken as the whole would be.
        *out += LineBreakGroups(result);
    } else {
        *out += result;
    }
}
