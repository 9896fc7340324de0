// The label-row tools under the input box, and the input box's own press handler.
#include "shell/main_window_win32.h"
#include "text/hanzi.h"
#include "tools/box_font_win32.h"
#include "tools/text_tools.h"
#include "win32/clipboard_win32.h"
#include "win32/controls_win32.h"

void MainWindow::ClearBox(Box box) {
    HWND hwnd = BoxWindow(box);
    ClearText(hwnd);
    SetFocus(hwnd);
}

void MainWindow::ChooseBoxFont(Box box) {
    // Only face, size and colour are taken; the box keeps its weight and style.
    if (const auto chosen = ::ChooseBoxFont(fontDialog_, hwnd_, BoxFont(box))) ApplyBoxFont(box, *chosen);
}

void MainWindow::KeepHanziOnly() {
    HWND input = Control(Ctl::输入的汉字);
    const GbkText text = GetText(input);
    if (text.empty()) return;
    RefreshHanziList(text);
    // Built at once; the box ends as if each hanzi had been appended in turn.
    SetTextCaretAtEnd(input, KeepHanziOnlyText(SharedHanziList()));
}

void MainWindow::ExamLayout() {
    HWND input = Control(Ctl::输入的汉字);
    const GbkText text = GetText(input);
    if (text.empty()) return;
    RefreshHanziList(text);
    SetTextCaretAtEnd(input, ExamLayoutText(SharedHanziList()));
}

void MainWindow::CountHanzi() {
    const GbkText text = GetText(Control(Ctl::输入的汉字));
    if (text.empty()) return;
    ShowStatus(HanziCountStatus(RefreshHanziList(text)));
}

// 清空: the output box first, then the input box, which keeps the caret.
void MainWindow::On标签3Press() {
    ClearText(Control(Ctl::转成的拼音));
    ClearBox(Box::Input);
}

// 粘贴: the clipboard's text replaces the whole box; no text empties it.
void MainWindow::On标签1Press() { SetText(Control(Ctl::输入的汉字), ReadClipboardText(hwnd_)); }

void MainWindow::On标签2Press() { ChooseBoxFont(Box::Input); }

void MainWindow::On标签10Press() { KeepHanziOnly(); }

void MainWindow::On标签12Press() { ExamLayout(); }

// 复制: even an empty box is copied, and the status says so whatever the clipboard did.
void MainWindow::On标签13Press() {
    WriteClipboardText(hwnd_, GetText(Control(Ctl::输入的汉字)));
    ShowStatus("复制成功");
}

void MainWindow::On标签14Press() { CountHanzi(); }

void MainWindow::On输入的汉字Press() {
    HWND input = Control(Ctl::输入的汉字);
    // A long text cannot be the guidance text; spare the copy of it on every click.
    if (static_cast<std::size_t>(GetTextLength(input)) > 2 * placeholderText_.size() + 2) return;
    if (GetText(input) != placeholderText_) return;
    ClearText(input);
    ClearText(Control(Ctl::转成的拼音));
}
