#include "win32/label_button_win32.h"

#include <memory>
#include <string>

#include "win32/bound_window_win32.h"
#include "win32/controls_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_class_win32.h"

namespace {

constexpr char kClassName[] = "ZyfLabelButton";

// Each label owns its look; the window makes it at creation and deletes it at its end.
class LabelWindow {
public:
    LabelWindow(HWND hwnd, const LabelLook& look) : hwnd_(hwnd), look_(look) {}

    static LabelWindow* BindWindow(HWND hwnd, const CREATESTRUCTA& create) {
        return new LabelWindow(hwnd, *static_cast<const LabelLook*>(create.lpCreateParams));
    }
    static void UnbindWindow(LabelWindow* self) noexcept { delete self; }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

    void SetLook(const LabelLook& look) {
        look_ = look;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }

private:
    HWND hwnd_;
    LabelLook look_;
};

void DrawPicture(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, bool stretch) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) return;
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory) return;
    const SelectGuard guard(memory.Get(), bitmap);
    if (stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, memory.Get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.Get(), 0, 0, SRCCOPY);
    }
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

LRESULT LabelWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hwnd = hwnd_;
    switch (msg) {
    case WM_ERASEBKGND:
        return 1;  // WM_PAINT fills the whole label
    case WM_PAINT:
        Paint(hwnd, look_);
        return 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_SETFONT:
        look_.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(look_.font);
    case WM_SETCURSOR:
        if (look_.handCursor && LOWORD(lParam) == HTCLIENT) {
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
    wc.lpfnWndProc = BoundWindowProc<LabelWindow>;
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
    if (GetWindowLongPtrA(label, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BoundWindowProc<LabelWindow>)) return;
    if (LabelWindow* self = BoundObject<LabelWindow>(label)) self->SetLook(look);
}
