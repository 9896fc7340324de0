#include "win32/popup_menu_win32.h"

void PopUpMenuAtPointer(HWND owner, HMENU menu, int offset) {
    POINT pointer{};
    if (!GetCursorPos(&pointer)) return;
    SetForegroundWindow(owner);
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pointer.x + offset, pointer.y + offset, 0, owner, nullptr);
    PostMessageA(owner, WM_NULL, 0, 0);
}
