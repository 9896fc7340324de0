// DownloadBytes over WinINet: the program's HTTP read.
#pragma once

#include <string>

struct DownloadLimits {
    // Connect, send and receive time-out each, in milliseconds; 0 keeps WinINet's own.
    unsigned long timeoutMs = 0;
};

// The body of a GET of an "http://" or "https://" address as the server sent it, whatever
// the status, at most kMaxDownloadBytes. Empty when the address is empty or of another
// scheme, or the connection or the request fails; when a read fails part-way, the bytes that
// arrived. https goes through the system's certificate checks unchanged. Blocks until the
// transfer ends; throws nothing but std::bad_alloc.
std::string DownloadBytes(const std::string& address);

// The same with time-outs, for a read on the window thread that must not hang for good: a
// stalled transfer ends after the time-out with what arrived.
std::string DownloadBytes(const std::string& address, const DownloadLimits& limits);
