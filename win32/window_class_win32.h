#pragma once

#include "win32/windows_h_win32.h"

// Registers a window class the first time it is asked for; a class of that name already
// registered for the instance counts as done. Fills in cbSize.
inline bool RegisterClassOnce(WNDCLASSEXA wc) {
    wc.cbSize = sizeof wc;
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(wc.hInstance, wc.lpszClassName, &existing)) return true;
    return RegisterClassExA(&wc) != 0;
}
