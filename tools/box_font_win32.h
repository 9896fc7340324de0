// 设字体 of both boxes.
#pragma once

#include <optional>

#include "shell/settings.h"
#include "win32/font_dialog_win32.h"
#include "win32/windows_h.h"

// Tells the user that only face, size and colour are taken, then opens the shared dialog on
// the box's current font. The chosen face, size (points) and colour; std::nullopt when cancelled.
std::optional<BoxFontSettings> ChooseBoxFont(FontDialog& dialog, HWND owner,
                                             const BoxFontSettings& current);
