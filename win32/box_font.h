// The part of a text box's font that the font dialog sets and config.ini keeps.
#pragma once

#include "text/gbk_text.h"

struct BoxFontSettings {
    GbkText face;
    int points = 0;
    int color = 0;  // 0x00BBGGRR

    bool operator==(const BoxFontSettings&) const = default;
};
