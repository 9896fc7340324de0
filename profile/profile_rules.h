// What both profile implementations do to their arguments before they touch a file, so
// that the Windows profile functions and the portable reader see the same names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct ProfileCall {
    std::string path;
    std::string section;
    std::string key;
};

// Each argument up to its first zero byte, leading bytes 0x01..0x20 skipped, and trailing
// blanks cut from the section and key. Nothing when any of the three is then empty: the
// read gives empty text and the write does nothing (the ANSI write of an empty section or
// key name crashes on Windows).
std::optional<ProfileCall> PrepareProfileCall(std::string_view path, std::string_view section,
                                              std::string_view key);

// The part of a value that fits on its line: up to the first zero byte, CR or LF, so that
// a value can never add lines of its own to the file.
std::string_view OneLineValue(std::string_view value);

std::string_view UpToZeroByte(std::string_view text);

// The bytes the profile reader trims around names and values.
inline bool IsProfileBlank(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == 0x20; }
