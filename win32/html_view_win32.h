// The embedded HTML view: the system's WebBrowser control hosted in a child window of its
// own, in plain OLE. Every page it shows is put in the Internet zone, and a page's requests
// for a new window go to a callback instead of a browser window of the control's.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "win32/com_ptr_win32.h"
#include "win32/html_view_sites_win32.h"

class HtmlView {
public:
    // A view as a child of parent at the given place (negative offsets inside a clipping
    // parent are fine), or null when OLE or the control cannot be set up. Each view keeps
    // OLE initialised on its thread, which must be a single-threaded apartment, for its life.
    static std::unique_ptr<HtmlView> Create(HWND parent, int x, int y, int width, int height,
                                            OpenLinkFunction openLink);
    ~HtmlView();
    HtmlView(const HtmlView&) = delete;
    HtmlView& operator=(const HtmlView&) = delete;

    // The host window that holds the control; destroying the parent destroys it too.
    HWND Window() const;
    // Points the view at a local file's path or a web address; false when the control refuses.
    bool Navigate(std::string_view pathOrAddress);
    // Where the control says it is (get_LocationURL) as GBK text; empty before any navigation.
    std::string LocationUrl() const;
    // Moves and sizes the view, and the control with it, in its parent's client coordinates.
    void Move(int x, int y, int width, int height);

    // The site as the control holds it (IOleObject::GetClientSite), and the control itself.
    ComPtr<IOleClientSite> ClientSite() const;
    ComPtr<IUnknown> Control() const;

    struct Parts;

private:
    explicit HtmlView(std::unique_ptr<Parts> parts);
    std::unique_ptr<Parts> parts_;
};
