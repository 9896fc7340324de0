// The search window's online menu item, from its deciphered feed.
#pragma once

#include <optional>
#include <string_view>

#include "text/gbk_text.h"

struct OnlineMenuEntry {
    GbkText title;
    GbkText link;
};

// Both a title and a link, the link a web address (http:// or https://, any case); else nothing.
std::optional<OnlineMenuEntry> OnlineMenuFromFeed(std::string_view plainText);
