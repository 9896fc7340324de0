// RivIriRozezoVov.ini's loader over any file bytes and any screen, through the real file
// layer: the engine word is one line of at most kMaxProfileValue bytes, the window's left and
// top never pass their upper bounds, each number follows the text-to-number rule from its
// documented default, and what a save writes loads back as the same values.
#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/temp_file.h"
#include "fuzz/support/text_profile.h"
#include "profile/ini_lines.h"
#include "profile/profile.h"
#include "searchbox/searchbox_settings.h"
#include "text/text_number.h"

namespace {

GbkText ValueOr(std::string_view text, std::string_view key, std::string_view missing) {
    auto value = ReadIniValue(text, "general", key);
    return value ? *value : GbkText(missing);
}

int Clamped(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t flags = in.Byte();
    ScreenMetrics screen;
    int w = 0, h = 0;
    if (flags & 1) {  // any numbers at all
        screen = {in.I32(), in.I32(), in.I32()};
        w = in.I32();
        h = in.I32();
    } else {  // screens and windows of real sizes
        screen = {static_cast<int>(in.Between(0, 8000)), static_cast<int>(in.Between(0, 8000)),
                  static_cast<int>(in.Between(0, 8000))};
        w = static_cast<int>(in.Between(0, 400));
        h = static_cast<int>(in.Between(0, 400));
    }
    const bool fileExists = (flags & 6) != 0;
    const std::string text(in.Rest());

    const long long sw = screen.width, sh = screen.height;
    const long long taskbar = BottomTaskbarHeight(screen);
    const long long maxLeft = sw - w - 2;
    const long long maxTop = sh - taskbar - h - 2;
    const long long centredLeft = (sw - w) / 2;

    if (fileExists) {
        WriteFuzzTempFile(text);
    } else {
        RemoveFuzzTempFile();
    }
    const auto profile = OpenIniFileProfile(FuzzTempFilePath());
    const GbkText box = LoadSearchBoxEngineWord(*profile, fileExists);
    const SearchBoxPlacement p = LoadSearchBoxPlacement(*profile, fileExists, screen, w, h);

    FUZZ_CHECK(box.size() <= kMaxProfileValue && box.find_first_of(std::string_view("\0\r\n", 3)) == GbkText::npos);
    if (!fileExists) {
        FUZZ_CHECK(box == "taobao");
        FUZZ_CHECK(p.trans == 20 && p.left == Clamped(centredLeft) && p.top == Clamped(maxTop));
        return 0;
    }
    FUZZ_CHECK(box == ValueOr(text, "box", "taobao"));
    // An upper bound below the 32-bit range leaves the lowest 32-bit value.
    FUZZ_CHECK(p.left <= std::max<long long>(maxLeft, INT_MIN) && p.top <= std::max<long long>(maxTop, INT_MIN));
    FUZZ_CHECK(p.trans == TextToNumber(ValueOr(text, "trans", "20")));
    const long long left = TextToNumber(ValueOr(text, "position_left", std::to_string(centredLeft)));
    const long long top = TextToNumber(ValueOr(text, "position_top", std::to_string(maxTop)));
    FUZZ_CHECK(p.left == Clamped(std::min(left, maxLeft)));
    FUZZ_CHECK(p.top == Clamped(std::min(top, maxTop)));

    // Saved and loaded again on the same screen: the same values.
    TextProfile saved(text);
    SaveSearchBoxSettings(saved, p.trans, p.left, p.top, box);
    const SearchBoxPlacement again = LoadSearchBoxPlacement(saved, true, screen, w, h);
    FUZZ_CHECK(again.trans == p.trans && again.left == p.left && again.top == p.top);
    return 0;
}
