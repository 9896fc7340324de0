// The ad caption of the main window: what a tick of 时钟_联机 shows and stores, and what a
// click on 标签_窗口假下并广告 opens.
#pragma once

#include <string_view>

#include "text/gbk_text.h"

// Also the label's form text, shown until the first tick.
inline constexpr char kDefaultAdCaption[] = "淘宝淘实惠";

struct AdCaption {
    GbkText caption;  // AdCaptionText: never empty
    GbkText link;     // AdLinkAddress: always a web address or the channel page
};

// From the deciphered ad feed: the caption, else the default; the link when it is a web
// address, else dealsChannelAddress. Nothing of an earlier tick is kept.
AdCaption AdCaptionFromFeed(std::string_view plainText, std::string_view dealsChannelAddress);

// A click on the label: the channel page when the label shows the default caption (or no
// link was stored yet), else the stored link.
GbkText AdClickAddress(std::string_view labelText, std::string_view adLinkAddress,
                       std::string_view dealsChannelAddress);
