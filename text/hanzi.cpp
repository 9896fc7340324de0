#include "text/hanzi.h"

#include <utility>

namespace {

HanziList g_sharedHanziList;

// The extraction exactly as defined: blanks removed, full-width forms folded, then a
// walk by the lead-byte rule over the folded text.
HanziList ExtractHanziLiteral(std::string_view text) {
    const GbkText t = ToHalfWidth(RemoveAllSpaces(text));
    GbkText out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size();) {
        const auto b1 = static_cast<unsigned char>(t[i]);
        if (IsLeadByte(b1) && i + 1 < t.size()) {
            if (IsHanziPair(b1, static_cast<unsigned char>(t[i + 1]))) out.append(t, i, 2);
            i += 2;
        } else {
            ++i;
        }
    }
    return HanziList(std::move(out));
}

}  // namespace

bool IsHanzi(std::string_view text) {
    return text.size() == 2 &&
           IsHanziPair(static_cast<unsigned char>(text[0]), static_cast<unsigned char>(text[1]));
}

HanziList ExtractHanzi(std::string_view text) {
    // Blank removal and folding drop or shrink whole characters without moving the
    // boundaries of the others, and a folded character is a single byte below 0x80, so
    // walking the original text pair by pair finds the same hanzi. The one exception is
    // a character led by 0x80 or 0xFF: the lead-byte walk restarts on its second byte,
    // which can shift everything after it. Such text takes the literal path.
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    GbkText out(text.size() / 2 * 2, '\0');
    char* dst = out.data();
    while (p < end) {
        const unsigned char b1 = *p;
        if (b1 < 0x80) {
            ++p;
            continue;
        }
        if (end - p < 2) break;
        if (b1 == 0x80 || b1 == 0xFF) return ExtractHanziLiteral(text);
        if (IsHanziPair(b1, p[1])) {
            dst[0] = static_cast<char>(b1);
            dst[1] = static_cast<char>(p[1]);
            dst += 2;
        }
        p += 2;
    }
    out.resize(static_cast<std::size_t>(dst - out.data()));
    return HanziList(std::move(out));
}

const HanziList& SharedHanziList() { return g_sharedHanziList; }

std::size_t RefreshHanziList(std::string_view text) {
    g_sharedHanziList = HanziList();  // the old list goes before the new one is built
    g_sharedHanziList = ExtractHanzi(text);
    return g_sharedHanziList.Count();
}
