// The bookshop's associates search page for the text of 编辑框_卓越.
#pragma once

#include <string_view>

#include "text/gbk_text.h"

struct ZhuoyueIds {
    std::string_view host;
    std::string_view tag;
    std::string_view adid;
};

// Every byte of the text that is not an ASCII letter, digit or one of "-._~" becomes %XX of
// its GBK byte, so that "&" or "#" cannot add or cut query keys; an empty text gives an
// empty keyword.
GbkText ZhuoyueSearchAddress(std::string_view text, const ZhuoyueIds& ids);

// The same encoding on its own.
GbkText PercentEncodeQueryValue(std::string_view text);
