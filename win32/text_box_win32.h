// The program's own multi-line text box, made for long texts: laying a text out is one pass
// over it with each character's width measured once, and painting touches only the visible
// lines. It wraps words at the box width, scrolls vertically (scroll bar, wheel, keyboard),
// has a caret and a selection (mouse, Shift with the arrows, Ctrl+A), the clipboard
// (Ctrl+C, Ctrl+X, Ctrl+V, a context menu) and one level of undo.
//
// It answers the edit-box messages that the program sends with the meaning an EDIT gives
// them: WM_SETTEXT, WM_GETTEXT, WM_GETTEXTLENGTH, WM_SETFONT, WM_GETFONT, EM_SETSEL,
// EM_GETSEL, EM_REPLACESEL, EM_SETLIMITTEXT, EM_GETLIMITTEXT, EM_SCROLLCARET, the line
// messages (EM_GETLINECOUNT, EM_LINEINDEX, EM_LINEFROMCHAR, EM_LINELENGTH,
// EM_GETFIRSTVISIBLELINE, EM_POSFROMCHAR, EM_CHARFROMPOS), undo and the clipboard messages.
// Positions are byte offsets into the GBK text, never inside a two-byte character.
// Its colours come from the parent through WM_CTLCOLOREDIT, as an edit box's do, and it
// tells the parent EN_SETFOCUS, EN_KILLFOCUS, EN_UPDATE, EN_CHANGE, EN_MAXTEXT and EN_VSCROLL.
#pragma once

#include "win32/windows_h_win32.h"

inline constexpr char kTextBoxClassName[] = "ZyfTextBox";

bool RegisterTextBoxClass(HINSTANCE instance);

// A child text box; style adds to WS_CHILD (WS_VISIBLE, WS_TABSTOP, WS_VSCROLL...).
HWND CreateTextBox(HWND parent, int id, const char* text, int left, int top, int width, int height,
                   DWORD style);
