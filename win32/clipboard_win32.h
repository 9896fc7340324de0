#pragma once

#include <string_view>

#include "text/gbk_text.h"
#include "win32/windows_h_win32.h"

// The clipboard as CF_TEXT (code page 936). Reading gives the empty text when the
// clipboard holds no text or cannot be opened.
GbkText ReadClipboardText(HWND owner);
// Replaces the clipboard's content with text; false when the clipboard could not be opened.
bool WriteClipboardText(HWND owner, std::string_view text);
