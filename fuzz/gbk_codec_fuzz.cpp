// zyf's UTF-8 check and GBK codec. Ill-formed UTF-8 is reported at the length of its longest
// well-formed prefix (Unicode's table of well-formed byte sequences); well-formed text turns
// into GBK character by character; UTF-8 made of GBK characters comes back byte for byte;
// any GBK bytes give well-formed UTF-8, character by character as the rules of the decoder say.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/gbk_codec.h"
#include "fuzz/support/fuzz_check.h"

namespace {

unsigned char At(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// Length of the well-formed sequence at i, or 0.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
    auto in = [&](std::size_t k, unsigned lo, unsigned hi) { return i + k < s.size() && At(s, i + k) >= lo && At(s, i + k) <= hi; };
    const unsigned b = At(s, i);
    if (b <= 0x7F) return 1;
    if (b >= 0xC2 && b <= 0xDF) return in(1, 0x80, 0xBF) ? 2 : 0;
    if (b == 0xE0) return in(1, 0xA0, 0xBF) && in(2, 0x80, 0xBF) ? 3 : 0;
    if ((b >= 0xE1 && b <= 0xEC) || b == 0xEE || b == 0xEF) return in(1, 0x80, 0xBF) && in(2, 0x80, 0xBF) ? 3 : 0;
    if (b == 0xED) return in(1, 0x80, 0x9F) && in(2, 0x80, 0xBF) ? 3 : 0;
    if (b == 0xF0) return in(1, 0x90, 0xBF) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    if (b >= 0xF1 && b <= 0xF3) return in(1, 0x80, 0xBF) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    if (b == 0xF4) return in(1, 0x80, 0x8F) && in(2, 0x80, 0xBF) && in(3, 0x80, 0xBF) ? 4 : 0;
    return 0;
}

std::size_t WellFormedPrefix(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t n = SequenceLength(s, i);
        if (n == 0) return i;
        i += n;
    }
    return i;
}

void CheckUtf8(std::string_view utf8) {
    std::string inPlace(utf8);
    const std::size_t fault = Utf8ToGbkInPlace(inPlace);
    const std::size_t prefix = WellFormedPrefix(utf8);
    GbkText copy;
    const bool ok = Utf8ToGbk(utf8, copy);
    if (prefix < utf8.size()) {
        FUZZ_CHECK(fault == prefix && !ok);
        return;
    }
    FUZZ_CHECK(fault == kWellFormedUtf8 && ok && copy == inPlace);
    // Character by character: ASCII but zero stays, every other character becomes its two
    // GBK bytes or goes; read back, the kept characters are the text without the others.
    GbkText joined;
    std::string kept;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t n = SequenceLength(utf8, i);
        const std::string_view ch = utf8.substr(i, n);
        GbkText one;
        FUZZ_CHECK(Utf8ToGbk(ch, one));
        if (n == 1) {
            FUZZ_CHECK(one == (ch[0] == '\0' ? "" : ch));
        } else {
            FUZZ_CHECK(one.empty() || (one.size() == 2 && At(one, 0) >= 0x81));
        }
        if (!one.empty()) kept += ch;
        joined += one;
        i += n;
    }
    FUZZ_CHECK(joined == inPlace);
    FUZZ_CHECK(GbkToUtf8(inPlace) == kept);
}

void CheckGbk(std::string_view gbk) {
    const std::string utf8 = GbkToUtf8(gbk);
    FUZZ_CHECK(WellFormedPrefix(utf8) == utf8.size());
    // Zero bytes, 0x80 and 0xFF go; a lead byte takes a second byte 0x40..0xFE but 0x7F, else
    // it goes alone; a final lead byte goes.
    std::string joined;
    for (std::size_t i = 0; i < gbk.size();) {
        const unsigned char b = At(gbk, i);
        if (b < 0x80) {
            if (b != 0) joined += static_cast<char>(b);
            ++i;
        } else if (b == 0x80 || b == 0xFF || i + 1 == gbk.size()) {
            ++i;
        } else if (const unsigned char t = At(gbk, i + 1); t < 0x40 || t == 0x7F || t == 0xFF) {
            ++i;
        } else {
            const std::string one = GbkToUtf8(gbk.substr(i, 2));
            FUZZ_CHECK(one.empty() || (one.size() >= 2 && SequenceLength(one, 0) == one.size()));
            joined += one;
            i += 2;
        }
    }
    FUZZ_CHECK(joined == utf8);
    std::string appended = "x";
    AppendGbkAsUtf8(gbk, appended);
    FUZZ_CHECK(appended == "x" + utf8);
    // The UTF-8 of GBK characters comes back byte for byte.
    GbkText again;
    FUZZ_CHECK(Utf8ToGbk(utf8, again));
    FUZZ_CHECK(GbkToUtf8(again) == utf8);
    CheckUtf8(utf8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckUtf8(bytes);
    CheckGbk(bytes);

    std::string text(bytes), expected;
    for (const char c : bytes) {
        if (c != '\0') expected += c;
    }
    RemoveZeroBytes(text);
    FUZZ_CHECK(text == expected);
    return 0;
}
