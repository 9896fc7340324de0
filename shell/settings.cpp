#include "shell/settings.h"

#include <string>

#include "text/text_number.h"

namespace {

constexpr std::string_view kSection = "general";

// One key of config.ini: its missing-key value, how a value read is applied and which
// text the save writes (none: the key is left out).
struct SettingsKey {
    std::string_view key;
    std::string_view missingValue;
    void (*apply)(Settings&, const GbkText&);
    std::optional<GbkText> (*text)(const Settings&);
};

std::optional<PinyinMode> ModeNamed(std::string_view word) {
    // Byte for byte, case significant: "DSD" or "dsd2" name no mode.
    if (word == "dsd") return PinyinMode::WithTones;
    if (word == "bdsd") return PinyinMode::WithoutTones;
    if (word == "zlsm") return PinyinMode::InitialsOnly;
    return std::nullopt;
}

std::optional<GbkText> ModeWord(const std::optional<PinyinMode>& mode) {
    if (!mode) return std::nullopt;
    switch (*mode) {
        case PinyinMode::WithTones: return GbkText("dsd");
        case PinyinMode::WithoutTones: return GbkText("bdsd");
        case PinyinMode::InitialsOnly: return GbkText("zlsm");
    }
    return std::nullopt;
}

// The order of this table is the order of both the reads and the writes.
constexpr SettingsKey kSettingsKeys[] = {
    {"font_input", "宋体", [](Settings& s, const GbkText& v) { s.input.face = v; },
     [](const Settings& s) -> std::optional<GbkText> { return s.input.face; }},
    {"fontsize_input", "11", [](Settings& s, const GbkText& v) { s.input.points = TextToNumber(v); },
     [](const Settings& s) -> std::optional<GbkText> { return std::to_string(s.input.points); }},
    {"fontcolor_input", "0", [](Settings& s, const GbkText& v) { s.input.color = TextToNumber(v); },
     [](const Settings& s) -> std::optional<GbkText> { return std::to_string(s.input.color); }},
    {"font_output", "宋体", [](Settings& s, const GbkText& v) { s.output.face = v; },
     [](const Settings& s) -> std::optional<GbkText> { return s.output.face; }},
    {"fontsize_output", "22", [](Settings& s, const GbkText& v) { s.output.points = TextToNumber(v); },
     [](const Settings& s) -> std::optional<GbkText> { return std::to_string(s.output.points); }},
    {"fontcolor_output", "0", [](Settings& s, const GbkText& v) { s.output.color = TextToNumber(v); },
     [](const Settings& s) -> std::optional<GbkText> { return std::to_string(s.output.color); }},
    // No mode word in the file leaves the mode unset, so the radio buttons stay as they are.
    {"pinyinopt", "", [](Settings& s, const GbkText& v) { if (auto m = ModeNamed(v)) s.mode = m; },
     [](const Settings& s) { return ModeWord(s.mode); }},
    {"showhz", "yes", [](Settings& s, const GbkText& v) { s.mixed = v == "yes"; },
     [](const Settings& s) -> std::optional<GbkText> { return GbkText(s.mixed ? "yes" : "no"); }},
};

}  // namespace

GbkText ConfigPathFor(std::string_view exeDir) {
    return ConcatText({exeDir, "\\config.ini"});
}

Settings LoadSettings(Profile& profile) {
    Settings settings;
    for (const SettingsKey& k : kSettingsKeys) {
        k.apply(settings, profile.Read(kSection, k.key, k.missingValue));
    }
    return settings;
}

void SaveSettings(Profile& profile, const Settings& current) {
    for (const SettingsKey& k : kSettingsKeys) {
        if (const auto text = k.text(current)) profile.Write(kSection, k.key, *text);
    }
}

bool WriteDefaultConfig(const std::string& path) { return WriteFileExclusively(path, kDefaultConfigText); }
