// The main window's two popup menus, built from the program's texts.
#pragma once

#include "win32/handles_win32.h"
#include "win32/windows_h_win32.h"

// Command ids; both "淘宝淘实惠" items and both "rivor" items share one id.
enum MenuCommand : UINT {
    kMenu显示主窗口 = 1001,
    kMenuRivor,
    kMenu淘宝淘实惠,
    kMenu退出,
    kMenu检查更新,
};

// 托盘菜单: 显示主窗口, -, rivor, -, 淘宝淘实惠, -, 退出.
UniqueMenu Build托盘菜单();
// 主窗口更多菜单: rivor, -, 淘宝淘实惠, -, 检查更新.
UniqueMenu Build主窗口更多菜单();
