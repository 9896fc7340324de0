// The two pages the HTML view shows the shopping sites' search widgets from, written whole
// beside the executable each time their engine is applied: lines ended by CR LF, none after
// the last.
#pragma once

#include <string>
#include <string_view>

inline constexpr char kTaobaoPageName[] = "tb_temp.htm";
inline constexpr char kDangdangPageName[] = "dd_temp.htm";

struct WidgetIds {
    std::string_view taobaoPid;         // the maker's affiliate id, alimama_pid
    std::string_view taobaoScriptHost;  // host of inf.js
    std::string_view dangdangClient;    // the maker's client id, dd_ad_client
    std::string_view dangdangHost;      // host of /union/script/dd_ads.js
};

// 16 lines.
std::string TaobaoWidgetPage(const WidgetIds& ids);
// 9 lines.
std::string DangdangWidgetPage(const WidgetIds& ids);
