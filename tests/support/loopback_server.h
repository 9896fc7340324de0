// The loopback HTTP(S) server of tests/support/loopback_http_server.py, as the CTest fixture
// "loopback_http" runs it: its ports and what it saw, read from its state folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class LoopbackServer {
public:
    // The server the fixture started, or nothing when it is not running.
    static std::optional<LoopbackServer> Find();

    // "http://127.0.0.1:PORT" + pathAndQuery; the same over TLS (its certificate is
    // self-signed), and a port where nothing listens.
    std::string Http(std::string_view pathAndQuery) const;
    std::string Https(std::string_view pathAndQuery) const;
    std::string Refused(std::string_view pathAndQuery) const;
    bool HasHttps() const { return httpsPort_ != 0; }

    // The raw requests (request line and headers) whose request line names path, in order.
    std::vector<std::string> RequestsFor(std::string_view path) const;
    // Connections to the TLS port so far, whether their handshake succeeded or not.
    int TlsConnections() const;
    // A file the server can serve with file=name.
    std::string StateFile(const std::string& name) const;

private:
    std::string folder_;
    int httpPort_ = 0;
    int httpsPort_ = 0;
    int refusedPort_ = 0;
};

// Bytes written as %XX, for the body= of a request.
std::string PercentEncode(std::string_view bytes);
// A path no other test uses: "/" + name + "-" + a random number.
std::string UniquePath(std::string_view name);
// The bytes that size=N serves: byte i is i % 251.
std::string PatternBytes(std::size_t size);
