#include "online/ad_feed.h"

#include "online/feed_markers.h"
#include "online/web_address.h"
#include "pinyin/marker_extract.h"

AdCaption AdCaptionFromFeed(std::string_view plainText, std::string_view dealsChannelAddress) {
    AdCaption ad;
    ad.caption = MarkerExtract(plainText, kAdCaptionStart, kAdCaptionEnd);
    if (ad.caption.empty()) ad.caption = kDefaultAdCaption;
    ad.link = MarkerExtract(plainText, kAdLinkStart, kAdLinkEnd);
    if (!IsWebAddress(ad.link)) ad.link = GbkText(dealsChannelAddress);
    return ad;
}

GbkText AdClickAddress(std::string_view labelText, std::string_view adLinkAddress,
                       std::string_view dealsChannelAddress) {
    if (labelText == kDefaultAdCaption || adLinkAddress.empty()) return GbkText(dealsChannelAddress);
    return GbkText(adLinkAddress);
}
