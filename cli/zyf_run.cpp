#include "cli/zyf_run.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "cli/gbk_codec.h"
#include "cli/piecewise_conversion.h"
#include "cli/zyf_options.h"
#include "version.h"

namespace {

struct Input {
    std::string name;
    std::unique_ptr<ZyfSource> source;
};

// Every input is opened before anything is read or written, so a missing file leaves standard
// output empty.
bool OpenInputs(const ZyfOptions& o, ZyfIo& io, std::vector<Input>& inputs) {
    std::vector<std::string> names = o.files;
    if (names.empty()) names.push_back("-");
    for (const std::string& name : names) {
        std::string reason;
        if (name == "-") {
            inputs.push_back({"standard input", io.StandardInput()});
            continue;
        }
        auto source = io.OpenFile(name, reason);
        if (!source) {
            io.WriteError("zyf: cannot read " + name + ": " + reason + "\n");
            return false;
        }
        inputs.push_back({name, std::move(source)});
    }
    return true;
}

// The inputs as one text, piece by piece.
class JoinedInput {
public:
    explicit JoinedInput(std::vector<Input>& inputs) : inputs_(inputs) {}

    // Reads up to size bytes into buffer, fewer only at the end of the last input; false
    // after a read error, with got the bytes read before it and Error() its message.
    bool Read(char* buffer, std::size_t size, std::size_t& got) {
        got = 0;
        while (got < size && next_ < inputs_.size()) {
            std::size_t n = 0;
            std::string reason;
            if (!inputs_[next_].source->Read(buffer + got, size - got, n, reason)) {
                error_ = "zyf: cannot read " + inputs_[next_].name + ": " + reason + "\n";
                return false;
            }
            got += n;
            if (n == 0) ++next_;
        }
        return true;
    }
    bool End() const { return next_ == inputs_.size(); }
    const std::string& Error() const { return error_; }

    // What is still to come, when the sources know it.
    std::size_t SizeHint() const {
        std::size_t total = 0;
        for (std::size_t i = next_; i < inputs_.size(); ++i) total += inputs_[i].source->SizeHint();
        return total;
    }

private:
    std::vector<Input>& inputs_;
    std::size_t next_ = 0;
    std::string error_;
};

// Writes result pieces in the output encoding, and the closing status.
class Output {
public:
    Output(TextEncoding encoding, ZyfIo& io) : encoding_(encoding), io_(io) {}

    bool WriteResult(std::string_view gbk) {
        if (gbk.empty() || encoding_ == TextEncoding::Gbk) return WriteAscii(gbk);
        utf8_.clear();
        AppendGbkAsUtf8(gbk, utf8_);
        return io_.WriteOutput(utf8_, reason_);
    }
    // Text that reads the same in both encodings.
    bool WriteAscii(std::string_view text) { return text.empty() || io_.WriteOutput(text, reason_); }

    // The exit status once everything is written, or a write failed.
    int Finish(bool written) {
        if (written && io_.FinishOutput(reason_)) return 0;
        io_.WriteError("zyf: cannot write output: " + reason_ + "\n");
        return 1;
    }

private:
    TextEncoding encoding_;
    ZyfIo& io_;
    std::string reason_;
    std::string utf8_;
};

// Converts text in pieces of about pieceSize, each cut where the conversion allows, and writes
// each result as it comes (with output null, only counts). False when a write fails.
bool ConvertPieces(std::string_view text, std::size_t pieceSize, PiecewiseConverter& converter,
                   Output* output) {
    while (!text.empty()) {
        std::size_t take = text.size();
        for (std::size_t window = pieceSize; window < text.size(); window *= 2) {
            const std::size_t cut = ConvertiblePrefix(text.substr(0, window));
            if (cut > 0) {
                take = cut;
                break;
            }
        }
        const std::string_view piece = text.substr(0, take);
        text.remove_prefix(take);
        if (!output) {
            converter.Skip(piece);
            continue;
        }
        const PiecewiseConverter::Piece result = converter.Convert(piece);
        if (result.spaceFirst && !output->WriteAscii(" ")) return false;
        if (!output->WriteResult(result.text)) return false;
    }
    return true;
}

enum class Ending { Done, ReadFailed, WriteFailed };

// UTF-8 input is read whole and checked before anything is written, so ill-formed input
// leaves standard output empty. Offsets count from 0 over all inputs joined.
Ending ConvertUtf8(JoinedInput& input, std::size_t pieceSize, PiecewiseConverter& converter,
                   Output* output, ZyfIo& io) {
    std::string text;
    std::size_t used = 0;
    while (!input.End()) {
        // One byte beyond the known size lets the read that finds the end fit without growing.
        if (text.size() == used) text.resize(used + std::max({input.SizeHint() + 1, pieceSize, used / 2}));
        std::size_t got;
        if (!input.Read(text.data() + used, text.size() - used, got)) return Ending::ReadFailed;
        used += got;
    }
    text.resize(used);
    const std::size_t bad = Utf8ToGbkInPlace(text);
    if (bad != kWellFormedUtf8) {
        io.WriteError("zyf: invalid UTF-8 at byte " + std::to_string(bad) + "\n");
        return Ending::ReadFailed;
    }
    return ConvertPieces(text, pieceSize, converter, output) ? Ending::Done : Ending::WriteFailed;
}

// GBK input streams through: read, converted and written a piece at a time. After a read
// error every byte read before it is still converted and written (the caller then adds the
// hanzi the converter holds back), so the output is that of the input up to the fault.
Ending ConvertGbk(JoinedInput& input, std::size_t pieceSize, PiecewiseConverter& converter, Output* output) {
    // buffer[0, pending) is read but not yet converted, and holds no byte that allows a cut;
    // it grows only while no such byte comes.
    std::string buffer(2 * pieceSize, '\0');
    std::size_t pending = 0;
    while (!input.End()) {
        if (buffer.size() - pending < pieceSize) buffer.resize(pending + pieceSize);
        std::size_t got;
        if (!input.Read(buffer.data() + pending, pieceSize, got)) {
            pending += RemoveZeroBytes(buffer.data() + pending, got);
            return ConvertPieces(std::string_view(buffer.data(), pending), pieceSize, converter, output)
                       ? Ending::ReadFailed
                       : Ending::WriteFailed;
        }
        got = RemoveZeroBytes(buffer.data() + pending, got);
        std::size_t cut = ConvertiblePrefix(std::string_view(buffer.data() + pending, got));
        const std::size_t old = pending;
        pending += got;
        if (cut == 0) continue;
        cut += old;
        if (!ConvertPieces(std::string_view(buffer.data(), cut), pieceSize, converter, output)) {
            return Ending::WriteFailed;
        }
        std::memmove(buffer.data(), buffer.data() + cut, pending - cut);
        pending -= cut;
    }
    return ConvertPieces(std::string_view(buffer.data(), pending), pieceSize, converter, output)
               ? Ending::Done
               : Ending::WriteFailed;
}

int Run(const std::vector<std::string>& args, ZyfIo& io, std::size_t pieceSize) {
    const ParsedOptions parsed = ParseZyfOptions(args);
    if (!parsed.error.empty()) {
        io.WriteError("zyf: " + parsed.error + "\n");
        io.WriteError(ZyfUsage());
        return 2;
    }
    const ZyfOptions& o = parsed.options;
    Output output(o.encoding, io);
    if (o.help) return output.Finish(output.WriteAscii(ZyfUsage()));
    if (o.version) return output.Finish(output.WriteAscii("zyf " ZYF_VERSION_TEXT "\n"));

    std::vector<Input> inputs;
    if (!OpenInputs(o, io, inputs)) return 1;
    JoinedInput input(inputs);
    PiecewiseConverter converter(o.mode, o.mixed, o.perLine, o.phrases);
    // --count converts nothing and writes only the number at the end.
    Output* sink = o.countOnly ? nullptr : &output;
    const bool utf8 = o.encoding == TextEncoding::Utf8;
    const Ending ending = utf8 ? ConvertUtf8(input, pieceSize, converter, sink, io)
                               : ConvertGbk(input, pieceSize, converter, sink);
    // UTF-8 input writes nothing unless all of it was read and well formed.
    if (ending == Ending::ReadFailed && (utf8 || o.countOnly)) {
        if (!input.Error().empty()) io.WriteError(input.Error());
        return 1;
    }
    bool written = ending != Ending::WriteFailed;
    if (written && !o.countOnly) {
        const PiecewiseConverter::Piece rest = converter.Finish();
        written = (!rest.spaceFirst || output.WriteAscii(" ")) && output.WriteResult(rest.text);
    }
    if (ending == Ending::ReadFailed) {
        // Streamed GBK: what was read before the fault is out; then the fault is reported.
        output.Finish(written);
        io.WriteError(input.Error());
        return 1;
    }
    if (o.countOnly) written = output.WriteAscii(std::to_string(converter.Count()) + "\n");
    return output.Finish(written);
}

}  // namespace

int RunZyf(const std::vector<std::string>& args, ZyfIo& io, std::size_t pieceSize) {
    try {
        return Run(args, io, pieceSize < 1 ? 1 : pieceSize);
    } catch (const std::bad_alloc&) {
        io.WriteError("zyf: out of memory\n");
        return 1;
    }
}
