#include "tests/support/loopback_server.h"

#include <cstdio>
#include <random>
#include <sstream>

#include "tests/support/test_paths.h"

namespace {

std::string StateFolder() {
#ifdef _WIN32
    // Under Wine the Unix build tree is drive Z:.
    std::string path = std::string("Z:") + ZYF_BINARY_DIR + "/loopback_http";
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
#else
    return std::string(ZYF_BINARY_DIR) + "/loopback_http";
#endif
}

int ReadPort(const std::string& ports, const std::string& key) {
    std::istringstream lines(ports);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + "=", 0) == 0) return std::stoi(line.substr(key.size() + 1));
    }
    return 0;
}

std::string Address(const char* scheme, int port, std::string_view pathAndQuery) {
    return std::string(scheme) + "://127.0.0.1:" + std::to_string(port) + std::string(pathAndQuery);
}

}  // namespace

std::optional<LoopbackServer> LoopbackServer::Find() {
    LoopbackServer server;
    server.folder_ = StateFolder();
#ifdef _WIN32
    const std::string portsFile = server.folder_ + "\\ports";
#else
    const std::string portsFile = server.folder_ + "/ports";
#endif
    const std::string ports = ReadFileBytes(portsFile);
    server.httpPort_ = ReadPort(ports, "http");
    server.httpsPort_ = ReadPort(ports, "https");
    server.refusedPort_ = ReadPort(ports, "refused");
    if (server.httpPort_ == 0 || server.refusedPort_ == 0) return std::nullopt;
    return server;
}

std::string LoopbackServer::Http(std::string_view pathAndQuery) const { return Address("http", httpPort_, pathAndQuery); }
std::string LoopbackServer::Https(std::string_view pathAndQuery) const { return Address("https", httpsPort_, pathAndQuery); }
std::string LoopbackServer::Refused(std::string_view pathAndQuery) const {
    return Address("http", refusedPort_, pathAndQuery);
}

std::string LoopbackServer::StateFile(const std::string& name) const {
#ifdef _WIN32
    return folder_ + "\\" + name;
#else
    return folder_ + "/" + name;
#endif
}

std::vector<std::string> LoopbackServer::RequestsFor(std::string_view path) const {
    const std::string log = ReadFileBytes(StateFile("requests.log"));
    std::vector<std::string> found;
    std::size_t begin = 0;
    while (begin < log.size()) {
        const std::size_t end = log.find("\r\n\r\n", begin);
        if (end == std::string::npos) break;
        std::string request = log.substr(begin, end + 4 - begin);
        begin = end + 4;
        const std::string line = request.substr(0, request.find("\r\n"));
        // "GET /path?query HTTP/1.0": the path ends at the query or at the blank.
        const std::size_t start = line.find(' ');
        if (start == std::string::npos) continue;
        const std::size_t stop = line.find_first_of("? ", start + 1);
        if (line.substr(start + 1, stop - start - 1) == path) found.push_back(std::move(request));
    }
    return found;
}

int LoopbackServer::TlsConnections() const {
    const std::string log = ReadFileBytes(StateFile("tls.log"));
    int lines = 0;
    for (char c : log) lines += c == '\n';
    return lines;
}

std::string PercentEncode(std::string_view bytes) {
    std::string out;
    char hex[4];
    for (unsigned char c : bytes) {
        std::snprintf(hex, sizeof hex, "%%%02X", c);
        out += hex;
    }
    return out;
}

std::string UniquePath(std::string_view name) {
    std::string path(1, '/');
    path.append(name).append(1, '-').append(std::to_string(std::random_device{}()));
    return path;
}

std::string PatternBytes(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
    return bytes;
}
