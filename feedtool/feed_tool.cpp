#include "feedtool/feed_tool.h"

#include <new>

#include "cli/gbk_codec.h"
#include "feedtool/feed_tool_options.h"
#include "online/amp_cleanup.h"
#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "pinyin/marker_extract.h"

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

struct MarkerPair {
    std::string_view start;
    std::string_view end;
};

MarkerPair GbkMarkers(FeedMarkers markers) {
    if (markers == FeedMarkers::Menu) return {kInfoFeedStart, kInfoFeedEnd};
    return {kAdFeedStart, kAdFeedEnd};
}

std::string InEncoding(std::string_view gbk, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? GbkToUtf8(gbk) : std::string(gbk);
}

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && IsAsciiBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsAsciiBlank(s.back())) s.remove_suffix(1);
    return s;
}

// The text between the markers searched byte for byte, for a page in UTF-8: the program's
// character-wise search steps over GBK characters and would misread UTF-8 sequences.
bool CutBytewise(std::string_view text, std::string_view start, std::string_view end, std::string& cut) {
    const auto p = text.find(start);
    if (p == std::string_view::npos) return false;
    const auto q = p + start.size();
    const auto e = text.find(end, q);
    cut = e == std::string_view::npos ? std::string() : std::string(text.substr(q, e - q));
    return true;
}

std::string_view FaultText(PayloadFault fault) {
    switch (fault) {
    case PayloadFault::NotHex:
        return "the payload holds a character that is not a hex digit";
    case PayloadFault::TooShort:
        return "the payload is shorter than its 8-byte header";
    case PayloadFault::NoWholeBlocks:
        return "the payload's bytes after the header are not whole 16-byte blocks";
    case PayloadFault::None:
        break;
    }
    return "the payload deciphers to no text";
}

class FeedTool {
public:
    FeedTool(const FeedToolOptions& options, FeedToolIo& io) : o_(options), io_(io) {}

    int Run() {
        std::string input;
        if (!ReadInput(input)) return kFailed;
        return o_.command == FeedCommand::Encode ? Encode(input) : Decode(input);
    }

private:
    bool ReadInput(std::string& input) {
        std::string reason;
        const bool fromStdin = o_.file.empty() || o_.file == "-";
        const bool ok = fromStdin ? io_.ReadStandardInput(input, reason) : io_.ReadFile(o_.file, input, reason);
        if (!ok) Fail("cannot read " + (fromStdin ? std::string("standard input") : o_.file) + ": " + reason);
        return ok;
    }

    int Encode(std::string_view input) {
        // The program stops at a zero byte, and reads an empty text as no feed: neither can
        // carry what the author means.
        if (input.find('\0') != std::string_view::npos) {
            return Fail("the text holds a zero byte, where the program's text would end");
        }
        GbkText plain;
        if (!ToGbk(input, plain)) return kFailed;
        if (plain.empty()) return Fail("the text is empty; the program would show its defaults");
        const std::string payload = EncryptFeedText(plain);
        if (payload.empty()) return Fail("the cipher failed");
        const MarkerPair m = GbkMarkers(o_.markers);
        return Write(InEncoding(m.start, o_.encoding) + payload + InEncoding(m.end, o_.encoding) + "\n");
    }

    bool ToGbk(std::string_view input, GbkText& plain) {
        if (o_.encoding == TextEncoding::Gbk) {
            plain = input;
            return true;
        }
        // Editors on Windows start UTF-8 files with a byte order mark.
        constexpr std::string_view kBom = "\xEF\xBB\xBF";
        const std::size_t skipped = input.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
        input.remove_prefix(skipped);
        plain = input;
        const std::size_t bad = Utf8ToGbkInPlace(plain);
        if (bad != kWellFormedUtf8) {
            Fail("invalid UTF-8 at byte " + std::to_string(skipped + bad));
            return false;
        }
        // The conversion leaves out what GBK cannot express; the feed would lose it silently.
        if (GbkToUtf8(plain) != input) {
            Fail("the text holds characters that GBK cannot express");
            return false;
        }
        return true;
    }

    int Decode(std::string_view input) {
        std::string payload;
        bool marked = false;
        if (!FindPayload(input, payload, marked)) return kFailed;
        const GbkText plain = DecodeFeedText(payload);
        if (plain.empty()) {
            const PayloadFault fault = CheckFeedPayload(payload);
            // Most often a page of the other feed, or one whose markers were lost.
            if (!marked && fault == PayloadFault::NotHex) {
                return Fail("no start marker of the chosen feed, and the input is no bare payload: " +
                            std::string(FaultText(fault)));
            }
            return Fail(FaultText(fault));
        }
        return Write(InEncoding(plain, o_.encoding));
    }

    // A page cut as the program cuts it (GBK markers, then the "amp;" clean-up); a page in
    // UTF-8 the same way with UTF-8 markers; else the input is the bare payload.
    bool FindPayload(std::string_view input, std::string& payload, bool& marked) {
        const MarkerPair m = GbkMarkers(o_.markers);
        marked = FindText(input, m.start) != kNotFound;
        if (marked) {
            payload = MarkerExtract(input, m.start, m.end);
        } else {
            marked = CutBytewise(input, GbkToUtf8(m.start), GbkToUtf8(m.end), payload);
        }
        if (!marked) {
            payload = TrimBlanks(input);
            if (!payload.empty()) return true;
            Fail("the input holds no payload");
            return false;
        }
        if (payload.empty()) {
            Fail("nothing between the start marker and an end marker after it");
            return false;
        }
        payload = RemoveAmpEscapes(std::move(payload));
        return true;
    }

    int Write(const std::string& bytes) {
        std::string reason;
        if (!io_.WriteOutput(bytes, reason)) return Fail("cannot write output: " + reason);
        return kDone;
    }

    int Fail(std::string_view message) {
        io_.WriteError("zyf-feed: " + std::string(message) + "\n");
        return kFailed;
    }

    const FeedToolOptions& o_;
    FeedToolIo& io_;
};

}  // namespace

int RunFeedTool(const std::vector<std::string>& args, FeedToolIo& io) {
    try {
        const ParsedFeedToolOptions parsed = ParseFeedToolOptions(args);
        if (!parsed.error.empty()) {
            io.WriteError("zyf-feed: " + parsed.error + "\n");
            io.WriteError(FeedToolUsage());
            return kBadCommandLine;
        }
        if (parsed.options.help) {
            std::string reason;
            if (!io.WriteOutput(FeedToolUsage(), reason)) {
                io.WriteError("zyf-feed: cannot write output: " + reason + "\n");
                return kFailed;
            }
            return kDone;
        }
        return FeedTool(parsed.options, io).Run();
    } catch (const std::bad_alloc&) {
        io.WriteError("zyf-feed: out of memory\n");
        return kFailed;
    }
}
