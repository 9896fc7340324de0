#include "win32/html_view_sites_win32.h"

#include <string>

#include "win32/bstr_text_win32.h"
#include "win32/internet_zone_win32.h"

#include <exdisp.h>
#include <exdispid.h>
#include <servprov.h>

namespace {

// One object for the interfaces a container's site offers an in-place control. The control
// asks for them by QueryInterface on the client site it was given.
class HtmlViewSite final : public IOleClientSite,
                           public IOleInPlaceSite,
                           public IOleInPlaceFrame,
                           public IServiceProvider {
public:
    HtmlViewSite(HWND host, ComPtr<IInternetSecurityManager> securityManager)
        : host_(host), securityManager_(std::move(securityManager)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite)) {
            *object = static_cast<IOleClientSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleWindow) || IsEqualIID(iid, IID_IOleInPlaceSite)) {
            *object = static_cast<IOleInPlaceSite*>(this);
        } else if (IsEqualIID(iid, IID_IOleInPlaceUIWindow) || IsEqualIID(iid, IID_IOleInPlaceFrame)) {
            *object = static_cast<IOleInPlaceFrame*>(this);
        } else if (IsEqualIID(iid, IID_IServiceProvider)) {
            *object = static_cast<IServiceProvider*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, for the in-place site and the frame alike
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = host_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override {
        if (!frame || !document || !position || !clip || !info) return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        *document = nullptr;
        // The control fills the host window; the host's parent does the clipping.
        GetClientRect(host_, position);
        *clip = *position;
        info->fMDIApp = FALSE;
        info->hwndFrame = host_;
        info->haccel = nullptr;
        info->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no toolbars, menus or accelerators of ours.
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IServiceProvider: the control asks its site for a security manager before it falls
    // back to the system's, which would put a page shown from a local file in the Local
    // Machine zone.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (IsEqualGUID(service, SID_SInternetSecurityManager) && securityManager_) {
            return securityManager_->QueryInterface(iid, object);
        }
        return E_NOINTERFACE;
    }

private:
    ~HtmlViewSite() = default;

    LONG references_ = 1;
    HWND host_;
    ComPtr<IInternetSecurityManager> securityManager_;
};

// The arguments of an event arrive last first; nullptr when the slot is not of that type.
const VARIANT* Argument(const DISPPARAMS& params, UINT fromLast) {
    if (!params.rgvarg || fromLast >= params.cArgs) return nullptr;
    return &params.rgvarg[fromLast];
}

VARIANT_BOOL* CancelFlag(const DISPPARAMS& params, UINT fromLast) {
    const VARIANT* v = Argument(params, fromLast);
    if (!v || v->vt != (VT_BYREF | VT_BOOL)) return nullptr;
    return v->pboolVal;
}

BSTR TextArgument(const DISPPARAMS& params, UINT fromLast) {
    const VARIANT* v = Argument(params, fromLast);
    if (!v) return nullptr;
    if (v->vt == VT_BSTR) return v->bstrVal;
    if (v->vt == (VT_BYREF | VT_BSTR) && v->pbstrVal) return *v->pbstrVal;
    return nullptr;
}

}  // namespace

ComPtr<IOleClientSite> MakeHtmlViewSite(HWND host) {
    return ComPtr<IOleClientSite>(new HtmlViewSite(host, MakeInternetZoneSecurityManager()));
}

ComPtr<BrowserEventSink> BrowserEventSink::Make(OpenLinkFunction openLink) {
    return ComPtr<BrowserEventSink>(new BrowserEventSink(std::move(openLink)));
}

void BrowserEventSink::Detach() { openLink_ = nullptr; }

HRESULT STDMETHODCALLTYPE BrowserEventSink::QueryInterface(REFIID iid, void** object) {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, DIID_DWebBrowserEvents2)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE BrowserEventSink::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG STDMETHODCALLTYPE BrowserEventSink::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE BrowserEventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params,
                                                   VARIANT* result, EXCEPINFO*, UINT*) {
    // The callback may end the view, and the view's last hold on this sink with it.
    AddRef();
    const ComPtr<BrowserEventSink> keepAlive(this);
    if (result) VariantInit(result);
    if (!params) return S_OK;
    switch (member) {
    case DISPID_NEWWINDOW3:
        OnNewWindow3(*params);
        break;
    case DISPID_NEWWINDOW2:
        // (ppDisp, Cancel): no address to hand on, and no window of the control's own.
        if (VARIANT_BOOL* cancel = CancelFlag(*params, 0)) *cancel = VARIANT_TRUE;
        break;
    default:
        break;
    }
    return S_OK;
}

void BrowserEventSink::OnNewWindow3(const DISPPARAMS& params) {
    // (ppDisp, Cancel, dwFlags, bstrUrlContext, bstrUrl), last first. Cancelled before the
    // callback runs, so that nothing it does can let the control open its own window.
    if (VARIANT_BOOL* cancel = CancelFlag(params, 3)) *cancel = VARIANT_TRUE;
    const BSTR url = TextArgument(params, 0);
    if (!url || !openLink_) return;
    // No exception leaves a COM callback; a link that cannot be opened is dropped. The
    // callback runs from a copy, as it may end the view, which detaches this sink.
    try {
        const std::string address = FromBstr(url);
        const OpenLinkFunction open = openLink_;
        if (!address.empty()) open(address);
    } catch (...) {
    }
}
