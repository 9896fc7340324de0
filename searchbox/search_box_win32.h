// The program's one search window: opened at the end of the start-up and from the "rivor"
// menu items, closed by the exit. Its feed fetcher and its mini info window live as long as
// the program, across the window's openings.
#pragma once

#include <memory>
#include <string>

#include "online/mini_info_window_win32.h"
#include "online/page_fetcher.h"
#include "searchbox/search_box_window_win32.h"

struct SearchBoxProgramOptions {
    SearchBoxOptions window;
    MiniInfoOptions miniInfo;
    DownloadFunction download;  // the menu feed's read
    int fetchTimeoutMs = kFetchTimeoutMs;
    std::string menuFeedAddress;  // empty: no request at all
};

class SearchBox {
public:
    explicit SearchBox(SearchBoxProgramOptions options);
    ~SearchBox();
    SearchBox(const SearchBox&) = delete;
    SearchBox& operator=(const SearchBox&) = delete;

    // Opens and shows a new window unless a top-level window with its title exists (hidden
    // ones and other processes' count); an existing one is left as it is.
    void OpenSearchBox();
    // When the window exists: its tray icon removed, its settings saved, the window destroyed.
    void CloseSearchBox();

    // The window this program opened last, while it exists; else null.
    SearchBoxWindow* Window() const;

private:
    SearchBoxProgramOptions options_;
    PageFetcher fetcher_;
    MiniInfoOpener miniInfo_;
    std::unique_ptr<SearchBoxWindow> window_;
};
