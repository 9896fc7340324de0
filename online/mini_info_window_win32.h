// The mini info window: 298 x 112 pixels in the bottom-right corner above the taskbar, showing
// the page of the mini info feed (or the built-in one) in an HTML view. The program has two
// openers of it, the main window's and the search window's; both look for the same title, so
// at most one of them is open at a time.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "online/download.h"
#include "online/page_fetcher.h"
#include "win32/html_view_sites_win32.h"
#include "win32/screen_metrics.h"
#include "win32/windows_h_win32.h"

inline constexpr char kMiniInfoTitle[] = "鹭汀软件更小型迷你资讯窗口";

enum class MiniCtl : int {
    外形框_最外 = 1,
    标签1,         // the caption strip: dragging it moves the window
    标签_1,        // "×"
    外形框_里层,   // the visible part of the page
};

struct MiniInfoOptions {
    std::string exeDir;  // without trailing separator
    ScreenMetrics screen;
    std::string address;  // the mini info page; empty: no request at all
    std::string dealsChannelAddress;
    DownloadFunction download;            // the page fetcher's read
    DownloadFunction stylesheetDownload;  // the stylesheet's read on the window thread
    int fetchTimeoutMs = kFetchTimeoutMs;
    OpenLinkFunction openLink;            // where the page's new windows go
};

class MiniInfoWindow;

class MiniInfoOpener {
public:
    explicit MiniInfoOpener(MiniInfoOptions options);
    ~MiniInfoOpener();
    MiniInfoOpener(const MiniInfoOpener&) = delete;
    MiniInfoOpener& operator=(const MiniInfoOpener&) = delete;

    // Loads a window unless a top-level window with the title exists (any class, any
    // process). True when it loaded one.
    bool OpenIfAbsent();

    // The window this opener loaded last, while it exists; else null.
    HWND Window() const;
    // Where its HTML view was pointed; empty when there is none.
    std::string ViewLocation() const;
    // The folder the two files were written to, with its trailing backslash.
    std::string FilesFolder() const;

private:
    MiniInfoOptions options_;
    PageFetcher fetcher_;
    std::shared_ptr<MiniInfoWindow> window_;
};
