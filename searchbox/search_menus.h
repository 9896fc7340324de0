// The search window's two menus as they are designed, item by item. The Win32 side builds
// real popup menus from these lists.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/gbk_text.h"

enum SearchMenuCommand : unsigned {
    kSearchMenuNone = 0,  // a separator or a submenu's own entry
    kSearchMenu显示主窗口 = 100,
    kSearchMenu淘宝淘实惠,
    kSearchMenu特别推荐,
    kSearchMenu检查更新,
    kSearchMenuOnline,  // OnlineMenuItem
    kSearchMenu退出,
    kSearchMenu淘宝,
    kSearchMenu当当,
    kSearchMenu卓越,
    kSearchMenu右下,
    kSearchMenu居中,
    kSearchMenu中下,
    kSearchMenu不透明,
    kSearchMenu透明20,
    kSearchMenu透明40,
    kSearchMenu透明60,
    kSearchMenu透明80,
};

struct SearchMenuItem {
    GbkText caption;  // "-" for a separator
    unsigned command = kSearchMenuNone;
    std::vector<SearchMenuItem> submenu;
};

// 托盘菜单. The online item and the separator below it are there only when the feed gave a title.
std::vector<SearchMenuItem> SearchTrayMenu(const std::optional<GbkText>& onlineTitle);
// 主窗口更多菜单 (the ≡ label's menu).
std::vector<SearchMenuItem> SearchMoreMenu();

// The percentage of a transparency item; nothing for other commands.
std::optional<int> TransparencyOf(unsigned command);
// The engine of a 更换搜索框 item, as its settings word; nothing for other commands.
std::optional<std::string_view> EngineWordOf(unsigned command);
