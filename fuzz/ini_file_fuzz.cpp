// The portable INI reader and writer over any file bytes. Reading never fails and returns one
// line's worth of at most kMaxProfileValue bytes; a key written is read back (names in any
// letter case) as its value cut at the first CR, LF or zero byte, with the blanks and quotes
// a read removes; and a write adds no section or key but the one written and leaves every
// other line as it was, byte for byte. Both through the text functions and through the file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/reference_text.h"
#include "fuzz/support/temp_file.h"
#include "profile/ini_lines.h"
#include "profile/profile.h"
#include "profile/profile_rules.h"
#include "text/gbk_char.h"

namespace {

constexpr std::string_view kNames[] = {
    "general", "font_input", "fontsize_output", "pinyinopt", "showhz", "box", "position_left", "中文", "a",
};

// A name of letters, digits, a few marks, inner blanks and whole hanzi: the kind of name the
// settings files use, which never starts a section header or holds a key's "=".
std::string MadeName(FuzzInput& in) {
    static constexpr std::string_view kPieces[] = {"a", "B", "z", "Q", "0", "9", "_", ".", "-", " ", "中", "丂", "x y"};
    std::string name;
    const std::size_t n = 1 + in.Choice(6);
    for (std::size_t i = 0; i < n; ++i) name += kPieces[in.Choice(std::size(kPieces))];
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name.empty() ? "n" : name;
}

std::string WithCaseFlipped(std::string name, std::uint8_t mask) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        char& c = name[i];
        if (!((mask >> (i % 8)) & 1)) continue;
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

// Names match without regard to the case of ASCII letters.
bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!reference::SameByte(static_cast<unsigned char>(a[i]), static_cast<unsigned char>(b[i]), true)) return false;
    }
    return true;
}

bool IsBlank(char c) { return IsProfileBlank(static_cast<unsigned char>(c)); }

// What a read gives for a value written as value: one line's worth, blanks around it
// trimmed, one pair of matching quotes removed, cut to the read buffer.
std::string ReadBackOf(std::string_view value) {
    std::string_view v = OneLineValue(value);
    while (!v.empty() && IsBlank(v.front())) v.remove_prefix(1);
    while (!v.empty() && IsBlank(v.back())) v.remove_suffix(1);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.substr(1, v.size() - 2);
    return std::string(CutOnCharBoundary(v, kMaxProfileValue, GbkStepRule::ProfilePairs));
}

void CheckReadValue(const std::optional<GbkText>& value) {
    if (!value) return;
    FUZZ_CHECK(value->size() <= kMaxProfileValue);
    FUZZ_CHECK(value->find_first_of(std::string_view("\0\r\n", 3)) == std::string::npos);
}

struct Line {
    std::string_view content;
    std::string_view end;  // "\n", "\r\n", "\r" or nothing at the end of the file
    bool operator==(const Line&) const = default;
};

std::vector<Line> Lines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t e = i;
        while (e < text.size() && text[e] != '\r' && text[e] != '\n') ++e;
        std::size_t next = e;
        if (next < text.size()) next += text[next] == '\r' && next + 1 < text.size() && text[next + 1] == '\n' ? 2 : 1;
        lines.push_back({text.substr(i, e - i), text.substr(e, next - e)});
        i = next;
    }
    return lines;
}

// The old lines are all there, in order and unchanged, but for: one line changed in place,
// or new lines inserted at one place; a last line without line end may have gained one.
void CheckOnlyTheKeyChanged(std::string_view before, std::string_view after, std::string_view section,
                            std::string_view key, std::string_view value) {
    const std::vector<Line> old = Lines(before), now = Lines(after);
    const std::string entry = std::string(key) + "=" + std::string(value);
    auto same = [&](std::size_t o, std::size_t n) {
        if (old[o] == now[n]) return true;
        // The last line of the file, given the line end that a line after it needs.
        return o + 1 == old.size() && old[o].end.empty() && now[n].content == old[o].content && now[n].end == "\r\n";
    };
    if (now.size() == old.size()) {
        // In place: one line at most differs, and only before its line end.
        std::size_t changed = 0;
        for (std::size_t j = 0; j < old.size(); ++j) {
            if (old[j] == now[j]) continue;
            ++changed;
            FUZZ_CHECK(old[j].end == now[j].end);
        }
        FUZZ_CHECK(changed <= 1);
        return;
    }
    std::size_t i = 0;
    while (i < old.size() && i < now.size() && same(i, i)) ++i;
    const std::size_t added = now.size() - old.size();
    FUZZ_CHECK(now.size() > old.size() && added <= 2);
    for (std::size_t j = i; j < old.size(); ++j) FUZZ_CHECK(same(j, j + added));
    if (added == 1) {
        FUZZ_CHECK(now[i].content == entry && now[i].end == "\r\n");
    } else {
        FUZZ_CHECK(i == old.size());
        FUZZ_CHECK(now[i].content == "[" + std::string(section) + "]" && now[i].end == "\r\n");
        FUZZ_CHECK(now[i + 1].content == entry && now[i + 1].end == "\r\n");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    std::vector<std::string> names(std::begin(kNames), std::end(kNames));
    names.push_back(MadeName(in));
    names.push_back(MadeName(in));
    auto pick = [&] { return names[in.Choice(names.size())]; };
    const std::string section = pick(), key = pick();
    const std::uint8_t mask = in.Byte();
    const std::uint8_t flags = in.Byte();
    std::string value(in.Text(40));
    // Now and then a value longer than a read returns, so that the cut to the read buffer
    // (on a character boundary) is tried.
    if ((flags & 0xC0) == 0xC0 && !value.empty()) {
        while (value.size() <= kMaxProfileValue) value += value;
    }
    const std::string defaultText(in.Text(8));
    std::vector<std::pair<std::string, std::string>> probes;
    for (int i = 0; i < 3; ++i) probes.emplace_back(pick(), pick());
    const std::string text(in.Rest());

    // The text functions, with the names as the profile layer prepares them.
    CheckReadValue(ReadIniValue(text, section, key));
    const GbkText def = IniDefaultValue(defaultText);
    FUZZ_CHECK(def.size() <= kMaxProfileValue && def.find('\0') == GbkText::npos);
    const std::string line = std::string(OneLineValue(value));
    const std::string written = WriteIniValue(text, section, key, line);
    const auto back = ReadIniValue(written, WithCaseFlipped(section, mask), WithCaseFlipped(key, mask >> 3));
    FUZZ_CHECK(back.has_value() && *back == ReadBackOf(value));
    CheckOnlyTheKeyChanged(text, written, section, key, line);
    for (const auto& [s, k] : probes) {
        if (SameName(s, section) && SameName(k, key)) continue;
        FUZZ_CHECK(ReadIniValue(text, s, k) == ReadIniValue(written, s, k));
    }

    // The same through the file, with names as a caller may pass them (leading control bytes
    // and trailing blanks go before the file is touched).
    const std::string rawSection = (flags & 1 ? "\t " : "") + section + (flags & 2 ? " \t" : "");
    const std::string rawKey = (flags & 4 ? "\x01" : "") + key + (flags & 8 ? "  " : "");
    const bool missing = (flags & 0x30) == 0x30;
    if (missing) {
        RemoveFuzzTempFile();
    } else {
        WriteFuzzTempFile(text);
    }
    const auto profile = OpenIniFileProfile(FuzzTempFilePath());
    const GbkText read = profile->Read(rawSection, rawKey, defaultText);
    const auto expectedRead = missing ? std::nullopt : ReadIniValue(text, section, key);
    FUZZ_CHECK(read == (expectedRead ? *expectedRead : def));
    profile->Write(rawSection, rawKey, value);
    std::string file;
    FUZZ_CHECK(ReadFuzzTempFile(file));
    FUZZ_CHECK(file == (missing ? WriteIniValue("", section, key, line) : written));
    FUZZ_CHECK(profile->Read(WithCaseFlipped(section, mask), key, "-") == ReadBackOf(value));
    return 0;
}
