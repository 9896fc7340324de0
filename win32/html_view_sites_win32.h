// The COM objects through which the embedded browser control talks to the HTML view: the
// container's site and the sink of the control's events.
#pragma once

#include <functional>
#include <string_view>
#include <utility>

#include "win32/com_ptr_win32.h"

#include <oaidl.h>

// Opens an address that a page wanted in a new window.
using OpenLinkFunction = std::function<void(std::string_view address)>;

// Client site, in-place site and frame of a control activated in host, and the service
// provider that hands the control the Internet-zone security manager.
ComPtr<IOleClientSite> MakeHtmlViewSite(HWND host);

// The control's DWebBrowserEvents2. A page's request for a new window (NewWindow3, with its
// address) goes to openLink as GBK text and the control's own window is cancelled; so is
// NewWindow2, which systems before NewWindow3 send without an address.
class BrowserEventSink final : public IDispatch {
public:
    static ComPtr<BrowserEventSink> Make(OpenLinkFunction openLink);
    // From now on events reach no callback, though the control may still hold the sink.
    void Detach();

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;

private:
    explicit BrowserEventSink(OpenLinkFunction openLink) : openLink_(std::move(openLink)) {}
    ~BrowserEventSink() = default;
    void OnNewWindow3(const DISPPARAMS& params);

    LONG references_ = 1;
    OpenLinkFunction openLink_;
};
