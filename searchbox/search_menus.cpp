#include "searchbox/search_menus.h"

#include <utility>

namespace {

SearchMenuItem Item(const char* caption, unsigned command) { return {caption, command, {}}; }
SearchMenuItem Separator() { return {"-", kSearchMenuNone, {}}; }
SearchMenuItem Submenu(const char* caption, std::vector<SearchMenuItem> items) {
    return {caption, kSearchMenuNone, std::move(items)};
}

}  // namespace

std::vector<SearchMenuItem> SearchTrayMenu(const std::optional<GbkText>& onlineTitle) {
    std::vector<SearchMenuItem> menu{
        Item("显示主窗口", kSearchMenu显示主窗口), Separator(),
        Item("淘宝淘实惠", kSearchMenu淘宝淘实惠), Separator(),
        Item("特别推荐", kSearchMenu特别推荐),     Separator(),
        Item("检查更新", kSearchMenu检查更新),     Separator(),
    };
    // A popup menu cannot hide an item, so the online item and its separator are left out
    // instead, which shows the same menu.
    if (onlineTitle) {
        menu.push_back({*onlineTitle, kSearchMenuOnline, {}});
        menu.push_back(Separator());
    }
    menu.push_back(Item("退出", kSearchMenu退出));
    return menu;
}

std::vector<SearchMenuItem> SearchMoreMenu() {
    return {
        Submenu("更换搜索框", {Item("淘宝", kSearchMenu淘宝), Separator(), Item("当当", kSearchMenu当当), Separator(),
                               Item("卓越", kSearchMenu卓越)}),
        Separator(),
        Item("淘宝淘实惠", kSearchMenu淘宝淘实惠),
        Separator(),
        Submenu("窗口位置", {Item("右下", kSearchMenu右下), Separator(), Item("居中", kSearchMenu居中), Separator(),
                             Item("中下", kSearchMenu中下)}),
        Separator(),
        Submenu("透明度", {Item("不透明", kSearchMenu不透明), Separator(), Item("20%", kSearchMenu透明20), Separator(),
                           Item("40%", kSearchMenu透明40), Separator(), Item("60%", kSearchMenu透明60), Separator(),
                           Item("80%", kSearchMenu透明80)}),
        Separator(),
        Item("特别推荐", kSearchMenu特别推荐),
    };
}

std::optional<int> TransparencyOf(unsigned command) {
    switch (command) {
    case kSearchMenu不透明: return 0;
    case kSearchMenu透明20: return 20;
    case kSearchMenu透明40: return 40;
    case kSearchMenu透明60: return 60;
    case kSearchMenu透明80: return 80;
    default: return std::nullopt;
    }
}

std::optional<std::string_view> EngineWordOf(unsigned command) {
    switch (command) {
    case kSearchMenu淘宝: return "taobao";
    case kSearchMenu当当: return "dangdang";
    case kSearchMenu卓越: return "zhuoyue";
    default: return std::nullopt;
    }
}
