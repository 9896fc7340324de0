#include "searchbox/widget_pages.h"

#include <initializer_list>

namespace {

std::string JoinLines(std::initializer_list<std::string> lines) {
    std::string page;
    for (const std::string& line : lines) {
        if (!page.empty()) page += "\r\n";
        page += line;
    }
    return page;
}

std::string Text(std::string_view view) { return std::string(view); }

}  // namespace

std::string TaobaoWidgetPage(const WidgetIds& ids) {
    return JoinLines({
        "<script type='text/javascript'>",
        "alimama_pid='" + Text(ids.taobaoPid) + "';",
        "alimama_type='g';",
        "alimama_tks={};",
        "alimama_tks.style_i=1;",
        "alimama_tks.lg_i=0;",
        "alimama_tks.w_i=249;",
        "alimama_tks.h_i=45;",
        "alimama_tks.btn_i=1;",
        "alimama_tks.txt_s='';",
        "alimama_tks.hot_i=0;",
        "alimama_tks.hc_c='#0065FF';",
        "alimama_tks.c_i=0;",
        "alimama_tks.cid_i=0;",
        "</script>",
        "<script type='text/javascript' src='http://" + Text(ids.taobaoScriptHost) + "/inf.js'></script>",
    });
}

std::string DangdangWidgetPage(const WidgetIds& ids) {
    // The comment keeps a browser without scripts from showing the assignments as text.
    return JoinLines({
        "<script type=\"text/javascript\"><!-- ",
        "dd_ad_output=\"html\";",
        "dd_ad_client=\"" + Text(ids.dangdangClient) + "\";",
        "dd_ad_format=40;",
        "dd_ad_width=300;",
        "dd_ad_height=40;",
        "dd_open_target=\"_blank\";",
        "//--></script>",
        "<script type=\"text/javascript\" src=\"http://" + Text(ids.dangdangHost) + "/union/script/dd_ads.js\"></script>",
    });
}
