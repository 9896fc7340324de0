#include "win32/text_box_win32.h"

#include <windowsx.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "win32/bound_window_win32.h"
#include "win32/handles_win32.h"
#include "win32/text_box_state_win32.h"
#include "win32/window_class_win32.h"

namespace {

constexpr std::size_t kDefaultLimit = 0x7FFFFFFE;

}  // namespace

TextBoxWindow::TextBoxWindow(HWND hwnd) : hwnd_(hwnd), measureDc_(CreateCompatibleDC(nullptr)) {
    buffer_.SetLimit(kDefaultLimit);
    if (measureDc_) measureDcFont_ = SelectObject(measureDc_.Get(), GetStockObject(SYSTEM_FONT));
}

TextBoxWindow::~TextBoxWindow() {
    if (measureDc_) SelectObject(measureDc_.Get(), measureDcFont_);
}

// --- creation, text and font ---

void TextBoxWindow::OnCreate(const CREATESTRUCTA& cs) {
    OnSetFont(nullptr, false);
    if (cs.lpszName && !IS_INTRESOURCE(cs.lpszName)) buffer_.SetText(cs.lpszName);
    LayOutAll();
}

LRESULT TextBoxWindow::OnSetText(const char* text) {
    buffer_.SetText(text ? GbkText(text) : GbkText());
    topLine_ = 0;
    afterWrap_ = false;
    goalX_ = -1;
    pendingLead_ = 0;
    layout_.LayOut(buffer_.Text());
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
    ShowCaretAt();
    return TRUE;
}

LRESULT TextBoxWindow::OnGetText(std::size_t size, char* buffer) const {
    if (size == 0 || !buffer) return 0;
    const GbkText& text = buffer_.Text();
    // A two-byte character is never cut in half when the buffer is short.
    const std::size_t n = text.size() < size ? text.size() : CharStartAtOrBefore(text, size - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = '\0';
    return static_cast<LRESULT>(n);
}

void TextBoxWindow::OnSetFont(HFONT font, bool redraw) {
    font_ = font;
    HGDIOBJ selected = font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT);
    TEXTMETRICA tm{};
    if (measureDc_) {
        SelectObject(measureDc_.Get(), selected);
        GetTextMetricsA(measureDc_.Get(), &tm);
    }
    lineHeight_ = tm.tmHeight > 0 ? static_cast<int>(tm.tmHeight) : 16;
    // An edit box's tab stops stand every 32 dialog units: eight average characters.
    tabStop_ = tm.tmAveCharWidth > 0 ? 8 * static_cast<int>(tm.tmAveCharWidth) : 32;
    HDC dc = measureDc_.Get();
    layout_.SetMeasure([dc](std::string_view ch) {
        if (!dc) return 0;
        if (ch.size() == 1) {
            INT w = 0;
            const auto code = static_cast<unsigned char>(ch[0]);
            return GetCharWidth32A(dc, code, code, &w) ? static_cast<int>(w) : 0;
        }
        SIZE size{};
        return GetTextExtentPoint32A(dc, ch.data(), static_cast<int>(ch.size()), &size) ? static_cast<int>(size.cx) : 0;
    });
    LayOutAll();
    if (focused_) {
        DestroyCaret();
        OnSetFocus();
    }
    if (redraw) InvalidateRect(hwnd_, nullptr, FALSE);
}

void TextBoxWindow::OnSize() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const bool widthChanged = client.right != clientWidth_;
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    if (widthChanged) {
        LayOutAll();
    } else {
        UpdateScrollBar();
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
    ShowCaretAt();
}

void TextBoxWindow::LayOutAll() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    layout_.SetWrapWidth(clientWidth_ - kLeftMargin - kRightMargin, tabStop_);
    layout_.LayOut(buffer_.Text());
    UpdateScrollBar();
    ShowCaretAt();
}

// --- painting ---

void TextBoxWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    if (!dc) return;
    const int width = std::max(clientWidth_, 1), height = std::max(clientHeight_, 1);
    // Drawn off screen first, so that scrolling through a long text does not flicker.
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const UniqueBitmap bitmap(memory ? CreateCompatibleBitmap(dc, width, height) : nullptr);
    if (bitmap) {
        const SelectGuard guard(memory.Get(), bitmap.Get());
        PaintLines(memory.Get(), width, height);
        BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
               ps.rcPaint.bottom - ps.rcPaint.top, memory.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    } else {
        PaintLines(dc, width, height);
    }
    EndPaint(hwnd_, &ps);
}

void TextBoxWindow::PaintLines(HDC dc, int width, int height) {
    // The parent gives the colours, as it does for an edit box.
    const bool enabled = IsWindowEnabled(hwnd_) != FALSE;
    SetTextColor(dc, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(hwnd_), enabled ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
    if (!brush) brush = GetSysColorBrush(COLOR_WINDOW);
    const COLORREF textColor = GetTextColor(dc), backColor = GetBkColor(dc);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    SelectGuard fontGuard(dc, font_ ? static_cast<HGDIOBJ>(font_) : GetStockObject(SYSTEM_FONT));
    const std::size_t last = std::min(layout_.LineCount(), topLine_ + VisibleLines());
    for (std::size_t line = topLine_; line < last; ++line) {
        DrawLine(dc, line, static_cast<int>(line - topLine_) * lineHeight_, textColor, backColor);
    }
}

void TextBoxWindow::DrawLine(HDC dc, std::size_t line, int y, COLORREF text, COLORREF back) {
    const std::size_t start = layout_.LineStart(line), end = layout_.LineEnd(buffer_.Text(), line);
    // The selection shows only while the box has the focus, as in an edit box.
    std::size_t selStart = end, selEnd = end;
    if (focused_ && buffer_.HasSelection()) {
        selStart = std::clamp(buffer_.SelectionStart(), start, end);
        selEnd = std::clamp(buffer_.SelectionEnd(), start, end);
    }
    int x = 0;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    DrawRun(dc, start, selStart, x, y, false);
    if (selStart < selEnd) {
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
        DrawRun(dc, selStart, selEnd, x, y, true);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }
    DrawRun(dc, selEnd, end, x, y, false);
}

// Draws [from, to) of one line at x pixels into it, each character at the width the layout
// gave it, and moves x past it.
void TextBoxWindow::DrawRun(HDC dc, std::size_t from, std::size_t to, int& x, int y, bool selected) {
    if (from >= to) return;
    const GbkText& text = buffer_.Text();
    drawBytes_.clear();
    drawDx_.clear();
    const int left = x;
    for (std::size_t i = from; i < to;) {
        const std::size_t n = CharWidthAt(text, i);
        const int w = layout_.CharWidthAt(text, i, n, x);
        const auto byte = static_cast<unsigned char>(text[i]);
        // Tabs and other control characters are only room; nothing is drawn for them.
        drawBytes_.push_back(n == 1 && byte < 0x20 ? ' ' : text[i]);
        drawDx_.push_back(w);
        if (n == 2) {
            drawBytes_.push_back(text[i + 1]);
            drawDx_.push_back(0);
        }
        x += w;
        i += n;
    }
    RECT cell{kLeftMargin + left, y, kLeftMargin + x, y + lineHeight_};
    ExtTextOutA(dc, kLeftMargin + left, y, selected ? ETO_OPAQUE : 0, &cell, drawBytes_.data(),
                static_cast<UINT>(drawBytes_.size()), drawDx_.data());
}

// --- focus and caret ---

void TextBoxWindow::OnSetFocus() {
    focused_ = true;
    UINT caretWidth = 1;
    SystemParametersInfoA(SPI_GETCARETWIDTH, 0, &caretWidth, 0);
    CreateCaret(hwnd_, nullptr, static_cast<int>(std::max<UINT>(caretWidth, 1)), lineHeight_);
    ShowCaretAt();
    ShowCaret(hwnd_);
    InvalidateRect(hwnd_, nullptr, FALSE);
    Notify(EN_SETFOCUS);
}

void TextBoxWindow::OnKillFocus() {
    focused_ = false;
    pendingLead_ = 0;
    DestroyCaret();
    InvalidateRect(hwnd_, nullptr, FALSE);
    Notify(EN_KILLFOCUS);
}

std::size_t TextBoxWindow::CaretLine() const {
    const std::size_t caret = buffer_.Caret();
    const std::size_t line = layout_.LineOf(caret);
    if (afterWrap_ && line > 0 && IsSoftLineEnd(line - 1, caret)) return line - 1;
    return line;
}

bool TextBoxWindow::IsSoftLineEnd(std::size_t line, std::size_t pos) const {
    return line + 1 < layout_.LineCount() && layout_.LineStart(line + 1) == pos &&
           layout_.LineEnd(buffer_.Text(), line) == pos;
}

int TextBoxWindow::CaretX() { return layout_.XOf(buffer_.Text(), CaretLine(), buffer_.Caret()); }

void TextBoxWindow::ShowCaretAt() {
    if (!focused_) return;
    const std::size_t line = CaretLine();
    int x = kLeftMargin + CaretX(), y = -10 * lineHeight_;  // off the box when scrolled away
    if (line >= topLine_ && line < topLine_ + VisibleLines()) y = static_cast<int>(line - topLine_) * lineHeight_;
    SetCaretPos(std::min(x, std::max(clientWidth_ - 1, 0)), y);
}

void TextBoxWindow::MoveCaret(std::size_t pos, bool extend, bool afterWrap) {
    const bool hadSelection = buffer_.HasSelection();
    buffer_.MoveCaret(pos, extend);
    afterWrap_ = afterWrap;
    if (hadSelection || buffer_.HasSelection()) InvalidateRect(hwnd_, nullptr, FALSE);
    ScrollToCaret();
    ShowCaretAt();
}

std::size_t TextBoxWindow::HitTest(int x, int y, bool* afterWrap) {
    long long line = static_cast<long long>(topLine_) + (y < 0 ? -1 - (-y - 1) / lineHeight_ : y / lineHeight_);
    line = std::clamp<long long>(line, 0, static_cast<long long>(layout_.LineCount()) - 1);
    const auto l = static_cast<std::size_t>(line);
    const std::size_t pos = layout_.PosAtX(buffer_.Text(), l, x - kLeftMargin);
    *afterWrap = IsSoftLineEnd(l, pos);
    return pos;
}

// --- scrolling ---

std::size_t TextBoxWindow::VisibleLines() const {
    // Only whole lines show, as in an edit box.
    return static_cast<std::size_t>(std::max(clientHeight_ / std::max(lineHeight_, 1), 1));
}

std::size_t TextBoxWindow::MaxTopLine() const {
    const std::size_t lines = layout_.LineCount(), visible = VisibleLines();
    return lines > visible ? lines - visible : 0;
}

void TextBoxWindow::UpdateScrollBar() {
    topLine_ = std::min(topLine_, MaxTopLine());
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = static_cast<int>(std::min<std::size_t>(layout_.LineCount() - 1, 0x7FFFFFFE));
    si.nPage = static_cast<UINT>(VisibleLines());
    si.nPos = static_cast<int>(topLine_);
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
}

void TextBoxWindow::ScrollTo(std::size_t top) {
    top = std::min(top, MaxTopLine());
    if (top == topLine_) return;
    topLine_ = top;
    UpdateScrollBar();
    InvalidateRect(hwnd_, nullptr, FALSE);
    ShowCaretAt();
}

void TextBoxWindow::ScrollToCaret() {
    const std::size_t line = CaretLine(), visible = VisibleLines();
    if (line < topLine_) {
        ScrollTo(line);
    } else if (line >= topLine_ + visible) {
        ScrollTo(line - visible + 1);
    }
}

void TextBoxWindow::OnVScroll(WORD code) {
    const std::size_t page = VisibleLines();
    switch (code) {
    case SB_LINEUP: ScrollTo(topLine_ > 0 ? topLine_ - 1 : 0); break;
    case SB_LINEDOWN: ScrollTo(topLine_ + 1); break;
    case SB_PAGEUP: ScrollTo(topLine_ > page ? topLine_ - page : 0); break;
    case SB_PAGEDOWN: ScrollTo(topLine_ + page); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(MaxTopLine()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        // The 32-bit position; the message itself carries only 16 bits.
        SCROLLINFO si{};
        si.cbSize = sizeof si;
        si.fMask = SIF_TRACKPOS;
        if (GetScrollInfo(hwnd_, SB_VERT, &si)) ScrollTo(static_cast<std::size_t>(std::max(si.nTrackPos, 0)));
        break;
    }
    default: return;
    }
    Notify(EN_VSCROLL);
}

void TextBoxWindow::OnMouseWheel(short delta) {
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    wheelDelta_ += delta;
    const int steps = wheelDelta_ / WHEEL_DELTA;
    if (steps == 0) return;
    wheelDelta_ -= steps * WHEEL_DELTA;
    const long long perStep = lines == WHEEL_PAGESCROLL ? static_cast<long long>(VisibleLines()) : lines;
    const long long top = static_cast<long long>(topLine_) - steps * perStep;
    ScrollTo(static_cast<std::size_t>(std::max(top, 0LL)));
    Notify(EN_VSCROLL);
}

// --- edit-box messages ---

LRESULT TextBoxWindow::OnGetSel(DWORD* start, DWORD* end) const {
    const std::size_t first = buffer_.SelectionStart(), last = buffer_.SelectionEnd();
    if (start) *start = static_cast<DWORD>(first);
    if (end) *end = static_cast<DWORD>(last);
    if (first > 0xFFFF || last > 0xFFFF) return -1;
    return MAKELRESULT(first, last);
}

void TextBoxWindow::OnSetSel(WPARAM start, LPARAM end) {
    // As in an edit box: -1 as start keeps only the caret, a negative end means the text's end.
    const auto first = static_cast<long long>(static_cast<int>(start));
    const auto last = static_cast<long long>(static_cast<int>(end));
    const std::size_t size = buffer_.Size();
    const std::size_t to = last < 0 ? size : std::min<std::size_t>(static_cast<std::size_t>(last), size);
    if (first == -1) {
        buffer_.Select(buffer_.Caret(), buffer_.Caret());
    } else {
        const std::size_t from = first < 0 ? size : std::min<std::size_t>(static_cast<std::size_t>(first), size);
        buffer_.Select(from, to);
    }
    afterWrap_ = false;
    goalX_ = -1;
    InvalidateRect(hwnd_, nullptr, FALSE);
    ShowCaretAt();
}

LRESULT TextBoxWindow::OnPosFromChar(std::size_t pos) {
    if (pos >= buffer_.Size()) return -1;
    pos = CharStartAtOrBefore(buffer_.Text(), pos);
    const std::size_t line = layout_.LineOf(pos);
    const int x = kLeftMargin + layout_.XOf(buffer_.Text(), line, pos);
    const long long y = (static_cast<long long>(line) - static_cast<long long>(topLine_)) * lineHeight_;
    return MAKELRESULT(static_cast<short>(x), static_cast<short>(std::clamp<long long>(y, -32768, 32767)));
}

LRESULT TextBoxWindow::OnCharFromPos(int x, int y) {
    bool afterWrap = false;
    const std::size_t pos = HitTest(x, y, &afterWrap);
    const std::size_t line = layout_.LineOf(pos);
    return MAKELRESULT(std::min<std::size_t>(pos, 0xFFFF), std::min<std::size_t>(line, 0xFFFF));
}

void TextBoxWindow::Notify(WORD code) const {
    SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd_), code), reinterpret_cast<LPARAM>(hwnd_));
}

LRESULT TextBoxWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CREATE: OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam)); return 0;
    case WM_SETTEXT: return OnSetText(reinterpret_cast<const char*>(lParam));
    case WM_GETTEXT: return OnGetText(wParam, reinterpret_cast<char*>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(buffer_.Size());
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_SIZE: OnSize(); return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT fills the whole box
    case WM_PAINT: OnPaint(); return 0;
    case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); return 0;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTALLKEYS;
    case WM_KEYDOWN: OnKeyDown(wParam); return 0;
    case WM_CHAR: OnChar(static_cast<unsigned char>(wParam & 0xFF)); return 0;
    case WM_IME_CHAR: OnImeChar(wParam); return 0;
    case WM_IME_STARTCOMPOSITION:
        OnImeStartComposition();
        break;  // the system's composition window does the rest
    case WM_LBUTTONDOWN: OnLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_CAPTURECHANGED:
        dragging_ = false;
        KillTimer(hwnd_, kDragScrollTimer);
        return 0;
    case WM_TIMER:
        if (wParam == kDragScrollTimer) OnDragScrollTimer();
        return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_CONTEXTMENU: OnContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_PASTE: Paste(); return 0;
    case WM_CLEAR: Clear(); return 0;
    case WM_UNDO:
    case EM_UNDO: {
        const bool could = buffer_.CanUndo();
        Undo();
        return could;
    }
    case EM_CANUNDO: return buffer_.CanUndo();
    case EM_EMPTYUNDOBUFFER: buffer_.ClearUndo(); return 0;
    case EM_GETMODIFY: return buffer_.Modified();
    case EM_SETMODIFY: buffer_.SetModified(wParam != 0); return 0;
    case EM_GETSEL: return OnGetSel(reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
    case EM_SETSEL: OnSetSel(wParam, lParam); return 0;
    case EM_REPLACESEL: {
        Insert(lParam ? std::string_view(reinterpret_cast<const char*>(lParam)) : std::string_view(), false);
        if (!wParam) buffer_.ClearUndo();
        return 0;
    }
    case EM_SETLIMITTEXT:  // also EM_LIMITTEXT; 0 lifts the limit
        buffer_.SetLimit(wParam ? static_cast<std::size_t>(wParam) : 0xFFFFFFFF);
        return 0;
    case EM_GETLIMITTEXT: return static_cast<LRESULT>(buffer_.Limit());
    case EM_SCROLLCARET: ScrollToCaret(); return TRUE;
    case EM_GETLINECOUNT: return static_cast<LRESULT>(layout_.LineCount());
    case EM_GETFIRSTVISIBLELINE: return static_cast<LRESULT>(topLine_);
    case EM_LINEINDEX: {
        const std::size_t line = static_cast<int>(wParam) == -1 ? CaretLine() : static_cast<std::size_t>(wParam);
        return line < layout_.LineCount() ? static_cast<LRESULT>(layout_.LineStart(line)) : -1;
    }
    case EM_LINEFROMCHAR: {
        if (static_cast<int>(wParam) == -1) return static_cast<LRESULT>(layout_.LineOf(buffer_.SelectionStart()));
        return static_cast<LRESULT>(layout_.LineOf(std::min<std::size_t>(wParam, buffer_.Size())));
    }
    case EM_LINELENGTH: {
        const std::size_t pos = static_cast<int>(wParam) == -1 ? buffer_.Caret() : std::min<std::size_t>(wParam, buffer_.Size());
        const std::size_t line = layout_.LineOf(pos);
        return static_cast<LRESULT>(layout_.LineEnd(buffer_.Text(), line) - layout_.LineStart(line));
    }
    case EM_LINESCROLL: {
        const long long top = static_cast<long long>(topLine_) + static_cast<int>(lParam);
        ScrollTo(static_cast<std::size_t>(std::max(top, 0LL)));
        return TRUE;
    }
    case EM_SCROLL: {
        const std::size_t before = topLine_;
        OnVScroll(LOWORD(wParam));
        return MAKELRESULT(static_cast<WORD>(topLine_ - before), TRUE);
    }
    case EM_POSFROMCHAR: return OnPosFromChar(wParam);
    case EM_CHARFROMPOS: return OnCharFromPos(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case EM_GETRECT: {
        if (auto* r = reinterpret_cast<RECT*>(lParam)) {
            *r = {kLeftMargin, 0, clientWidth_ - kRightMargin, static_cast<int>(VisibleLines()) * lineHeight_};
        }
        return 0;
    }
    default: break;
    }
    return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

bool RegisterTextBoxClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = BoundWindowProc<TextBoxWindow>;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM));
    wc.lpszClassName = kTextBoxClassName;
    return RegisterClassOnce(wc);
}

HWND CreateTextBox(HWND parent, int id, const char* text, int left, int top, int width, int height,
                   DWORD style) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterTextBoxClass(instance)) return nullptr;
    return CreateWindowExA(0, kTextBoxClassName, text ? text : "", WS_CHILD | style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

