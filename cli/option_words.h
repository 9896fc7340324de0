// The words of the command lines of zyf and zyf-feed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "text/gbk_char.h"

enum class TextEncoding { Utf8, Gbk };

// Option values are taken in any letter case; the usage names the canonical spelling.
inline std::string LowerAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(AsciiLower(static_cast<unsigned char>(c)));
    return out;
}

inline std::optional<TextEncoding> EncodingNamed(std::string_view name) {
    const std::string n = LowerAscii(name);
    if (n == "utf-8" || n == "utf8") return TextEncoding::Utf8;
    if (n == "gbk" || n == "cp936") return TextEncoding::Gbk;
    return std::nullopt;
}
