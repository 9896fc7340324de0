#include "text/gbk_text.h"

#include <algorithm>
#include <cstring>

namespace {

bool MatchesAt(std::string_view text, std::size_t at, std::string_view needle, bool ignoreCase) {
    if (needle.size() > text.size() - at) return false;
    if (!ignoreCase) {
        return text[at] == needle[0] && std::memcmp(text.data() + at, needle.data(), needle.size()) == 0;
    }
    for (std::size_t k = 0; k < needle.size(); ++k) {
        if (AsciiLower(static_cast<unsigned char>(text[at + k])) !=
            AsciiLower(static_cast<unsigned char>(needle[k])))
            return false;
    }
    return true;
}

}  // namespace

GbkText MidText(std::string_view text, TextPos start, TextPos count) {
    if (start < 1 || start > TextLength(text) || count <= 0) return {};
    return GbkText(text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

int FirstByteCode(std::string_view text) {
    if (text.empty()) return 0;
    return static_cast<signed char>(text[0]);
}

TextPos FindText(std::string_view text, std::string_view needle, TextPos start, bool ignoreCase) {
    if (start < 1) start = 1;
    if (start > TextLength(text)) return kNotFound;
    if (needle.empty()) return 1;
    for (std::size_t i = static_cast<std::size_t>(start - 1); i < text.size(); i += CharWidthAt(text, i)) {
        if (MatchesAt(text, i, needle, ignoreCase)) return static_cast<TextPos>(i + 1);
    }
    return kNotFound;
}

GbkText ReplaceText(std::string_view text, std::string_view oldText, std::string_view newText,
                    TextPos start, TextPos count, bool caseSensitive) {
    if (start < 1) start = 1;
    if (oldText.empty() || count == 0 || start > TextLength(text)) return GbkText(text);
    std::size_t i = static_cast<std::size_t>(start - 1);
    GbkText out(text.substr(0, i));
    out.reserve(text.size());
    TextPos left = count;
    while (i < text.size()) {
        if (left != 0 && MatchesAt(text, i, oldText, !caseSensitive)) {
            out += newText;
            i += oldText.size();
            if (left > 0) --left;
            continue;
        }
        if (left == 0) {
            out += text.substr(i);
            break;
        }
        const std::size_t w = CharWidthAt(text, i);
        out += text.substr(i, w);
        i += w;
    }
    return out;
}

GbkText ConcatText(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (auto p : parts) total += p.size();
    GbkText out;
    out.reserve(total);
    for (auto p : parts) out += p;
    return out;
}

int CompareText(std::string_view a, std::string_view b) {
    // std::string_view compares through char_traits<char>, which compares as unsigned char.
    return a.compare(b);
}

GbkText RemoveAllSpaces(std::string_view text) {
    GbkText out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (!IsHighByte(b)) {
            if (b != 0x20) out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) break;  // unpaired final byte
        const auto b2 = static_cast<unsigned char>(text[i + 1]);
        if (!(b == 0xA1 && b2 == 0xA1)) out.append(text.data() + i, 2);
        i += 2;
    }
    return out;
}

GbkText ToHalfWidth(std::string_view text) {
    GbkText out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (!IsHighByte(b)) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) break;  // unpaired final byte
        const auto b2 = static_cast<unsigned char>(text[i + 1]);
        if (b == 0xA3 && b2 >= 0xA1 && b2 <= 0xFE) {
            out += static_cast<char>(b2 - 0x80);
        } else if (b == 0xA1 && b2 == 0xA1) {
            out += ' ';
        } else if (b == 0xA1 && b2 == 0xAB) {
            out += '~';
        } else if (b == 0xA1 && (b2 == 0xEE || b2 == 0xEF)) {
            out += '*';
        } else {
            out.append(text.data() + i, 2);
        }
        i += 2;
    }
    return out;
}
