// The embedded HTML view under Wine, which has the WebBrowser control but (without Gecko) no
// engine to draw pages: what can be seen is where the view is pointed, its geometry inside a
// clipping frame, the services its site offers the control, and its event sink.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/support/test_paths.h"
#include "win32/bstr_text_win32.h"
#include "win32/html_view_win32.h"
#include "win32/window_class_win32.h"
#include "win32/windows_h_win32.h"

#include <exdisp.h>
#include <exdispid.h>
#include <ocidl.h>
#include <servprov.h>
#include <urlmon.h>

namespace {

// The mini window's measures: a 296 x 101 frame at (1, 10) of a 298 x 112 window, and the
// view at (-10, -16) in it, 100 pixels wider and higher than the frame.
constexpr int kFrameLeft = 1, kFrameTop = 10, kFrameWidth = 296, kFrameHeight = 101;
constexpr int kViewLeft = -10, kViewTop = -16, kViewWidth = 396, kViewHeight = 201;

void PumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

std::wstring Wide(const std::string& text) {
    const UniqueBstr b = ToBstr(text);
    return std::wstring(b.Get(), SysStringLen(b.Get()));
}

class HtmlViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "ZyfHtmlViewTestWindow";
        ASSERT_TRUE(RegisterClassOnce(wc));
        window_.Reset(CreateWindowExA(0, wc.lpszClassName, "html view test", WS_POPUP | WS_VISIBLE, 100, 100, 298,
                                      112, nullptr, nullptr, wc.hInstance, nullptr));
        ASSERT_TRUE(window_);
        frame_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, kFrameLeft, kFrameTop,
                                 kFrameWidth, kFrameHeight, window_.Get(), nullptr, wc.hInstance, nullptr);
        ASSERT_TRUE(frame_);
        view_ = HtmlView::Create(frame_, 0, 0, 20, 20, [this](std::string_view address) {
            opened_.emplace_back(address);
        });
        ASSERT_TRUE(view_) << "the WebBrowser control could not be created and activated";
    }
    void TearDown() override {
        view_.reset();
        window_.Reset();
        PumpMessages();
    }

    // The sink the view connected to the control's DWebBrowserEvents2, found as the control
    // would find it.
    ComPtr<IDispatch> AdvisedSink() const {
        const auto container = view_->Control().Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
        if (!container) return {};
        ComPtr<IConnectionPoint> point;
        if (FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put()))) return {};
        ComPtr<IEnumConnections> connections;
        if (FAILED(point->EnumConnections(connections.Put())) || !connections) return {};
        CONNECTDATA data{};
        ULONG fetched = 0;
        if (connections->Next(1, &data, &fetched) != S_OK || fetched != 1 || !data.pUnk) return {};
        // The enumerator should hand over a reference with pUnk; Wine's does not, so it is
        // left alone (a reference lost on Windows, in a test, rather than one freed twice).
        ComPtr<IDispatch> sink;
        data.pUnk->QueryInterface(IID_IDispatch, sink.PutVoid());
        return sink;
    }

    ComPtr<IInternetSecurityManager> SecurityManagerOfTheSite() const {
        const auto services = view_->ClientSite().Query<IServiceProvider>(IID_IServiceProvider);
        if (!services) return {};
        ComPtr<IInternetSecurityManager> manager;
        services->QueryService(SID_SInternetSecurityManager, IID_IInternetSecurityManager, manager.PutVoid());
        return manager;
    }

    UniqueWindow window_;
    HWND frame_ = nullptr;
    std::unique_ptr<HtmlView> view_;
    std::vector<std::string> opened_;
};

TEST_F(HtmlViewTest, PointsTheControlAtTheLocalFile) {
    TempDir dir;
    const std::string folder = dir.File("迷你资讯");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string page = folder + "\\miniweb1.html";
    WriteFileBytes(page, "<html><body>页面</body></html>");

    ASSERT_TRUE(view_->Navigate(page));
    std::string location;
    for (int i = 0; i < 500 && location.empty(); ++i) {
        PumpMessages();
        location = view_->LocationUrl();
        if (location.empty()) Sleep(10);
    }
    // Wine reads back "file://" and the path as given; the folder's name survives the trip
    // to the control's wide strings and back.
    ASSERT_FALSE(location.empty());
    EXPECT_EQ(location.rfind("file://", 0), 0u) << location;
    EXPECT_NE(location.find("迷你资讯"), std::string::npos) << location;
    EXPECT_NE(location.find("miniweb1.html"), std::string::npos) << location;
}

TEST_F(HtmlViewTest, SitsInsideAClippingFrameAtNegativeOffsets) {
    view_->Move(kViewLeft, kViewTop, kViewWidth, kViewHeight);
    PumpMessages();

    RECT view{};
    ASSERT_TRUE(GetWindowRect(view_->Window(), &view));
    MapWindowPoints(nullptr, frame_, reinterpret_cast<POINT*>(&view), 2);
    EXPECT_EQ(view.left, kViewLeft);
    EXPECT_EQ(view.top, kViewTop);
    EXPECT_EQ(view.right - view.left, kViewWidth);
    EXPECT_EQ(view.bottom - view.top, kViewHeight);

    // The control's own window fills the view.
    HWND control = GetWindow(view_->Window(), GW_CHILD);
    ASSERT_TRUE(control);
    RECT controlRect{};
    GetWindowRect(control, &controlRect);
    EXPECT_EQ(controlRect.right - controlRect.left, kViewWidth);
    EXPECT_EQ(controlRect.bottom - controlRect.top, kViewHeight);

    // What can be drawn of the view is the frame's area: from 10 right and 16 down of its
    // corner, the frame's size; its right and bottom edges stay hidden. (A device context
    // that leaves the control's window in, which would otherwise cover it all.)
    HDC dc = GetDCEx(view_->Window(), nullptr, DCX_CACHE);
    ASSERT_TRUE(dc);
    RECT visible{};
    EXPECT_EQ(GetClipBox(dc, &visible), SIMPLEREGION);
    ReleaseDC(view_->Window(), dc);
    EXPECT_EQ(visible.left, -kViewLeft);
    EXPECT_EQ(visible.top, -kViewTop);
    EXPECT_EQ(visible.right, -kViewLeft + kFrameWidth);
    EXPECT_EQ(visible.bottom, -kViewTop + kFrameHeight);
}

TEST_F(HtmlViewTest, SiteGivesTheControlASecurityManagerThatPutsEveryPageInTheInternetZone) {
    const ComPtr<IInternetSecurityManager> manager = SecurityManagerOfTheSite();
    ASSERT_TRUE(manager);

    TempDir dir;
    std::string fileUrl = "file:///" + dir.File("ad\\miniweb1.html");
    for (char& c : fileUrl) {
        if (c == '\\') c = '/';
    }
    const std::string urls[] = {fileUrl, "file://C:\\ad\\miniweb1.html", "http://127.0.0.1/page.html", "about:blank"};
    for (const std::string& url : urls) {
        SCOPED_TRACE(url);
        DWORD zone = 12345;
        EXPECT_EQ(manager->MapUrlToZone(Wide(url).c_str(), &zone, 0), S_OK);
        EXPECT_EQ(zone, static_cast<DWORD>(URLZONE_INTERNET));
    }
    // Every other decision stays the system's, made for the Internet zone.
    DWORD policy = 0;
    EXPECT_EQ(manager->ProcessUrlAction(Wide(fileUrl).c_str(), URLACTION_SCRIPT_RUN, reinterpret_cast<BYTE*>(&policy),
                                        sizeof policy, nullptr, 0, 0, 0),
              INET_E_DEFAULT_ACTION);
    BYTE id[512];
    DWORD idSize = sizeof id;
    EXPECT_EQ(manager->GetSecurityId(Wide(fileUrl).c_str(), id, &idSize, 0), INET_E_DEFAULT_ACTION);

    // Without it, the system's manager would run the file with the Local Machine's rights.
    ComPtr<IInternetSecurityManager> system;
    if (SUCCEEDED(CoCreateInstance(CLSID_InternetSecurityManager, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IInternetSecurityManager, system.PutVoid()))) {
        DWORD zone = 12345;
        EXPECT_EQ(system->MapUrlToZone(Wide(fileUrl).c_str(), &zone, 0), S_OK);
        EXPECT_EQ(zone, static_cast<DWORD>(URLZONE_LOCAL_MACHINE));
    }
}

TEST_F(HtmlViewTest, SiteOffersNoOtherService) {
    const auto services = view_->ClientSite().Query<IServiceProvider>(IID_IServiceProvider);
    ASSERT_TRUE(services);
    void* object = reinterpret_cast<void*>(1);
    EXPECT_TRUE(FAILED(services->QueryService(IID_IOleObject, IID_IUnknown, &object)));
    EXPECT_EQ(object, nullptr);
}

TEST_F(HtmlViewTest, PageRequestsForANewWindowGoToTheCallbackNeverToAWindowOfTheControls) {
    const ComPtr<IDispatch> sink = AdvisedSink();
    ASSERT_TRUE(sink) << "no sink connected to the control's events";

    const UniqueBstr url = ToBstr("http://127.0.0.1/购物?a=1&b=2");
    const UniqueBstr context = ToBstr("file://C:\\ad\\miniweb1.html");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    IDispatch* newWindow = nullptr;
    VARIANT args[5];  // last argument first, as a dispatch call carries them
    for (VARIANT& v : args) VariantInit(&v);
    args[0].vt = VT_BSTR;
    args[0].bstrVal = url.Get();
    args[1].vt = VT_BSTR;
    args[1].bstrVal = context.Get();
    args[2].vt = VT_I4;
    args[2].lVal = 0x2;  // NWMF_USERINITED
    args[3].vt = VT_BYREF | VT_BOOL;
    args[3].pboolVal = &cancel;
    args[4].vt = VT_BYREF | VT_DISPATCH;
    args[4].ppdispVal = &newWindow;
    DISPPARAMS params{args, nullptr, 5, 0};

    EXPECT_EQ(sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                           nullptr, nullptr),
              S_OK);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_EQ(newWindow, nullptr);
    EXPECT_EQ(opened_, std::vector<std::string>{"http://127.0.0.1/购物?a=1&b=2"});

    // Without an address (NewWindow2, or a NewWindow3 whose address is missing) the window is
    // refused and nothing is opened.
    opened_.clear();
    cancel = VARIANT_FALSE;
    args[0].vt = VT_EMPTY;
    EXPECT_EQ(sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr,
                           nullptr, nullptr),
              S_OK);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    cancel = VARIANT_FALSE;
    DISPPARAMS older{&args[3], nullptr, 2, 0};
    EXPECT_EQ(sink->Invoke(DISPID_NEWWINDOW2, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &older, nullptr,
                           nullptr, nullptr),
              S_OK);
    EXPECT_EQ(cancel, VARIANT_TRUE);
    EXPECT_TRUE(opened_.empty());

    // Events the view does not handle, and malformed calls, change nothing.
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    EXPECT_EQ(sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                           nullptr),
              S_OK);
    EXPECT_EQ(sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, nullptr, nullptr,
                           nullptr, nullptr),
              S_OK);
    EXPECT_TRUE(opened_.empty());
}

TEST_F(HtmlViewTest, OutlivesItsParentWindow) {
    window_.Reset();
    PumpMessages();
    EXPECT_FALSE(view_->Navigate("about:blank"));
    EXPECT_EQ(view_->LocationUrl(), "");
    view_.reset();
}

}  // namespace
