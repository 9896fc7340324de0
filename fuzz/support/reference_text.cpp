#include "fuzz/support/reference_text.h"

namespace reference {

namespace {

unsigned char At(std::string_view text, std::size_t i) { return static_cast<unsigned char>(text[i]); }

bool MatchesAt(std::string_view text, std::size_t at, std::string_view needle, bool ignoreCase) {
    if (at + needle.size() > text.size()) return false;
    for (std::size_t k = 0; k < needle.size(); ++k) {
        if (!SameByte(At(text, at + k), At(needle, k), ignoreCase)) return false;
    }
    return true;
}

unsigned char Lower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c - 'A' + 'a') : c; }

}  // namespace

std::size_t CharWidth(std::string_view text, std::size_t i) {
    return At(text, i) >= 0x80 && i + 1 < text.size() ? 2 : 1;
}

std::size_t ProfileCharWidth(std::string_view text, std::size_t i) {
    const unsigned char lead = At(text, i);
    if (lead < 0x81 || lead > 0xFE || i + 1 >= text.size()) return 1;
    const unsigned char trail = At(text, i + 1);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

bool IsCharBoundary(std::string_view text, std::size_t pos) {
    std::size_t i = 0;
    while (i < pos) i += CharWidth(text, i);
    return i == pos;
}

std::size_t BoundaryAtOrBefore(std::string_view text, std::size_t pos, bool profilePairs) {
    if (pos >= text.size()) return text.size();
    std::size_t i = 0;
    for (;;) {
        const std::size_t next = i + (profilePairs ? ProfileCharWidth(text, i) : CharWidth(text, i));
        if (next > pos) return i;
        i = next;
    }
}

bool IsWhole(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (At(text, i) >= 0x80 && i + 1 == text.size()) return false;
        i += CharWidth(text, i);
    }
    return true;
}

bool SameByte(unsigned char a, unsigned char b, bool ignoreCase) {
    return ignoreCase ? Lower(a) == Lower(b) : a == b;
}

std::string Mid(std::string_view text, long long start, long long count) {
    std::string out;
    if (start < 1 || count <= 0) return out;
    for (long long pos = start; pos < start + count && pos <= static_cast<long long>(text.size()); ++pos) {
        out += text[static_cast<std::size_t>(pos - 1)];
    }
    return out;
}

int FirstByteCode(std::string_view text) {
    if (text.empty()) return 0;
    const int b = At(text, 0);
    return b >= 0x80 ? b - 256 : b;
}

long long Find(std::string_view text, std::string_view needle, long long start, bool ignoreCase) {
    if (start < 1) start = 1;
    if (start > static_cast<long long>(text.size())) return -1;
    if (needle.empty()) return 1;
    for (std::size_t i = static_cast<std::size_t>(start - 1); i < text.size(); i += CharWidth(text, i)) {
        if (MatchesAt(text, i, needle, ignoreCase)) return static_cast<long long>(i) + 1;
    }
    return -1;
}

std::string Replace(std::string_view text, std::string_view oldText, std::string_view newText,
                    long long start, long long count, bool caseSensitive) {
    if (start < 1) start = 1;
    if (oldText.empty() || count == 0 || start > static_cast<long long>(text.size())) return std::string(text);
    std::string out(text.substr(0, static_cast<std::size_t>(start - 1)));
    long long done = 0;
    std::size_t i = static_cast<std::size_t>(start - 1);
    while (i < text.size()) {
        if ((count < 0 || done < count) && MatchesAt(text, i, oldText, !caseSensitive)) {
            out += newText;
            i += oldText.size();
            ++done;
        } else {
            const std::size_t w = CharWidth(text, i);
            out += text.substr(i, w);
            i += w;
        }
    }
    return out;
}

int CompareSign(std::string_view a, std::string_view b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (At(a, i) != At(b, i)) return At(a, i) < At(b, i) ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string RemoveAllSpaces(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += CharWidth(text, i)) {
        const std::string_view ch = text.substr(i, CharWidth(text, i));
        if (ch == " " || ch == "\xA1\xA1") continue;
        if (ch.size() == 1 && At(ch, 0) >= 0x80) continue;  // a final byte without partner
        out += ch;
    }
    return out;
}

std::string ToHalfWidth(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); i += CharWidth(text, i)) {
        const std::string_view ch = text.substr(i, CharWidth(text, i));
        if (ch.size() == 1) {
            if (At(ch, 0) < 0x80) out += ch;
            continue;
        }
        const unsigned char b1 = At(ch, 0), b2 = At(ch, 1);
        if (b1 == 0xA3 && b2 >= 0xA1 && b2 <= 0xFE) {
            out += static_cast<char>(b2 - 0x80);
        } else if (b1 == 0xA1 && b2 == 0xA1) {
            out += ' ';
        } else if (b1 == 0xA1 && b2 == 0xAB) {
            out += '~';
        } else if (b1 == 0xA1 && (b2 == 0xEE || b2 == 0xEF)) {
            out += '*';
        } else {
            out += ch;
        }
    }
    return out;
}

bool IsHanzi(unsigned char b1, unsigned char b2) {
    const bool gbk3 = b1 >= 0x81 && b1 <= 0xA0 && b2 >= 0x40 && b2 <= 0xFE;
    const bool gbk4 = b1 >= 0xAA && b1 <= 0xFE && b2 >= 0x40 && b2 <= 0xA0;
    const bool gb2312 = b1 >= 0xB0 && b1 <= 0xF7 && b2 >= 0xA1 && b2 <= 0xFE;
    return gbk3 || gbk4 || gb2312;
}

std::string ExtractHanzi(std::string_view text) {
    const std::string t = ToHalfWidth(RemoveAllSpaces(text));
    std::string out;
    std::size_t i = 0;
    while (i < t.size()) {
        const unsigned char b = At(t, i);
        if (b >= 0x81 && b <= 0xFE && i + 1 < t.size()) {
            if (IsHanzi(b, At(t, i + 1))) out += t.substr(i, 2);
            i += 2;
        } else {
            i += 1;
        }
    }
    return out;
}

std::string MarkerExtract(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
    const long long p = Find(text, startMarker, 1, false);
    if (p < 0) return {};
    const long long q = p + static_cast<long long>(startMarker.size());
    const long long e = Find(text, endMarker, q, false);
    if (e < 0) return {};
    return Mid(text, q, e - q);
}

std::string RemoveAmpEscapes(std::string text, int* rounds) {
    *rounds = 0;
    while (Find(text, "amp;", 1, true) >= 0) {
        text = Replace(text, "amp;", "", 1, -1, false);
        ++*rounds;
    }
    return text;
}

}  // namespace reference
