// The extraction's fast walk over the original text against its literal composition:
// blanks removed, full-width forms folded, then the lead-byte walk keeping what IsHanzi
// accepts. Also the shared list that RefreshHanziList replaces as a whole.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/reference_text.h"
#include "text/hanzi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const HanziList list = ExtractHanzi(text);
    const std::string expected = reference::ExtractHanzi(text);
    FUZZ_CHECK(list.Joined() == expected);
    FUZZ_CHECK(list.Count() * 2 == expected.size());
    for (std::size_t i = 0; i < list.Count(); ++i) {
        FUZZ_CHECK(list.Item(i) == std::string_view(expected).substr(2 * i, 2));
        FUZZ_CHECK(IsHanzi(list.Item(i)));
    }

    FUZZ_CHECK(RefreshHanziList(text) == list.Count());
    FUZZ_CHECK(SharedHanziList().Joined() == expected);

    // IsHanzi on the first two bytes, and on texts that are not two bytes long.
    if (size >= 2) {
        FUZZ_CHECK(IsHanzi(text.substr(0, 2)) == reference::IsHanzi(data[0], data[1]));
        FUZZ_CHECK(IsHanziPair(data[0], data[1]) == reference::IsHanzi(data[0], data[1]));
    }
    if (size != 2) FUZZ_CHECK(!IsHanzi(text));
    return 0;
}
