// A frame: a child window that holds other controls, clips them to its client area (an HTML
// view moved to negative offsets inside it shows only the part that falls in the frame), and
// passes their commands on to its own parent, so the window that owns the controls hears them.
#pragma once

#include "win32/windows_h_win32.h"

struct FrameLook {
    COLORREF backColor = RGB(236, 236, 236);
    bool border = false;
    COLORREF borderColor = RGB(160, 160, 160);
};

HWND CreateClipFrame(HWND parent, int id, const char* name, int left, int top, int width, int height,
                     const FrameLook& look);

// A new look for a frame made by CreateClipFrame; nothing for any other window.
void SetFrameLook(HWND frame, const FrameLook& look);
