#include "online/web_address.h"

#include "text/gbk_text.h"

namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && FindText(text.substr(0, prefix.size()), prefix, 1, true) == 1;
}

}  // namespace

bool IsWebAddress(std::string_view address) {
    return StartsWithIgnoringCase(address, "http://") || StartsWithIgnoringCase(address, "https://");
}
