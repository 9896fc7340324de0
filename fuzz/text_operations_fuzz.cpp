// The text model's operations against their short definitions (fuzz/support/reference_text.h):
// find and replace with their start, count and letter-case arguments, mid, first byte,
// compare, concat, blank removal, half-width folding and the cuts to a character boundary.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/reference_text.h"
#include "text/gbk_char.h"
#include "text/gbk_text.h"

namespace {

int Sign(int v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

void FlipLetterCase(std::string& text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    const long long a = static_cast<long long>(in.Byte()) - 3;
    const long long b = static_cast<long long>(in.Byte() % 16) - 2;  // counts -2 .. 13
    const std::string newText(in.Text(8));
    std::string needle(in.Text(12));
    const std::string text(in.Rest());
    const bool ignoreCase = (flags & 1) != 0;
    const long long length = static_cast<long long>(text.size());
    const long long start = a < 0 || length == 0 ? a : a % (length + 6);

    // Most needles are a piece of the text, maybe with the case of its letters flipped, so
    // that matches happen at any byte, also on the second byte of a character.
    if ((flags & 6) != 0 && !text.empty()) {
        needle = text.substr(static_cast<std::size_t>(a + 3) % text.size(), 1 + static_cast<std::size_t>(b + 2) % 6);
        if ((flags & 6) == 6) FlipLetterCase(needle);
    }

    FUZZ_CHECK(TextLength(text) == length);
    FUZZ_CHECK(MidText(text, start, b) == reference::Mid(text, start, b));
    FUZZ_CHECK(MidText(text, start, length) == reference::Mid(text, start, length));
    FUZZ_CHECK(FirstByteCode(text) == reference::FirstByteCode(text));
    FUZZ_CHECK(FindText(text, needle, start, ignoreCase) == reference::Find(text, needle, start, ignoreCase));
    FUZZ_CHECK(FindText(text, needle) == reference::Find(text, needle, 1, false));
    FUZZ_CHECK(ReplaceText(text, needle, newText, start, b, !ignoreCase) ==
               reference::Replace(text, needle, newText, start, b, !ignoreCase));
    FUZZ_CHECK(ReplaceText(text, needle, newText) == reference::Replace(text, needle, newText, 1, -1, true));
    FUZZ_CHECK(Sign(CompareText(text, needle)) == reference::CompareSign(text, needle));
    FUZZ_CHECK(Sign(CompareText(needle, text)) == reference::CompareSign(needle, text));
    FUZZ_CHECK(ConcatText({text, needle, newText}) == text + needle + newText);
    FUZZ_CHECK(RemoveAllSpaces(text) == reference::RemoveAllSpaces(text));
    FUZZ_CHECK(ToHalfWidth(text) == reference::ToHalfWidth(text));

    // The cuts that keep characters whole, under both ways of pairing bytes.
    const auto pos = static_cast<std::size_t>(a + 3);
    for (const bool pairs : {false, true}) {
        const GbkStepRule rule = pairs ? GbkStepRule::ProfilePairs : GbkStepRule::CharacterWise;
        FUZZ_CHECK(CharStartAtOrBefore(text, pos, rule) == reference::BoundaryAtOrBefore(text, pos, pairs));
        FUZZ_CHECK(CutOnCharBoundary(text, pos, rule).size() == reference::BoundaryAtOrBefore(text, pos, pairs));
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        FUZZ_CHECK(CharWidthAt(text, i) == reference::CharWidth(text, i));
        FUZZ_CHECK(ProfileCharWidthAt(text, i) == reference::ProfileCharWidth(text, i));
    }
    return 0;
}
