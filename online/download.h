// The HTTP read underneath the online features, as a value the features are given.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

// A page or stylesheet is read up to this many bytes and the rest dropped, so that a bad or
// hostile server cannot exhaust the program's memory.
inline constexpr std::size_t kMaxDownloadBytes = std::size_t{16} << 20;

// The body of an HTTP GET of address, at most kMaxDownloadBytes; empty when the connection
// or the request fails, what arrived when a read fails part-way. Blocks until it ends.
using DownloadFunction = std::function<std::string(const std::string& address)>;
