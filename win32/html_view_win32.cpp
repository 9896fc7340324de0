#include "win32/html_view_win32.h"

#include <new>

#include "win32/bstr_text_win32.h"
#include "win32/handles_win32.h"
#include "win32/startup_trace_win32.h"
#include "win32/window_class_win32.h"

#include <exdisp.h>
#include <ocidl.h>

namespace {

constexpr char kHostClass[] = "ZyfHtmlViewHost";

}  // namespace

struct HtmlView::Parts {
    bool oleInitialized = false;
    UniqueWindow host;
    ComPtr<IOleClientSite> site;
    ComPtr<BrowserEventSink> events;
    ComPtr<IOleObject> object;
    ComPtr<IOleInPlaceObject> inPlace;
    ComPtr<IWebBrowser2> browser;
    ComPtr<IConnectionPoint> eventSource;
    DWORD eventCookie = 0;

    ~Parts() {
        CloseControl();
        host.Reset();
        if (oleInitialized) OleUninitialize();
    }

    void FitControl(int width, int height) {
        if (!inPlace) return;
        const RECT area{0, 0, width, height};
        inPlace->SetObjectRects(&area, &area);
    }

    // In this order the control lets go of the sink and the site, while its windows still
    // exist; it may run when the host is destroyed with its parent and again at the end.
    void CloseControl() {
        if (eventSource) {
            eventSource->Unadvise(eventCookie);
            eventSource.Reset();
        }
        if (events) {
            events->Detach();
            events.Reset();
        }
        if (inPlace) {
            inPlace->InPlaceDeactivate();
            inPlace.Reset();
        }
        browser.Reset();
        if (object) {
            object->Close(OLECLOSE_NOSAVE);
            object->SetClientSite(nullptr);
            object.Reset();
        }
        site.Reset();
    }
};

namespace {

HtmlView::Parts* PartsOf(HWND hwnd) {
    return reinterpret_cast<HtmlView::Parts*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    HtmlView::Parts* parts = PartsOf(hwnd);
    if (!parts) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_SIZE:
        parts->FitControl(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_DESTROY:
        parts->CloseControl();
        break;
    case WM_NCDESTROY:
        // Gone with its parent: the owner must not destroy a handle that may be reused.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        parts->host.Release();
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool RegisterHostClass(HINSTANCE instance) {
    WNDCLASSEXA wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kHostClass;
    return RegisterClassOnce(wc);
}

// The control, activated in place in the host and connected to the sink; false on any
// failure, with what was made left for the caller's clean-up.
bool ActivateControl(HtmlView::Parts& parts, OpenLinkFunction openLink, int width, int height) {
    HWND host = parts.host.Get();
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                parts.object.PutVoid()))) {
        return false;
    }
    TraceStartUpStep("html-create-instance");
    parts.site = MakeHtmlViewSite(host);
    // The WebBrowser control wants its site before anything else (OLEMISC_SETCLIENTSITEFIRST).
    if (FAILED(parts.object->SetClientSite(parts.site.Get()))) return false;
    RECT area{0, 0, width, height};
    if (FAILED(parts.object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, parts.site.Get(), 0, host, &area))) {
        return false;
    }
    TraceStartUpStep("html-activate");
    parts.inPlace = parts.object.Query<IOleInPlaceObject>(IID_IOleInPlaceObject);
    parts.browser = parts.object.Query<IWebBrowser2>(IID_IWebBrowser2);
    if (!parts.inPlace || !parts.browser) return false;
    parts.FitControl(width, height);
    // A page's script errors would otherwise open dialogs over the program.
    parts.browser->put_Silent(VARIANT_TRUE);

    // Without its events the control would open links aimed at a new window in a browser
    // window of its own, so a view that cannot hear them is no view.
    parts.events = BrowserEventSink::Make(std::move(openLink));
    const auto container = parts.object.Query<IConnectionPointContainer>(IID_IConnectionPointContainer);
    if (!container || FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, parts.eventSource.Put()))) {
        return false;
    }
    if (FAILED(parts.eventSource->Advise(static_cast<IDispatch*>(parts.events.Get()), &parts.eventCookie))) {
        parts.eventSource.Reset();
        return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<HtmlView> HtmlView::Create(HWND parent, int x, int y, int width, int height,
                                           OpenLinkFunction openLink) {
    try {
        auto parts = std::make_unique<Parts>();
        const HRESULT ole = OleInitialize(nullptr);
        // S_FALSE: already initialised on this thread, which still counts one more use.
        if (FAILED(ole)) return nullptr;
        parts->oleInitialized = true;
        TraceStartUpStep("html-ole-initialize");

        HINSTANCE instance = GetModuleHandleA(nullptr);
        if (!RegisterHostClass(instance)) return nullptr;
        parts->host.Reset(CreateWindowExA(0, kHostClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                                          x, y, width, height, parent, nullptr, instance, parts.get()));
        if (!parts->host) return nullptr;
        if (!ActivateControl(*parts, std::move(openLink), width, height)) return nullptr;
        return std::unique_ptr<HtmlView>(new HtmlView(std::move(parts)));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

HtmlView::HtmlView(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}

HtmlView::~HtmlView() = default;

HWND HtmlView::Window() const { return parts_->host.Get(); }

bool HtmlView::Navigate(std::string_view pathOrAddress) {
    if (!parts_->browser) return false;
    const UniqueBstr address = ToBstr(pathOrAddress);
    if (!address) return false;
    VARIANT none;
    VariantInit(&none);
    return SUCCEEDED(parts_->browser->Navigate(address.Get(), &none, &none, &none, &none));
}

std::string HtmlView::LocationUrl() const {
    if (!parts_->browser) return {};
    BSTR location = nullptr;
    if (FAILED(parts_->browser->get_LocationURL(&location))) return {};
    const UniqueBstr owner(location);
    return FromBstr(owner.Get());
}

void HtmlView::Move(int x, int y, int width, int height) {
    if (!parts_->host) return;
    // A new size reaches the control through the host's WM_SIZE.
    MoveWindow(parts_->host.Get(), x, y, width, height, TRUE);
}

ComPtr<IOleClientSite> HtmlView::ClientSite() const {
    ComPtr<IOleClientSite> site;
    if (parts_->object) parts_->object->GetClientSite(site.Put());
    return site;
}

ComPtr<IUnknown> HtmlView::Control() const { return parts_->object.Query<IUnknown>(IID_IUnknown); }
