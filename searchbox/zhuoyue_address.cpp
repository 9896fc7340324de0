#include "searchbox/zhuoyue_address.h"

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

GbkText PercentEncodeQueryValue(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    GbkText encoded;
    encoded.reserve(text.size() * 3);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (IsUnreserved(c)) {
            encoded += ch;
        } else {
            encoded += '%';
            encoded += kHex[c >> 4];
            encoded += kHex[c & 0x0F];
        }
    }
    return encoded;
}

GbkText ZhuoyueSearchAddress(std::string_view text, const ZhuoyueIds& ids) {
    // The keyword goes in encoded: the server then receives the GBK bytes the user typed,
    // and no "&", "#", blank or quote of the text can change the address around it.
    return ConcatText({"http://", ids.host, "/gp/associates/link-types/searchbox.html?tag=", ids.tag,
                       "&creative=2028&adid=", ids.adid, "&campaign=408&mode=blended&keyword=",
                       PercentEncodeQueryValue(text), "&Submit.x=29&Submit.y=10&Submit=Go"});
}
