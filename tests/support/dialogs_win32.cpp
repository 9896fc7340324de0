#include "tests/support/dialogs_win32.h"

#include <string_view>

HWND FindVisibleDialogOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) {
            char name[16] = {};
            GetClassNameA(window, name, sizeof name);
            if (std::string_view(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}
