#include "shell/main_menus_win32.h"

#include <initializer_list>

namespace {

struct Item {
    UINT command;  // 0 for a separator
    const char* text;
};

UniqueMenu BuildPopup(std::initializer_list<Item> items) {
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return menu;
    for (const Item& item : items) {
        if (item.command == 0) {
            AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu.Get(), MF_STRING, item.command, item.text);
        }
    }
    return menu;
}

constexpr Item kSeparator{0, nullptr};

}  // namespace

UniqueMenu Build托盘菜单() {
    return BuildPopup({{kMenu显示主窗口, "显示主窗口"}, kSeparator, {kMenuRivor, "rivor"}, kSeparator,
                       {kMenu淘宝淘实惠, "淘宝淘实惠"}, kSeparator, {kMenu退出, "退出"}});
}

UniqueMenu Build主窗口更多菜单() {
    return BuildPopup({{kMenuRivor, "rivor"}, kSeparator, {kMenu淘宝淘实惠, "淘宝淘实惠"}, kSeparator,
                       {kMenu检查更新, "检查更新"}});
}
