// The program's own text box on a real window: the edit-box messages, typing and deleting
// whole characters, selection by keyboard and mouse, the clipboard, wrapping and colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "win32/clipboard_win32.h"
#include "win32/controls_win32.h"
#include "win32/handles_win32.h"
#include "win32/text_box_win32.h"

namespace {

constexpr int kBoxId = 77;
constexpr COLORREF kParentBack = RGB(255, 255, 0);
constexpr COLORREF kParentText = RGB(200, 0, 0);

// A parent that records the box's notifications and gives it yellow as its back colour.
struct Parent {
    std::vector<WORD> notifications;
    int colourRequests = 0;
    UniqueBrush brush{CreateSolidBrush(kParentBack)};

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<Parent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == WM_COMMAND && LOWORD(wParam) == kBoxId) self->notifications.push_back(HIWORD(wParam));
        if (self && msg == WM_CTLCOLOREDIT) {
            ++self->colourRequests;
            SetTextColor(reinterpret_cast<HDC>(wParam), kParentText);
            SetBkColor(reinterpret_cast<HDC>(wParam), kParentBack);
            return reinterpret_cast<LRESULT>(self->brush.Get());
        }
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
};

class TextBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = Parent::Proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "TextBoxTestParent";
        RegisterClassExA(&wc);
        window = CreateWindowExA(0, "TextBoxTestParent", "", WS_POPUP | WS_VISIBLE, 50, 50, 420, 320, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&parent));
        box = CreateTextBox(window, kBoxId, "", 10, 10, 360, 240, WS_VISIBLE | WS_VSCROLL);
        ASSERT_NE(box, nullptr);
        SetFont(box, font.Get());
        SetForegroundWindow(window);
        SetFocus(box);
        parent.notifications.clear();
    }
    void TearDown() override {
        if (window) DestroyWindow(window);
    }

    GbkText Text() const { return GetText(box); }
    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0, end = 0;
        SendMessageA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    void Select(int start, int end) const { SendMessageA(box, EM_SETSEL, static_cast<WPARAM>(start), end); }
    void Char(unsigned char ch) const { SendMessageA(box, WM_CHAR, ch, 1); }
    void Type(const GbkText& text) const {
        for (char ch : text) Char(static_cast<unsigned char>(ch));
    }
    // A key press with other keys held, as GetKeyState will report them.
    void Key(WORD key, std::initializer_list<int> held = {}) const {
        BYTE state[256] = {};
        GetKeyboardState(state);
        BYTE pressed[256];
        std::copy(std::begin(state), std::end(state), pressed);
        for (int k : held) pressed[k] = 0x80;
        SetKeyboardState(pressed);
        SendMessageA(box, WM_KEYDOWN, key, 1);
        SetKeyboardState(state);
    }
    int LineCount() const { return static_cast<int>(SendMessageA(box, EM_GETLINECOUNT, 0, 0)); }
    int LineIndex(int line) const { return static_cast<int>(SendMessageA(box, EM_LINEINDEX, line, 0)); }

    Parent parent;
    UniqueFont font{CreateFontA(-29, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体")};
    HWND window = nullptr;
    HWND box = nullptr;
};

using Sel = std::pair<DWORD, DWORD>;

TEST_F(TextBoxTest, TextMessagesWorkOnTheWholeGbkText) {
    const GbkText text = "中（zhōng）文\r\nabc";
    EXPECT_TRUE(SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())));
    EXPECT_EQ(Text(), text);
    EXPECT_EQ(SendMessageA(box, WM_GETTEXTLENGTH, 0, 0), static_cast<LRESULT>(text.size()));
    EXPECT_EQ(Selection(), Sel(0, 0));  // the caret at the start, as after setting an edit box
    // A short buffer never ends in half a character.
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(SendMessageA(box, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 2);
    EXPECT_STREQ(small, "中");
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0)), font.Get());
    SendMessageA(box, WM_SETTEXT, 0, 0);
    EXPECT_EQ(Text(), "");
    // Setting the text is no change by the user.
    EXPECT_TRUE(parent.notifications.empty());
}

TEST_F(TextBoxTest, SetSelAndGetSelAsAnEditBox) {
    SetText(box, "中文abc");
    struct Case {
        int start, end;
        Sel selection;
    };
    const Case cases[] = {
        {0, -1, {0, 7}},                  // everything
        {5, 2, {2, 5}},                   // reported in order
        {1, 1, {0, 0}},                   // inside 中: its start
        {0x7FFFFFFF, 0x7FFFFFFF, {7, 7}},  // past the end: the end
    };
    for (const Case& c : cases) {
        Select(c.start, c.end);
        EXPECT_EQ(Selection(), c.selection) << c.start << "," << c.end;
    }
    Select(2, 5);
    Select(-1, 0);  // keeps only the caret, where the selection ended
    EXPECT_EQ(Selection(), Sel(5, 5));

    Select(2, 4);
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("字字"));
    EXPECT_EQ(Text(), "中字字abc");
    EXPECT_EQ(Selection(), Sel(6, 6));
    EXPECT_EQ(parent.notifications.back(), EN_CHANGE);
}

TEST_F(TextBoxTest, TakesAnyLengthAndKeepsALimitThatIsSet) {
    EXPECT_GE(static_cast<DWORD>(SendMessageA(box, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
    const GbkText article(200000, 'a');
    SetText(box, article);
    EXPECT_EQ(Text(), article);

    SetText(box, "abc");
    SendMessageA(box, EM_SETLIMITTEXT, 5, 0);
    EXPECT_EQ(SendMessageA(box, EM_GETLIMITTEXT, 0, 0), 5);
    Select(3, 3);
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("中文"));  // room for one of them
    EXPECT_EQ(Text(), "abc中");
    EXPECT_NE(std::find(parent.notifications.begin(), parent.notifications.end(), EN_MAXTEXT),
              parent.notifications.end());
    Type("x");
    EXPECT_EQ(Text(), "abc中");
}

TEST_F(TextBoxTest, TypingTakesSingleBytesPairsAndImeCharacters) {
    Type("ab");
    Char(0xD6);  // 中 as two messages
    Char(0xD0);
    SendMessageA(box, WM_IME_CHAR, 0xCEC4, 1);  // 文 from the IME
    Char('\r');
    Type("c");
    Char(0x1B);  // Escape types nothing
    EXPECT_EQ(Text(), "ab中文\r\nc");
    EXPECT_EQ(Selection(), Sel(9, 9));
    EXPECT_EQ(parent.notifications.back(), EN_CHANGE);

    // Typing replaces the selection; Ctrl+Z takes the typing back in one step and redoes it.
    Select(2, 6);
    Type("xy");
    EXPECT_EQ(Text(), "abxy\r\nc");
    Char(0x1A);
    EXPECT_EQ(Text(), "ab中文\r\nc");
    Char(0x1A);
    EXPECT_EQ(Text(), "abxy\r\nc");
}

TEST_F(TextBoxTest, DeletesWholeCharactersAndLineBreaks) {
    SetText(box, "a中\r\nb文");
    Select(5, 5);
    Char('\b');
    EXPECT_EQ(Text(), "a中b文");
    Char('\b');
    EXPECT_EQ(Text(), "ab文");
    Key(VK_DELETE);
    Key(VK_DELETE);
    EXPECT_EQ(Text(), "a");
    Key(VK_DELETE);
    EXPECT_EQ(Text(), "a");
    SetText(box, "中文字");
    Select(2, 4);
    Char('\b');
    EXPECT_EQ(Text(), "中字");
}

TEST_F(TextBoxTest, ArrowsHomeEndAndShiftSelectByCharacters) {
    SetText(box, "中a\r\nbc");
    Key(VK_RIGHT);
    EXPECT_EQ(Selection(), Sel(2, 2));
    Key(VK_RIGHT);
    Key(VK_RIGHT);  // over CR LF at once
    EXPECT_EQ(Selection(), Sel(5, 5));
    Key(VK_LEFT, {VK_SHIFT});
    Key(VK_LEFT, {VK_SHIFT});
    EXPECT_EQ(Selection(), Sel(2, 5));
    Key(VK_LEFT);  // collapses to the selection's start
    EXPECT_EQ(Selection(), Sel(2, 2));
    Key(VK_END);
    EXPECT_EQ(Selection(), Sel(3, 3));
    Key(VK_DOWN);
    Key(VK_HOME, {VK_SHIFT});
    EXPECT_EQ(Selection(), Sel(5, 7));
    Key(VK_HOME, {VK_CONTROL});
    EXPECT_EQ(Selection(), Sel(0, 0));
    Key(VK_END, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(Selection(), Sel(0, 7));
    Char(0x01);  // Ctrl+A
    Select(3, 3);
    Char(0x01);
    EXPECT_EQ(Selection(), Sel(0, 7));
    EXPECT_EQ(Text(), "中a\r\nbc");
}

TEST_F(TextBoxTest, ClipboardKeysAndMessages) {
    SetText(box, "中文abc");
    Select(0, 4);
    Char(0x03);  // Ctrl+C
    EXPECT_EQ(ReadClipboardText(nullptr), "中文");
    Select(4, 7);
    Char(0x18);  // Ctrl+X
    EXPECT_EQ(ReadClipboardText(nullptr), "abc");
    EXPECT_EQ(Text(), "中文");
    Select(0, 0);
    Char(0x16);  // Ctrl+V
    EXPECT_EQ(Text(), "abc中文");
    EXPECT_EQ(Selection(), Sel(3, 3));

    ASSERT_TRUE(WriteClipboardText(nullptr, "粘贴"));
    Select(0, -1);
    SendMessageA(box, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "粘贴");
    Select(0, 2);
    SendMessageA(box, WM_COPY, 0, 0);
    EXPECT_EQ(ReadClipboardText(nullptr), "粘");
    SendMessageA(box, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(), "贴");
    Select(1, 1);
    SendMessageA(box, WM_COPY, 0, 0);  // nothing selected: the clipboard keeps its text
    EXPECT_EQ(ReadClipboardText(nullptr), "粘");
}

TEST_F(TextBoxTest, WrapsLongTextAtTheBoxWidthAndBetweenGroups) {
    GbkText text;
    for (int i = 0; i < 40; ++i) text += "中（zhōng）文（wén）";
    SetText(box, text);
    const int lines = LineCount();
    ASSERT_GT(lines, 5);
    RECT client{};
    GetClientRect(box, &client);
    for (int line = 0; line < lines; ++line) {
        const auto start = static_cast<std::size_t>(LineIndex(line));
        // A line starts at a group's hanzi, never inside the reading or at its parenthesis.
        const std::string head = text.substr(start, 2);
        EXPECT_TRUE(head == "中" || head == "文") << line << ": " << head;
        if (line + 1 < lines) {
            // Its last character ends inside the box.
            const auto next = static_cast<std::size_t>(LineIndex(line + 1));
            const LRESULT last = SendMessageA(box, EM_POSFROMCHAR, next - 2, 0);
            EXPECT_LE(static_cast<short>(LOWORD(last)) + 30, client.right) << line;
        }
    }
    // A narrower box has more lines; hard breaks always begin one.
    MoveWindow(box, 10, 10, 200, 240, TRUE);
    EXPECT_GT(LineCount(), lines);
    SetText(box, "ab\r\ncd");
    EXPECT_EQ(LineCount(), 2);
    EXPECT_EQ(LineIndex(1), 4);
    EXPECT_EQ(SendMessageA(box, EM_LINELENGTH, 0, 0), 2);
}

TEST_F(TextBoxTest, ScrollsToTheCaretAndWithTheWheel) {
    GbkText text;
    for (int i = 0; i < 100; ++i) text += "line\r\n";
    SetText(box, text);
    EXPECT_EQ(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    SetTextCaretAtEnd(box, text);
    const LRESULT bottom = SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    EXPECT_GT(bottom, 90);
    SendMessageA(box, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_LT(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), bottom);
    SendMessageA(box, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    Key(VK_NEXT);
    EXPECT_GT(SendMessageA(box, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(TextBoxTest, MouseSetsTheCaretDragsASelectionAndPicksAWord) {
    SetText(box, "zhōng wén\r\nabc");
    const LRESULT at = SendMessageA(box, EM_POSFROMCHAR, 7, 0);  // the w of wén
    const int x = static_cast<short>(LOWORD(at)) + 2, y = static_cast<short>(HIWORD(at)) + 5;
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ(Selection(), Sel(7, 7));
    EXPECT_EQ(GetFocus(), box);

    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 5));
    SendMessageA(box, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    EXPECT_EQ(Selection(), Sel(0, 7));

    SendMessageA(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
    EXPECT_EQ(Selection(), Sel(7, 11));  // wén, its pinyin letter included
}

TEST_F(TextBoxTest, AsksTheParentForItsColoursAndTellsItAboutFocus) {
    SetText(box, "中文");
    parent.colourRequests = 0;
    InvalidateRect(box, nullptr, TRUE);
    UpdateWindow(box);
    EXPECT_GE(parent.colourRequests, 1);
    HDC dc = GetDC(box);
    const COLORREF corner = GetPixel(dc, 300, 200);
    ReleaseDC(box, dc);
    EXPECT_EQ(corner, kParentBack);

    SetFocus(window);
    SetFocus(box);
    const std::vector<WORD>& codes = parent.notifications;
    EXPECT_NE(std::find(codes.begin(), codes.end(), EN_KILLFOCUS), codes.end());
    EXPECT_EQ(codes.back(), EN_SETFOCUS);
}

}  // namespace
