// The timed wait needs <chrono>, whose g++ 12 form holds a literal that code page 936 cannot
// express; this file is therefore compiled to UTF-8 and holds no non-ASCII literal (the
// markers come in as parameters).
#include "online/page_fetcher.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>

#include "online/amp_cleanup.h"
#include "pinyin/marker_extract.h"

struct PageFetcherState {
    explicit PageFetcherState(DownloadFunction d) : download(std::move(d)) {}

    const DownloadFunction download;
    mutable std::mutex lock;
    // Signalled whenever a worker ends.
    mutable std::condition_variable workerEnded;
    // Guarded by lock.
    GbkText page;
    std::size_t liveWorkers = 0;
};

namespace {

// Whether the worker of one fetch has ended; guarded by the state's lock.
struct FetchTicket {
    bool done = false;
};

// Catches everything: no exception may leave a thread.
void RunWorker(const std::shared_ptr<PageFetcherState>& state, const std::shared_ptr<FetchTicket>& ticket,
               const std::string& address) noexcept {
    try {
        std::string bytes;
        try {
            bytes = state->download(address);
        } catch (...) {
            bytes.clear();  // a download that throws is a failed read
        }
        const std::size_t end = bytes.find('\0');
        if (end != std::string::npos) bytes.resize(end);
        {
            const std::lock_guard<std::mutex> hold(state->lock);
            state->page = std::move(bytes);
            ticket->done = true;
            --state->liveWorkers;
        }
        state->workerEnded.notify_all();
    } catch (...) {
    }
}

void StartDetachedThread(std::function<void()> work) { std::thread(std::move(work)).detach(); }

}  // namespace

PageFetcher::PageFetcher(DownloadFunction download, int timeoutMs, PumpMessages pump, StartWorker start)
    : state_(std::make_shared<PageFetcherState>(std::move(download))),
      timeoutMs_(timeoutMs),
      pump_(std::move(pump)),
      start_(start ? std::move(start) : StartWorker(StartDetachedThread)) {}

PageFetcher::~PageFetcher() = default;

GbkText PageFetcher::Fetch(const std::string& address, std::string_view startMarker, std::string_view endMarker) {
    // A build that names no feed makes no request.
    if (address.empty()) return {};
    GbkText cut;
    PumpMessages pump;
    try {
        const std::shared_ptr<PageFetcherState> state = state_;
        const auto ticket = std::make_shared<FetchTicket>();
        {
            const std::lock_guard<std::mutex> hold(state->lock);
            ++state->liveWorkers;
        }
        bool started = true;
        try {
            // The worker takes its own copy of the address, since the caller's may be gone
            // when a late worker reads it.
            start_([state, ticket, address] { RunWorker(state, ticket, address); });
        } catch (...) {
            const std::lock_guard<std::mutex> hold(state->lock);
            --state->liveWorkers;
            started = false;
        }
        GbkText page;
        {
            std::unique_lock<std::mutex> hold(state->lock);
            if (started) {
                state->workerEnded.wait_for(hold, std::chrono::milliseconds(timeoutMs_),
                                            [&ticket] { return ticket->done; });
            }
            page = state->page;
        }
        cut = MarkerExtract(page, startMarker, endMarker);
        pump = pump_;
    } catch (...) {
        return {};
    }
    // The pump may run a handler that destroys this instance: from here on only locals.
    try {
        return RemoveAmpEscapes(std::move(cut), pump);
    } catch (...) {
        return {};
    }
}

GbkText PageFetcher::PageSlot() const {
    const std::lock_guard<std::mutex> hold(state_->lock);
    return state_->page;
}

std::size_t PageFetcher::LiveWorkers() const {
    const std::lock_guard<std::mutex> hold(state_->lock);
    return state_->liveWorkers;
}

void PageFetcher::WaitForLiveWorkers(std::size_t atMost) const {
    std::unique_lock<std::mutex> hold(state_->lock);
    state_->workerEnded.wait(hold, [this, atMost] { return state_->liveWorkers <= atMost; });
}
