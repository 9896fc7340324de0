// The fetcher with downloads the test steers: a gate holds a download until the test opens
// it, so a fetch that must miss its short time-out cannot help missing it, and one that must
// not miss it has a time-out it never reaches. No test depends on how long anything takes.
#include <gtest/gtest.h>

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "online/amp_cleanup.h"
#include "online/feed_markers.h"
#include "online/page_fetcher.h"

namespace {

constexpr int kShortTimeoutMs = 50;
// Never reached: a fetch that waited for it would hang the test until CTest stops it.
constexpr int kNeverMs = 24 * 60 * 60 * 1000;

std::string Page(std::string_view content) { return ConcatText({"<p>", kAdFeedStart, content, kAdFeedEnd, "</p>"}); }

// One download held until the test opens it.
class Gate {
public:
    std::string Pass(const std::string& address) {
        std::unique_lock<std::mutex> hold(lock_);
        addresses_.push_back(address);
        changed_.notify_all();
        changed_.wait(hold, [this] { return open_; });
        if (throws_) throw std::runtime_error("connection reset");
        return body_;
    }
    void Open(std::string body, bool throws = false) {
        const std::lock_guard<std::mutex> hold(lock_);
        body_ = std::move(body);
        throws_ = throws;
        open_ = true;
        changed_.notify_all();
    }
    std::vector<std::string> Addresses() {
        const std::lock_guard<std::mutex> hold(lock_);
        return addresses_;
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool open_ = false;
    bool throws_ = false;
    std::string body_;
    std::vector<std::string> addresses_;
};

// Set once by one thread, waited for by another. (std::latch of g++ 12 can miss its wake-up
// where there is no futex, as in the Windows build.)
class Signal {
public:
    void Set() {
        const std::lock_guard<std::mutex> hold(lock_);
        set_ = true;
        changed_.notify_all();
    }
    void Wait() {
        std::unique_lock<std::mutex> hold(lock_);
        changed_.wait(hold, [this] { return set_; });
    }

private:
    std::mutex lock_;
    std::condition_variable changed_;
    bool set_ = false;
};

// A download that passes each address through its own gate.
DownloadFunction Gated(std::map<std::string, std::shared_ptr<Gate>> gates) {
    return [gates](const std::string& address) { return gates.at(address)->Pass(address); };
}

// A download that answers at once from a table; an address it lacks throws.
DownloadFunction Answers(std::map<std::string, std::string> pages) {
    return [pages](const std::string& address) { return pages.at(address); };
}

struct FetchCase {
    const char* name;
    std::string body;
    std::string expected;
};

TEST(PageFetcher, CutsThePageBetweenTheMarkersAndRemovesAmpEscapes) {
    const FetchCase cases[] = {
        {"cut", Page("[广告文本开始]新版[广告文本结束]"), "[广告文本开始]新版[广告文本结束]"},
        {"escaped ampersand", Page("a=1&amp;b=2&AMP;amp;c=3"), "a=1&b=2&c=3"},
        {"start marker alone", ConcatText({kAdFeedStart, "text"}), ""},
        {"end marker alone", ConcatText({"text", kAdFeedEnd}), ""},
        {"end marker before the start", ConcatText({kAdFeedEnd, "text", kAdFeedStart}), ""},
        {"page in UTF-8", "[\xE8\x81\x94\xE6\x9C\xBA\xE5\xBC\x80\xE5\xA7\x8B]text[\xE8\x81\x94\xE6\x9C\xBA\xE7\xBB\x93\xE6\x9D\x9F]", ""},
        {"page ends at its first zero byte", Page("before") + std::string("\0", 1) + Page("after"), "before"},
        {"zero byte before the end marker", ConcatText({kAdFeedStart, "a"}) + std::string("\0", 1) + kAdFeedEnd, ""},
    };
    for (const FetchCase& c : cases) {
        PageFetcher fetcher(Answers({{"http://127.0.0.1/feed", c.body}}), kNeverMs, [] {});
        EXPECT_EQ(fetcher.Fetch("http://127.0.0.1/feed", kAdFeedStart, kAdFeedEnd), c.expected) << c.name;
    }
}

TEST(PageFetcher, EmptyAddressMakesNoRequest) {
    int calls = 0;
    PageFetcher fetcher(
        [&calls](const std::string&) {
            ++calls;
            return Page("page");
        },
        kNeverMs, [] {});
    EXPECT_EQ(fetcher.Fetch("", kAdFeedStart, kAdFeedEnd), "");
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(fetcher.LiveWorkers(), 0u);
}

TEST(PageFetcher, FailedReadEmptiesTheSlot) {
    const std::string good = "http://127.0.0.1/good";
    const std::string empty = "http://127.0.0.1/empty";
    const std::string throwing = "http://127.0.0.1/throws";
    PageFetcher fetcher(Answers({{good, Page("page")}, {empty, ""}}), kNeverMs, [] {});
    for (const std::string& failing : {empty, throwing}) {
        SCOPED_TRACE(failing);
        ASSERT_EQ(fetcher.Fetch(good, kAdFeedStart, kAdFeedEnd), "page");
        EXPECT_EQ(fetcher.Fetch(failing, kAdFeedStart, kAdFeedEnd), "");
        EXPECT_EQ(fetcher.PageSlot(), "");
    }
}

TEST(PageFetcher, LatePageReplacesTheSlotAndServesTheNextTimedOutFetch) {
    const auto first = std::make_shared<Gate>();
    const auto second = std::make_shared<Gate>();
    PageFetcher fetcher(Gated({{"http://127.0.0.1/1", first}, {"http://127.0.0.1/2", second}}), kShortTimeoutMs, [] {});

    EXPECT_EQ(fetcher.Fetch("http://127.0.0.1/1", kAdFeedStart, kAdFeedEnd), "");
    EXPECT_EQ(fetcher.LiveWorkers(), 1u);
    first->Open(Page("late"));
    fetcher.WaitForLiveWorkers(0);
    EXPECT_EQ(fetcher.PageSlot(), Page("late"));

    EXPECT_EQ(fetcher.Fetch("http://127.0.0.1/2", kAdFeedStart, kAdFeedEnd), "late");
    second->Open("");
    fetcher.WaitForLiveWorkers(0);
    EXPECT_EQ(fetcher.PageSlot(), "");
    EXPECT_EQ(first->Addresses(), std::vector<std::string>{"http://127.0.0.1/1"});
}

TEST(PageFetcher, EveryWorkerThatEndsReplacesTheSlotInTheOrderTheyEnd) {
    const auto a = std::make_shared<Gate>();
    const auto b = std::make_shared<Gate>();
    const auto c = std::make_shared<Gate>();
    PageFetcher fetcher(Gated({{"a", a}, {"b", b}, {"c", c}}), kShortTimeoutMs, [] {});
    EXPECT_EQ(fetcher.Fetch("a", kAdFeedStart, kAdFeedEnd), "");
    EXPECT_EQ(fetcher.Fetch("b", kAdFeedStart, kAdFeedEnd), "");
    EXPECT_EQ(fetcher.LiveWorkers(), 2u);

    b->Open(Page("from b"));
    fetcher.WaitForLiveWorkers(1);
    EXPECT_EQ(fetcher.Fetch("c", kAdFeedStart, kAdFeedEnd), "from b");
    // a started first but ends after b: its page is the newer one now.
    a->Open(Page("from a"));
    fetcher.WaitForLiveWorkers(1);
    EXPECT_EQ(fetcher.PageSlot(), Page("from a"));
    c->Open("", /*throws=*/true);
    fetcher.WaitForLiveWorkers(0);
    EXPECT_EQ(fetcher.PageSlot(), "");
}

TEST(PageFetcher, WorkerThatCannotStartEndsTheWaitAtOnceWithTheSlot) {
    bool refuse = false;
    PageFetcher fetcher(Answers({{"http://127.0.0.1/feed", Page("earlier")}}), kNeverMs, [] {},
                        [&refuse](std::function<void()> work) {
                            if (refuse) throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
                            std::thread(std::move(work)).detach();
                        });
    ASSERT_EQ(fetcher.Fetch("http://127.0.0.1/feed", kAdFeedStart, kAdFeedEnd), "earlier");
    refuse = true;
    EXPECT_EQ(fetcher.Fetch("http://127.0.0.1/feed", kAdFeedStart, kAdFeedEnd), "earlier");
    EXPECT_EQ(fetcher.LiveWorkers(), 0u);
}

TEST(PageFetcher, WorkerThatOutlivesTheInstanceWritesIntoItsOwnState) {
    // Set when the last copy of the download goes, which is when the last owner of
    // the shared state lets go of it.
    Signal released;
    struct SetOnDestroy {
        Signal& signal;
        ~SetOnDestroy() { signal.Set(); }
    };
    const auto gate = std::make_shared<Gate>();
    {
        auto token = std::make_shared<SetOnDestroy>(released);
        PageFetcher fetcher([gate, token](const std::string& address) { return gate->Pass(address); },
                            kShortTimeoutMs, [] {});
        token.reset();
        EXPECT_EQ(fetcher.Fetch("http://127.0.0.1/feed", kAdFeedStart, kAdFeedEnd), "");
    }
    gate->Open(Page("after the instance"));
    released.Wait();
}

struct CleanupCase {
    const char* name;
    const char* text;
    const char* expected;
    int rounds;
};

TEST(RemoveAmpEscapes, RemovesEveryAmpInRoundsCharacterWise) {
    const CleanupCase cases[] = {
        {"escaped ampersand", "a&amp;b", "a&b", 1},
        {"escaped twice, one round", "a&amp;amp;b", "a&b", 1},
        {"upper and mixed case", "&AMP;&Amp;", "&&", 1},
        {"any amp; goes", "example;amp;", "example;", 1},
        {"a removal that makes another takes a second round", "aamp;mp;", "", 2},
        {"trail byte a before mp; is not amp;", "乤mp;", "乤mp;", 0},
        {"amp; after a character whose trail byte is a", "乤amp;", "乤", 1},
        {"nothing to do", "淘宝网，淘实惠！", "淘宝网，淘实惠！", 0},
    };
    for (const CleanupCase& c : cases) {
        int rounds = 0;
        EXPECT_EQ(RemoveAmpEscapes(c.text, [&rounds] { ++rounds; }), c.expected) << c.name;
        EXPECT_EQ(rounds, c.rounds) << c.name;
    }
}

TEST(PageFetcher, PumpThatDestroysTheInstanceLeavesTheCleanupIntact) {
    std::unique_ptr<PageFetcher> fetcher;
    fetcher = std::make_unique<PageFetcher>(Answers({{"http://127.0.0.1/feed", Page("aamp;mp;&amp;x")}}), kNeverMs,
                                            [&fetcher] { fetcher.reset(); });
    EXPECT_EQ(fetcher->Fetch("http://127.0.0.1/feed", kAdFeedStart, kAdFeedEnd), "&x");
    EXPECT_EQ(fetcher, nullptr);
}

TEST(PageFetcher, PumpThatFetchesAgainWithTheSameInstance) {
    std::unique_ptr<PageFetcher> fetcher;
    GbkText inner;
    int pumps = 0;
    fetcher = std::make_unique<PageFetcher>(
        Answers({{"http://127.0.0.1/outer", Page("o&amp;")}, {"http://127.0.0.1/inner", Page("i&amp;")}}), kNeverMs,
        [&] {
            if (pumps++ == 0) inner = fetcher->Fetch("http://127.0.0.1/inner", kAdFeedStart, kAdFeedEnd);
        });
    EXPECT_EQ(fetcher->Fetch("http://127.0.0.1/outer", kAdFeedStart, kAdFeedEnd), "o&");
    EXPECT_EQ(inner, "i&");
    EXPECT_EQ(fetcher->PageSlot(), Page("i&amp;"));
}

}  // namespace
