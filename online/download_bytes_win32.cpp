#include "online/download_bytes_win32.h"

#include <algorithm>
#include <optional>

#include "online/download.h"
#include "win32/internet_handle_win32.h"

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr DWORD kLargestChunk = 102400;
constexpr DWORD kChunkWithoutLength = 10240;

struct Target {
    bool secure = false;
    std::string host;
    INTERNET_PORT port = 0;
    std::string object;  // path and query, as the request line names it
};

std::optional<Target> SplitAddress(const std::string& address) {
    // A zero byte would end the address early for WinINet but not for us.
    if (address.find('\0') != std::string::npos) return std::nullopt;
    URL_COMPONENTSA parts{};
    parts.dwStructSize = sizeof parts;
    // Non-zero lengths without buffers ask for pointers into the address itself.
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    if (!InternetCrackUrlA(address.c_str(), 0, 0, &parts)) return std::nullopt;
    // Only the web: a file: or ftp: address taken from a page must not be read through here.
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) return std::nullopt;
    if (!parts.lpszHostName || parts.dwHostNameLength == 0) return std::nullopt;

    Target target;
    target.secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    target.host.assign(parts.lpszHostName, parts.dwHostNameLength);
    target.port = parts.nPort;
    if (parts.lpszUrlPath) target.object.assign(parts.lpszUrlPath, parts.dwUrlPathLength);
    if (parts.lpszExtraInfo) target.object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    // The extra info holds the fragment too, which never goes to the server.
    target.object.erase(std::min(target.object.find('#'), target.object.size()));
    if (target.object.empty()) target.object.push_back('/');
    return target;
}

void SetTimeouts(HINTERNET handle, DWORD ms) {
    for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                         INTERNET_OPTION_RECEIVE_TIMEOUT}) {
        DWORD value = ms;
        InternetSetOptionA(handle, option, &value, sizeof value);
    }
}

// The announced content length, when there is one that reads as a number.
std::optional<DWORD> ContentLength(HINTERNET request) {
    DWORD length = 0;
    DWORD size = sizeof length;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &length, &size, nullptr)) {
        return std::nullopt;
    }
    return length;
}

std::string ReadBody(HINTERNET request) {
    const std::optional<DWORD> length = ContentLength(request);
    const DWORD chunk = !length ? kChunkWithoutLength : *length >= kLargestChunk ? kLargestChunk : *length + 1;
    std::string body;
    if (length) body.reserve(std::min<std::size_t>(*length, kMaxDownloadBytes));
    // Past the bound the rest of the body is left unread; closing the request drops it.
    while (body.size() < kMaxDownloadBytes) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(chunk, kMaxDownloadBytes - body.size()));
        const std::size_t had = body.size();
        body.resize(had + want);
        DWORD got = 0;
        const BOOL ok = InternetReadFile(request, body.data() + had, want, &got);
        // A read waits to fill its whole chunk; one that fails on the way (a time-out, a
        // dropped connection) still counts the bytes it placed, and those are kept.
        body.resize(had + std::min(got, want));
        if (!ok || got == 0) break;
    }
    return body;
}

std::string Download(const std::string& address, std::optional<DWORD> timeoutMs) {
    if (address.empty()) return {};
    const std::optional<Target> target = SplitAddress(address);
    if (!target) return {};

    UniqueInternetHandle session(InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return {};
    UniqueInternetHandle connection(InternetConnectA(session.Get(), target->host.c_str(), target->port, nullptr,
                                                     nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    // Wine takes the receive time-out from the connection or the request, never from the
    // session, and ignores the connect time-out, which Windows honours.
    if (timeoutMs) SetTimeouts(connection.Get(), *timeoutMs);

    const char* acceptTypes[] = {"*/*", nullptr};
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    if (target->secure) flags |= INTERNET_FLAG_SECURE;
    // The connect-and-request route, because InternetOpenUrlA sends HTTP/1.1 whatever it is told.
    UniqueInternetHandle request(HttpOpenRequestA(connection.Get(), "GET", target->object.c_str(), "HTTP/1.0",
                                                  nullptr, acceptTypes, flags, 0));
    if (!request) return {};
    if (timeoutMs) SetTimeouts(request.Get(), *timeoutMs);
    // The status code is not examined: an error page is returned like any page.
    if (!HttpSendRequestA(request.Get(), nullptr, 0, nullptr, 0)) return {};
    return ReadBody(request.Get());
}

}  // namespace

std::string DownloadBytes(const std::string& address) { return Download(address, std::nullopt); }

std::string DownloadBytes(const std::string& address, const DownloadLimits& limits) {
    if (limits.timeoutMs == 0) return Download(address, std::nullopt);
    return Download(address, static_cast<DWORD>(limits.timeoutMs));
}
