#include "win32/label_button_win32.h"

#include <memory>
#include <string>

#include "win32/controls_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_class_win32.h"

namespace {

constexpr char kClassName[] = "ZyfLabelButton";

struct LabelState {
    LabelLook look;
};

LabelState* StateOf(HWND hwnd) { return reinterpret_cast<LabelState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

void DrawPicture(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, bool stretch) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) return;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory) return;
    {
        SelectGuard guard(memory, bitmap);
        if (stretch) {
            SetStretchBltMode(dc, COLORONCOLOR);
            StretchBlt(dc, x, y, width, height, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        } else {
            BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        }
    }
    DeleteDC(memory);
}

void Paint(HWND hwnd, const LabelLook& look) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (!dc) return;
    RECT client{};
    GetClientRect(hwnd, &client);
    const int width = client.right, height = client.bottom;

    UniqueBrush back(CreateSolidBrush(look.backColor));
    FillRect(dc, &client, back.Get());
    if (look.backPicture) DrawPicture(dc, look.backPicture, 0, 0, width, height, true);
    if (look.picture) DrawPicture(dc, look.picture, 0, 0, width, height, false);
    if (look.frame) {
        UniqueBrush frame(CreateSolidBrush(look.frameColor));
        FrameRect(dc, &client, frame.Get());
    }

    const GbkText text = look.showText ? GetText(hwnd) : GbkText();
    if (!text.empty()) {
        RECT r = client;
        r.left += look.indent;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, look.textColor);
        HFONT font = look.font ? look.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
        SelectGuard guard(dc, font);
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  look.align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto state = std::make_unique<LabelState>();
        state->look = *static_cast<const LabelLook*>(cs->lpCreateParams);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    LabelState* state = StateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wParam, lParam);

    switch (msg) {
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        delete state;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole label
    case WM_PAINT:
        Paint(hwnd, state->look);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_SETFONT:
        state->look.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(state->look.font);
    case WM_SETCURSOR:
        if (state->look.handCursor && LOWORD(lParam) == HTCLIENT) {
            SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
            return TRUE;
        }
        break;
    case WM_LBUTTONDOWN: {
        // The tools act on the press, not on the release.
        const int id = GetDlgCtrlID(hwnd);
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, kLabelPressed), reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool RegisterLabelClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.lpfnWndProc = LabelProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassOnce(wc);
}

}  // namespace

HWND CreateLabelButton(HWND parent, int id, std::string_view text, int left, int top, int width,
                       int height, const LabelLook& look, bool visible) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterLabelClass(instance)) return nullptr;
    const std::string caption(text);
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    if (visible) style |= WS_VISIBLE;
    return CreateWindowExA(0, kClassName, caption.c_str(), style, left, top, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           const_cast<LabelLook*>(&look));
}

void SetLabelLook(HWND label, const LabelLook& look) {
    if (GetWindowLongPtrA(label, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(LabelProc)) return;
    if (LabelState* state = StateOf(label)) {
        state->look = look;
        InvalidateRect(label, nullptr, FALSE);
    }
}
