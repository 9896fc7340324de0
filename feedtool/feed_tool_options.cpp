#include "feedtool/feed_tool_options.h"

#include <optional>

namespace {

std::optional<FeedMarkers> MarkersNamed(std::string_view name) {
    const std::string n = LowerAscii(name);
    if (n == "ad") return FeedMarkers::Ad;
    if (n == "menu") return FeedMarkers::Menu;
    return std::nullopt;
}

}  // namespace

ParsedFeedToolOptions ParseFeedToolOptions(const std::vector<std::string>& args) {
    ParsedFeedToolOptions parsed;
    FeedToolOptions& o = parsed.options;
    auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    if (args.empty()) return fail("no command given (encode or decode)");
    if (args[0] == "-h" || args[0] == "--help") {
        o.help = true;
        return parsed;
    }
    if (args[0] == "encode") {
        o.command = FeedCommand::Encode;
    } else if (args[0] == "decode") {
        o.command = FeedCommand::Decode;
    } else {
        return fail("unknown command '" + args[0] + "' (encode or decode)");
    }

    bool haveFile = false;
    bool onlyFiles = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            if (haveFile) return fail("more than one input file");
            haveFile = true;
            o.file = arg;
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        // "--markers X" or "--markers=X".
        std::string name = arg;
        std::optional<std::string> value;
        const auto eq = arg.find('=');
        if (arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
        }
        if (name == "-h" || name == "--help") {
            if (value) return fail("option " + name + " takes no value");
            o.help = true;
            continue;
        }
        if (name != "--markers" && name != "--encoding") return fail("unknown option " + arg);
        if (!value) {
            if (i + 1 == args.size()) return fail("option " + name + " needs a value");
            value = args[++i];
        }
        if (name == "--markers") {
            const auto markers = MarkersNamed(*value);
            if (!markers) return fail("unknown markers '" + *value + "' (ad or menu)");
            o.markers = *markers;
        } else {
            const auto encoding = EncodingNamed(*value);
            if (!encoding) return fail("unknown encoding '" + *value + "' (utf-8 or gbk)");
            o.encoding = *encoding;
        }
    }
    return parsed;
}

std::string_view FeedToolUsage() {
    return "usage: zyf-feed encode [--markers ad|menu] [--encoding utf-8|gbk] [FILE]\n"
           "       zyf-feed decode [--markers ad|menu] [--encoding utf-8|gbk] [FILE]\n"
           "encode: turns the plain text of a feed into its enciphered payload between the\n"
           "        feed's markers, ready to paste into the feed page.\n"
           "decode: turns a payload, or a saved feed page holding one between the markers,\n"
           "        back into the plain text.\n"
           "Reads FILE, or standard input when FILE is missing or \"-\"; writes to standard output.\n"
           "\n"
           "      --markers ad     the ad caption's feed (default)\n"
           "      --markers menu   the search window's menu feed\n"
           "      --encoding ENC   utf-8 (default) or gbk: of the plain text, and of the\n"
           "                       markers that encode writes\n"
           "  -h, --help           show this help\n";
}
