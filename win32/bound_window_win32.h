// The one way a window is tied to its object. The class registers BoundWindowProc<T> as
// its window procedure; T supplies
//   static T* BindWindow(HWND hwnd, const CREATESTRUCTA& create);  // at WM_NCCREATE
//   static void UnbindWindow(T* self) noexcept;                    // at WM_NCDESTROY
//   LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
// BindWindow either returns an object that someone else owns (passed in lpCreateParams) or
// makes one that UnbindWindow deletes. No exception leaves the procedure: one thrown while
// the window is being created makes the creation fail instead of leaving a half-built window.
#pragma once

#include "win32/windows_h_win32.h"

template <typename T>
T* BoundObject(HWND hwnd) {
    return reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

template <typename T>
LRESULT CALLBACK BoundWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    T* self = nullptr;
    try {
        if (msg == WM_NCCREATE) {
            self = T::BindWindow(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam));
            if (!self) return FALSE;
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = BoundObject<T>(hwnd);
        }
        if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
        if (msg == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            T::UnbindWindow(self);
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
        return self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        switch (msg) {
        case WM_NCCREATE:
        case WM_CREATE:
            // The object lets go of the window now; the destruction that follows finds none.
            if (self) {
                SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
                T::UnbindWindow(self);
            }
            return msg == WM_NCCREATE ? FALSE : -1;
        case WM_SETTEXT:
            return FALSE;  // a text that could not be taken is not reported as set
        default:
            // A command that met, say, a text too big for memory is dropped; the window and
            // everything the user typed live on.
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
    }
}
