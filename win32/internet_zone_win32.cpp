#include "win32/internet_zone_win32.h"

namespace {

class InternetZoneSecurityManager final : public IInternetSecurityManager {
public:
    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IInternetSecurityManager)) {
            *object = static_cast<IInternetSecurityManager*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IInternetSecurityManager
    HRESULT STDMETHODCALLTYPE SetSecuritySite(IInternetSecurityMgrSite*) override { return INET_E_DEFAULT_ACTION; }
    HRESULT STDMETHODCALLTYPE GetSecuritySite(IInternetSecurityMgrSite** site) override {
        if (site) *site = nullptr;
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE MapUrlToZone(LPCWSTR, DWORD* zone, DWORD) override {
        if (!zone) return E_INVALIDARG;
        *zone = URLZONE_INTERNET;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetSecurityId(LPCWSTR, BYTE*, DWORD*, DWORD_PTR) override {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE ProcessUrlAction(LPCWSTR, DWORD, BYTE*, DWORD, BYTE*, DWORD, DWORD, DWORD) override {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE QueryCustomPolicy(LPCWSTR, REFGUID, BYTE** policy, DWORD* size, BYTE*, DWORD,
                                                DWORD) override {
        if (policy) *policy = nullptr;
        if (size) *size = 0;
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE SetZoneMapping(DWORD, LPCWSTR, DWORD) override { return INET_E_DEFAULT_ACTION; }
    HRESULT STDMETHODCALLTYPE GetZoneMappings(DWORD, IEnumString** mappings, DWORD) override {
        if (mappings) *mappings = nullptr;
        return INET_E_DEFAULT_ACTION;
    }

private:
    ~InternetZoneSecurityManager() = default;
    LONG references_ = 1;
};

}  // namespace

ComPtr<IInternetSecurityManager> MakeInternetZoneSecurityManager() {
    return ComPtr<IInternetSecurityManager>(new InternetZoneSecurityManager());
}
