// The state and handlers of one text box window (text_box_win32.cpp: text, painting,
// scrolling and the edit-box messages; text_box_input_win32.cpp: keyboard, mouse and editing).
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "text/text_buffer.h"
#include "text/text_layout.h"
#include "win32/handles_win32.h"
#include "win32/windows_h_win32.h"

class TextBoxWindow {
public:
    explicit TextBoxWindow(HWND hwnd);
    ~TextBoxWindow();
    TextBoxWindow(const TextBoxWindow&) = delete;
    TextBoxWindow& operator=(const TextBoxWindow&) = delete;

    static TextBoxWindow* BindWindow(HWND hwnd, const CREATESTRUCTA&) { return new TextBoxWindow(hwnd); }
    static void UnbindWindow(TextBoxWindow* self) noexcept { delete self; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    // Pixels kept free left and right of the text, as an edit box keeps for its font.
    static constexpr int kLeftMargin = 1;
    static constexpr int kRightMargin = 1;
    static constexpr UINT_PTR kDragScrollTimer = 1;
    static constexpr UINT kDragScrollMs = 80;

    // Messages.
    void OnCreate(const CREATESTRUCTA& cs);
    LRESULT OnSetText(const char* text);
    LRESULT OnGetText(std::size_t size, char* buffer) const;
    void OnSetFont(HFONT font, bool redraw);
    void OnSize();
    void OnPaint();
    void PaintLines(HDC dc, int width, int height);
    void OnSetFocus();
    void OnKillFocus();
    void OnKeyDown(WPARAM key);
    void OnChar(unsigned char ch);
    void OnImeChar(WPARAM ch);
    void OnImeStartComposition();
    void OnLButtonDown(int x, int y);
    void OnLButtonDblClk(int x, int y);
    void OnMouseMove(int x, int y);
    void OnLButtonUp();
    void OnDragScrollTimer();
    void OnVScroll(WORD code);
    void OnMouseWheel(short delta);
    void OnContextMenu(int x, int y);
    LRESULT OnGetSel(DWORD* start, DWORD* end) const;
    void OnSetSel(WPARAM start, LPARAM end);
    LRESULT OnPosFromChar(std::size_t pos);
    LRESULT OnCharFromPos(int x, int y);

    // Editing.
    void Insert(std::string_view text, bool typed);
    void Apply(const TextChange& change);
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    void Undo();
    void SelectAll();

    // Caret, selection and scrolling.
    void MoveCaret(std::size_t pos, bool extend, bool afterWrap = false);
    std::size_t CaretLine() const;
    int CaretX();
    bool IsSoftLineEnd(std::size_t line, std::size_t pos) const;
    std::size_t HitTest(int x, int y, bool* afterWrap);
    void ShowCaretAt();
    void ScrollToCaret();
    void ScrollTo(std::size_t top);
    std::size_t MaxTopLine() const;
    std::size_t VisibleLines() const;
    void UpdateScrollBar();
    void LayOutAll();

    // Painting.
    void DrawLine(HDC dc, std::size_t line, int y, COLORREF text, COLORREF back);
    void DrawRun(HDC dc, std::size_t from, std::size_t to, int& x, int y, bool selected);

    void Notify(WORD code) const;

    HWND hwnd_;
    TextBuffer buffer_;
    TextLayout layout_;
    HFONT font_ = nullptr;  // not owned; null: the system font
    UniqueMemoryDc measureDc_;
    HGDIOBJ measureDcFont_ = nullptr;
    int lineHeight_ = 16;
    int tabStop_ = 32;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    std::size_t topLine_ = 0;
    int goalX_ = -1;          // the column that Up and Down keep to; -1: the caret's own
    bool afterWrap_ = false;  // the caret stands at the end of a wrapped line, not at the next one's start
    bool focused_ = false;
    bool dragging_ = false;
    POINT dragPoint_{};
    int wheelDelta_ = 0;
    unsigned char pendingLead_ = 0;  // first byte of a two-byte character typed as two WM_CHAR
    std::vector<char> drawBytes_;
    std::vector<INT> drawDx_;
};
