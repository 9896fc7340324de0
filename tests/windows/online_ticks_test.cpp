// The main window's online timers end to end, against the loopback HTTP server: the ad
// caption and its link, and the mini info window with its files, place and view.
#include <gtest/gtest.h>

#include <string>

#include "deployment.h"
#include "online/feed_decoding.h"
#include "online/feed_markers.h"
#include "online/mini_info_files.h"
#include "online/mini_info_window_win32.h"
#include "tests/support/loopback_server.h"
#include "tests/support/main_window_harness_win32.h"
#include "tests/support/test_paths.h"
#include "profile/file_replace.h"
#include "win32/controls_win32.h"

namespace {

// An address of the server that answers with body.
std::string Serving(const LoopbackServer& server, std::string_view name, std::string_view body) {
    return server.Http(UniquePath(name) + "?body=" + PercentEncode(body));
}

std::string AdPage(std::string_view plain) {
    return "<html><body>博客" + std::string(kAdFeedStart) + EncryptFeedText(plain) + kAdFeedEnd + "</body></html>";
}

class OnlineTicksTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto found = LoopbackServer::Find();
        ASSERT_TRUE(found) << "the loopback_http fixture is not running";
        server = std::move(*found);
    }
    std::optional<LoopbackServer> server;
};

TEST_F(OnlineTicksTest, AdTickShowsTheFeedsCaptionAndTheClickOpensItsLink) {
    const std::string link = "http://127.0.0.1:1/shop?a=1&b=2";
    const std::string path = UniquePath("ad");
    const std::string feed = server->Http(path + "?body=" + PercentEncode(AdPage("[广告文本开始]新品上架[广告文本结束][广告链接开始]" + link + "[广告链接结束]")));
    MainWindowHarness h([&](MainWindowOptions& o) { o.adFeedAddress = feed; });
    ASSERT_TRUE(h.Start());
    EXPECT_EQ(h.Text(Ctl::标签_窗口假下并广告), "淘宝淘实惠");  // until the first tick

    h.Window().On时钟_联机Timer();
    EXPECT_EQ(h.Window().TimerPeriod(k时钟_联机), 5 * 60000);
    EXPECT_EQ(h.Text(Ctl::标签_窗口假下并广告), "新品上架");
    EXPECT_EQ(h.Window().AdLinkAddress(), link);
    h.Press(Ctl::标签_窗口假下并广告);
    EXPECT_EQ(h.links, (std::vector<std::string>{link}));
    EXPECT_EQ(h.dealsOpened, 0);
    EXPECT_EQ(server->RequestsFor(path).size(), 1u);
}

TEST_F(OnlineTicksTest, AdTickFallsBackToTheChannelPageWhenTheFeedFailsOrLies) {
    struct Row {
        std::string name;
        std::string address;
        std::string caption;
        std::string storedLink;
    };
    const std::string deals = kDealsChannelAddress;
    const Row rows[] = {
        {"server down", server->Refused("/ad"), "淘宝淘实惠", deals},
        {"no markers", Serving(*server, "ad-plain", "<html>nothing here</html>"), "淘宝淘实惠", deals},
        {"a link that is no web address",
         Serving(*server, "ad-file", AdPage("[广告文本开始]看这里[广告文本结束][广告链接开始]file:///C:/x.html[广告链接结束]")),
         "看这里", deals},
        {"the default caption with a link",
         Serving(*server, "ad-default", AdPage("[广告文本开始]淘宝淘实惠[广告文本结束][广告链接开始]http://127.0.0.1:1/x[广告链接结束]")),
         "淘宝淘实惠", "http://127.0.0.1:1/x"},
    };
    for (const Row& row : rows) {
        MainWindowHarness h([&](MainWindowOptions& o) { o.adFeedAddress = row.address; });
        ASSERT_TRUE(h.Start());
        h.Window().On时钟_联机Timer();
        h.Press(Ctl::标签_窗口假下并广告);
        EXPECT_EQ(h.dealsOpened, 1) << row.name;
        EXPECT_TRUE(h.links.empty()) << row.name;
        EXPECT_EQ(h.Text(Ctl::标签_窗口假下并广告), row.caption) << row.name;
        EXPECT_EQ(h.Window().AdLinkAddress(), row.storedLink) << row.name;
    }
}

TEST_F(OnlineTicksTest, MiniInfoTickOpensTheWindowWithTheFeedsPage) {
    const std::string css = "a:link { color: #112233 }";
    const std::string cssAddress = Serving(*server, "css", css);
    const std::string page = std::string(kInfoFeedStart) + "[css网址开始]" + cssAddress + "[css网址结束]" +
                             kMiniPageStart + "<p>书 &amp;amp; 茶</p>" + kMiniPageEnd + kInfoFeedEnd;
    const std::string feed = Serving(*server, "mini", "<html>" + page + "</html>");
    MainWindowHarness h([&](MainWindowOptions& o) { o.miniInfoAddress = feed; });
    ASSERT_TRUE(h.Start());

    h.Window().On时钟_迷你资讯Timer();
    EXPECT_EQ(h.Window().TimerPeriod(k时钟_迷你资讯), 25 * 60000);
    HWND mini = FindWindowA(nullptr, kMiniInfoTitle);
    ASSERT_NE(mini, nullptr);
    EXPECT_EQ(mini, h.Window().MiniInfo().Window());
    EXPECT_TRUE(IsWindowVisible(mini));
    RECT r{};
    GetWindowRect(mini, &r);
    // 1366 x 768 with a 40-pixel taskbar: 4 pixels in from the right, 4 above the taskbar.
    EXPECT_EQ(r.left, 1064);
    EXPECT_EQ(r.top, 612);
    EXPECT_EQ(r.right - r.left, 298);
    EXPECT_EQ(r.bottom - r.top, 112);

    const std::string folder = h.dir.File("ad");
    EXPECT_EQ(h.Window().MiniInfo().FilesFolder(), folder + "\\");
    EXPECT_EQ(ReadFileBytes(folder + "\\miniweb1.html"), std::string(kStylesheetLinkHead) + "<p>书 & 茶</p>");
    EXPECT_EQ(ReadFileBytes(folder + "\\css.css"), css);
    EXPECT_NE(h.Window().MiniInfo().ViewLocation().find("miniweb1.html"), std::string::npos)
        << h.Window().MiniInfo().ViewLocation();

    // Open: the next tick opens nothing. Closed with ×: the next tick loads it afresh.
    h.Window().On时钟_迷你资讯Timer();
    EXPECT_EQ(FindWindowA(nullptr, kMiniInfoTitle), mini);
    HWND close = FindWindowExA(FindWindowExA(mini, nullptr, nullptr, "外形框_最外"), nullptr, nullptr, "×");
    ASSERT_NE(close, nullptr);
    SendMessageA(close, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(IsWindow(mini));
    EXPECT_EQ(FindWindowA(nullptr, kMiniInfoTitle), nullptr);
    h.Window().On时钟_迷你资讯Timer();
    EXPECT_NE(FindWindowA(nullptr, kMiniInfoTitle), nullptr);
}

TEST_F(OnlineTicksTest, MiniInfoWindowShowsTheBuiltInPageWhenTheServerIsDown) {
    MainWindowHarness h([&](MainWindowOptions& o) { o.miniInfoAddress = server->Refused("/mini"); });
    ASSERT_TRUE(h.Start());
    h.Window().On时钟_迷你资讯Timer();
    ASSERT_NE(h.Window().MiniInfo().Window(), nullptr);
    const std::string folder = h.dir.File("ad");
    EXPECT_EQ(ReadFileBytes(folder + "\\miniweb1.html"), BuiltInMiniPage(kDealsChannelAddress));
    EXPECT_EQ(ReadFileBytes(folder + "\\css.css"), BuiltInMiniCss());
}

// A file named "ad" counts as the folder; the files aimed below it cannot be written, and the
// window opens all the same, with nothing lost beside the executable.
TEST_F(OnlineTicksTest, MiniInfoWindowOpensWhenAFileStandsWhereItsFolderWouldBe) {
    MainWindowHarness h;
    WriteFileBytes(h.dir.File("ad"), "mine");
    ASSERT_TRUE(h.Start());
    h.Window().On时钟_迷你资讯Timer();
    EXPECT_NE(h.Window().MiniInfo().Window(), nullptr);
    EXPECT_EQ(h.Window().MiniInfo().FilesFolder(), h.dir.File("ad") + "\\");
    EXPECT_EQ(ReadFileBytes(h.dir.File("ad")), "mine");
    EXPECT_FALSE(PathExists(h.dir.File("miniweb1.html")));
}

TEST_F(OnlineTicksTest, AnyWindowWithTheTitleKeepsTheMiniInfoWindowFromOpening) {
    HWND other = CreateWindowExA(0, "STATIC", kMiniInfoTitle, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(other, nullptr);
    MainWindowHarness h;
    ASSERT_TRUE(h.Start());
    h.Window().On时钟_迷你资讯Timer();
    EXPECT_EQ(h.Window().MiniInfo().Window(), nullptr);
    DestroyWindow(other);
}

}  // namespace
