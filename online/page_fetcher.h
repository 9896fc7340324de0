// Reads a feed page on a worker thread, waits for it at most a time-out, and cuts the text
// between an outer pair of markers with the "amp;" escapes removed.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "online/download.h"
#include "text/gbk_text.h"

inline constexpr int kFetchTimeoutMs = 10000;

// What an instance shares with its live workers.
struct PageFetcherState;

class PageFetcher {
public:
    // Handles the window messages that are waiting; the program passes a PeekMessage loop.
    using PumpMessages = std::function<void()>;
    // Starts work on a thread of its own and lets it run detached; throws std::system_error
    // when no thread can be started. Tests pass their own.
    using StartWorker = std::function<void(std::function<void()> work)>;

    PageFetcher(DownloadFunction download, int timeoutMs, PumpMessages pump, StartWorker start = {});
    // Workers still running keep what they write to; they finish on their own.
    ~PageFetcher();
    PageFetcher(const PageFetcher&) = delete;
    PageFetcher& operator=(const PageFetcher&) = delete;

    // The cut of the page between startMarker and endMarker, "amp;" removed; empty when the
    // read fails or the markers are missing. An empty address gives empty text at once,
    // without a request. When the worker misses the time-out, the page of an earlier fetch of
    // this instance is cut instead, and the late page replaces it when its worker ends.
    //
    // Between the rounds of the "amp;" clean-up the pump runs, so other handlers run inside
    // Fetch: they may fetch with this or another instance, or destroy this one. Fetch touches
    // nothing of the instance from the first round on; a caller whose own state may be gone
    // by then must check it before using the result. Never throws.
    GbkText Fetch(const std::string& address, std::string_view startMarker, std::string_view endMarker);

    // The text the last worker to finish read (empty at first and after a failed read).
    GbkText PageSlot() const;
    // Workers of this instance still running, and a wait until at most atMost are.
    std::size_t LiveWorkers() const;
    void WaitForLiveWorkers(std::size_t atMost) const;

private:
    // Owned jointly with the live workers, so that a worker that outlives the wait, the
    // instance or its window writes into memory that is still its own.
    std::shared_ptr<PageFetcherState> state_;
    int timeoutMs_;
    PumpMessages pump_;
    StartWorker start_;
};
