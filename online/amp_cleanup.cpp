#include "online/amp_cleanup.h"

GbkText RemoveAmpEscapes(GbkText text, const std::function<void()>& betweenRounds) {
    constexpr std::string_view kAmp = "amp;";
    while (FindText(text, kAmp, 1, /*ignoreCase=*/true) != kNotFound) {
        text = ReplaceText(text, kAmp, "", 1, kNoLimit, /*caseSensitive=*/false);
        if (betweenRounds) betweenRounds();
    }
    return text;
}
