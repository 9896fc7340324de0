#include "searchbox/searchbox_settings.h"

#include <algorithm>
#include <climits>
#include <string>

#include "text/text_number.h"

namespace {

constexpr std::string_view kSection = "general";

int Saturated(long long v) {
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int ReadNumber(Profile& profile, std::string_view key, long long missingValue) {
    return TextToNumber(profile.Read(kSection, key, std::to_string(missingValue)));
}

}  // namespace

GbkText SearchBoxConfigPathFor(std::string_view exeDir) {
    return ConcatText({exeDir, "\\", kSearchBoxConfigName});
}

GbkText LoadSearchBoxEngineWord(Profile& profile, bool fileExists) {
    if (!fileExists) return "taobao";
    return profile.Read(kSection, "box", "taobao");
}

SearchBoxPlacement LoadSearchBoxPlacement(Profile& profile, bool fileExists, const ScreenMetrics& screen,
                                          int w, int h) {
    const long long sw = screen.width;
    const long long sh = screen.height;
    const long long taskbar = BottomTaskbarHeight(screen);
    // Integer division cuts toward zero, as the cut of the half-pixel default does.
    const long long centredLeft = (sw - w) / 2;
    const long long maxLeft = sw - w - 2;
    const long long maxTop = sh - taskbar - h - 2;

    SearchBoxPlacement placement;
    if (!fileExists) {
        placement.trans = 20;
        placement.left = Saturated(centredLeft);
        placement.top = Saturated(maxTop);
        return placement;
    }
    // The keys are read in this order; only the upper bounds are enforced, so a window may
    // stand partly off the screen to the left or the top.
    placement.trans = ReadNumber(profile, "trans", 20);
    placement.left = Saturated(std::min<long long>(ReadNumber(profile, "position_left", centredLeft), maxLeft));
    placement.top = Saturated(std::min<long long>(ReadNumber(profile, "position_top", maxTop), maxTop));
    return placement;
}

void SaveSearchBoxSettings(Profile& profile, int trans, int left, int top, std::string_view box) {
    profile.Write(kSection, "trans", std::to_string(trans));
    profile.Write(kSection, "position_left", std::to_string(left));
    profile.Write(kSection, "position_top", std::to_string(top));
    profile.Write(kSection, "box", box);
}
