// A fetched feed page from the download to the fields the features use: MarkerExtract (with
// the program's markers and with markers of the input's own), the "amp;" clean-up, the page
// fetcher that joins them, and the readers of the ad caption, the search window's menu item
// and the mini info files. The cut never starts or ends inside a two-byte character, and a
// second round of the clean-up changes nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "fuzz/support/fuzz_check.h"
#include "fuzz/support/fuzz_input.h"
#include "fuzz/support/reference_text.h"
#include "online/ad_feed.h"
#include "online/amp_cleanup.h"
#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "online/mini_info_files.h"
#include "online/page_fetcher.h"
#include "pinyin/marker_extract.h"
#include "searchbox/online_menu.h"

namespace {

constexpr std::string_view kChannel = "http://127.0.0.1/channel";

struct MarkerPair {
    std::string_view start;
    std::string_view end;
};

constexpr MarkerPair kProgramMarkers[] = {
    {kAdFeedStart, kAdFeedEnd},         {kAdCaptionStart, kAdCaptionEnd}, {kAdLinkStart, kAdLinkEnd},
    {kInfoFeedStart, kInfoFeedEnd},     {kMenuTitleStart, kMenuTitleEnd}, {kMenuLinkStart, kMenuLinkEnd},
    {kMiniCssStart, kMiniCssEnd},       {kMiniPageStart, kMiniPageEnd},
};

bool IsWebAddressByDefinition(std::string_view address) {
    auto startsWith = [&](std::string_view prefix) {
        if (address.size() < prefix.size()) return false;
        for (std::size_t i = 0; i < prefix.size(); ++i) {
            if (!reference::SameByte(static_cast<unsigned char>(address[i]), static_cast<unsigned char>(prefix[i]), true))
                return false;
        }
        return true;
    };
    return startsWith("http://") || startsWith("https://");
}

void CheckMarkerExtract(std::string_view text, MarkerPair m) {
    const std::string cut = MarkerExtract(text, m.start, m.end);
    FUZZ_CHECK(cut == reference::MarkerExtract(text, m.start, m.end));
    // Where a whole marker matched, the cut begins after it on a character boundary, and the
    // end marker found from there begins on one too.
    const long long p = reference::Find(text, m.start, 1, false);
    if (p < 0 || !reference::IsWhole(m.start)) return;
    const auto q = static_cast<std::size_t>(p - 1) + m.start.size();
    FUZZ_CHECK(reference::IsCharBoundary(text, q));
    if (reference::Find(text, m.end, static_cast<long long>(q) + 1, false) >= 0) {
        FUZZ_CHECK(reference::IsCharBoundary(text, q + cut.size()));
    }
}

void CheckAmpCleanUp(const std::string& text) {
    int rounds = 0;
    int calls = 0;
    const GbkText cleaned = RemoveAmpEscapes(text, [&calls] { ++calls; });
    FUZZ_CHECK(cleaned == reference::RemoveAmpEscapes(text, &rounds));
    FUZZ_CHECK(calls == rounds);
    FUZZ_CHECK(FindText(cleaned, "amp;", 1, true) == kNotFound);
    FUZZ_CHECK(RemoveAmpEscapes(cleaned) == cleaned);
}

void CheckFeedReaders(std::string_view plain) {
    const AdCaption ad = AdCaptionFromFeed(plain, kChannel);
    const std::string caption = reference::MarkerExtract(plain, kAdCaptionStart, kAdCaptionEnd);
    const std::string link = reference::MarkerExtract(plain, kAdLinkStart, kAdLinkEnd);
    FUZZ_CHECK(ad.caption == (caption.empty() ? std::string(kDefaultAdCaption) : caption));
    FUZZ_CHECK(ad.link == (IsWebAddressByDefinition(link) ? link : std::string(kChannel)));

    const auto menu = OnlineMenuFromFeed(plain);
    const std::string title = reference::MarkerExtract(plain, kMenuTitleStart, kMenuTitleEnd);
    const std::string menuLink = reference::MarkerExtract(plain, kMenuLinkStart, kMenuLinkEnd);
    FUZZ_CHECK(menu.has_value() == (!title.empty() && IsWebAddressByDefinition(menuLink)));
    if (menu) FUZZ_CHECK(menu->title == title && menu->link == menuLink);

    std::string asked;
    int downloads = 0;
    const MiniInfoFiles files = MiniInfoFilesFromFeed(plain, kChannel, [&](const std::string& address) {
        ++downloads;
        asked = address;
        return std::string("css from ") + address;
    });
    const std::string css = reference::MarkerExtract(plain, kMiniCssStart, kMiniCssEnd);
    const std::string content = reference::MarkerExtract(plain, kMiniPageStart, kMiniPageEnd);
    if (IsWebAddressByDefinition(css)) {
        FUZZ_CHECK(downloads == 1 && asked == css && files.css == "css from " + css);
    } else {
        FUZZ_CHECK(downloads == 0 && files.css == BuiltInMiniCss());
    }
    FUZZ_CHECK(files.page == (content.empty() ? BuiltInMiniPage(kChannel) : std::string(kStylesheetLinkHead) + content));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::uint8_t choice = in.Byte();
    MarkerPair markers = kProgramMarkers[choice % std::size(kProgramMarkers)];
    if (choice >= 0xC0) markers = {in.Text(12), in.Text(12)};
    const std::string page(in.Rest());

    CheckMarkerExtract(page, markers);
    CheckAmpCleanUp(page);

    // The fetcher over a download that hands back the input, its worker run at once.
    int pumps = 0;
    PageFetcher fetcher([&page](const std::string&) { return page; }, 1000, [&pumps] { ++pumps; },
                        [](std::function<void()> work) { work(); });
    const GbkText cut = fetcher.Fetch("http://127.0.0.1/feed", markers.start, markers.end);
    const std::string whole = page.substr(0, page.find('\0'));  // a page ends at its first zero byte
    int rounds = 0;
    FUZZ_CHECK(cut == reference::RemoveAmpEscapes(reference::MarkerExtract(whole, markers.start, markers.end), &rounds));
    FUZZ_CHECK(pumps == rounds);
    FUZZ_CHECK(fetcher.PageSlot() == whole);
    FUZZ_CHECK(fetcher.Fetch("", markers.start, markers.end).empty());

    // The features read their fields from the deciphered cut; the cut itself is read too, as
    // a deciphered text almost never comes out of random bytes.
    CheckFeedReaders(cut);
    CheckFeedReaders(DecodeFeedText(cut));
    return 0;
}
