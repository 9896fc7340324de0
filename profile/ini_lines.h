// An INI file's text, read and edited with the rules of the Windows profile functions.
// Section and key names are the prepared ones (profile_rules.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/gbk_text.h"

// The value of the key as a profile read returns it; nothing when the section or key is missing.
std::optional<GbkText> ReadIniValue(std::string_view text, std::string_view section, std::string_view key);

// A read's default as the Windows functions return it.
GbkText IniDefaultValue(std::string_view defaultText);

// The text after the key has been given the value (one line's worth): in place when the key
// is there, else a new line at the end of its section, else a new section at the end.
std::string WriteIniValue(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view value);
