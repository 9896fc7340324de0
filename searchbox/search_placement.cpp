#include "searchbox/search_placement.h"

#include <algorithm>
#include <climits>

namespace {

int Saturated(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

}  // namespace

ScreenPoint PresetPlace(PlacePreset preset, const ScreenMetrics& screen, int w, int h) {
    const long long sw = screen.width;
    const long long sh = screen.height;
    // Integer division cuts toward zero, as the halving of an odd difference must.
    const int centredLeft = Saturated((sw - w) / 2);
    switch (preset) {
    case PlacePreset::BottomRight: return BottomRightPlace(screen, w, h);
    case PlacePreset::Centre: return {centredLeft, Saturated((sh - h) / 2)};
    case PlacePreset::BottomMiddle: return {centredLeft, Saturated(sh - h - BottomTaskbarHeight(screen) - 2)};
    }
    return BottomRightPlace(screen, w, h);
}

int AlphaForTransparency(int percent) {
    // Whole numbers throughout: the quotient cut toward zero is the truncated real one, and
    // no percentage can overflow it.
    const long long alpha = (100LL - percent) * 255 / 100;
    if (alpha < 0 || alpha > 255) return 255;
    return static_cast<int>(alpha);
}
