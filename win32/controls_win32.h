// Typed helpers over the control messages, so that handlers read like what they do.
#pragma once

#include <string>
#include <string_view>

#include "text/gbk_text.h"
#include "win32/windows_h_win32.h"

// The window text, or the text of an edit box, as GBK bytes.
inline GbkText GetText(HWND hwnd) {
    // The length may be an over-estimate for double-byte text; the copy tells the truth.
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return {};
    GbkText text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

inline int GetTextLength(HWND hwnd) { return GetWindowTextLengthA(hwnd); }

// A caption: labels, buttons, the window title.
inline void SetCaption(HWND hwnd, const GbkText& text) {
    SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}
inline void SetCaption(HWND hwnd, const char* text) {
    SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// An edit box's whole text in one message; the box shows it from the top. False when the box
// could not take it (out of memory).
inline bool SetText(HWND edit, const GbkText& text) {
    return SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != FALSE;
}
inline void ClearText(HWND edit) { SetText(edit, GbkText()); }

// The same, then the caret at the end with the box scrolled to it, as if the text had been
// typed there piece by piece.
inline void SetTextCaretAtEnd(HWND edit, const GbkText& text) {
    SetText(edit, text);
    // Positions past the end are clamped to it, whatever unit the box counts in.
    SendMessageA(edit, EM_SETSEL, 0x7FFFFFFF, 0x7FFFFFFF);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}

// The default limit of a multi-line box is 32,767 characters; a pasted article is longer.
inline void RaiseTextLimit(HWND edit) { SendMessageA(edit, EM_SETLIMITTEXT, 0x7FFFFFFE, 0); }

inline void SelectAll(HWND edit) { SendMessageA(edit, EM_SETSEL, 0, -1); }

inline bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }
inline void SetChecked(HWND button, bool on) {
    SendMessageA(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

inline void SetEnabled(HWND hwnd, bool enabled) { EnableWindow(hwnd, enabled ? TRUE : FALSE); }
inline void SetVisible(HWND hwnd, bool visible) { ShowWindow(hwnd, visible ? SW_SHOW : SW_HIDE); }

inline void SetFont(HWND hwnd, HFONT font) { SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

inline void MoveTo(HWND hwnd, int left, int top, int width, int height) {
    SetWindowPos(hwnd, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A child's rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}
