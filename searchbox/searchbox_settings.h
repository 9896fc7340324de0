// RivIriRozezoVov.ini: the search window's site, transparency and position.
#pragma once

#include <string_view>

#include "profile/profile.h"
#include "win32/screen_metrics.h"
#include "text/gbk_text.h"

inline constexpr std::string_view kSearchBoxConfigName = "RivIriRozezoVov.ini";

// exeDir without trailing separator + "\RivIriRozezoVov.ini".
GbkText SearchBoxConfigPathFor(std::string_view exeDir);

// First step: the engine word ("taobao" when the file or key is missing). Kept as read,
// even when it names no engine.
GbkText LoadSearchBoxEngineWord(Profile& profile, bool fileExists);

struct SearchBoxPlacement {
    int left = 0;
    int top = 0;
    int trans = 20;
};

// Second step, once the engine layout has fixed the window's outer size w x h.
SearchBoxPlacement LoadSearchBoxPlacement(Profile& profile, bool fileExists, const ScreenMetrics& screen,
                                          int w, int h);

// Writes trans, position_left, position_top, box in this order.
void SaveSearchBoxSettings(Profile& profile, int trans, int left, int top, std::string_view box);
