// One notification-area icon with a tip and a callback message. Explorer forgets every
// icon when it restarts; the owner calls ReAdd when "TaskbarCreated" arrives.
#pragma once

#include <string>
#include <string_view>

#include "win32/windows_h_win32.h"

#include <shellapi.h>

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // The icon stays owned by the caller and must outlive the tray icon.
    bool Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, std::string_view tip);
    void Remove();
    // Adds the icon again after Explorer restarted; nothing when it was removed.
    bool ReAdd();
    // Between Add and Remove, whether or not the notification area took the icon.
    bool IsAdded() const { return wanted_; }
    const std::string& Tip() const { return tip_; }

    // The message Explorer broadcasts when the taskbar has been created again.
    static UINT TaskbarCreatedMessage() { return RegisterWindowMessageA("TaskbarCreated"); }

private:
    NOTIFYICONDATAA Data() const;

    HWND owner_ = nullptr;
    UINT id_ = 0;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    std::string tip_;
    bool added_ = false;   // the notification area holds it
    bool wanted_ = false;  // the owner asked for it
};
