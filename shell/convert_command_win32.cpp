// ConvertCommand: the click on 转拼音.
#include <new>

#include "pinyin/conversion.h"
#include "shell/main_window_win32.h"
#include "text/hanzi.h"
#include "win32/controls_win32.h"
#include "win32/message_box_win32.h"

void MainWindow::ConvertCommand() {
    HWND output = Control(Ctl::转成的拼音);
    HWND button = Control(Ctl::转拼音);
    HWND work = Control(Ctl::去除非汉字后的文本);
    const bool buttonHadFocus = GetFocus() == button;

    ClearText(output);
    SetEnabled(button, false);
    SetCaption(button, "请稍候…");
    // The whole command runs before the loop gets control back; paint the caption now.
    UpdateWindow(button);
    std::size_t count = 0;
    bool converted = true;
    {
        // The button comes back even when a huge text runs out of memory half way.
        struct ButtonBack {
            HWND button;
            bool hadFocus;
            ~ButtonBack() {
                SetEnabled(button, true);
                SetCaption(button, "转为拼音");
                // Disabling the focused button dropped the focus; give it back.
                if (hadFocus && GetFocus() == nullptr) SetFocus(button);
            }
        } buttonBack{button, buttonHadFocus};

        // A text too large for the memory left fails here with nothing half done that the user
        // made: the input box is only read, and the boxes the command fills are emptied again.
        try {
            ClearText(work);
            count = RefreshHanziList(GetText(Control(Ctl::输入的汉字)));
            const GbkText& extracted = SharedHanziList().Joined();
            // The work box holds the extracted text afterwards; the conversion reads it from
            // the list directly rather than copying it back out of the box.
            converted = SetText(work, extracted);

            const std::optional<PinyinMode> mode = SelectedMode();
            const bool mixed = IsChecked(Control(Ctl::混排));
            if (converted && mode) {
                converted = SetText(output, options_.convert ? options_.convert(extracted, *mode, mixed)
                                                             : ConvertHanziText(extracted, *mode, mixed));
            }
        } catch (const std::bad_alloc&) {
            converted = false;
        }
        if (!converted) {
            ClearText(output);
            ClearText(work);
        }
    }
    HWND status = Control(Ctl::显示成功);
    if (!converted) {
        // No success line of an earlier click may stand beside the failure.
        SetVisible(status, false);
        ShowMessage(kOutOfMemoryText);
        return;
    }
    SetCaption(status, ConvertStatusText(count));
    SetVisible(status, true);
    ArmTimer(k时钟1, kStatusAfterConvertMs);
}
