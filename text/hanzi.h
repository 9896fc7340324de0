// Which two-byte characters are hanzi, and the extraction of the hanzi of a text.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/gbk_text.h"

// GBK/3 (81..A0 x 40..FE), GBK/4 (AA..FE x 40..A0) and the GB2312 hanzi rows (B0..F7 x A1..FE).
// Second byte 0x7F and unassigned codes inside these blocks pass.
constexpr bool IsHanziPair(unsigned char b1, unsigned char b2) {
    if (b1 >= 0x81 && b1 <= 0xA0) return b2 >= 0x40 && b2 <= 0xFE;
    if (b1 >= 0xB0 && b1 <= 0xF7) return b2 >= 0x40 && b2 <= 0xFE;  // GBK/4 and GB2312 meet here
    if (b1 >= 0xAA && b1 <= 0xFE) return b2 >= 0x40 && b2 <= 0xA0;
    return false;
}

bool IsHanzi(std::string_view text);

// The hanzi of a text in order, one two-byte item each. Kept as the joined text of all
// items, which is what every user of the list reads, so a long text costs two bytes a hanzi.
class HanziList {
public:
    HanziList() = default;
    explicit HanziList(GbkText joined) : joined_(std::move(joined)) {}

    std::size_t Count() const { return joined_.size() / 2; }
    // Item i, counted from 0.
    std::string_view Item(std::size_t i) const { return std::string_view(joined_).substr(2 * i, 2); }
    // The concatenation of all items in list order.
    const GbkText& Joined() const { return joined_; }

private:
    GbkText joined_;
};

// The hanzi of ToHalfWidth(RemoveAllSpaces(text)), walked by the lead-byte rule.
HanziList ExtractHanzi(std::string_view text);

// The list shared by the convert command and the input-side tools, empty at start.
const HanziList& SharedHanziList();
// Replaces the shared list with the hanzi of text; returns their count.
std::size_t RefreshHanziList(std::string_view text);
