// DownloadBytes over the real WinINet, against the loopback server of the CTest fixture
// "loopback_http" (tests/support/loopback_http_server.py).
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "online/download.h"
#include "online/download_bytes_win32.h"
#include "tests/support/loopback_server.h"
#include "tests/support/test_paths.h"
#include "win32/windows_h_win32.h"

namespace {

constexpr char kUserAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

std::vector<std::string> Lines(const std::string& request) {
    std::vector<std::string> lines;
    std::istringstream in(request);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class DownloadBytesTest : public ::testing::Test {
protected:
    void SetUp() override {
        server_ = LoopbackServer::Find();
        ASSERT_TRUE(server_) << "the loopback server is not running; run this test through ctest, "
                                "whose fixture loopback_http starts it";
    }
    const LoopbackServer& Server() const { return *server_; }

    std::optional<LoopbackServer> server_;
};

TEST_F(DownloadBytesTest, SendsAnHttp10GetWithTheProgramsHeadersToTheAddressedHostOnly) {
    const std::string path = UniquePath("request-form");
    const std::string page = "<p>[联机开始]页面[联机结束]</p>";
    const std::string query = "?body=" + PercentEncode(page) + "&q=%C1%AA";

    EXPECT_EQ(DownloadBytes(Server().Http(path + query + "#fragment")), page);

    const std::vector<std::string> requests = Server().RequestsFor(path);
    ASSERT_EQ(requests.size(), 1u);
    const std::vector<std::string> lines = Lines(requests[0]);
    ASSERT_FALSE(lines.empty());
    // The fragment stays on this side.
    EXPECT_EQ(lines[0], "GET " + path + query + " HTTP/1.0");
    const std::set<std::string> headers(lines.begin() + 1, lines.end());
    EXPECT_TRUE(headers.count("Accept: */*")) << requests[0];
    EXPECT_TRUE(headers.count(std::string("User-Agent: ") + kUserAgent)) << requests[0];
    EXPECT_TRUE(headers.count("Pragma: no-cache")) << requests[0];
    // A direct connection: the request names the server itself, not a proxy's idea of it.
    const std::string host = Server().Http("").substr(std::string("http://").size());
    EXPECT_TRUE(headers.count("Host: " + host)) << requests[0];
}

TEST_F(DownloadBytesTest, EveryReadGoesToTheServerNeverToTheCache) {
    const std::string path = UniquePath("no-cache");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(DownloadBytes(Server().Http(path + "?body=same")), "same");
    EXPECT_EQ(Server().RequestsFor(path).size(), 3u);
}

struct AnswerCase {
    const char* name;
    std::string query;
    std::string expected;
};

TEST_F(DownloadBytesTest, BodyComesBackAsItArrivedWhateverTheAnswer) {
    const std::string markers = "[联机信息开始]未找到[联机信息结束]";
    const AnswerCase cases[] = {
        {"error page, markers and all", "status=404&body=" + PercentEncode(markers), markers},
        {"body cut short of its announced length", "size=3000&length=100000", PatternBytes(3000)},
        {"no content length: ends when the connection closes", "size=50000&length=none", PatternBytes(50000)},
        {"many chunks of the largest size", "size=350001", PatternBytes(350001)},
        {"announced length 0", "body=&length=0", ""},
        {"late headers and late body", "size=2000&delay_headers=300&delay_body=300", PatternBytes(2000)},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = UniquePath("answer");
        const std::string got = DownloadBytes(Server().Http(path + "?" + c.query));
        EXPECT_EQ(got.size(), c.expected.size());
        EXPECT_TRUE(got == c.expected);
        EXPECT_EQ(Server().RequestsFor(path).size(), 1u);
    }
}

TEST_F(DownloadBytesTest, RefusedConnectionGivesNothing) {
    EXPECT_EQ(DownloadBytes(Server().Refused("/refused")), "");
    EXPECT_EQ(DownloadBytes(Server().Refused("/refused"), DownloadLimits{1000}), "");
}

TEST_F(DownloadBytesTest, OnlyWebAddressesAreRead) {
    TempDir dir;
    WriteFileBytes(dir.File("local.html"), "local bytes");
    std::string fileUrl = "file:///" + dir.File("local.html");
    for (char& c : fileUrl) {
        if (c == '\\') c = '/';
    }
    const std::string path = UniquePath("scheme");
    const std::string hostAndPort = Server().Http("").substr(std::string("http://").size());
    const std::string addresses[] = {
        "",
        fileUrl,
        "ftp://" + hostAndPort + path,
        hostAndPort + path,
        "http://",
        "not an address at all",
    };
    for (const std::string& address : addresses) {
        SCOPED_TRACE(address);
        EXPECT_EQ(DownloadBytes(address), "");
    }
    EXPECT_TRUE(Server().RequestsFor(path).empty());
}

TEST_F(DownloadBytesTest, HttpsWithSelfSignedCertificateGivesNothingAndSendsNoRequest) {
    if (!Server().HasHttps()) GTEST_SKIP() << "the loopback server has no certificate (openssl missing)";
    const std::string path = UniquePath("tls");
    const int before = Server().TlsConnections();

    EXPECT_EQ(DownloadBytes(Server().Https(path + "?body=secret")), "");

    // The connection did reach the server: the refusal was the certificate's. The server
    // notes a handshake when it ends, which may be a moment after the client gave up.
    for (int i = 0; i < 500 && Server().TlsConnections() == before; ++i) Sleep(10);
    EXPECT_GT(Server().TlsConnections(), before);
    EXPECT_TRUE(Server().RequestsFor(path).empty());
}

TEST_F(DownloadBytesTest, BoundedReadEndsWithWhatArrivedWhenTheServerStalls) {
    const AnswerCase cases[] = {
        {"body stalls part-way", "size=5000&length=100000&stall=1", PatternBytes(5000)},
        {"close-delimited body stalls", "size=7000&length=none&stall=1", PatternBytes(7000)},
        {"request accepted, never answered", "never=1", ""},
        {"ordinary page within the time-out", "size=20000", PatternBytes(20000)},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = UniquePath("stall");
        const std::string got = DownloadBytes(Server().Http(path + "?" + c.query), DownloadLimits{1000});
        EXPECT_EQ(got.size(), c.expected.size());
        EXPECT_TRUE(got == c.expected);
        EXPECT_EQ(Server().RequestsFor(path).size(), 1u);
    }
}

TEST_F(DownloadBytesTest, ReadsAtMostTheBoundAndDropsTheRest) {
    const std::string over = std::to_string(kMaxDownloadBytes + 300000);
    const std::string exact = std::to_string(kMaxDownloadBytes);
    const std::string expected = PatternBytes(kMaxDownloadBytes);
    const struct {
        const char* name;
        std::string query;
    } cases[] = {
        {"announced length over the bound", "size=" + over},
        {"close-delimited body over the bound", "size=" + over + "&length=none"},
        {"body exactly at the bound", "size=" + exact},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string got = DownloadBytes(Server().Http(UniquePath("bound") + "?" + c.query));
        EXPECT_EQ(got.size(), kMaxDownloadBytes);
        // Compared whole, but never printed: a failure would print 16 MiB.
        EXPECT_TRUE(got == expected);
    }
}

}  // namespace
