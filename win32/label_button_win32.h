// A label or picture box that acts when the left button goes down on it, the way the
// program's text tools and frame pieces behave. It keeps its caption as window text, so
// screen readers and UI automation read it like any static control.
#pragma once

#include <string_view>

#include "win32/windows_h_win32.h"

// Sent to the parent as WM_COMMAND(MAKEWPARAM(id, kLabelPressed), label) on WM_LBUTTONDOWN.
inline constexpr WORD kLabelPressed = 0x0A01;

struct LabelLook {
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF backColor = RGB(236, 236, 236);
    HFONT font = nullptr;            // not owned
    HBITMAP backPicture = nullptr;   // stretched over the whole label under the text; not owned
    HBITMAP picture = nullptr;       // a picture box: drawn at the top-left corner; not owned
    UINT align = DT_LEFT;            // DT_LEFT, DT_CENTER or DT_RIGHT; one line, centred vertically
    int indent = 0;                  // pixels left free before left-aligned text
    bool frame = false;              // a 1-pixel border in frameColor around the back colour
    COLORREF frameColor = RGB(160, 160, 160);
    bool handCursor = false;
    bool showText = true;            // false: the window text only names it for screen readers
};

HWND CreateLabelButton(HWND parent, int id, std::string_view text, int left, int top, int width,
                       int height, const LabelLook& look, bool visible = true);

void SetLabelLook(HWND label, const LabelLook& look);
