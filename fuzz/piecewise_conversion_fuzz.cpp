// zyf's piecewise conversion against one whole conversion: a text cut at allowed places (as
// the streaming reader cuts it) gives, piece by piece and joined, the bytes and the count of
// ConvertText on the whole text, in every mode and layout, with and without one group per line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cli/gbk_codec.h"
#include "cli/piecewise_conversion.h"
#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "pinyin/conversion.h"

namespace {

constexpr PinyinMode kModes[] = {PinyinMode::WithTones, PinyinMode::WithoutTones, PinyinMode::InitialsOnly};

// The pieces: each a ConvertiblePrefix of a window of what is left, the last one the rest.
std::vector<std::string_view> Cut(std::string_view text, FuzzInput& windows) {
    std::vector<std::string_view> pieces;
    while (!text.empty()) {
        const std::size_t window = windows.Byte();
        std::size_t cut = ConvertiblePrefix(text.substr(0, window));
        if (cut == 0) cut = text.size();
        pieces.push_back(text.substr(0, cut));
        text.remove_prefix(cut);
    }
    return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string_view windows = in.Text(64);
    // zyf drops zero bytes before it converts.
    std::string text(in.Rest());
    RemoveZeroBytes(text);

    FuzzInput windowBytes(reinterpret_cast<const std::uint8_t*>(windows.data()), windows.size());
    const std::vector<std::string_view> pieces = Cut(text, windowBytes);
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i) FUZZ_CHECK(ConvertiblePrefix(pieces[i]) == pieces[i].size());

    for (const PinyinMode mode : kModes) {
        for (const bool mixed : {false, true}) {
            const Conversion whole = ConvertText(text, mode, mixed);
            for (const bool perLine : {false, true}) {
                PiecewiseConverter converter(mode, mixed, perLine);
                PiecewiseConverter counter(mode, mixed, perLine);
                GbkText joined;
                for (const std::string_view piece : pieces) {
                    const PiecewiseConverter::Piece result = converter.Convert(piece);
                    if (result.spaceFirst) joined += ' ';
                    joined += result.text;
                    counter.Skip(piece);
                }
                FUZZ_CHECK(joined == (perLine ? LineBreakGroups(whole.text) : whole.text));
                FUZZ_CHECK(converter.Count() == whole.count);
                FUZZ_CHECK(counter.Count() == whole.count);
            }
        }
    }
    return 0;
}
