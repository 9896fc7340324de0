#include "win32/font_dialog_win32.h"

#include <cstdlib>
#include <cstring>

#include "win32/screen_win32.h"

namespace {

// Copies a face name into a LOGFONT, cut short at a character boundary when it is too long.
void SetFaceName(LOGFONTA& font, std::string_view face) {
    const std::string_view cut = CutOnCharBoundary(face, LF_FACESIZE - 1);
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, cut.data(), cut.size());
}

}  // namespace

std::optional<BoxFontSettings> FontDialog::Choose(HWND owner, const BoxFontSettings& current) {
    const int dpi = ScreenDpiY();
    // Weight, italic, underline and strike-out stay as the dialog left them last time; only
    // the box's own face, size and colour are put in.
    LOGFONTA font = logFont_;
    SetFaceName(font, current.face);
    font.lfHeight = current.points == 0 ? 0 : -MulDiv(current.points, dpi, 72);
    font.lfWidth = 0;
    // The face decides the script, so that a Chinese face is not looked up in the Western one.
    font.lfCharSet = DEFAULT_CHARSET;

    CHOOSEFONTA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &font;
    dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    dialog.rgbColors = static_cast<COLORREF>(current.color);

    const BOOL chosen = runner_ ? runner_(dialog) : ChooseFontA(&dialog);
    if (!chosen) return std::nullopt;
    logFont_ = font;

    BoxFontSettings result;
    result.face = GbkText(font.lfFaceName, strnlen(font.lfFaceName, LF_FACESIZE));
    result.points = font.lfHeight == 0 ? 0 : MulDiv(std::abs(font.lfHeight), 72, dpi);
    result.color = static_cast<int>(dialog.rgbColors);
    return result;
}
