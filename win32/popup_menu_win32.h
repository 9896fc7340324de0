#pragma once

#include "win32/windows_h_win32.h"

// Pops up menu at the mouse pointer; the chosen item arrives at owner as WM_COMMAND.
// The owner becomes the foreground window first, so that the menu closes when the user
// clicks elsewhere, and a WM_NULL afterwards lets the menu end cleanly from a tray icon.
void PopUpMenuAtPointer(HWND owner, HMENU menu, int offset = 0);
// The search window's menus stand 3 pixels right of and below the pointer.
inline constexpr int kSearchMenuOffset = 3;
