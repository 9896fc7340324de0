#pragma once

#include "win32/screen_metrics.h"
#include "win32/windows_h_win32.h"

// Reads the primary screen's size and work area from the system.
ScreenMetrics ReadScreenMetrics();

// Pixels per logical inch of the screen, vertically; 96 when it cannot be read.
int ScreenDpiY();

// Moves a created window to BottomRightPlace, keeping its size; nothing for any other handle.
void PlaceAtBottomRight(HWND hwnd, const ScreenMetrics& m);
