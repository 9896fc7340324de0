// config.ini's loader over any file bytes, through the real file layer: every value lands in
// its range (a face name is one line of at most kMaxProfileValue bytes, a mode only for the
// exact words, mixed only for "yes", numbers by the text-to-number rule), and what a save
// writes loads back as the same settings.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/temp_file.h"
#include "fuzz/support/text_profile.h"
#include "profile/ini_lines.h"
#include "profile/profile.h"
#include "shell/settings.h"
#include "text/text_number.h"

namespace {

GbkText ValueOr(std::string_view text, std::string_view key, std::string_view missing) {
    auto value = ReadIniValue(text, "general", key);
    return value ? *value : GbkText(missing);
}

bool IsOneLine(std::string_view face) {
    return face.size() <= kMaxProfileValue && face.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

// A face name that a read gives back as written: no blanks around it and no quotes around it.
bool ReadsBackAsWritten(std::string_view face) {
    auto blank = [](char c) { return IsProfileBlank(static_cast<unsigned char>(c)); };
    if (face.empty()) return true;
    if (blank(face.front()) || blank(face.back())) return false;
    return !(face.size() >= 2 && (face.front() == '"' || face.front() == '\'') && face.back() == face.front());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    WriteFuzzTempFile(text);
    const Settings s = LoadSettings(*OpenIniFileProfile(FuzzTempFilePath()));

    FUZZ_CHECK(IsOneLine(s.input.face) && IsOneLine(s.output.face));
    FUZZ_CHECK(s.input.face == ValueOr(text, "font_input", "宋体"));
    FUZZ_CHECK(s.output.face == ValueOr(text, "font_output", "宋体"));
    FUZZ_CHECK(s.input.points == TextToNumber(ValueOr(text, "fontsize_input", "11")));
    FUZZ_CHECK(s.input.color == TextToNumber(ValueOr(text, "fontcolor_input", "0")));
    FUZZ_CHECK(s.output.points == TextToNumber(ValueOr(text, "fontsize_output", "22")));
    FUZZ_CHECK(s.output.color == TextToNumber(ValueOr(text, "fontcolor_output", "0")));
    const GbkText word = ValueOr(text, "pinyinopt", "");
    const std::optional<PinyinMode> mode = word == "dsd"    ? std::optional(PinyinMode::WithTones)
                                           : word == "bdsd" ? std::optional(PinyinMode::WithoutTones)
                                           : word == "zlsm" ? std::optional(PinyinMode::InitialsOnly)
                                                            : std::nullopt;
    FUZZ_CHECK(s.mode == mode);
    FUZZ_CHECK(s.mixed == (ValueOr(text, "showhz", "yes") == "yes"));

    // Saved into the same text and loaded again: the same settings, but for a face name
    // that a read cannot give back (blanks or quotes around it).
    TextProfile saved(text);
    SaveSettings(saved, s);
    const Settings again = LoadSettings(saved);
    FUZZ_CHECK(again.input.points == s.input.points && again.input.color == s.input.color);
    FUZZ_CHECK(again.output.points == s.output.points && again.output.color == s.output.color);
    FUZZ_CHECK(again.mode == s.mode && again.mixed == s.mixed);
    if (ReadsBackAsWritten(s.input.face)) FUZZ_CHECK(again.input.face == s.input.face);
    if (ReadsBackAsWritten(s.output.face)) FUZZ_CHECK(again.output.face == s.output.face);
    return 0;
}
