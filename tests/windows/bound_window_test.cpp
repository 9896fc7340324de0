// The binding of windows to their objects, and what an exception inside one does.
#include <gtest/gtest.h>

#include <stdexcept>

#include "win32/bound_window_win32.h"
#include "win32/window_class_win32.h"

namespace {

struct Probe {
    UINT throwOn = 0;  // the message whose handling throws
    int binds = 0;
    int unbinds = 0;
    HWND hwnd = nullptr;
};

class ProbeWindow {
public:
    static ProbeWindow* BindWindow(HWND hwnd, const CREATESTRUCTA& create) {
        auto* probe = static_cast<Probe*>(create.lpCreateParams);
        if (probe->throwOn == WM_NCCREATE) throw std::runtime_error("no object");
        ++probe->binds;
        probe->hwnd = hwnd;
        return new ProbeWindow(probe);
    }
    static void UnbindWindow(ProbeWindow* self) noexcept {
        ++self->probe_->unbinds;
        delete self;
    }
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == probe_->throwOn) throw std::bad_alloc();
        return DefWindowProcA(probe_->hwnd, msg, wParam, lParam);
    }

private:
    explicit ProbeWindow(Probe* probe) : probe_(probe) {}
    Probe* probe_;
};

HWND CreateProbe(Probe& probe) {
    WNDCLASSEXA wc{};
    wc.lpfnWndProc = BoundWindowProc<ProbeWindow>;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZyfBoundWindowProbe";
    if (!RegisterClassOnce(wc)) return nullptr;
    return CreateWindowExA(0, wc.lpszClassName, "probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance,
                           &probe);
}

TEST(BoundWindowProc, BindsAtCreationAndUnbindsOnceAtTheEnd) {
    Probe probe;
    HWND hwnd = CreateProbe(probe);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_NE(BoundObject<ProbeWindow>(hwnd), nullptr);
    EXPECT_EQ(probe.binds, 1);
    DestroyWindow(hwnd);
    EXPECT_EQ(probe.unbinds, 1);
}

TEST(BoundWindowProc, AnExceptionDuringCreationMakesTheCreationFail) {
    for (UINT message : {UINT{WM_NCCREATE}, UINT{WM_CREATE}}) {
        Probe probe;
        probe.throwOn = message;
        EXPECT_EQ(CreateProbe(probe), nullptr) << message;
        EXPECT_EQ(probe.unbinds, probe.binds) << message;  // nothing bound outlives the failure
        if (probe.hwnd) {
            EXPECT_FALSE(IsWindow(probe.hwnd)) << message;
        }
    }
}

TEST(BoundWindowProc, AnExceptionInAHandlerLeavesTheWindowAlive) {
    Probe probe;
    HWND hwnd = CreateProbe(probe);
    ASSERT_NE(hwnd, nullptr);
    probe.throwOn = WM_SETTEXT;
    EXPECT_EQ(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new")), FALSE);
    char title[16] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ(title, "probe");
    probe.throwOn = WM_USER;
    EXPECT_EQ(SendMessageA(hwnd, WM_USER, 0, 0), 0);
    EXPECT_TRUE(IsWindow(hwnd));
    probe.throwOn = 0;
    DestroyWindow(hwnd);
    EXPECT_EQ(probe.unbinds, 1);
}

}  // namespace
