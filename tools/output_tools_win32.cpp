// The label-row tools under the output box.
#include "pinyin/conversion.h"
#include "shell/main_window_win32.h"
#include "tools/text_tools.h"
#include "win32/clipboard_win32.h"
#include "win32/controls_win32.h"
#include "win32/message_box_win32.h"

void MainWindow::ReflowOneGroupPerLine() {
    if (!IsChecked(Control(Ctl::混排))) {
        ShowMessage("转换结果中汉字与拼音混排时才能执行此功能");
        return;
    }
    HWND output = Control(Ctl::转成的拼音);
    SetText(output, LineBreakGroups(GetText(output)));
}

void MainWindow::RemoveBlanks() {
    if (IsChecked(Control(Ctl::混排))) {
        ShowMessage("汉字与拼音混排时不可使用此功能");
        return;
    }
    HWND output = Control(Ctl::转成的拼音);
    SetText(output, RemoveBlanksText(GetText(output)));
}

void MainWindow::On标签4Press() { ClearBox(Box::Output); }

// 复制: an empty output box leaves the clipboard and the status line alone.
void MainWindow::On标签6Press() {
    const GbkText text = GetText(Control(Ctl::转成的拼音));
    if (text.empty()) return;
    WriteClipboardText(hwnd_, text);
    ShowStatus("复制成功");
}

void MainWindow::On标签5Press() { ChooseBoxFont(Box::Output); }

void MainWindow::On每行一组Press() {
    if (GetTextLength(Control(Ctl::转成的拼音)) == 0) return;
    ReflowOneGroupPerLine();
}

void MainWindow::On不留空格Press() {
    if (GetTextLength(Control(Ctl::转成的拼音)) == 0) return;
    RemoveBlanks();
}
