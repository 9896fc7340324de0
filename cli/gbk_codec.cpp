#include "cli/gbk_codec.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

extern const unsigned char kGbkTableFile[];
extern const std::size_t kGbkTableFile_size;

namespace {

// Both directions of the table, built once from the embedded file.
struct GbkTables {
    // Unicode value of the two-byte code b1 b2 at ((b1 - 0x80) << 8) | b2; 0 for none.
    std::array<std::uint16_t, 0x8000> toUnicode{};
    // Two-byte code of every BMP character at its value; 0 for none.
    std::array<std::uint16_t, 0x10000> toGbk{};
};

int HexValue(std::string_view digits) {
    int value = 0;
    for (char c : digits) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return -1;
        value = value * 16 + d;
    }
    return value;
}

std::unique_ptr<GbkTables> ParseTables() {
    auto tables = std::make_unique<GbkTables>();
    std::string_view rest(reinterpret_cast<const char*>(kGbkTableFile), kGbkTableFile_size);
    while (!rest.empty()) {
        const auto nl = rest.find('\n');
        const std::string_view line = rest.substr(0, nl);
        rest = nl == std::string_view::npos ? std::string_view() : rest.substr(nl + 1);
        // "D6D0 4E2D"; the header line and anything malformed are skipped.
        if (line.size() != 9 || line[4] != ' ') continue;
        const int code = HexValue(line.substr(0, 4));
        const int value = HexValue(line.substr(5, 4));
        if (code < 0x8140 || value < 0x80) continue;
        tables->toUnicode[static_cast<std::size_t>(code - 0x8000)] = static_cast<std::uint16_t>(value);
        tables->toGbk[static_cast<std::size_t>(value)] = static_cast<std::uint16_t>(code);
    }
    return tables;
}

const GbkTables& Tables() {
    static const std::unique_ptr<GbkTables> tables = ParseTables();
    return *tables;
}

// Length of the well-formed multi-byte sequence at p (lead byte 0x80 or above) with its
// value in cp, or 0 when it is ill-formed. The ranges are those of Unicode's table of
// well-formed byte sequences, which leave out overlong forms, surrogates and values
// above U+10FFFF.
std::size_t DecodeSequence(const unsigned char* p, std::size_t avail, char32_t& cp) {
    const unsigned b0 = p[0];
    auto inRange = [&](std::size_t i, unsigned lo, unsigned hi) {
        return i < avail && p[i] >= lo && p[i] <= hi;
    };
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (!inRange(1, 0x80, 0xBF)) return 0;
        cp = ((b0 & 0x1Fu) << 6) | (p[1] & 0x3Fu);
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        const unsigned lo = b0 == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = b0 == 0xED ? 0x9F : 0xBF;
        if (!inRange(1, lo, hi) || !inRange(2, 0x80, 0xBF)) return 0;
        cp = ((b0 & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        const unsigned lo = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = b0 == 0xF4 ? 0x8F : 0xBF;
        if (!inRange(1, lo, hi) || !inRange(2, 0x80, 0xBF) || !inRange(3, 0x80, 0xBF)) return 0;
        cp = ((b0 & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
        return 4;
    }
    return 0;
}

}  // namespace

std::size_t Utf8ToGbkInPlace(std::string& text) {
    const auto& toGbk = Tables().toGbk;
    auto* s = reinterpret_cast<unsigned char*>(text.data());
    const std::size_t n = text.size();
    std::size_t r = 0;
    std::size_t w = 0;
    // Every character is written no longer than it was read, so w never passes r.
    while (r < n) {
        const unsigned char b = s[r];
        if (b < 0x80) {
            if (b != 0) s[w++] = b;
            ++r;
            continue;
        }
        char32_t cp;
        const std::size_t len = DecodeSequence(s + r, n - r, cp);
        if (len == 0) return r;
        r += len;
        const std::uint16_t code = cp <= 0xFFFF ? toGbk[cp] : 0;
        if (code != 0) {
            s[w++] = static_cast<unsigned char>(code >> 8);
            s[w++] = static_cast<unsigned char>(code & 0xFF);
        }
    }
    text.resize(w);
    return kWellFormedUtf8;
}

bool Utf8ToGbk(std::string_view utf8, GbkText& out) {
    out.assign(utf8);
    return Utf8ToGbkInPlace(out) == kWellFormedUtf8;
}

void AppendGbkAsUtf8(std::string_view gbk, std::string& out) {
    const auto& toUnicode = Tables().toUnicode;
    const auto* p = reinterpret_cast<const unsigned char*>(gbk.data());
    const std::size_t n = gbk.size();
    const std::size_t start = out.size();
    // Two bytes give at most three, one byte at most one.
    out.resize(start + n + n / 2 + 1);
    auto* d = reinterpret_cast<unsigned char*>(out.data() + start);
    std::size_t i = 0;
    while (i < n) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            if (b != 0) *d++ = b;
            ++i;
            continue;
        }
        if (b == 0x80 || b == 0xFF) {
            ++i;
            continue;
        }
        if (i + 1 == n) break;
        const unsigned char t = p[i + 1];
        if (t < 0x40 || t == 0x7F || t == 0xFF) {
            ++i;  // a lead byte without its second byte goes alone; t is read again
            continue;
        }
        i += 2;
        const unsigned u = toUnicode[(static_cast<std::size_t>(b - 0x80) << 8) | t];
        if (u == 0) continue;
        if (u < 0x800) {
            *d++ = static_cast<unsigned char>(0xC0 | (u >> 6));
            *d++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        } else {
            *d++ = static_cast<unsigned char>(0xE0 | (u >> 12));
            *d++ = static_cast<unsigned char>(0x80 | ((u >> 6) & 0x3F));
            *d++ = static_cast<unsigned char>(0x80 | (u & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(reinterpret_cast<char*>(d) - out.data()));
}

std::string GbkToUtf8(std::string_view gbk) {
    std::string out;
    AppendGbkAsUtf8(gbk, out);
    return out;
}

std::size_t RemoveZeroBytes(char* bytes, std::size_t size) {
    // Most text has none, and memchr finds that out fastest.
    char* w = static_cast<char*>(std::memchr(bytes, 0, size));
    if (!w) return size;
    for (const char* r = w; r != bytes + size; ++r) {
        if (*r != 0) *w++ = *r;
    }
    return static_cast<std::size_t>(w - bytes);
}
