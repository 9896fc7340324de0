// Keyboard, mouse, context menu and editing of the text box.
#include "win32/text_box_state_win32.h"

#include <imm.h>

#include <algorithm>

#include "win32/clipboard_win32.h"
#include "win32/handles_win32.h"

namespace {

enum MenuCommand : UINT { kMenuUndo = 1, kMenuCut, kMenuCopy, kMenuPaste, kMenuDelete, kMenuSelectAll };

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

// --- keyboard ---

void TextBoxWindow::OnKeyDown(WPARAM key) {
    const bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
    const GbkText& text = buffer_.Text();
    const std::size_t caret = buffer_.Caret();
    const int keptGoal = goalX_;
    goalX_ = -1;
    switch (key) {
    case VK_LEFT:
        if (buffer_.HasSelection() && !shift) {
            MoveCaret(buffer_.SelectionStart(), false);
        } else {
            MoveCaret(ctrl ? PreviousWordStart(text, caret) : PreviousCharStart(text, caret), shift);
        }
        break;
    case VK_RIGHT:
        if (buffer_.HasSelection() && !shift) {
            MoveCaret(buffer_.SelectionEnd(), false);
        } else {
            MoveCaret(ctrl ? NextWordStart(text, caret) : NextCharStart(text, caret), shift);
        }
        break;
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        const std::size_t line = CaretLine(), count = layout_.LineCount();
        const std::size_t step = key == VK_UP || key == VK_DOWN ? 1 : VisibleLines();
        const bool down = key == VK_DOWN || key == VK_NEXT;
        const std::size_t target = down ? std::min(line + step, count - 1) : (line > step ? line - step : 0);
        const int goal = keptGoal >= 0 ? keptGoal : CaretX();
        if (key == VK_PRIOR || key == VK_NEXT) {
            ScrollTo(down ? topLine_ + step : (topLine_ > step ? topLine_ - step : 0));
        }
        const std::size_t pos = layout_.PosAtX(text, target, goal);
        MoveCaret(pos, shift, IsSoftLineEnd(target, pos));
        goalX_ = goal;
        break;
    }
    case VK_HOME:
        MoveCaret(ctrl ? 0 : layout_.LineStart(CaretLine()), shift);
        break;
    case VK_END:
        if (ctrl) {
            MoveCaret(text.size(), shift);
        } else {
            const std::size_t line = CaretLine();
            const std::size_t end = layout_.LineEnd(text, line);
            MoveCaret(end, shift, IsSoftLineEnd(line, end));
        }
        break;
    case VK_DELETE:
        if (shift) {
            Cut();
        } else {
            Apply(buffer_.DeleteForward());
        }
        break;
    case VK_INSERT:
        if (ctrl) Copy();
        if (shift) Paste();
        break;
    default:
        goalX_ = keptGoal;
        break;
    }
}

void TextBoxWindow::OnChar(unsigned char ch) {
    if (pendingLead_) {
        const char pair[2] = {static_cast<char>(pendingLead_), static_cast<char>(ch)};
        pendingLead_ = 0;
        Insert(std::string_view(pair, 2), true);
        return;
    }
    switch (ch) {
    case 0x01: SelectAll(); return;  // Ctrl+A
    case 0x03: Copy(); return;       // Ctrl+C
    case 0x16: Paste(); return;      // Ctrl+V
    case 0x18: Cut(); return;        // Ctrl+X
    case 0x1A: Undo(); return;       // Ctrl+Z
    case '\b': Apply(buffer_.DeleteBackward()); return;
    case '\r':
    case '\n': Insert("\r\n", true); return;
    case '\t': Insert("\t", true); return;
    default: break;
    }
    if (ch < 0x20 || ch == 0x7F) return;
    // A two-byte character arrives as two messages, its first byte first.
    if (IsHighByte(ch)) {
        pendingLead_ = ch;
        return;
    }
    const char single = static_cast<char>(ch);
    Insert(std::string_view(&single, 1), true);
}

void TextBoxWindow::OnImeChar(WPARAM ch) {
    // An ANSI window receives the GBK bytes of the character, the first one in the high byte.
    const auto lead = static_cast<unsigned char>((ch >> 8) & 0xFF), trail = static_cast<unsigned char>(ch & 0xFF);
    pendingLead_ = 0;
    if (lead) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        Insert(std::string_view(pair, 2), true);
    } else {
        OnChar(trail);
    }
}

void TextBoxWindow::OnImeStartComposition() {
    // The IME composes at the caret, in the box's font.
    HIMC context = ImmGetContext(hwnd_);
    if (!context) return;
    POINT caret{};
    GetCaretPos(&caret);
    COMPOSITIONFORM form{};
    form.dwStyle = CFS_POINT;
    form.ptCurrentPos = caret;
    ImmSetCompositionWindow(context, &form);
    LOGFONTA lf{};
    if (GetObjectA(font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(SYSTEM_FONT), sizeof lf, &lf)) {
        ImmSetCompositionFontA(context, &lf);
    }
    ImmReleaseContext(hwnd_, context);
}

// --- mouse ---

void TextBoxWindow::OnLButtonDown(int x, int y) {
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    bool afterWrap = false;
    const std::size_t pos = HitTest(x, y, &afterWrap);
    goalX_ = -1;
    MoveCaret(pos, KeyDown(VK_SHIFT), afterWrap);
    dragging_ = true;
    dragPoint_ = {x, y};
    SetCapture(hwnd_);
}

void TextBoxWindow::OnLButtonDblClk(int x, int y) {
    bool afterWrap = false;
    const std::size_t pos = HitTest(x, y, &afterWrap);
    const auto [first, last] = WordAround(buffer_.Text(), pos);
    buffer_.Select(first, last);
    afterWrap_ = false;
    InvalidateRect(hwnd_, nullptr, FALSE);
    ScrollToCaret();
    ShowCaretAt();
}

void TextBoxWindow::OnMouseMove(int x, int y) {
    if (!dragging_) return;
    dragPoint_ = {x, y};
    bool afterWrap = false;
    MoveCaret(HitTest(x, y, &afterWrap), true, afterWrap);
    // Above or below the box the text scrolls on while the button is held.
    if (y < 0 || y >= static_cast<int>(VisibleLines()) * lineHeight_) {
        SetTimer(hwnd_, kDragScrollTimer, kDragScrollMs, nullptr);
    } else {
        KillTimer(hwnd_, kDragScrollTimer);
    }
}

void TextBoxWindow::OnDragScrollTimer() {
    if (!dragging_) {
        KillTimer(hwnd_, kDragScrollTimer);
        return;
    }
    if (dragPoint_.y < 0) {
        ScrollTo(topLine_ > 0 ? topLine_ - 1 : 0);
    } else {
        ScrollTo(topLine_ + 1);
    }
    bool afterWrap = false;
    MoveCaret(HitTest(dragPoint_.x, dragPoint_.y, &afterWrap), true, afterWrap);
}

void TextBoxWindow::OnLButtonUp() {
    if (!dragging_) return;
    dragging_ = false;
    KillTimer(hwnd_, kDragScrollTimer);
    ReleaseCapture();
}

void TextBoxWindow::OnContextMenu(int x, int y) {
    if (GetFocus() != hwnd_) SetFocus(hwnd_);
    if (x == -1 && y == -1) {  // the menu key: at the caret
        POINT caret{};
        GetCaretPos(&caret);
        ClientToScreen(hwnd_, &caret);
        x = caret.x;
        y = caret.y + lineHeight_;
    }
    UniqueMenu menu(CreatePopupMenu());
    if (!menu) return;
    const bool selected = buffer_.HasSelection();
    const UINT ifSelected = selected ? MF_ENABLED : MF_GRAYED;
    AppendMenuA(menu.Get(), buffer_.CanUndo() ? MF_ENABLED : MF_GRAYED, kMenuUndo, "撤消(&U)");
    AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu.Get(), ifSelected, kMenuCut, "剪切(&T)");
    AppendMenuA(menu.Get(), ifSelected, kMenuCopy, "复制(&C)");
    AppendMenuA(menu.Get(), IsClipboardFormatAvailable(CF_TEXT) ? MF_ENABLED : MF_GRAYED, kMenuPaste, "粘贴(&P)");
    AppendMenuA(menu.Get(), ifSelected, kMenuDelete, "删除(&D)");
    AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu.Get(), buffer_.Size() > 0 ? MF_ENABLED : MF_GRAYED, kMenuSelectAll, "全选(&A)");
    const auto chosen = static_cast<UINT>(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                         x, y, 0, hwnd_, nullptr));
    switch (chosen) {
    case kMenuUndo: Undo(); break;
    case kMenuCut: Cut(); break;
    case kMenuCopy: Copy(); break;
    case kMenuPaste: Paste(); break;
    case kMenuDelete: Clear(); break;
    case kMenuSelectAll: SelectAll(); break;
    default: break;
    }
}

// --- editing ---

void TextBoxWindow::Insert(std::string_view text, bool typed) {
    bool cut = false;
    Apply(buffer_.ReplaceSelection(text, typed, &cut));
    if (cut) Notify(EN_MAXTEXT);
}

void TextBoxWindow::Apply(const TextChange& change) {
    if (!change.Changed()) return;
    layout_.Update(buffer_.Text(), change);
    afterWrap_ = false;
    goalX_ = -1;
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
    ScrollToCaret();
    ShowCaretAt();
    Notify(EN_UPDATE);
    Notify(EN_CHANGE);
}

void TextBoxWindow::Copy() {
    if (buffer_.HasSelection()) WriteClipboardText(hwnd_, buffer_.SelectedText());
}

void TextBoxWindow::Cut() {
    if (!buffer_.HasSelection()) return;
    Copy();
    Clear();
}

void TextBoxWindow::Paste() {
    const GbkText text = ReadClipboardText(hwnd_);
    if (!text.empty()) Insert(text, false);
}

void TextBoxWindow::Clear() {
    if (buffer_.HasSelection()) Apply(buffer_.DeleteBackward());
}

void TextBoxWindow::Undo() { Apply(buffer_.Undo()); }

void TextBoxWindow::SelectAll() {
    buffer_.Select(0, buffer_.Size());
    afterWrap_ = false;
    InvalidateRect(hwnd_, nullptr, FALSE);
    ShowCaretAt();
}

