// config.ini: fonts and colours of the two boxes, the conversion mode and the mixed layout.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "pinyin/conversion.h"
#include "profile/file_replace.h"
#include "profile/profile.h"
#include "text/gbk_text.h"
#include "win32/box_font.h"

// Values travelling between config.ini and the main window. A mode is present only when
// the file named one exactly, so that an unknown word leaves the radio buttons as they are.
struct Settings {
    BoxFontSettings input;
    BoxFontSettings output;
    std::optional<PinyinMode> mode;
    bool mixed = true;
};

// The first-run content, exactly these 96 bytes.
inline constexpr std::string_view kDefaultConfigText =
    "[general]\r\nfont_output=宋体\r\nfontsize_output=22\r\nfontcolor_output=0\r\npinyinopt=dsd\r\nshowhz=yes\r\n";

// exeDir without trailing separator + "\config.ini".
GbkText ConfigPathFor(std::string_view exeDir);

// Reads the eight keys in their order.
Settings LoadSettings(Profile& profile);
// Writes the keys in their order; no pinyinopt when no mode is given.
void SaveSettings(Profile& profile, const Settings& current);

// Creates or truncates the file with kDefaultConfigText, opened for exclusive writing.
// False when the file could not be written.
bool WriteDefaultConfig(const std::string& path);
