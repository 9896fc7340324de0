#include "cli/zyf_run.h"

#include <new>

#include "cli/gbk_codec.h"
#include "cli/zyf_options.h"
#include "pinyin/conversion.h"
#include "text/hanzi.h"

#ifndef ZYF_VERSION
#error "ZYF_VERSION is set by the build"
#endif

namespace {

// The UTF-8 form of a result goes out in pieces, so it never exists whole beside the result.
constexpr std::size_t kOutputPiece = std::size_t{1} << 20;

bool ReadInput(const ZyfOptions& o, ZyfIo& io, std::string& text) {
    std::string reason;
    if (o.files.empty()) {
        if (io.AppendStandardInput(text, reason)) return true;
        io.WriteError("zyf: cannot read standard input: " + reason + "\n");
        return false;
    }
    for (const std::string& file : o.files) {
        const bool ok = file == "-" ? io.AppendStandardInput(text, reason)
                                    : io.AppendFile(file, text, reason);
        if (!ok) {
            io.WriteError("zyf: cannot read " + (file == "-" ? std::string("standard input") : file) +
                          ": " + reason + "\n");
            return false;
        }
    }
    return true;
}

bool WriteResult(std::string_view gbk, TextEncoding encoding, ZyfIo& io, std::string& reason) {
    if (encoding == TextEncoding::Gbk) return io.WriteOutput(gbk, reason);
    std::string piece;
    while (!gbk.empty()) {
        piece.clear();
        const std::size_t used = AppendGbkAsUtf8(gbk.substr(0, kOutputPiece), piece, gbk.size() > kOutputPiece);
        gbk.remove_prefix(used);
        if (!piece.empty() && !io.WriteOutput(piece, reason)) return false;
    }
    return true;
}

int Finish(bool written, ZyfIo& io, std::string& reason) {
    if (written && io.FinishOutput(reason)) return 0;
    io.WriteError("zyf: cannot write output: " + reason + "\n");
    return 1;
}

int Run(const std::vector<std::string>& args, ZyfIo& io) {
    const ParsedOptions parsed = ParseZyfOptions(args);
    if (!parsed.error.empty()) {
        io.WriteError("zyf: " + parsed.error + "\n");
        io.WriteError(ZyfUsage());
        return 2;
    }
    const ZyfOptions& o = parsed.options;
    std::string reason;
    if (o.help) return Finish(io.WriteOutput(ZyfUsage(), reason), io, reason);
    if (o.version) return Finish(io.WriteOutput("zyf " ZYF_VERSION "\n", reason), io, reason);

    // All input is read and checked before anything is written, so a failure leaves
    // standard output empty.
    std::string text;
    if (!ReadInput(o, io, text)) return 1;
    if (o.encoding == TextEncoding::Utf8) {
        // Offsets count from 0 over all files joined, as they are converted as one text.
        const std::size_t bad = Utf8ToGbkInPlace(text);
        if (bad != kWellFormedUtf8) {
            io.WriteError("zyf: invalid UTF-8 at byte " + std::to_string(bad) + "\n");
            return 1;
        }
    } else {
        RemoveZeroBytes(text);
    }

    // ConvertText in its two steps, so that the input is released before the result is built.
    const std::size_t count = RefreshHanziList(text);
    std::string().swap(text);
    if (o.countOnly) return Finish(io.WriteOutput(std::to_string(count) + "\n", reason), io, reason);
    GbkText result = ConvertHanziText(SharedHanziList().Joined(), o.mode, o.mixed);
    RefreshHanziList({});
    if (o.perLine) result = LineBreakGroups(result);
    return Finish(WriteResult(result, o.encoding, io, reason), io, reason);
}

}  // namespace

int RunZyf(const std::vector<std::string>& args, ZyfIo& io) {
    try {
        return Run(args, io);
    } catch (const std::bad_alloc&) {
        io.WriteError("zyf: out of memory\n");
        return 1;
    }
}
