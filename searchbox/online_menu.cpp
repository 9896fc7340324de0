#include "searchbox/online_menu.h"

#include "online/feed_markers.h"
#include "online/web_address.h"
#include "pinyin/marker_extract.h"

std::optional<OnlineMenuEntry> OnlineMenuFromFeed(std::string_view plainText) {
    // Both fields are cut from the start of the text, so their order in the feed is free.
    OnlineMenuEntry entry{MarkerExtract(plainText, kMenuTitleStart, kMenuTitleEnd),
                          MarkerExtract(plainText, kMenuLinkStart, kMenuLinkEnd)};
    // The item opens its link in the browser: a file: or script address from the feed would
    // run with the user's rights, so it counts as no link at all.
    if (entry.title.empty() || !IsWebAddress(entry.link)) return std::nullopt;
    return entry;
}
