#include "text/text_layout.h"

#include <algorithm>

namespace {

bool IsBlank(unsigned char byte) { return byte == ' ' || byte == '\t'; }

// Full-width punctuation that a line must not start with, and that it must not end with
// (nor start with either, see CanBreakBefore).
bool IsClosingMark(unsigned char lead, unsigned char trail) {
    const unsigned code = lead << 8 | trail;
    switch (code) {
    case 0xA3A9: case 0xA3AC: case 0xA1A3: case 0xA1A2: case 0xA3BB: case 0xA3BA:  // ），。、；：
    case 0xA3A1: case 0xA3BF: case 0xA1B9: case 0xA1BB: case 0xA1BF: case 0xA1B7:  // ！？」』】》
    case 0xA1B5: case 0xA1B1: case 0xA1AF: case 0xA1AD: case 0xA3DD: case 0xA3FD:  // 〉”’…］｝
    case 0xA3AE: case 0xA1B3: case 0xA1BD:                                         // ．〕〗
        return true;
    default:
        return false;
    }
}

bool IsOpeningMark(unsigned char lead, unsigned char trail) {
    const unsigned code = lead << 8 | trail;
    switch (code) {
    case 0xA3A8: case 0xA1B8: case 0xA1BA: case 0xA1BE: case 0xA1B6: case 0xA1B4:  // （「『【《〈
    case 0xA1B0: case 0xA1AE: case 0xA3DB: case 0xA3FB: case 0xA1B2: case 0xA1BC:  // “‘［｛〔〖
        return true;
    default:
        return false;
    }
}

unsigned char ByteAt(std::string_view text, std::size_t pos) { return static_cast<unsigned char>(text[pos]); }

// A two-byte character that a line may be broken beside: not a pinyin letter.
bool IsBreakableWide(std::string_view text, std::size_t pos, std::size_t byteCount) {
    return byteCount == 2 && !IsPinyinLetter(ByteAt(text, pos), ByteAt(text, pos + 1));
}

// Whether a line may break between the character at previous and the one at pos.
bool CanBreakBefore(std::string_view text, std::size_t previous, std::size_t pos, std::size_t byteCount) {
    if (pos - previous == 1 && IsBlank(ByteAt(text, previous))) return !(byteCount == 1 && IsBlank(ByteAt(text, pos)));
    if (!IsBreakableWide(text, previous, pos - previous) || !IsBreakableWide(text, pos, byteCount)) return false;
    // Not before an opening mark either: a converted hanzi stays with the reading in
    // parentheses that follows it.
    const unsigned char lead = ByteAt(text, pos), trail = ByteAt(text, pos + 1);
    return !IsOpeningMark(ByteAt(text, previous), ByteAt(text, previous + 1)) && !IsClosingMark(lead, trail) &&
           !IsOpeningMark(lead, trail);
}

}  // namespace

void CharWidths::Reset(Measure measure) {
    measure_ = std::move(measure);
    single_.fill(-1);
    for (auto& row : double_) row.reset();
}

int CharWidths::Double(unsigned char lead, unsigned char trail) {
    auto& row = double_[lead];
    if (!row) {
        row = std::make_unique<std::array<int, 256>>();
        row->fill(-1);
    }
    int& w = (*row)[trail];
    if (w < 0) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        w = MeasureOnce(std::string_view(pair, 2));
    }
    return w;
}

int CharWidths::MeasureOnce(std::string_view character) const {
    const int w = measure_ ? measure_(character) : 0;
    return w > 0 ? w : 0;
}

TextLayout::TextLayout() : starts_{0} {}

int TextLayout::CharWidthAt(std::string_view text, std::size_t pos, std::size_t byteCount, int x) {
    if (text[pos] == '\t' && tabStop_ > 0) return tabStop_ - (x > 0 ? x % tabStop_ : 0);
    return widths_.At(text, pos, byteCount);
}

std::size_t TextLayout::NextLineStart(std::string_view text, std::size_t start) {
    int x = 0;
    std::size_t breakAt = start;  // start itself: no place to break yet
    std::size_t previous = start;
    for (std::size_t pos = start; pos < text.size();) {
        const char c = text[pos];
        if (c == '\n') return pos + 1;
        if (c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') return pos + 2;
        const std::size_t n = ::CharWidthAt(text, pos);
        if (pos > start && CanBreakBefore(text, previous, pos, n)) breakAt = pos;
        const int w = CharWidthAt(text, pos, n, x);
        if (pos > start && x + w > width_ && !(n == 1 && IsBlank(static_cast<unsigned char>(c)))) {
            return breakAt > start ? breakAt : pos;
        }
        x += w;
        previous = pos;
        pos += n;
    }
    return 0;
}

void TextLayout::LayOut(std::string_view text) {
    starts_.assign(1, 0);
    for (std::size_t next = NextLineStart(text, 0); next != 0; next = NextLineStart(text, next)) {
        starts_.push_back(next);
    }
}

void TextLayout::Update(std::string_view text, const TextChange& change) {
    // A line's break depends on the text up to the first character of the line after next,
    // so the lines from two before the one holding the change on may move.
    const std::size_t reach = change.start >= 2 ? change.start - 2 : 0;
    const std::size_t holding = LineOf(reach);
    const std::size_t first = holding >= 2 ? holding - 2 : 0;
    const std::size_t oldEnd = change.start + change.oldLength;
    const std::size_t newEnd = change.start + change.newLength;

    // Old line starts behind the change, in old text positions.
    auto old = std::lower_bound(starts_.begin() + static_cast<std::ptrdiff_t>(first) + 1, starts_.end(), oldEnd);
    std::vector<std::size_t> fresh;
    bool synced = false;
    for (std::size_t next = NextLineStart(text, starts_[first]); next != 0; next = NextLineStart(text, next)) {
        if (next >= newEnd) {
            // Once a line starts where an old one did, the rest is the old layout moved along.
            while (old != starts_.end() && *old + change.newLength - change.oldLength < next) ++old;
            if (old != starts_.end() && *old + change.newLength - change.oldLength == next) {
                synced = true;
                break;
            }
        }
        fresh.push_back(next);
    }
    const auto keepEnd = starts_.begin() + static_cast<std::ptrdiff_t>(first) + 1;
    if (synced) {
        for (auto i = old; i != starts_.end(); ++i) *i = *i + change.newLength - change.oldLength;
        const auto at = starts_.erase(keepEnd, old);
        starts_.insert(at, fresh.begin(), fresh.end());
    } else {
        starts_.erase(keepEnd, starts_.end());
        starts_.insert(starts_.end(), fresh.begin(), fresh.end());
    }
}

std::size_t TextLayout::LineEnd(std::string_view text, std::size_t line) const {
    const std::size_t start = starts_[line];
    const std::size_t end = line + 1 < starts_.size() ? starts_[line + 1] : text.size();
    if (end == start || text[end - 1] != '\n') return end;
    // A hard break: the LF, and the CR before it when it is a character of its own.
    std::size_t pos = start, last = start;
    while (pos < end - 1) {
        last = pos;
        pos += ::CharWidthAt(text, pos);
    }
    if (pos != end - 1) return end;  // the LF was the second byte of a character
    if (pos > start && last + 1 == pos && text[last] == '\r') return last;
    return end - 1;
}

std::size_t TextLayout::LineOf(std::size_t pos) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), pos);
    return static_cast<std::size_t>(after - starts_.begin()) - 1;
}

int TextLayout::XOf(std::string_view text, std::size_t line, std::size_t pos) {
    int x = 0;
    for (std::size_t i = starts_[line]; i < pos && i < text.size();) {
        const std::size_t n = ::CharWidthAt(text, i);
        x += CharWidthAt(text, i, n, x);
        i += n;
    }
    return x;
}

std::size_t TextLayout::PosAtX(std::string_view text, std::size_t line, int x) {
    const std::size_t end = LineEnd(text, line);
    int left = 0;
    for (std::size_t i = starts_[line]; i < end;) {
        const std::size_t n = ::CharWidthAt(text, i);
        const int w = CharWidthAt(text, i, n, left);
        if (x < left + (w + 1) / 2) return i;
        left += w;
        i += n;
    }
    return end;
}
