#include "tools/box_font_win32.h"

#include "win32/message_box_win32.h"

std::optional<BoxFontSettings> ChooseBoxFont(FontDialog& dialog, HWND owner,
                                             const BoxFontSettings& current) {
    ShowMessage("仅允许设置字体名称、字体大小和文本颜色");
    return dialog.Choose(owner, current);
}
