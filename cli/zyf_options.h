// The command line of zyf.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/option_words.h"
#include "pinyin/conversion.h"


struct ZyfOptions {
    PinyinMode mode = PinyinMode::WithTones;
    bool mixed = false;
    bool perLine = false;
    bool phrases = false;
    bool countOnly = false;
    TextEncoding encoding = TextEncoding::Utf8;
    bool help = false;
    bool version = false;
    // Files in order; empty means standard input. "-" names standard input too.
    std::vector<std::string> files;
};

struct ParsedOptions {
    ZyfOptions options;
    // Empty when the command line is good, else what is wrong with it (one line).
    std::string error;
};

// args without the program name.
ParsedOptions ParseZyfOptions(const std::vector<std::string>& args);

// The usage text, ending in a line break.
std::string_view ZyfUsage();
