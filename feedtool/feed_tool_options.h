// The command line of zyf-feed.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/option_words.h"

enum class FeedCommand { Encode, Decode };
enum class FeedMarkers { Ad, Menu };  // "[联机开始]" ... or "[联机信息开始]" ...

struct FeedToolOptions {
    FeedCommand command = FeedCommand::Encode;
    FeedMarkers markers = FeedMarkers::Ad;
    TextEncoding encoding = TextEncoding::Utf8;
    bool help = false;
    std::string file;  // empty or "-": standard input
};

struct ParsedFeedToolOptions {
    FeedToolOptions options;
    std::string error;  // empty when the command line is good, else one line
};

// args without the program name.
ParsedFeedToolOptions ParseFeedToolOptions(const std::vector<std::string>& args);

// The usage text, ending in a line break.
std::string_view FeedToolUsage();
