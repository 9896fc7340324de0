#include "searchbox/search_box_win32.h"

#include "win32/message_pump_win32.h"

SearchBox::SearchBox(SearchBoxProgramOptions options)
    : options_(std::move(options)),
      fetcher_(options_.download, options_.fetchTimeoutMs, PumpPendingMessages),
      miniInfo_(options_.miniInfo) {}

SearchBox::~SearchBox() = default;

void SearchBox::OpenSearchBox() {
    if (FindWindowA(nullptr, kSearchBoxTitle)) return;
    auto window = std::make_unique<SearchBoxWindow>(options_.window, fetcher_, options_.menuFeedAddress, miniInfo_);
    if (!window->Create()) return;
    window_ = std::move(window);
    window_->ShowSearchBox();
}

void SearchBox::CloseSearchBox() {
    if (window_ && window_->Hwnd()) window_->Close();
}

SearchBoxWindow* SearchBox::Window() const { return window_ && window_->Hwnd() ? window_.get() : nullptr; }
