#include "win32/tray_icon_win32.h"

#include <cstring>

#include "text/gbk_char.h"

NOTIFYICONDATAA TrayIcon::Data() const {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = NIF_MESSAGE | NIF_TIP | (icon_ ? NIF_ICON : 0);
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    // The tip is cut on a character boundary so that no half of a GBK pair is shown.
    const std::string_view tip = CutOnCharBoundary(tip_, sizeof data.szTip - 1);
    std::memcpy(data.szTip, tip.data(), tip.size());
    data.szTip[tip.size()] = '\0';
    return data;
}

bool TrayIcon::Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, std::string_view tip) {
    Remove();
    owner_ = owner;
    id_ = id;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    tip_.assign(tip);
    NOTIFYICONDATAA data = Data();
    added_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    // A failed add (no notification area yet) is retried when the taskbar announces itself.
    wanted_ = true;
    return added_;
}

void TrayIcon::Remove() {
    if (added_) {
        NOTIFYICONDATAA data = Data();
        Shell_NotifyIconA(NIM_DELETE, &data);
    }
    added_ = false;
    wanted_ = false;
}

bool TrayIcon::ReAdd() {
    if (!wanted_) return false;
    NOTIFYICONDATAA data = Data();
    added_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    return added_;
}
