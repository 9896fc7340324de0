#include "win32/clip_frame_win32.h"

#include "win32/bound_window_win32.h"
#include "win32/handles_win32.h"
#include "win32/window_class_win32.h"

namespace {

constexpr char kClassName[] = "ZyfClipFrame";

class ClipFrame {
public:
    static ClipFrame* BindWindow(HWND hwnd, const CREATESTRUCTA& create) {
        return new ClipFrame(hwnd, *static_cast<const FrameLook*>(create.lpCreateParams));
    }
    static void UnbindWindow(ClipFrame* self) noexcept { delete self; }

    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        switch (msg) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(hwnd_, &r);
            const UniqueBrush back(CreateSolidBrush(look_.backColor));
            FillRect(reinterpret_cast<HDC>(wParam), &r, back.Get());
            if (look_.border) {
                const UniqueBrush border(CreateSolidBrush(look_.borderColor));
                FrameRect(reinterpret_cast<HDC>(wParam), &r, border.Get());
            }
            return 1;
        }
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return SendMessageA(GetParent(hwnd_), msg, wParam, lParam);
        default:
            return DefWindowProcA(hwnd_, msg, wParam, lParam);
        }
    }

    void SetLook(const FrameLook& look) {
        look_ = look;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

private:
    ClipFrame(HWND hwnd, const FrameLook& look) : hwnd_(hwnd), look_(look) {}
    HWND hwnd_;
    FrameLook look_;
};

}  // namespace

HWND CreateClipFrame(HWND parent, int id, const char* name, int left, int top, int width, int height,
                     const FrameLook& look) {
    WNDCLASSEXA wc{};
    wc.lpfnWndProc = BoundWindowProc<ClipFrame>;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    if (!RegisterClassOnce(wc)) return nullptr;
    return CreateWindowExA(0, kClassName, name, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, left, top,
                           width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), wc.hInstance,
                           const_cast<FrameLook*>(&look));
}

void SetFrameLook(HWND frame, const FrameLook& look) {
    if (GetWindowLongPtrA(frame, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&BoundWindowProc<ClipFrame>)) return;
    if (ClipFrame* self = BoundObject<ClipFrame>(frame)) self->SetLook(look);
}
