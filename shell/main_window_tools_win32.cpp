// The main window as the host of the label-row tools: its two boxes, 混排, the status line,
// the message box, the clipboard and the shared font dialog.
#include "shell/main_window_win32.h"
#include "win32/clipboard_win32.h"
#include "win32/controls_win32.h"
#include "win32/message_box_win32.h"

GbkText MainWindow::BoxText(Box box) const { return GetText(BoxWindow(box)); }

std::size_t MainWindow::BoxTextLength(Box box) const {
    const int length = GetTextLength(BoxWindow(box));
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

void MainWindow::SetBoxText(Box box, std::string_view text) { SetText(BoxWindow(box), GbkText(text)); }

void MainWindow::SetBoxTextCaretAtEnd(Box box, std::string_view text) {
    SetTextCaretAtEnd(BoxWindow(box), GbkText(text));
}

void MainWindow::FocusBox(Box box) { SetFocus(BoxWindow(box)); }

bool MainWindow::MixedLayout() const { return IsChecked(Control(Ctl::混排)); }

void MainWindow::ShowMessage(std::string_view text) { ::ShowMessage(text); }

GbkText MainWindow::ReadClipboard() { return ReadClipboardText(hwnd_); }

void MainWindow::WriteClipboard(std::string_view text) { WriteClipboardText(hwnd_, text); }

std::optional<BoxFontSettings> MainWindow::RunFontDialog(const BoxFontSettings& current) {
    return fontDialog_.Choose(hwnd_, current);
}

void MainWindow::On输入的汉字Press() {
    HWND input = Control(Ctl::输入的汉字);
    // A long text cannot be the guidance text; spare the copy of it on every click.
    if (static_cast<std::size_t>(GetTextLength(input)) > 2 * placeholderText_.size() + 2) return;
    if (GetText(input) != placeholderText_) return;
    ClearText(input);
    ClearText(Control(Ctl::转成的拼音));
}
