// The font dialog shared by both text boxes. Its state (bold, italic, underline, strike-out
// marks) lives on between uses, as one dialog object would keep it.
#pragma once

#include <functional>
#include <optional>

#include "win32/box_font.h"
#include "win32/windows_h_win32.h"

class FontDialog {
public:
    // Prepares the dialog with the box's face, size (points) and colour, opens it, and on
    // OK returns the chosen face, size in points and colour; std::nullopt when cancelled.
    std::optional<BoxFontSettings> Choose(HWND owner, const BoxFontSettings& current);

    // Tests steer the dialog: the function receives the prepared CHOOSEFONT (with its
    // LOGFONT) instead of the system dialog, may change it, and returns what ChooseFontA would.
    using Runner = std::function<BOOL(CHOOSEFONTA&)>;
    void SetRunnerForTest(Runner runner) { runner_ = std::move(runner); }

private:
    LOGFONTA logFont_{};
    Runner runner_;
};
