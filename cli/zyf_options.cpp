#include "cli/zyf_options.h"

#include <optional>

namespace {

std::optional<PinyinMode> ModeNamed(std::string_view name) {
    const std::string n = LowerAscii(name);
    if (n == "tones") return PinyinMode::WithTones;
    if (n == "toneless") return PinyinMode::WithoutTones;
    if (n == "initials") return PinyinMode::InitialsOnly;
    return std::nullopt;
}

}  // namespace

ParsedOptions ParseZyfOptions(const std::vector<std::string>& args) {
    ParsedOptions parsed;
    ZyfOptions& o = parsed.options;
    auto fail = [&parsed](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (onlyFiles || arg == "-" || arg.empty() || arg[0] != '-') {
            o.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        // Options with a value: "-m X", "-mX", "--mode X", "--mode=X".
        std::string name = arg;
        std::optional<std::string> value;
        if (arg.rfind("--", 0) == 0) {
            const auto eq = arg.find('=');
            if (eq != std::string::npos) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
            }
        } else if (arg.size() > 2) {
            name = arg.substr(0, 2);
            value = arg.substr(2);
        }
        const bool takesValue = name == "-m" || name == "--mode" || name == "--encoding";
        const bool isFlag = name == "--mixed" || name == "--per-line" || name == "--phrases" || name == "--count" ||
                            name == "-h" || name == "--help" || name == "--version";
        if (!takesValue && !isFlag) return fail("unknown option " + arg);
        if (isFlag && value) {
            if (name.rfind("--", 0) == 0) return fail("option " + name + " takes no value");
            return fail("unknown option " + arg);
        }
        if (takesValue && !value) {
            if (i + 1 == args.size()) return fail("option " + name + " needs a value");
            value = args[++i];
        }
        if (name == "-m" || name == "--mode") {
            const auto mode = ModeNamed(*value);
            if (!mode) return fail("unknown mode '" + *value + "'");
            o.mode = *mode;
        } else if (name == "--encoding") {
            const auto encoding = EncodingNamed(*value);
            if (!encoding) return fail("unknown encoding '" + *value + "'");
            o.encoding = *encoding;
        } else if (name == "--mixed") {
            o.mixed = true;
        } else if (name == "--per-line") {
            o.perLine = true;
        } else if (name == "--phrases") {
            o.phrases = true;
        } else if (name == "--count") {
            o.countOnly = true;
        } else if (name == "-h" || name == "--help") {
            o.help = true;
        } else {
            o.version = true;
        }
    }
    return parsed;
}

std::string_view ZyfUsage() {
    return "usage: zyf [options] [FILE...]\n"
           "Writes the pinyin of the Chinese characters of the files (or of standard input)\n"
           "to standard output.\n"
           "\n"
           "  -m, --mode MODE      tones (default), toneless or initials\n"
           "      --mixed          each character followed by its reading in parentheses\n"
           "      --per-line       one character and reading per line (with --mixed)\n"
           "      --phrases        read each character as in the word it belongs to\n"
           "      --count          print only the number of Chinese characters\n"
           "      --encoding ENC   utf-8 (default) or gbk, for input and output\n"
           "  -h, --help           show this help\n"
           "      --version        show the version\n";
}
