#include "cli/piecewise_conversion.h"

#include "text/hanzi.h"

std::size_t ConvertiblePrefix(std::string_view text) {
    for (std::size_t i = text.size(); i > 0; --i) {
        const auto b = static_cast<unsigned char>(text[i - 1]);
        if (b < 0x80 && b != ' ' && b != 0) return i;
    }
    return 0;
}

PiecewiseConverter::Piece PiecewiseConverter::Convert(std::string_view piece) {
    const HanziList list = ExtractHanzi(piece);
    Piece result;
    if (list.Count() == 0) return result;
    result.spaceFirst = count_ > 0 && !mixed_ && mode_ != PinyinMode::WithTones;
    count_ += list.Count();
    result.text = ConvertHanziText(list.Joined(), mode_, mixed_);
    // A result never holds a broken group, so each piece is broken as the whole would be.
    if (perLine_) result.text = LineBreakGroups(result.text);
    return result;
}

void PiecewiseConverter::Skip(std::string_view piece) { count_ += ExtractHanzi(piece).Count(); }
